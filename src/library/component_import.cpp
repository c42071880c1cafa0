#include "library/component_import.h"

#include <algorithm>
#include <utility>

#include "archive/pak.h"
#include "archive/pak_vfs.h"
#include "foundation/errors.h"
#include "foundation/paths.h"
#include "library/component.h"
#include "library/container.h"

namespace kelvo {
namespace {

constexpr int kSlots = 4;

struct Shift {
  int32_t x = 0;
  int32_t y = 0;
};

Shift Difference(const TKelvoSubKomp& to, const TKelvoSubKomp& from) {
  return {to.X - from.X, to.Y - from.Y};
}

// The first slot where both components have a subcomponent, 0 for none.
int CommonSlot(const TKelvoKomp& a, const TKelvoKomp& b) {
  for (int i = 1; i <= kSlots; ++i) {
    if (a.Sub(i) != nullptr && b.Sub(i) != nullptr) return i;
  }
  return 0;
}

// The first slot where exactly one of them has a subcomponent, 0 when the sets match.
int MismatchedSlot(const TKelvoKomp& a, const TKelvoKomp& b) {
  for (int i = 1; i <= kSlots; ++i) {
    if ((a.Sub(i) != nullptr) != (b.Sub(i) != nullptr)) return i;
  }
  return 0;
}

// Whether a component other than `except` keeps an image under this file name.
bool FileNameTaken(const TKelvoKompKontejner& container, const std::string& name,
                   const TKelvoKomp* except) {
  for (const auto& component : container.Components) {
    if (component.get() == except) continue;
    for (int i = 1; i <= kSlots; ++i) {
      const TKelvoSubKomp* sub = component->Sub(i);
      if (sub != nullptr && sub->FileName == name) return true;
    }
  }
  return false;
}

// The usual name, unless another component's image already has it: names cut at the first "_"
// meet ("ab_c" and "ab_d" both give "ab__s01"), and saving would write one image over the other.
std::string FreeFileName(const TKelvoKompKontejner& container, const ImportPlan& plan, int slot,
                         const TKelvoKomp* replaced) {
  const std::string name = plan.SubcomponentName(slot);
  if (!FileNameTaken(container, name, replaced)) return name;
  return UnusedImageName(container, plan.Name + "_s0" + std::to_string(slot), replaced);
}

std::unique_ptr<TKelvoKomp> BuildComponent(TPak& archive, TKelvoKompKontejner& container,
                                           const ImportPlan& plan, const TKelvoKomp* like,
                                           const TKelvoKomp* replaced) {
  auto added = std::make_unique<TKelvoKomp>(container.Index, &container);
  added->Source = plan.Folder;
  added->Name = plan.Name;
  added->ImagesLoaded = 1;
  added->Points.resize(static_cast<size_t>(container.PointCount()));
  for (int j = 1; like != nullptr && j <= std::min(container.PointCount(), like->PointCount());
       ++j) {
    added->Point(j) = like->Point(j);
  }
  for (int r = 1; r <= kSlots; ++r) {
    const ImportSlot& slot = plan.Slots[r];
    if (slot.File.empty()) continue;
    TKelvoSubKomp sub;
    sub.Bits = static_cast<uint8_t>(container.Bits);
    sub.FileName = FreeFileName(container, plan, r, replaced);
    // Whatever the picked file's extension, the images are read as ".bmp".
    const std::string bitmap = plan.Folder + slot.File + ".bmp";
    const std::string mask = slot.ColourMask ? plan.Folder + slot.File + "_msk.bmp" : "";
    bool loaded = false;
    try {
      loaded = sub.ImportBitmap(archive, bitmap, mask);
    } catch (const FatalDataError& error) {
      throw FatalDataError(std::string(error.what()) + ": " + ShownName(mask) + " (" +
                           ShownName(bitmap) + ")");
    }
    if (loaded) added->Subcomponents[r] = std::move(sub);
  }
  return added;
}

void TakeShift(TKelvoKomp& added, const TKelvoKomp& like, bool pairedCategory) {
  Shift delta;
  if (const int ref = CommonSlot(like, added); ref != 0) {
    delta = Difference(*like.Sub(ref), *added.Sub(ref));
  }
  for (int i = 1; i <= kSlots; ++i) {
    TKelvoSubKomp* sub = added.Sub(i);
    const TKelvoSubKomp* model = like.Sub(i);
    if (sub == nullptr || model == nullptr) continue;
    sub->X += delta.x;
    sub->Y += delta.y;
    if (pairedCategory) {
      sub->X = model->X;
      sub->Y = model->Y;
    }
  }
}

void ReplaceImages(TKelvoKomp& old, const TKelvoKomp& imported, const ImportPlan& plan,
                   int32_t bits, ImportQuestions& questions) {
  const int mismatch = MismatchedSlot(imported, old);
  const int ref = CommonSlot(imported, old);
  const bool clipImported = plan.ClipMaskSlot != 0 && imported.Sub(plan.ClipMaskSlot) != nullptr;
  const bool clipOffset = clipImported && ref != 0;
  Shift delta;
  if (clipOffset) delta = Difference(*old.Sub(ref), *imported.Sub(ref));
  bool differ = mismatch != 0;
  if (differ && mismatch == plan.ClipMaskSlot && questions.PlaceClipMask()) differ = false;

  for (int i = 1; i <= kSlots; ++i) {
    auto& target = old.Subcomponents[i];
    const TKelvoSubKomp* from = imported.Sub(i);
    if (from == nullptr) {
      target.reset();
      continue;
    }
    TKelvoSubKomp fresh = *from;
    fresh.Bits = static_cast<uint8_t>(bits);
    fresh.Clip = false;
    if (!differ) {
      if (clipOffset) {
        fresh.X += delta.x;
        fresh.Y += delta.y;
      } else if (target) {
        fresh.X = target->X;
        fresh.Y = target->Y;
      }
      // A slot the old component lacked keeps the imported offset and no clip flag.
      if (target && i != plan.ClipMaskSlot) fresh.Clip = target->Clip;
    }
    target = std::move(fresh);
  }
  // The old image files must not be read over the new pixels later.
  old.ImagesLoaded = std::max<int16_t>(old.ImagesLoaded, 1);
}

}  // namespace

std::string ImportPlan::Summary() const {
  std::string summary;
  for (int r = 1; r <= kSlots; ++r) {
    const ImportSlot& slot = Slots[r];
    if (slot.File.empty()) continue;
    summary += slot.File + "\r\n";
    if (slot.ColourMask) summary += slot.File + "_msk" + "\r\n";
  }
  return summary;
}

std::string ImportPlan::Confirmation(const std::string& category) const {
  std::string text = "To group " + category + " will be imported:" + "\r\n" + Summary();
  for (const std::string& file : Left) {
    text += "\r\nNot imported, all four subcomponents are taken: " + file;
  }
  return text;
}

std::string ImportPlan::SubcomponentName(int slot) const {
  return SlotImageName(Name, slot);
}

ImportPlan PlanImport(TPak& archive, const TKelvoKompKontejner& container,
                      const std::string& path) {
  ImportPlan plan;
  const auto separator = std::find_if(path.rbegin(), path.rend(), IsSeparator);
  const size_t nameStart = static_cast<size_t>(path.rend() - separator);
  plan.Folder = path.substr(0, nameStart);
  const std::string name = path.substr(nameStart);
  const size_t dot = name.rfind('.');
  plan.BaseName = name.substr(0, dot);
  plan.Extension = dot == std::string::npos ? "" : name.substr(dot + 1);

  TPakVFS& files = archive.Files();
  const auto exists = [&](const std::string& file) {
    return files.FileExists(plan.Folder + file + "." + plan.Extension);
  };
  int next = 1;
  // Each candidate takes the next slot number, found or not.
  const auto take = [&](const std::string& candidate, bool withColourMask, bool clipMask) {
    plan.Expected = "\r\n" + candidate + plan.Expected;
    const int slot = next++;
    if (!exists(candidate)) return;
    if (slot > kSlots) {
      plan.Left.push_back(candidate);
      return;
    }
    ImportSlot& s = plan.Slots[slot];
    s.File = candidate;
    s.ColourMask = withColourMask && exists(candidate + "_msk");
    if (clipMask) plan.ClipMaskSlot = slot;
  };

  const std::string& f = plan.BaseName;
  if (container.Usual == 2 || container.Usual == 3) {
    plan.Name = f.size() >= 2 ? f.substr(0, f.size() - 2) : std::string();
    take(plan.Name + "_z", container.ColourMask, false);
    if (container.Usual == 3) take(plan.Name + "_s", container.ColourMask, false);
    take(plan.Name + "_p", container.ColourMask, false);
  } else {
    plan.Name = f;
    take(plan.Name, container.ColourMask, false);
  }
  if (container.MaskSecond) take(plan.Name + "_omsk", false, true);
  if (container.Shadow != -1) take(plan.Name + "_shd", false, false);
  return plan;
}

ImportResult ImportComponent(TPak& archive, TKelvoKompKontejner& container, const ImportPlan& plan,
                             const TKelvoKomp* like, ImportQuestions& questions) {
  const int32_t existing = container.FindByName(plan.Name);
  TKelvoKomp* replaced = existing != -1 ? &container.Komp(existing) : nullptr;
  std::unique_ptr<TKelvoKomp> imported = BuildComponent(archive, container, plan, like, replaced);
  if (replaced != nullptr) {
    TKelvoKomp& old = *replaced;
    ReplaceImages(old, *imported, plan, container.Bits, questions);
    return {&old, false};
  }
  imported->IsFrame = questions.IsAnimation();
  if (like != nullptr && questions.UseShiftOf(like->Name)) {
    TakeShift(*imported, *like, container.WithSpan);
  }
  return {&container.AddComponent(std::move(imported)), true};
}

std::string UnusedImageName(const TKelvoKompKontejner& container, const std::string& wanted,
                            const TKelvoKomp* owner) {
  std::string name = wanted;
  for (int n = 2; FileNameTaken(container, name, owner); ++n)
    name = wanted + "_" + std::to_string(n);
  return name;
}

std::string SlotImageName(const std::string& baseName, int slot) {
  const size_t underscore = baseName.find('_');
  const std::string stem =
      underscore == std::string::npos ? baseName : baseName.substr(0, underscore + 1);
  return stem + "_s" + (slot < 10 ? "0" : "") + std::to_string(slot);
}

bool ImportSubcomponent(TPak& archive, TKelvoKomp& component, int slot, const std::string& path,
                        const std::optional<KeptOffset>& keep) {
  if (slot < 1 || slot > kSlots) return false;
  TKelvoKompKontejner& container = *component.Container;
  const auto separator = std::find_if(path.rbegin(), path.rend(), IsSeparator);
  const std::string folder = path.substr(0, static_cast<size_t>(path.rend() - separator));
  const std::string name = path.substr(folder.size());
  const size_t dot = name.rfind('.');
  const std::string base = name.substr(0, dot);
  const std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);

  // Loaded later, the old files would be read over the new pixels (or not found at all).
  if (component.ImagesLoaded == 0) component.LoadImages(archive);
  TKelvoSubKomp sub;
  sub.Bits = static_cast<uint8_t>(container.Bits);
  sub.FileName = UnusedImageName(container, SlotImageName(base, slot), &component);
  std::string mask;
  if (container.ColourMask) {
    const std::string candidate = folder + base + "_msk." + extension;
    if (archive.Files().FileExists(candidate)) mask = candidate;
  }
  try {
    if (!sub.ImportBitmap(archive, path, mask)) return false;
  } catch (const FatalDataError& error) {
    throw FatalDataError(std::string(error.what()) + ": " + mask + " (" + path + ")");
  }
  if (keep) {
    sub.X = keep->X;
    sub.Y = keep->Y;
  }
  component.Subcomponents[slot] = std::move(sub);
  return true;
}

}  // namespace kelvo
