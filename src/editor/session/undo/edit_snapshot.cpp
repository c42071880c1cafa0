#include "editor/session/undo/edit_snapshot.h"

#include <algorithm>
#include <map>

#include "library/container.h"

namespace kelvo {
namespace {

PortraitContent ContentOf(const TKelvoPortret& p) {
  return {p.Selected,       p.Position, p.ColourSlots, p.ExtraColour,
          p.LibraryName,    p.Name,     p.Voice,       p.Span,
          p.Shift,          p.ClipRect, p.ClippingOn,  p.ColourTypeLocked,
          p.PropertyWeights};
}

void Assign(TKelvoPortret& p, const PortraitContent& c) {
  p.Selected = c.Selected;
  p.Position = c.Position;
  p.ColourSlots = c.ColourSlots;
  p.ExtraColour = c.ExtraColour;
  p.LibraryName = c.LibraryName;
  p.Name = c.Name;
  p.Voice = c.Voice;
  p.Span = c.Span;
  p.Shift = c.Shift;
  p.ClipRect = c.ClipRect;
  p.ClippingOn = c.ClippingOn;
  p.ColourTypeLocked = c.ColourTypeLocked;
  p.PropertyWeights = c.PropertyWeights;
}

ComponentContent ContentOf(const TKelvoKomp& k) {
  return {k.Name,    k.Source, k.Frequency,  k.Kind,          k.Signature,
          k.IsFrame, k.Frames, k.Properties, k.Subcomponents, k.Points};
}

void Assign(TKelvoKomp& k, const ComponentContent& c) {
  k.Name = c.Name;
  k.Source = c.Source;
  k.Frequency = c.Frequency;
  k.Kind = c.Kind;
  k.Signature = c.Signature;
  k.IsFrame = c.IsFrame;
  k.Frames = c.Frames;
  k.Properties = c.Properties;
  k.Subcomponents = c.Subcomponents;
  k.Points = c.Points;
}

ContainerContent ContentOf(const TKelvoKompKontejner& c) {
  ContainerContent content{
      c.Source,        c.DisplayName, c.Code,       c.DirName,    c.ImageDir,   c.WithSpan,
      c.Bits,          c.Usual,       c.MaskSecond, c.InvertMask, c.ColourMask, {},
      c.PointCategory, c.PointOf,     c.Dependents, c.Parent,     c.Shadow,     c.ColourSlots};
  content.Order.reserve(c.Components.size());
  for (const auto& component : c.Components) content.Order.push_back(component.get());
  return content;
}

void AssignSettings(TKelvoKompKontejner& c, const ContainerContent& content) {
  c.Source = content.Source;
  c.DisplayName = content.DisplayName;
  c.Code = content.Code;
  c.DirName = content.DirName;
  c.ImageDir = content.ImageDir;
  c.WithSpan = content.WithSpan;
  c.Bits = content.Bits;
  c.Usual = content.Usual;
  c.MaskSecond = content.MaskSecond;
  c.InvertMask = content.InvertMask;
  c.ColourMask = content.ColourMask;
  c.PointCategory = content.PointCategory;
  c.PointOf = content.PointOf;
  c.Dependents = content.Dependents;
  c.Parent = content.Parent;
  c.Shadow = content.Shadow;
  c.ColourSlots = content.ColourSlots;
}

std::size_t BytesOf(const ComponentContent& c) {
  std::size_t bytes = sizeof(c) + c.Name.size() + c.Source.size() + c.Signature.size() +
                      c.Points.size() * sizeof(SnapPoint);
  for (int s = 1; s <= kSubcomponentCount; ++s) {
    if (c.Subcomponents[s])
      bytes += c.Subcomponents[s]->Pixels.size() + c.Subcomponents[s]->FileName.size();
  }
  return bytes;
}

std::size_t BytesOf(const ContainerContent& c) {
  return sizeof(c) + (c.Order.size() + c.PointCategory.size() + c.Dependents.size()) * 8 +
         c.Source.size() + c.DisplayName.size() + c.ImageDir.size();
}

std::size_t BytesOf(const LibraryTables& t) {
  std::size_t bytes = sizeof(t) + t.DrawOrder.size() * sizeof(DrawOrderEntry);
  for (int n = 1; n <= kColourTypeCount; ++n) {
    bytes += t.ColourTypes[n].Entries.size() * sizeof(ColourEntry) + t.ColourTypes[n].Name.size();
  }
  return bytes;
}

}  // namespace

EditCapture Capture(const TKelvoTyp& library, const TKelvoPortret& portrait) {
  EditCapture capture;
  capture.Portrait = ContentOf(portrait);
  capture.Tables = {library.ColourTypes, library.DrawOrder, library.DefaultColour};
  for (int c = 1; c <= kCategoryCount; ++c) {
    const TKelvoKompKontejner& container = library.Container(c);
    capture.Containers[c] = ContentOf(container);
    for (const auto& component : container.Components) {
      capture.Components.emplace_back(component.get(), ContentOf(*component));
    }
  }
  return capture;
}

SnapshotRecord::SnapshotRecord(std::string name, int category, TKelvoTyp& library,
                               TKelvoPortret& portrait, const EditCapture& before,
                               std::vector<std::unique_ptr<TKelvoKomp>> adopted,
                               std::vector<std::unique_ptr<TKelvoKomp>>& retired)
    : name_(std::move(name)),
      category_(category),
      library_(library),
      portrait_(portrait),
      retired_(retired),
      outside_(std::move(adopted)) {
  const EditCapture after = Capture(library, portrait);
  if (!(before.Portrait == after.Portrait)) portraitSides_ = {before.Portrait, after.Portrait};
  if (!(before.Tables == after.Tables)) tables_ = {before.Tables, after.Tables};
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (!(before.Containers[c] == after.Containers[c])) {
      containers_.push_back({c, {before.Containers[c], after.Containers[c]}});
    }
  }
  std::map<TKelvoKomp*, Sides<std::optional<ComponentContent>>> changed;
  for (const auto& [komp, content] : before.Components) changed[komp].Before = content;
  for (const auto& [komp, content] : after.Components) changed[komp].After = content;
  for (auto& [komp, sides] : changed) {
    if (sides.Before != sides.After) components_.push_back({komp, std::move(sides)});
  }
  // Components that came and went within the action are not needed by either side.
  std::erase_if(outside_, [&](const std::unique_ptr<TKelvoKomp>& k) {
    return std::none_of(components_.begin(), components_.end(),
                        [&](const auto& entry) { return entry.first == k.get(); });
  });
}

SnapshotRecord::~SnapshotRecord() {
  for (auto& komp : outside_) retired_.push_back(std::move(komp));
}

bool SnapshotRecord::Empty() const {
  return !portraitSides_ && !tables_ && containers_.empty() && components_.empty();
}

bool SnapshotRecord::ChangesLibrary() const {
  return tables_ || !containers_.empty() || !components_.empty();
}

std::size_t SnapshotRecord::Bytes() const {
  std::size_t bytes = sizeof(*this) + name_.size();
  if (portraitSides_) bytes += 2 * sizeof(PortraitContent);
  if (tables_) bytes += BytesOf(tables_->Before) + BytesOf(tables_->After);
  for (const auto& [c, sides] : containers_) bytes += BytesOf(sides.Before) + BytesOf(sides.After);
  for (const auto& [komp, sides] : components_) {
    if (sides.Before) bytes += BytesOf(*sides.Before);
    if (sides.After) bytes += BytesOf(*sides.After);
  }
  for (const auto& komp : outside_) bytes += BytesOf(ContentOf(*komp));
  return bytes;
}

void SnapshotRecord::Restore(bool after) {
  if (tables_) {
    const LibraryTables& t = after ? tables_->After : tables_->Before;
    library_.ColourTypes = t.ColourTypes;
    library_.DrawOrder = t.DrawOrder;
    library_.DefaultColour = t.DefaultColour;
  }
  for (const auto& [c, sides] : containers_) {
    const ContainerContent& content = after ? sides.After : sides.Before;
    TKelvoKompKontejner& container = library_.Container(c);
    std::vector<std::unique_ptr<TKelvoKomp>> pool = std::move(outside_);
    outside_.clear();
    for (auto& k : container.Components) pool.push_back(std::move(k));
    container.Components.clear();
    for (TKelvoKomp* wanted : content.Order) {
      const auto found =
          std::find_if(pool.begin(), pool.end(), [&](const auto& k) { return k.get() == wanted; });
      if (found == pool.end()) continue;  // cannot happen while steps run in order
      container.Components.push_back(std::move(*found));
      pool.erase(found);
    }
    for (auto& k : pool) outside_.push_back(std::move(k));
    AssignSettings(container, content);
  }
  for (const auto& [komp, sides] : components_) {
    const std::optional<ComponentContent>& content = after ? sides.After : sides.Before;
    if (content) Assign(*komp, *content);
  }
  if (portraitSides_) Assign(portrait_, after ? portraitSides_->After : portraitSides_->Before);
}

}  // namespace kelvo
