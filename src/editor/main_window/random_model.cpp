#include "editor/main_window/random_model.h"

#include <string>

#include "library/process_context.h"
#include "portrait/portrait.h"

namespace kelvo {

RandomModel::RandomModel(EditorSession& session) : session_(session) {
  session_.AddObserver(this);
}

RandomModel::~RandomModel() {
  session_.RemoveObserver(this);
}

// The entries name components and colour types of the library they were made with.
void RandomModel::OnSessionEvent(SessionEvent event) {
  if (event == SessionEvent::DataSetReplaced) rolls_.Clear();
}

void RandomModel::ShowDrawn() {
  session_.Notify(SessionEvent::SelectionsDrawn);
  session_.RefreshPortrait();
}

template <typename Draw>
void RandomModel::Roll(Draw draw) {
  TKelvoPortret& portrait = session_.Portrait();
  rolls_.Replacing(portrait);
  draw(portrait);
  rolls_.Rolled(portrait);
}

void RandomModel::RandomUnlockedComponents() {
  TKelvoPortret& portrait = session_.Portrait();
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (!session_.State().Locked[c]) {
      portrait.RandomComponent(c, session_.Context().Random());
    }
  }
}

void RandomModel::RandomComponent() {
  EditorSession::Command cmd(session_);
  Roll([this](TKelvoPortret& portrait) {
    portrait.RandomComponent(session_.State().CurrentCategory, session_.Context().Random());
  });
  ShowDrawn();
}

void RandomModel::RandomAll() {
  EditorSession::Command cmd(session_);
  Roll([this](TKelvoPortret& portrait) {
    RandomUnlockedComponents();
    portrait.RandomColours(session_.Context().Random());
  });
  ShowDrawn();
}

void RandomModel::RandomComponents() {
  EditorSession::Command cmd(session_);
  Roll([this](TKelvoPortret&) { RandomUnlockedComponents(); });
  ShowDrawn();
}

void RandomModel::RandomColours() {
  EditorSession::Command cmd(session_);
  Roll([this](TKelvoPortret& portrait) { portrait.RandomColours(session_.Context().Random()); });
  session_.RefreshPortrait();
}

void RandomModel::RandomNation(Nation nation) {
  EditorSession::Command cmd(session_);
  Roll([this, nation](TKelvoPortret& portrait) {
    DrawNation(portrait, nation, session_.Context().Random(), session_.State().Locked);
  });
  ShowDrawn();
}

void RandomModel::ShowRoll(bool moved, bool back) {
  if (!moved) {
    session_.Report(back ? "No earlier roll" : "No later roll");
    return;
  }
  session_.Notify(SessionEvent::PortraitReplaced);
  session_.Report(std::string(back ? "Previous" : "Next") + " roll: " +
                  std::to_string(rolls_.Position() + 1) + " of " + std::to_string(rolls_.Size()));
}

void RandomModel::PreviousRoll() {
  EditorSession::Command cmd(session_);
  if (!session_.HasPortrait()) return;
  ShowRoll(rolls_.Back(session_.Portrait()), true);
}

void RandomModel::NextRoll() {
  EditorSession::Command cmd(session_);
  if (!session_.HasPortrait()) return;
  ShowRoll(rolls_.Forward(session_.Portrait()), false);
}

}  // namespace kelvo
