// The category buttons, the component list with its three filters, the frequency and clip
// boxes, and removing a component from the library.
#include <algorithm>
#include <string>
#include <string_view>

#include "editor/editor_model.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

namespace {

constexpr std::string_view kStepPrefix = "   >";

bool IsStepLine(const std::string& line) {
  return line.compare(0, kStepPrefix.size(), kStepPrefix) == 0;
}

// The line of `selected` in a list made with `filter`; 0 when it is not listed.
int LineOf(const TKelvoKompKontejner& container, const TKelvoKomp* selected, int filter) {
  const int steps = container.AnimLimit();
  int line = 0;
  for (const auto& component : container.Components) {
    const bool listed = filter == kOnlyAnimations ? component->IsFrame : !component->IsFrame;
    if (!listed) continue;
    if (component.get() == selected) return line;
    line += filter == kAnimationSteps ? steps + 1 : 1;
  }
  return 0;
}

}  // namespace

void EditorModel::CategoryButtonClick(int category) {
  Command cmd(*this);
  if (category < 1 || category > kCategoryCount) return;
  shared_().CurrentCategory = category;
  Changed(kChangeCategory);
  UpdateSpanControls();
  UpdateAnimationControls();
  ShowDefaultSpan();
  ShowPositionValues();
  FillComponentList();
  FillSnapPointList();
  ShowFrequency();
  ShowClipBoxes();
  if (shared_().OnlySelected) RefreshPortrait();
}

void EditorModel::UpdateAnimationControls() {
  Command cmd(*this);
  const bool animated = Container(shared_().CurrentCategory).AnimLimit() > 0;
  state_.AnimationButtonsEnabled = animated;
  if (animated) {
    if (state_.FilterItems.size() == 1) {
      state_.FilterItems.push_back("only animations");
      state_.FilterItems.push_back("animation steps");
    }
  } else if (state_.FilterItems.size() > 1) {
    state_.FilterItems.resize(1);
    state_.Filter = kWithoutAnimations;
  }
  Changed(kChangeComponentList);
}

void EditorModel::RGKompClick(int filter) {
  Command cmd(*this);
  if (filter < 0 || filter >= static_cast<int>(state_.FilterItems.size())) return;
  state_.Filter = filter;
  FillComponentList();
}

void EditorModel::FillComponentList() {
  Command cmd(*this);
  const TKelvoKompKontejner& container = Container(shared_().CurrentCategory);
  const int steps = container.AnimLimit();
  std::vector<std::string>& lines = state_.ComponentLines;
  lines.clear();
  for (const auto& component : container.Components) {
    if (state_.Filter == kOnlyAnimations) {
      if (component->IsFrame) lines.push_back(component->Name);
      continue;
    }
    if (component->IsFrame) continue;
    lines.push_back(component->Name);
    if (state_.Filter != kAnimationSteps) continue;
    for (int s = 1; s <= steps; ++s) {
      const TKelvoKomp* step = component->Frames.at(s);
      lines.push_back(std::string(kStepPrefix) + (step != nullptr ? step->Name : ""));
    }
  }
  state_.ComponentLine = lines.empty() ? -1 : LineOf(container, SelectedComponent(), state_.Filter);
  Changed(kChangeComponentList);
}

void EditorModel::SelectCurrentInList() {
  Command cmd(*this);
  if (state_.Filter == kOnlyAnimations || state_.ComponentLines.empty()) return;
  state_.ComponentLine =
      LineOf(Container(shared_().CurrentCategory), SelectedComponent(), state_.Filter);
  Changed(kChangeComponentList);
}

StepOwner EditorModel::FindStepOwner(int line) const {
  const std::vector<std::string>& lines = state_.ComponentLines;
  if (line < 0 || line >= static_cast<int>(lines.size())) return {};
  for (int owner = line; owner >= 0; --owner) {
    if (!IsStepLine(lines[owner])) return StepOwner{lines[owner], line - owner};
  }
  return {};
}

void EditorModel::LbxKompClick(int line) {
  Command cmd(*this);
  if (line < 0 || line >= static_cast<int>(state_.ComponentLines.size())) return;
  state_.ComponentLine = line;
  Changed(kChangeComponentList);
  std::string name = state_.ComponentLines[line];
  if (state_.Filter == kAnimationSteps && IsStepLine(name)) name.erase(0, kStepPrefix.size());
  if (name.empty()) name = FindStepOwner(line).Name;
  if (name.empty()) return;
  TKelvoKompKontejner& container = Container(shared_().CurrentCategory);
  const int index = container.FindByName(name);
  if (index < 1) return;
  Portrait().Selected.at(shared_().CurrentCategory) = &container.Komp(index);
  ShowFrequency();
  ShowClipBoxes();
  ShowSnapPoint();
  RefreshPortrait();
}

void EditorModel::ShowFrequency() {
  Command cmd(*this);
  const TKelvoKomp* component = SelectedComponent();
  state_.Frequency = component != nullptr ? component->Frequency : 0;
  Changed(kChangeValues);
}

void EditorModel::SpinEditCetnChange(int frequency) {
  Command cmd(*this);
  if (frequency == state_.Frequency) return;
  state_.Frequency = frequency;
  Changed(kChangeValues);
  if (TKelvoKomp* component = SelectedComponent()) component->Frequency = frequency;
}

void EditorModel::ShowClipBoxes() {
  Command cmd(*this);
  TKelvoKomp* component = SelectedComponent();
  for (int s = 1; s <= kSubcomponentCount; ++s) {
    const TKelvoSubKomp* sub = component != nullptr ? component->Sub(s) : nullptr;
    state_.Clip[s] = sub != nullptr ? CheckBoxState{sub->Clip, true} : CheckBoxState{false, false};
  }
  Changed(kChangeClipBoxes);
}

void EditorModel::ChkOrezClick(int subcomponent, bool checked) {
  Command cmd(*this);
  TKelvoKomp* component = SelectedComponent();
  TKelvoSubKomp* sub = component != nullptr ? component->Sub(subcomponent) : nullptr;
  if (sub == nullptr) return;
  sub->Clip = checked;
  state_.Clip[subcomponent].Checked = checked;
  Changed(kChangeClipBoxes);
  RefreshPortrait();
}

void EditorModel::BtnSmazatClick() {
  Command cmd(*this);
  const int category = shared_().CurrentCategory;
  TKelvoKompKontejner& container = Container(category);
  TKelvoKomp* selected = SelectedComponent();
  auto& components = container.Components;
  const auto found = std::find_if(components.begin(), components.end(),
                                  [&](const auto& c) { return c.get() == selected; });
  if (found == components.end()) return;
  session_.Undo().ClearUndo();
  if (components.size() <= 1) {
    ShowError(session_.prompter(), "There must be at least one component");
  } else {
    // Other components may use the removed one as an animation step: they lose that step
    // rather than keep a reference to a freed component.
    for (const auto& component : components) {
      for (std::size_t s = 1; s < component->Frames.size(); ++s) {
        if (component->Frames[s] == selected) component->Frames[s] = nullptr;
      }
    }
    const auto position = components.erase(found);
    Portrait().Selected.at(category) =
        position != components.end() ? position->get() : components.back().get();
  }
  UpdateSpanControls();
  ShowPositionValues();
  FillComponentList();
  FillSnapPointList();
  ShowFrequency();
  ShowClipBoxes();
  RefreshPortrait();
}

}  // namespace kelvo
