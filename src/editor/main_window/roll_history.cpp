#include "editor/main_window/roll_history.h"

#include <cstdint>
#include <string>

#include "library/colour_type.h"
#include "library/component.h"
#include "library/container.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

struct RollHistory::Entry {
  PerCategory<const TKelvoKomp*> Selected{};
  PerCategory<std::string> Names{};
  PerCategory<OneBased<ColourEntry, kSubcomponentCount>> ColourSlots{};
  OneBased<int32_t, kColourTypeCount> ColourChoice{};
  PerCategory<Point> Shift{};
  PerCategory<Point> Span{};
  OneBased<int32_t, kPropertyCount> PropertyWeights{};
};

RollHistory::RollHistory() = default;
RollHistory::~RollHistory() = default;

bool RollHistory::CanGoBack() const {
  return !entries_.empty() && position_ > 0;
}

bool RollHistory::CanGoForward() const {
  return position_ + 1 < entries_.size();
}

std::size_t RollHistory::Size() const {
  return entries_.size();
}

namespace {

// The component still in the category's container: the same object with the same name, or
// else the first one of that name; null when neither is there.
TKelvoKomp* StillThere(TKelvoTyp& library, int category, const TKelvoKomp* component,
                       const std::string& name) {
  TKelvoKompKontejner& container = library.Container(category);
  for (const auto& candidate : container.Components) {
    if (candidate.get() == component && candidate->Name == name) return candidate.get();
  }
  const int index = container.FindByName(name);
  return index >= 1 ? &container.Komp(index) : nullptr;
}

}  // namespace

RollHistory::Entry RollHistory::Capture(const TKelvoPortret& portrait) {
  Entry entry;
  for (int c = 1; c <= kCategoryCount; ++c) {
    entry.Selected[c] = portrait.Selected[c];
    entry.Names[c] = portrait.Selected[c] != nullptr ? portrait.Selected[c]->Name : std::string();
  }
  entry.ColourSlots = portrait.ColourSlots;
  for (int t = 1; t <= kColourTypeCount; ++t) {
    entry.ColourChoice[t] = portrait.Library().ColourType(t).Selected;
  }
  entry.Shift = portrait.Shift;
  entry.Span = portrait.Span;
  entry.PropertyWeights = portrait.PropertyWeights;
  return entry;
}

void RollHistory::Restore(const Entry& entry, TKelvoPortret& portrait) {
  TKelvoTyp& library = portrait.Library();
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (entry.Selected[c] == nullptr) continue;
    TKelvoKomp* found = StillThere(library, c, entry.Selected[c], entry.Names[c]);
    if (found != nullptr) portrait.Selected[c] = found;
  }
  portrait.ColourSlots = entry.ColourSlots;
  for (int t = 1; t <= kColourTypeCount; ++t) {
    library.ColourType(t).Selected = entry.ColourChoice[t];
  }
  portrait.Shift = entry.Shift;
  portrait.Span = entry.Span;
  portrait.PropertyWeights = entry.PropertyWeights;
  portrait.UpdateSignature();
}

void RollHistory::Replacing(const TKelvoPortret& current) {
  Entry entry = Capture(current);
  if (!entries_.empty()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position_));
  entries_.push_back(std::move(entry));
  position_ = entries_.size() - 1;
}

void RollHistory::Rolled(const TKelvoPortret& rolled) {
  entries_.push_back(Capture(rolled));
  if (entries_.size() > kCapacity + 1) {
    entries_.erase(entries_.begin(), entries_.end() - static_cast<std::ptrdiff_t>(kCapacity + 1));
  }
  position_ = entries_.size() - 1;
}

bool RollHistory::Step(TKelvoPortret& portrait, std::size_t to) {
  if (entries_.empty() || to >= entries_.size() || to == position_) return false;
  entries_[position_] = Capture(portrait);
  position_ = to;
  Restore(entries_[position_], portrait);
  return true;
}

bool RollHistory::Back(TKelvoPortret& portrait) {
  return CanGoBack() && Step(portrait, position_ - 1);
}

bool RollHistory::Forward(TKelvoPortret& portrait) {
  return CanGoForward() && Step(portrait, position_ + 1);
}

void RollHistory::Clear() {
  entries_.clear();
  position_ = 0;
}

}  // namespace kelvo
