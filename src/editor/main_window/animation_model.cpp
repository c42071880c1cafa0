#include "editor/main_window/animation_model.h"

#include "library/categories.h"
#include "library/container.h"
#include "portrait/frames.h"
#include "portrait/portrait.h"

namespace kelvo {

AnimationModel::AnimationModel(EditorSession& session) : session_(session) {
  session_.AddObserver(this);
}

AnimationModel::~AnimationModel() {
  session_.RemoveObserver(this);
}

void AnimationModel::OnSessionEvent(SessionEvent event) {
  // The undo history's window and the dialogs stay usable during a run: what they change may
  // remove a saved selection, so the run ends and leaves the portrait as they made it.
  if (event != SessionEvent::DataSetReplaced && event != SessionEvent::PortraitReplaced &&
      event != SessionEvent::LibraryEdited) {
    return;
  }
  state_.Running = false;
  run_ = AnimationRun{};
}

void AnimationModel::AnimStart(int category) {
  run_ = kelvo::AnimStart(session_.Portrait(), category);
}

bool AnimationModel::AnimStep(int category) {
  EditorSession::Command cmd(session_);
  run_.Category = category;
  const bool done = AnimAdvance(session_.Portrait(), run_);
  session_.RefreshPortrait();
  return done;
}

bool AnimationModel::BtnAnimujClick(const ListChoice& choice) {
  EditorSession::Command cmd(session_);
  if (state_.Running || !session_.HasPortrait()) return false;
  const int category = session_.State().CurrentCategory;
  TKelvoKompKontejner& container = session_.Container(category);
  if (container.AnimLimit() <= 0) return false;
  AnimStart(category);
  if (choice.StepsFilter()) {
    const int owner = container.FindByName(choice.Owner.Name);
    if (owner >= 1) run_.Saved[category] = &container.Komp(owner);
  }
  state_.Running = true;
  return true;
}

bool AnimationModel::TMAnimTimer() {
  if (!state_.Running) return true;
  try {
    const bool done = AnimStep(session_.State().CurrentCategory);
    if (done) state_.Running = false;
    return done;
  } catch (...) {
    state_.Running = false;
    if (session_.HasPortrait()) session_.Portrait().Selected = run_.Saved;
    throw;
  }
}

void AnimationModel::Button1Click() {
  if (session_.HasPortrait()) GenerateNextFrame(session_.Portrait());
}

}  // namespace kelvo
