#include "editor/random_model.h"

#include "library/process_context.h"
#include "portrait/portrait.h"

namespace kelvo {

void RandomModel::ShowDrawn() {
  session_.Notify(SessionEvent::SelectionsDrawn);
  session_.RefreshPortrait();
}

void RandomModel::RandomUnlockedComponents() {
  TKelvoPortret& portrait = session_.Portrait();
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (!session_.State().Locked[static_cast<std::size_t>(c)]) {
      portrait.RandomComponent(c, session_.Context().Random());
    }
  }
}

void RandomModel::RandomComponent() {
  EditorSession::Command cmd(session_);
  session_.Portrait().RandomComponent(session_.State().CurrentCategory,
                                      session_.Context().Random());
  ShowDrawn();
}

void RandomModel::RandomAll() {
  EditorSession::Command cmd(session_);
  RandomUnlockedComponents();
  session_.Portrait().RandomColours(session_.Context().Random());
  ShowDrawn();
}

void RandomModel::RandomComponents() {
  EditorSession::Command cmd(session_);
  RandomUnlockedComponents();
  ShowDrawn();
}

void RandomModel::RandomColours() {
  EditorSession::Command cmd(session_);
  session_.Portrait().RandomColours(session_.Context().Random());
  session_.RefreshPortrait();
}

void RandomModel::RandomNation(Nation nation) {
  EditorSession::Command cmd(session_);
  DrawNation(session_.Portrait(), nation, session_.Context().Random(), session_.State().Locked);
  ShowDrawn();
}

}  // namespace kelvo
