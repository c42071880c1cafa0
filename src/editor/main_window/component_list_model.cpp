#include "editor/main_window/component_list_model.h"

#include <string_view>

#include "library/categories.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

namespace {

constexpr std::string_view kStepPrefix = "   >";

bool IsStepLine(const std::string& line) {
  return line.compare(0, kStepPrefix.size(), kStepPrefix) == 0;
}

// The line of `selected` in a list made with `filter`, -1 when it is not listed: the list shows
// no line rather than one the portrait does not use. With the animation steps, a frame is found
// at the first step line that names it.
int LineOf(const TKelvoKompKontejner& container, const TKelvoKomp* selected, int filter) {
  const int steps = container.AnimLimit();
  int line = 0;
  for (const auto& component : container.Components) {
    const bool listed = filter == kOnlyAnimations ? component->IsFrame : !component->IsFrame;
    if (!listed) continue;
    if (component.get() == selected) return line;
    if (filter == kAnimationSteps) {
      for (int s = 1; s <= steps; ++s) {
        if (component->Frames.at(s) == selected) return line + s;
      }
      line += steps;
    }
    ++line;
  }
  return -1;
}

}  // namespace

ComponentListModel::ComponentListModel(EditorSession& session) : session_(session) {
  session_.AddObserver(this);
}

ComponentListModel::~ComponentListModel() {
  session_.RemoveObserver(this);
}

void ComponentListModel::OnSessionEvent(SessionEvent event) {
  if (!session_.HasPortrait()) return;
  EditorSession::Command cmd(session_);
  switch (event) {
    case SessionEvent::CategoryChanged:
    case SessionEvent::DataSetReplaced:
    case SessionEvent::PortraitReplaced:
    case SessionEvent::LibraryEdited:
      session_.Changed(kChangeCategory);
      ShowAnimationControls();
      FillList();
      if (event == SessionEvent::LibraryEdited) ShowSelectedInList();
      ShowSelection();
      break;
    case SessionEvent::SelectionsDrawn:
    case SessionEvent::ComponentChosen:
      SelectCurrentInList();
      ShowSelection();
      break;
    case SessionEvent::SnapPointChosen:
    case SessionEvent::PointsMoved:
      break;
  }
}

void ComponentListModel::ShowSelection() {
  ShowFrequency();
  ShowClipBoxes();
}

void ComponentListModel::ChooseCategory(int category) {
  EditorSession::Command cmd(session_);
  if (category < 1 || category > kCategoryCount) return;
  session_.State().CurrentCategory = category;
  session_.Changed(kChangeCategory);
  ShowAnimationControls();
  FillList();
  ShowSelection();
  if (session_.State().OnlySelected) session_.RequestRefresh();
  session_.Notify(SessionEvent::CategoryChanged, this);
}

void ComponentListModel::SetHidden(int category, bool on) {
  EditorSession::Command cmd(session_);
  if (category < 1 || category > kCategoryCount) return;
  session_.State().Hidden[category] = on;
  session_.Portrait().Hidden.at(category) = on;
  session_.Changed(kChangeCategory);
  session_.RefreshPortrait();
}

void ComponentListModel::SetLocked(int category, bool on) {
  EditorSession::Command cmd(session_);
  if (category < 1 || category > kCategoryCount) return;
  session_.State().Locked[category] = on;
  session_.Changed(kChangeCategory);
}

void ComponentListModel::ShowAnimationControls() {
  EditorSession::Command cmd(session_);
  const bool animated = session_.Container(session_.State().CurrentCategory).AnimLimit() > 0;
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
  session_.Changed(kChangeComponentList);
}

void ComponentListModel::ChooseFilter(int filter) {
  EditorSession::Command cmd(session_);
  if (filter < 0 || filter >= static_cast<int>(state_.FilterItems.size())) return;
  state_.Filter = filter;
  FillList();
}

void ComponentListModel::FillList() {
  EditorSession::Command cmd(session_);
  const TKelvoKompKontejner& container = session_.Container(session_.State().CurrentCategory);
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
  state_.ComponentLine =
      lines.empty() ? -1 : LineOf(container, session_.SelectedComponent(), state_.Filter);
  session_.Changed(kChangeComponentList);
}

void ComponentListModel::SelectCurrentInList() {
  EditorSession::Command cmd(session_);
  if (state_.ComponentLines.empty()) return;
  state_.ComponentLine = LineOf(session_.Container(session_.State().CurrentCategory),
                                session_.SelectedComponent(), state_.Filter);
  session_.Changed(kChangeComponentList);
}

StepOwner ComponentListModel::FindStepOwner(int line) const {
  const std::vector<std::string>& lines = state_.ComponentLines;
  if (line < 0 || line >= static_cast<int>(lines.size())) return {};
  for (int owner = line; owner >= 0; --owner) {
    if (!IsStepLine(lines[owner])) return StepOwner{lines[owner], line - owner};
  }
  return {};
}

void ComponentListModel::ChooseLine(int line) {
  EditorSession::Command cmd(session_);
  if (line < 0 || line >= static_cast<int>(state_.ComponentLines.size())) return;
  state_.ComponentLine = line;
  session_.Changed(kChangeComponentList);
  std::string name = state_.ComponentLines[line];
  if (state_.Filter == kAnimationSteps && IsStepLine(name)) name.erase(0, kStepPrefix.size());
  if (name.empty()) name = FindStepOwner(line).Name;
  if (name.empty()) return;
  const int category = session_.State().CurrentCategory;
  TKelvoKompKontejner& container = session_.Container(category);
  const int index = container.FindByName(name);
  if (index < 1) return;
  session_.Portrait().Selected.at(category) = &container.Komp(index);
  ShowSelection();
  session_.Notify(SessionEvent::ComponentChosen, this);
  session_.RefreshPortrait();
}

void ComponentListModel::ShowFrequency() {
  EditorSession::Command cmd(session_);
  const TKelvoKomp* component = session_.SelectedComponent();
  state_.Frequency = component != nullptr ? component->Frequency : 0;
  session_.Changed(kChangeValues);
}

void ComponentListModel::SetFrequency(int frequency) {
  EditorSession::Command cmd(session_);
  if (frequency == state_.Frequency) return;
  state_.Frequency = frequency;
  session_.Changed(kChangeValues);
  if (TKelvoKomp* component = session_.SelectedComponent()) {
    component->Frequency = frequency;
    session_.MarkLibraryChanged();
  }
}

void ComponentListModel::ShowClipBoxes() {
  EditorSession::Command cmd(session_);
  TKelvoKomp* component = session_.SelectedComponent();
  for (int s = 1; s <= kSubcomponentCount; ++s) {
    const TKelvoSubKomp* sub = component != nullptr ? component->Sub(s) : nullptr;
    state_.Clip[s] = sub != nullptr ? CheckBoxState{sub->Clip, true} : CheckBoxState{false, false};
  }
  session_.Changed(kChangeClipBoxes);
}

void ComponentListModel::SetClip(int subcomponent, bool on) {
  EditorSession::Command cmd(session_);
  TKelvoKomp* component = session_.SelectedComponent();
  TKelvoSubKomp* sub = component != nullptr ? component->Sub(subcomponent) : nullptr;
  if (sub == nullptr) return;
  sub->Clip = on;
  session_.MarkLibraryChanged();
  state_.Clip[subcomponent].Checked = on;
  session_.Changed(kChangeClipBoxes);
  session_.RefreshPortrait();
}

// Asks first, with No preselected: the removal can be undone, but a stray key should not
// cost work. The session removes it and tells every area, this list included.
void ComponentListModel::Remove() {
  EditorSession::Command cmd(session_);
  const int category = session_.State().CurrentCategory;
  const TKelvoKomp* selected = session_.SelectedComponent();
  if (selected == nullptr) return;
  if (session_.Container(category).ComponentCount() > 1 &&
      !AskYesNo(session_.prompter(),
                "Remove the component " + selected->Name + " from " + CategoryName(category) +
                    "?\r\n\r\nUndo brings it back.",
                /*defaultNo=*/true)) {
    session_.Report(selected->Name + " was not removed");
    return;
  }
  session_.RemoveComponent(category);
}

// After a removal (or its undo) the selection may be a frame the filter does not list, or an
// ordinary component the frames filter leaves out: the list changes to a filter that shows
// it, so the highlighted line and "Freq." are the selection's.
void ComponentListModel::ShowSelectedInList() {
  EditorSession::Command cmd(session_);
  if (state_.ComponentLine >= 0) return;
  const TKelvoKomp* selected = session_.SelectedComponent();
  if (selected == nullptr) return;
  const int filter = !selected->IsFrame              ? kWithoutAnimations
                     : state_.FilterItems.size() > 1 ? kOnlyAnimations
                                                     : state_.Filter;
  if (filter == state_.Filter) return;
  state_.Filter = filter;
  FillList();
}

}  // namespace kelvo
