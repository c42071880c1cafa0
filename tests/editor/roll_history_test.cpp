// The roll history: the portraits the random commands replaced, stepped through with "Previous
// roll" and "Next roll", apart from the undo stack.
#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

class Rolls : public EditorFixture {
 protected:
  void SetUp() override { Start(); }
  PerCategory<TKelvoKomp*> Selection() { return model->Portrait().Selected; }
  const RollHistory& History() { return model->Random().Rolls(); }
  // Rolls until the selection differs from `from` (the small library repeats faces).
  void RollAwayFrom(const PerCategory<TKelvoKomp*>& from) {
    for (int i = 0; i < 50 && Selection() == from; ++i) model->BtnNahodKompAllClick();
    ASSERT_NE(Selection(), from);
  }
};

TEST_F(Rolls, PreviousAndNextStepThroughTheReplacedPortraits) {
  EXPECT_FALSE(History().CanGoBack());
  const auto first = Selection();
  RollAwayFrom(first);
  const auto second = Selection();
  const std::size_t rolls = History().Size();
  model->Random().PreviousRoll();
  EXPECT_NE(Selection(), second);
  model->Random().NextRoll();
  EXPECT_EQ(Selection(), second);
  for (std::size_t i = 1; i < rolls; ++i) model->Random().PreviousRoll();
  EXPECT_EQ(Selection(), first);
  EXPECT_FALSE(History().CanGoBack());
  model->Random().PreviousRoll();
  EXPECT_EQ(model->Session().State().StatusMessage, "No earlier roll");
  EXPECT_EQ(Selection(), first);
}

TEST_F(Rolls, EditsOfTheShownPortraitAreKeptWhenSteppingAway) {
  model->BtnNahodAllClick();
  model->SpinEditPosXChange(9);  // a shift of the rolled portrait, not baked
  const auto rolled = Selection();
  model->Random().PreviousRoll();
  EXPECT_EQ(model->Portrait().Shift[kFaces].x, 0);
  model->Random().NextRoll();
  EXPECT_EQ(Selection(), rolled);
  EXPECT_EQ(model->Portrait().Shift[kFaces].x, 9);
  EXPECT_EQ(model->Placement().State().ShiftX, 9);  // the edits show the portrait stepped to
}

// Rolls and "Prev. roll" are steps; taking them back leaves the roll history as it was.
TEST_F(Rolls, RollsAreStepsAndUndoLeavesTheRollHistoryAlone) {
  const auto first = Selection();
  RollAwayFrom(first);
  const auto rolled = Selection();
  const std::size_t rolls = History().Size();
  model->BtnRollPrevClick();
  ASSERT_EQ(Selection(), first);
  EXPECT_EQ(model->Undo().NextUndo()->Title(), "Prev. roll");
  model->BtnUndoClick();
  EXPECT_EQ(Selection(), rolled);
  model->BtnUndoClick();
  EXPECT_EQ(model->Undo().RedoSize(), 2u);
  EXPECT_EQ(History().Size(), rolls);
  EXPECT_TRUE(History().CanGoForward());  // still where "Prev. roll" left it
}

TEST_F(Rolls, KeepsTheLastFiftyReplacedPortraits) {
  for (int i = 0; i < 60; ++i) model->BtnBarvaNahAllClick();
  EXPECT_EQ(History().Size(), RollHistory::kCapacity + 1);
  int steps = 0;
  while (History().CanGoBack()) {
    model->Random().PreviousRoll();
    ++steps;
  }
  EXPECT_EQ(steps, 50);
  EXPECT_EQ(model->Session().State().StatusMessage, "Previous roll: 1 of 51");
}

TEST_F(Rolls, AComponentRemovedSinceIsNotBroughtBack) {
  Select(kFaces, "f2");
  model->BtnNahodKompClick();
  while (model->SelectedComponent() == &Komp(kFaces, "f2")) model->BtnNahodKompClick();
  TKelvoKomp* now = model->SelectedComponent();
  prompter.answers.push_back(MessageAnswer::Yes);
  Select(kFaces, "f2");
  model->BtnSmazatClick();
  model->Portrait().Selected[kFaces] = now;
  while (History().CanGoBack()) model->Random().PreviousRoll();
  EXPECT_EQ(Lib().Container(kFaces).FindByName("f2"), -1);
  EXPECT_NE(model->SelectedComponent(), nullptr);
  EXPECT_NE(model->SelectedComponent()->Name, "f2");
}

TEST_F(Rolls, ANewDataSetStartsAfresh) {
  model->BtnNahodAllClick();
  ASSERT_TRUE(History().CanGoBack());
  EditorSettings settings;
  settings.KeyExists = true;
  settings.LoadDirectory = "lib";
  ASSERT_TRUE(model->StartUp(settings));
  EXPECT_EQ(History().Size(), 0u);
  model->Random().NextRoll();
  EXPECT_EQ(model->Session().State().StatusMessage, "No later roll");
}

}  // namespace
}  // namespace kelvo::test
