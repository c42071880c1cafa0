// Undo and redo of component geometry: records replay exactly what they took back, and a new
// edit ends what could be redone.
#include "editor/editor_test_support.h"
#include "editor/session/undo/geometry_records.h"

namespace kelvo::test {
namespace {

class Redo : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    Select(kFaces, "f1");
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

TEST_F(Redo, SetUndoRedoGivesTheSetStateAgain) {
  const std::vector<int> before = Faces();
  Set(5, -2);
  const std::vector<int> set = Faces();
  ASSERT_NE(set, before);
  ASSERT_EQ(model->Undo().Size(), 3u);
  for (int i = 0; i < 3; ++i) model->BtnUndoClick();
  EXPECT_EQ(Faces(), before);
  EXPECT_EQ(model->Undo().RedoSize(), 3u);
  const auto refreshes = model->Session().State().RefreshCount;
  for (int i = 0; i < 3; ++i) model->BtnRedoClick();
  EXPECT_EQ(model->Session().State().RefreshCount, refreshes + 3);
  EXPECT_EQ(Faces(), set);
  EXPECT_EQ(model->Undo().Size(), 3u);
  EXPECT_FALSE(model->Undo().CanRedo());
}

TEST_F(Redo, ASpanRecordAndAPointDragReplay) {
  model->CategoryButtonClick(kEyes);
  model->SpinEditRozXChange(3);
  model->BtnUsePosClick();
  const std::vector<int> spanSet = Geometry(kEyes, {"e1"});
  model->CategoryButtonClick(kFaces);
  model->RBNastBodClick();
  model->ImageMouseDown(1, MouseButton::Left, 10, 10);
  model->ImageMouseMove(1, 12, 7);
  model->ImageMouseUp(1, MouseButton::Left, 12, 7);
  const std::vector<int> dragged = Faces();
  ASSERT_EQ(model->Undo().Size(), 2u);

  model->BtnUndoAllClick();
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

TEST_F(Redo, UndoAllThenRedoReplaysOneRecord) {
  const std::vector<int> before = Faces();
  Set(5, -2);  // f1, then its steps a and b
  model->BtnUndoAllClick();
  ASSERT_EQ(Faces(), before);
  model->BtnRedoClick();
  EXPECT_EQ(model->Undo().Size(), 1u);
  EXPECT_EQ(model->Undo().RedoSize(), 2u);
  EXPECT_EQ(Komp(kFaces, "f1").Sub(1)->X, -15);  // the first record: f1 moved
  EXPECT_EQ(Komp(kFaces, "a").Sub(1)->X, -20);   // its steps not yet
  EXPECT_EQ(Komp(kFaces, "b").Sub(1)->X, -20);
}

TEST_F(Redo, ARemovalGoesOnTopAndTheRecordsBelowItStayValid) {
  Select(kFaces, "f3");
  Set(5, -2);  // f3 has no steps: one record naming it
  const std::vector<int> before = Geometry(kFaces, {"f3"});
  const int place = Lib().Container(kFaces).FindByName("f3");
  prompter.answers.push_back(MessageAnswer::Yes);
  model->BtnSmazatClick();
  ASSERT_EQ(model->Undo().Size(), 2u);
  model->BtnUndoAllClick();  // the removal first, then the "Set" of the component it put back
  EXPECT_EQ(Lib().Container(kFaces).FindByName("f3"), place);
  EXPECT_NE(Geometry(kFaces, {"f3"}), before);
  model->BtnRedoClick();
  EXPECT_EQ(Geometry(kFaces, {"f3"}), before);
  model->BtnRedoClick();
  EXPECT_EQ(Lib().Container(kFaces).FindByName("f3"), -1);
  EXPECT_FALSE(model->Undo().CanRedo());
}

TEST_F(Redo, RecordsNameTheirEdit) {
  TKelvoKomp& component = Komp(kFaces, "f1");
  EXPECT_EQ(ShiftRecord(component, {1, 0}, {}, false).Name(), "Set");
  EXPECT_EQ(ShiftRecord(component, {}, {1, 0}, true).Name(), "Set span");
  EXPECT_EQ(PointRecord(component, kAllPoints, {1, 1}).Name(), "Move point");
  EXPECT_TRUE(PointRecord(component, 1, {1, 1}).Refers(&component));
  EXPECT_EQ(ShiftRecord(component, {1, 0}, {}, false).Description(), "Set, Faces");
  EXPECT_EQ(PointRecord(Komp(kEyes, "e1"), 1, {1, 1}).Description(), "Move point, Eyes");
}

}  // namespace
}  // namespace kelvo::test
