// Undo and redo: one step per user action, replayed exactly; a new edit ends what could be
// redone; the texts that say what Undo and Redo will do.
#include "editor/editor_test_support.h"
#include "editor/session/undo/undo_history.h"

namespace kelvo::test {
namespace {

class Redo : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    Select(kFaces, "f1");
    model->Undo().ClearUndo();  // the choice of f1 is a step of its own
  }
  // Sub 1 and 2 and point 1 of each named component.
  std::vector<int> Geometry(int category, std::initializer_list<const char*> names) {
    std::vector<int> values;
    for (const char* name : names) {
      TKelvoKomp& k = Komp(category, name);
      for (int s = 1; s <= 2; ++s) {
        if (k.Sub(s) == nullptr) continue;
        values.push_back(k.Sub(s)->X);
        values.push_back(k.Sub(s)->Y);
      }
      for (const SnapPoint& p : k.Points) {
        values.push_back(p.X);
        values.push_back(p.Y);
      }
    }
    return values;
  }
  std::vector<int> Faces() { return Geometry(kFaces, {"f1", "a", "b", "f2"}); }
  void Set(int dx, int dy) {
    model->SpinEditPosXChange(dx);
    model->SpinEditPosYChange(dy);
    model->BtnUsePosClick();
  }
};

TEST_F(Redo, SetIsOneStepWithItsFramesAndRedoGivesTheSetStateAgain) {
  const std::vector<int> before = Faces();
  Set(5, -2);
  const std::vector<int> set = Faces();
  ASSERT_NE(set, before);
  ASSERT_EQ(model->Undo().Size(), 3u);  // shift x, shift y, "Set"
  model->BtnUndoClick();
  EXPECT_EQ(Faces(), before);
  EXPECT_EQ(model->Session().State().StatusMessage, "Undo: Set, Faces");
  EXPECT_EQ(model->Undo().RedoSize(), 1u);
  const auto refreshes = model->Session().State().RefreshCount;
  model->BtnRedoClick();
  EXPECT_EQ(model->Session().State().RefreshCount, refreshes + 1);
  EXPECT_EQ(Faces(), set);
  EXPECT_FALSE(model->Undo().CanRedo());
}

TEST_F(Redo, ASpanSetAndAPointDragReplay) {
  model->CategoryButtonClick(kEyes);
  model->SpinEditRozXChange(3);
  model->BtnUsePosClick();
  const std::vector<int> spanSet = Geometry(kEyes, {"e1"});
  model->CategoryButtonClick(kFaces);
  model->RBNastBodClick();
  model->ImageMouseDown(1, MouseButton::Left, 10, 10);
  model->ImageMouseMove(1, 12, 7);
  model->ImageMouseMove(1, 11, 6);
  model->ImageMouseUp(1, MouseButton::Left, 11, 6);
  const std::vector<int> dragged = Faces();
  ASSERT_EQ(model->Undo().Size(), 3u);  // span, "Set", the drag

  model->BtnUndoAllClick();
  model->BtnRedoClick();
  model->BtnRedoClick();
  EXPECT_EQ(Geometry(kEyes, {"e1"}), spanSet);
  model->BtnRedoClick();
  EXPECT_EQ(Faces(), dragged);
  // The point edits show where redo put the point.
  EXPECT_EQ(model->SnapPoints().State().PointX, Komp(kFaces, "f1").Point(1).X);
  EXPECT_EQ(model->SnapPoints().State().PointY, Komp(kFaces, "f1").Point(1).Y);
}

TEST_F(Redo, ANewEditAfterUndoLeavesNothingToRedo) {
  Set(5, -2);
  model->BtnUndoClick();
  ASSERT_TRUE(model->Undo().CanRedo());
  Set(1, 1);
  const std::vector<int> edited = Faces();
  const std::size_t records = model->Undo().Size();
  model->BtnRedoClick();
  EXPECT_EQ(Faces(), edited);
  EXPECT_EQ(model->Undo().Size(), records);
}

TEST_F(Redo, ARemovalGoesOnTopAndTheStepsBelowItStayValid) {
  Select(kFaces, "f3");
  Set(5, -2);
  const std::vector<int> set = Geometry(kFaces, {"f3"});
  const int place = Lib().Container(kFaces).FindByName("f3");
  prompter.answers.push_back(MessageAnswer::Yes);
  model->BtnSmazatClick();
  ASSERT_EQ(model->Undo().NextUndo()->Title(), "Remove f3 (Faces)");
  model->BtnUndoClick();
  EXPECT_EQ(Lib().Container(kFaces).FindByName("f3"), place);
  EXPECT_EQ(Geometry(kFaces, {"f3"}), set);
  EXPECT_EQ(model->Portrait().Selected[kFaces], &Komp(kFaces, "f3"));
  model->BtnUndoClick();  // the "Set" of the component the removal gave back
  EXPECT_NE(Geometry(kFaces, {"f3"}), set);
  model->BtnRedoClick();
  model->BtnRedoClick();
  EXPECT_EQ(Lib().Container(kFaces).FindByName("f3"), -1);
  EXPECT_FALSE(model->Undo().CanRedo());
}

TEST_F(Redo, TheEditMenuAndTheHistoryNameTheSteps) {
  EXPECT_EQ(UndoText(model->Undo()), "Undo");
  Set(5, -2);
  EXPECT_EQ(UndoText(model->Undo()), "Undo Set (Faces)");
  EXPECT_EQ(model->Undo().NextUndo()->Description(), "Set, Faces");
  model->BtnNahodAllClick();
  model->BtnUndoClick();
  EXPECT_EQ(RedoText(model->Undo()), "Redo Random all");
  EXPECT_EQ(DescribeHistory(model->Undo()).Lines,
            (std::vector<std::string>{"<empty>", "Shift (Faces)", "Shift (Faces)", "Set (Faces)",
                                      "Random all"}));
  EXPECT_EQ(DescribeHistory(model->Undo()).Current, 3u);
  // A click on a line goes to the state after that step, back or forward.
  const std::vector<int> set = Faces();
  model->HistoryClick(0);
  EXPECT_EQ(model->Portrait().Shift[kFaces], (Point{0, 0}));
  EXPECT_EQ(model->Undo().Index(), 0u);
  model->HistoryClick(3);
  EXPECT_EQ(Faces(), set);
  EXPECT_EQ(model->Undo().RedoSize(), 1u);
}

}  // namespace
}  // namespace kelvo::test
