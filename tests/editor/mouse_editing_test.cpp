// The mouse in the full-size preview.
#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

class MouseEditing : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    Select(kFaces, "f1");
    model->Undo().ClearUndo();  // the choice of f1 is a step of its own
    model->SetListener(&listener);
  }
  void Drag(MouseButton button, Offset from, Offset to) {
    model->ImageMouseDown(1, button, from.x, from.y);
    model->ImageMouseMove(1, to.x, to.y);
    model->ImageMouseUp(1, button, to.x, to.y);
  }
  CountingListener listener;
};

TEST_F(MouseEditing, LeftDragShiftsAndUpdatesReducedPreviewsOnRelease) {
  model->ImageMouseDown(1, MouseButton::Left, 10, 10);
  EXPECT_TRUE(model->Session().State().DragActive);
  model->ImageMouseMove(1, 15, 12);
  ASSERT_FALSE(listener.calls.empty());
  EXPECT_EQ(listener.calls.back() & kChangeReducedImages, 0u);
  EXPECT_NE(listener.calls.back() & kChangeFullImage, 0u);
  EXPECT_EQ(model->Placement().State().ShiftX, 5);
  EXPECT_EQ(model->Placement().State().ShiftY, 2);
  model->ImageMouseUp(1, MouseButton::Left, 15, 12);
  EXPECT_NE(listener.calls.back() & kChangeReducedImages, 0u);
  EXPECT_FALSE(model->Session().State().DragActive);
  EXPECT_EQ(model->Portrait().Shift[kFaces], (Point{5, 2}));
  // The whole drag is one step, which gives back the shift before it.
  ASSERT_EQ(model->Undo().Size(), 1u);
  EXPECT_EQ(model->Undo().Step(0).Title(), "Drag (Faces)");
  model->BtnUndoClick();
  EXPECT_EQ(model->Portrait().Shift[kFaces], (Point{0, 0}));
}

TEST_F(MouseEditing, RightDragChangesSpanOnlyOnPairedCategories) {
  auto before = model->Session().State().RefreshCount;
  Drag(MouseButton::Right, {0, 0}, {4, 4});
  EXPECT_EQ(model->Portrait().Span[kFaces], (Point{0, 0}));
  EXPECT_EQ(model->Session().State().RefreshCount, before + 1);
  model->CategoryButtonClick(kEyes);
  Drag(MouseButton::Right, {0, 0}, {4, 1});
  EXPECT_EQ(model->Portrait().Span[kEyes], (Point{4, 1}));
  EXPECT_EQ(model->Placement().State().SpanX, 4);
}

TEST_F(MouseEditing, PointDragPushesUndoOnlyWhenItMoved) {
  model->RBNastBodClick();
  model->ImageMouseDown(1, MouseButton::Left, 50, 50);
  model->ImageMouseUp(1, MouseButton::Left, 50, 50);
  EXPECT_TRUE(model->Undo().Empty());

  Drag(MouseButton::Left, {50, 50}, {53, 48});
  TKelvoKomp& f1 = Komp(kFaces, "f1");
  EXPECT_EQ(f1.Point(1).X, 23);
  EXPECT_EQ(f1.Point(1).Y, 38);
  EXPECT_EQ(model->SnapPoints().State().PointX, 23);
  ASSERT_EQ(model->Undo().Size(), 1u);
  EXPECT_EQ(model->Undo().Step(0).Title(), "Drag point (Faces)");
  model->Undo().UndoStep();
  EXPECT_EQ(f1.Point(1).X, 20);
  EXPECT_EQ(f1.Point(1).Y, 40);
}

TEST_F(MouseEditing, LockedPointDragMovesAndUndoesEveryPoint) {
  Select(kBackgrounds, "normalni");
  model->Undo().ClearUndo();
  model->RBNastBodClick();
  model->ChbLockUmClick(true);
  Drag(MouseButton::Left, {0, 0}, {2, 3});
  TKelvoKomp& bg = Komp(kBackgrounds, "normalni");
  EXPECT_EQ(bg.Point(1).X, 102);
  EXPECT_EQ(bg.Point(2).Y, 23);
  ASSERT_EQ(model->Undo().Size(), 1u);
  model->Undo().UndoStep();
  EXPECT_EQ(bg.Point(1).X, 100);
  EXPECT_EQ(bg.Point(2).Y, 20);
}

TEST_F(MouseEditing, RightClickInSnapModeChoosesTheNextPointCyclically) {
  Select(kBackgrounds, "normalni");
  model->RBNastBodClick();
  model->ImageMouseDown(1, MouseButton::Right, 0, 0);
  EXPECT_EQ(model->Session().State().SnapPointLine, 1);
  EXPECT_FALSE(model->Session().State().DragActive);
  model->ImageMouseUp(1, MouseButton::Right, 0, 0);
  model->ImageMouseDown(1, MouseButton::Right, 0, 0);
  EXPECT_EQ(model->Session().State().SnapPointLine, 0);
  EXPECT_EQ(model->SnapPoints().State().PointX, 100);
}

TEST_F(MouseEditing, ReducedPreviewsIgnoreTheMouse) {
  model->ImageMouseDown(2, MouseButton::Left, 0, 0);
  model->ImageMouseMove(2, 5, 5);
  model->ImageMouseUp(2, MouseButton::Left, 5, 5);
  EXPECT_FALSE(model->Session().State().DragActive);
  EXPECT_EQ(model->Portrait().Shift[kFaces], (Point{0, 0}));
}

TEST_F(MouseEditing, WithSpreadDialogOnlyTheReleaseMeasuresLimits) {
  model->SpreadDialogShow();
  Drag(MouseButton::Left, {0, 0}, {200, 100});
  EXPECT_EQ(model->Portrait().Shift[kFaces], (Point{0, 0}));
  // The point is at (120, 90): up is |90 - 100|.
  EXPECT_EQ(model->Spread().State().Spread.Up, 10);
  EXPECT_EQ(Komp(kFaces, "f1").Point(1).SpreadUp, 10);
  model->ImageMouseUp(1, MouseButton::Right, 0, 0);
  EXPECT_EQ(model->Spread().State().Spread.Direction, SpreadDirection::Right);
  model->ImageMouseUp(1, MouseButton::Left, 200, 0);
  EXPECT_EQ(Komp(kFaces, "f1").Point(1).SpreadRight, 80);
}

TEST_F(MouseEditing, EachCommandNotifiesOnce) {
  listener.calls.clear();
  model->BtnUsePosClick();
  EXPECT_EQ(listener.calls.size(), 1u);
}

}  // namespace
}  // namespace kelvo::test
