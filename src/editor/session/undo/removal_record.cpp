#include "editor/session/undo/removal_record.h"

#include <algorithm>
#include <iterator>

#include "library/component.h"
#include "library/container.h"
#include "portrait/portrait.h"

namespace kelvo {

RemovalRecord::RemovalRecord(TKelvoKompKontejner& container, TKelvoPortret& portrait,
                             TKelvoKomp& component)
    : container_(container), portrait_(portrait), component_(&component) {}

RemovalRecord::~RemovalRecord() = default;

std::string RemovalRecord::Name() const {
  return "Remove " + component_->Name;
}

int RemovalRecord::Category() const {
  return container_.Index;
}

void RemovalRecord::Redo() {
  if (removed_ != nullptr) return;
  auto& components = container_.Components;
  const auto found = std::find_if(components.begin(), components.end(),
                                  [this](const auto& c) { return c.get() == component_; });
  if (found == components.end()) return;
  position_ = static_cast<std::size_t>(std::distance(components.begin(), found));
  // Other components may use it as an animation frame: they lose that frame rather than keep
  // a reference to a component that is not in the library.
  links_.clear();
  for (const auto& owner : components) {
    if (owner.get() == component_) continue;
    for (std::size_t s = 1; s < owner->Frames.size(); ++s) {
      if (owner->Frames[s] != component_) continue;
      links_.push_back({owner.get(), s});
      owner->Frames[s] = nullptr;
    }
  }
  removed_ = std::move(*found);
  const auto next = components.erase(found);
  const int category = container_.Index;
  wasSelected_ = portrait_.Selected.at(category) == component_;
  if (wasSelected_) {
    portrait_.Selected.at(category) = next != components.end() ? next->get()
                                      : components.empty()     ? nullptr
                                                               : components.back().get();
  }
}

void RemovalRecord::Undo() {
  if (removed_ == nullptr) return;
  auto& components = container_.Components;
  const std::size_t at = std::min(position_, components.size());
  components.insert(components.begin() + static_cast<std::ptrdiff_t>(at), std::move(removed_));
  for (const FrameLink& link : links_) link.owner->Frames[link.slot] = component_;
  links_.clear();
  if (wasSelected_) portrait_.Selected.at(container_.Index) = component_;
}

}  // namespace kelvo
