#include "editor/windows/anim_settings_model.h"

#include <algorithm>
#include <utility>

#include "library/categories.h"
#include "library/component.h"
#include "library/container.h"
#include "portrait/portrait.h"

namespace kelvo {

bool AnimSettingsModel::BtnAnimSetClick(const ListChoice& choice) {
  if (!session_.HasPortrait()) return false;
  const int category = session_.State().CurrentCategory;
  TKelvoKompKontejner& container = session_.Container(category);
  const int found = container.FindByName(choice.Owner.Name);
  if (choice.Owner.Name.empty() || found < 1) return false;
  const TKelvoKomp& owner = container.Komp(found);
  category_ = category;
  owner_ = owner.Name;
  stepsFilter_ = choice.StepsFilter();
  state_.Caption = "Animation - " + CategoryName(category) + " - " + owner.Name;
  state_.Lines.clear();
  for (int i = 1; i <= container.AnimLimit(); ++i) {
    const TKelvoKomp* step = owner.Frames.at(static_cast<size_t>(i));
    state_.Lines.push_back(step != nullptr ? step->Name : std::string());
  }
  state_.Line = -1;
  state_.Shown = true;
  return true;
}

void AnimSettingsModel::LBKompClick(int line) {
  if (line >= -1 && line < static_cast<int>(state_.Lines.size())) state_.Line = line;
}

void AnimSettingsModel::SBUpDownUp() {
  if (state_.Line < 1 || state_.Line >= static_cast<int>(state_.Lines.size())) return;
  std::swap(state_.Lines[state_.Line], state_.Lines[state_.Line - 1]);
  --state_.Line;
}

void AnimSettingsModel::SBUpDownDown() {
  if (state_.Line < 0 || state_.Line + 1 >= static_cast<int>(state_.Lines.size())) return;
  std::swap(state_.Lines[state_.Line], state_.Lines[state_.Line + 1]);
  ++state_.Line;
}

void AnimSettingsModel::SEProdlevaChange(int delay) {
  state_.Delay = std::clamp(delay, kAnimDelayMin, kAnimDelayMax);
}

void AnimSettingsModel::Close(bool apply) {
  EditorSession::Step step(session_, "Animation", session_.State().CurrentCategory);
  if (!state_.Shown) return;
  state_.Shown = false;
  EditorSession::Command cmd(session_);
  session_.RequestRefresh();
  if (!session_.HasPortrait()) return;
  TKelvoKompKontejner& container = session_.Container(category_);
  const int found = container.FindByName(owner_);
  if (found < 1) return;
  TKelvoKomp& owner = container.Komp(found);
  if (stepsFilter_) {
    session_.Portrait().Selected.at(category_) = &owner;
    session_.Notify(SessionEvent::ComponentChosen);
  }
  if (!apply) return;
  const auto before = owner.Frames;
  try {
    for (int i = 1; i <= static_cast<int>(state_.Lines.size()); ++i) {
      const std::string& name = state_.Lines[static_cast<size_t>(i - 1)];
      if (name.empty()) {
        owner.DelAnim(i);
      } else {
        owner.AddAnim(name, i);
      }
    }
  } catch (...) {
    owner.Frames = before;
    throw;
  }
  session_.MarkLibraryChanged();
  // The list rewrites the step lines under the owner.
  session_.Notify(SessionEvent::LibraryEdited);
}

}  // namespace kelvo
