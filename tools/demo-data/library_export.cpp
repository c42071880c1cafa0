#include "library_export.h"

#include <filesystem>
#include <system_error>

#include "foundation/errors.h"
#include "library/type_library.h"

namespace kelvo::demo {

namespace {

void FillSub(TKelvoSubKomp& sub, const SubImage& image, int bits) {
  sub.Bits = static_cast<uint8_t>(bits);
  sub.Clip = image.clip;
  if (bits == 16) {
    const Image16& img = image.image16;
    sub.X = img.x, sub.Y = img.y;
    sub.Width = static_cast<int16_t>(img.w), sub.Height = static_cast<int16_t>(img.h);
    sub.Pixels.resize(img.px.size() * 2);
    for (size_t i = 0; i < img.px.size(); ++i) {
      sub.Pixels[2 * i] = static_cast<uint8_t>(img.px[i] & 0xFF);
      sub.Pixels[2 * i + 1] = static_cast<uint8_t>(img.px[i] >> 8);
    }
  } else {
    const Image8& img = image.image8;
    sub.X = img.x, sub.Y = img.y;
    sub.Width = static_cast<int16_t>(img.w), sub.Height = static_cast<int16_t>(img.h);
    sub.Pixels = img.px;
  }
}

void FillContainer(TKelvoKompKontejner& box, const Category& cat) {
  box.ImageDir = cat.image_dir;
  box.Bits = cat.bits;
  box.Usual = cat.usual;
  box.MaskSecond = cat.mask_second;
  box.InvertMask = cat.invert_mask;
  box.ColourMask = cat.colour_mask;
  box.WithSpan = cat.with_span;
  box.Shadow = cat.shadow;
  for (size_t s = 0; s < 4; ++s) box.ColourSlots[s + 1] = cat.colour_slots[s];
  for (int point_category : cat.point_categories) box.AddPoint(point_category);
  for (const Component& c : cat.components) {
    TKelvoKomp& k = box.NewComponent(c.name);
    k.Frequency = c.frequency;
    k.Kind = c.kind;
    k.Signature = c.sig;
    k.IsFrame = c.is_frame;
    for (size_t i = 0; i < 5; ++i) k.Properties[i + 1] = c.props[i];
    for (const SnapPoint& p : c.points) {
      kelvo::SnapPoint q;
      q.X = p.x, q.Y = p.y;
      q.SpreadLeft = p.left, q.SpreadRight = p.right, q.SpreadUp = p.up, q.SpreadDown = p.down;
      q.SpanX = p.span_x, q.SpanY = p.span_y;
      k.Points.push_back(q);
    }
    for (int s = 1; s <= 4; ++s) {
      const std::optional<SubImage>& image = c.subs[static_cast<size_t>(s - 1)];
      if (!image) continue;
      FillSub(k.SetSub(s, c.name + "_s0" + std::to_string(s)), *image, cat.bits);
    }
    k.ImagesLoaded = 1;
  }
  for (const Component& c : cat.components) {
    for (int n = 1; n <= 4; ++n) {
      const std::string& step = c.steps[static_cast<size_t>(n - 1)];
      if (!step.empty()) box.Komp(box.FindByName(c.name)).AddAnim(step, n);
    }
  }
}

}  // namespace

std::unique_ptr<TKelvoTyp> ToLibrary(const DataSet& ds, TPak& archive,
                                     const std::string& directory) {
  auto lib = std::make_unique<TKelvoTyp>(archive, directory);
  for (const DrawStep& step : ds.draw_order) {
    lib->DrawOrder.push_back({step.category, step.sub, step.kind});
  }
  for (const auto& [parent, dependent] : ds.dependencies) lib->AddDependency(parent, dependent);
  for (int c = 1; c <= kCategoryCount; ++c) {
    FillContainer(lib->Container(c), ds.categories[static_cast<size_t>(c)]);
  }
  for (int n = 1; n <= kColourTypeCount; ++n) {
    const ColourType& from = ds.colours[static_cast<size_t>(n)];
    TDruhBarvy& to = lib->ColourType(n);
    to.Name = from.name;
    for (const ColourEntry& e : from.entries) {
      kelvo::ColourEntry entry = kelvo::ColourEntry::WithDefaultProperties();
      entry.Colour() = static_cast<int32_t>(e.colour);
      entry.Contrast() = e.contrast;
      entry.Frequency() = e.frequency;
      for (int i = 1; i <= 5; ++i) entry.Property(i) = e.props[static_cast<size_t>(i - 1)];
      to.Entries.push_back(entry);
    }
    to.Selected = to.EntryCount() > 0 ? 1 : 0;
    to.DefaultEntry = to.Selected;
  }
  return lib;
}

void WriteDataSet(const DataSet& ds, TPak& archive, const std::string& directory) {
  namespace fs = std::filesystem;
  const fs::path target(directory);
  const fs::path staging = target.string() + ".new";
  std::error_code ec;
  fs::remove_all(staging, ec);
  fs::create_directories(staging, ec);
  if (ec) throw KelvoError("Failed to create " + staging.string());
  std::unique_ptr<TKelvoTyp> lib = ToLibrary(ds, archive, staging.string());
  lib->SaveTextAs(staging.string());
  lib->SaveImagesAs(staging.string());
  fs::remove_all(target, ec);
  fs::rename(staging, target, ec);
  if (ec) throw KelvoError("Failed to create " + target.string() + ": " + ec.message());
}

}  // namespace kelvo::demo
