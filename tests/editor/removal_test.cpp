// "&Remove" as the user meets it: a question with No preselected first, then an edit that Undo
// takes back whole (the component at its place, the frame links that named it, the selection)
// and Redo does again; the list shows the component the removal selected.
#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

class Removal : public EditorFixture {
 protected:
  void SetUp() override { Start(); }
  std::vector<std::string> Names(int category) {
    std::vector<std::string> names;
    for (const auto& component : Lib().Container(category).Components) {
      names.push_back(component->Name);
    }
    return names;
  }
  void Remove(MessageAnswer answer) {
    prompter.answers.push_back(answer);
    model->BtnSmazatClick();
  }
  const SessionState& Shared() { return model->Session().State(); }
};

TEST_F(Removal, AsksFirstWithNoPreselectedAndNoKeepsEverything) {
  Select(kFaces, "f2");
  model->Undo().ClearUndo();  // the choice of f2 is a step of its own
  model->BtnSmazatClick();    // the fake presses the preselected button
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].Caption, "Question");
  EXPECT_EQ(prompter.messages[0].Kind, MessageKind::Confirmation);
  EXPECT_EQ(prompter.messages[0].Buttons, MessageButtons::YesNoDefaultNo);
  EXPECT_NE(prompter.messages[0].Text.find("f2"), std::string::npos);
  EXPECT_EQ(Names(kFaces), (std::vector<std::string>{"f1", "a", "b", "f2", "f3"}));
  EXPECT_TRUE(model->Undo().Empty());
  EXPECT_EQ(Shared().StatusMessage, "f2 was not removed");

  Remove(MessageAnswer::Yes);
  EXPECT_EQ(Names(kFaces), (std::vector<std::string>{"f1", "a", "b", "f3"}));
  EXPECT_EQ(Shared().StatusMessage, "Removed f2 from Faces; Undo brings it back");
}

TEST_F(Removal, UndoPutsTheComponentBackAtItsPlaceWithItsFrameLinks) {
  model->CategoryButtonClick(kFaces);
  model->RGKompClick(kOnlyAnimations);
  model->LbxKompClick(1);  // "b", step 3 of f1
  TKelvoKomp* b = model->SelectedComponent();
  ASSERT_EQ(b->Name, "b");
  Remove(MessageAnswer::Yes);
  EXPECT_EQ(Komp(kFaces, "f1").Frames[3], nullptr);
  EXPECT_EQ(Names(kFaces), (std::vector<std::string>{"f1", "a", "f2", "f3"}));
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "f2"));

  model->BtnUndoClick();
  EXPECT_EQ(Names(kFaces), (std::vector<std::string>{"f1", "a", "b", "f2", "f3"}));
  EXPECT_EQ(&Komp(kFaces, "b"), b);  // the same component, with everything it held
  EXPECT_EQ(Komp(kFaces, "f1").Frames[3], b);
  EXPECT_EQ(model->SelectedComponent(), b);
  EXPECT_EQ(Shared().StatusMessage, "Undo: Remove b, Faces");
  EXPECT_EQ(model->ComponentList().State().ComponentLines, (std::vector<std::string>{"a", "b"}));

  model->BtnRedoClick();
  EXPECT_EQ(Names(kFaces), (std::vector<std::string>{"f1", "a", "f2", "f3"}));
  EXPECT_EQ(Komp(kFaces, "f1").Frames[3], nullptr);
  EXPECT_EQ(Shared().StatusMessage, "Redo: Remove b, Faces");
}

TEST_F(Removal, AFrameSelectedByTheRemovalIsShownWithItsOwnFrequency) {
  Select(kFaces, "f1");  // the component after it is the frame "a"
  Remove(MessageAnswer::Yes);
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "a"));
  const ComponentListState& list = model->ComponentList().State();
  EXPECT_EQ(list.Filter, kOnlyAnimations);
  ASSERT_GE(list.ComponentLine, 0);
  EXPECT_EQ(list.ComponentLines[static_cast<std::size_t>(list.ComponentLine)], "a");
  EXPECT_EQ(list.Frequency, Komp(kFaces, "a").Frequency);
}

TEST_F(Removal, ThePictureFollowsEveryStep) {
  Select(kFaces, "f2");
  const auto refreshes = Shared().RefreshCount;
  Remove(MessageAnswer::Yes);
  EXPECT_GT(Shared().RefreshCount, refreshes);
  const auto removed = Shared().RefreshCount;
  model->BtnUndoClick();
  EXPECT_GT(Shared().RefreshCount, removed);
  EXPECT_EQ(model->Portrait().Selected[kFaces], &Komp(kFaces, "f2"));
}

TEST_F(Removal, RecordsStayValidAfterTheDataSetGoesWithARemovalOnTheStack) {
  Select(kFaces, "f2");
  Remove(MessageAnswer::Yes);
  ASSERT_FALSE(model->Undo().Empty());
  // Restarting replaces the library; the stack is emptied first, the removed component freed
  // with its record and nothing else names it.
  EditorSettings settings;
  settings.KeyExists = true;
  settings.LoadDirectory = "lib";
  ASSERT_TRUE(model->StartUp(settings));
  EXPECT_TRUE(model->Undo().Empty());
  model->BtnUndoClick();
  EXPECT_EQ(Names(kFaces), (std::vector<std::string>{"f1", "a", "b", "f2", "f3"}));
}

}  // namespace
}  // namespace kelvo::test
