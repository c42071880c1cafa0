#include "editor/windows/step_chooser_model.h"

#include "library/categories.h"
#include "library/component.h"
#include "library/container.h"
#include "portrait/portrait.h"

namespace kelvo {

bool StepChooserModel::LbxKompDblClick(const ListChoice& choice) {
  if (!session_.HasPortrait() || !choice.StepsFilter() || !choice.IsStepLine()) return false;
  const int category = session_.State().CurrentCategory;
  const TKelvoKompKontejner& container = session_.Container(category);
  if (choice.Owner.Name.empty() || container.FindByName(choice.Owner.Name) < 1) return false;
  category_ = category;
  owner_ = choice.Owner.Name;
  step_ = choice.Owner.Step;
  state_.Caption =
      "Animation no. " + std::to_string(step_) + " - " + CategoryName(category) + " - " + owner_;
  state_.Filter = kOnlyAnimations;
  state_.Lines.clear();
  state_.Line = -1;
  return true;
}

void StepChooserModel::FillList() {
  state_.Lines.clear();
  if (session_.HasPortrait() && category_ >= 1) {
    for (const auto& component : session_.Container(category_).Components) {
      if (component->IsFrame == (state_.Filter == kOnlyAnimations)) {
        state_.Lines.push_back(component->Name);
      }
    }
  }
  state_.Line = state_.Lines.empty() ? -1 : 0;
}

void StepChooserModel::FormShow() {
  state_.Shown = true;
  FillList();
}

void StepChooserModel::RGKompClick(int filter) {
  if (filter != kWithoutAnimations && filter != kOnlyAnimations) return;
  state_.Filter = filter;
  FillList();
}

void StepChooserModel::LBSrcClick(int line) {
  if (line < 0 || line >= static_cast<int>(state_.Lines.size())) return;
  state_.Line = line;
  if (state_.Filter != kWithoutAnimations || !session_.HasPortrait()) return;
  TKelvoKompKontejner& container = session_.Container(category_);
  const int found = container.FindByName(state_.Lines[static_cast<size_t>(line)]);
  if (found < 1) return;
  EditorSession::Command cmd(session_);
  session_.Portrait().Selected.at(category_) = &container.Komp(found);
  session_.RefreshPortrait();
}

void StepChooserModel::FormHide() {
  if (!session_.HasPortrait()) return;
  EditorSession::Command cmd(session_);
  session_.RefreshPortrait();
}

void StepChooserModel::Close(int result) {
  if (!state_.Shown) return;
  state_.Shown = false;
  if (!session_.HasPortrait()) return;
  EditorSession::Command cmd(session_);
  session_.RequestRefresh();
  TKelvoKompKontejner& container = session_.Container(category_);
  const int found = container.FindByName(owner_);
  if (found < 1) return;
  TKelvoKomp& owner = container.Komp(found);
  session_.Portrait().Selected.at(category_) = &owner;
  session_.Notify(SessionEvent::ComponentChosen);
  if (result == kStepChooserApply) {
    const bool chosen = state_.Line >= 0 && state_.Line < static_cast<int>(state_.Lines.size());
    owner.AddAnim(chosen ? state_.Lines[static_cast<size_t>(state_.Line)] : std::string(), step_);
  } else if (result == kStepChooserRemove) {
    owner.DelAnim(step_);
  } else {
    return;
  }
  session_.MarkLibraryChanged();
  session_.Notify(SessionEvent::LibraryEdited);
}

}  // namespace kelvo
