// "Set", "Unset", "Def. span" and their undo records.
#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

class Placement : public EditorFixture {
 protected:
  void SetUp() override { Start(); }
  Offset Sub(TKelvoKomp& k, int s) { return {k.Sub(s)->X, k.Sub(s)->Y}; }
  Offset Pt(TKelvoKomp& k, int j) { return {k.Point(j).X, k.Point(j).Y}; }
};

TEST_F(Placement, SetOnPlainCategoryMovesComponentAndItsStepsOnce) {
  Select(kFaces, "f1");
  model->SpinEditPosXChange(5);
  model->SpinEditPosYChange(-2);
  model->BtnUsePosClick();

  for (const char* name : {"f1", "a", "b"}) {
    TKelvoKomp& k = Komp(kFaces, name);
    EXPECT_EQ(Sub(k, 1), (Offset{-15, -32})) << name;
    EXPECT_EQ(Sub(k, 2), (Offset{9, 3})) << name;
    EXPECT_EQ(Pt(k, 1), (Offset{25, 38})) << name;
  }
  EXPECT_EQ(Sub(Komp(kFaces, "f2"), 1), (Offset{-10, -30}));
  // The choice of f1, two shift edits and "Set" with its animation frames, which is one step.
  ASSERT_EQ(model->Undo().Size(), 4u);
  EXPECT_EQ(model->Undo().NextUndo()->Title(), "Set (Faces)");
  EXPECT_EQ(model->Placement().State().ShiftX, 0);
  EXPECT_EQ(model->Placement().State().ShiftY, 0);
  EXPECT_EQ(model->Portrait().Shift[kFaces], (Point{0, 0}));

  // One Undo takes back the component, its frames and the baked shift together.
  model->BtnUndoClick();
  for (const char* name : {"a", "b"}) EXPECT_EQ(Sub(Komp(kFaces, name), 1), (Offset{-20, -30}));
  EXPECT_EQ(Pt(Komp(kFaces, "f1"), 1), (Offset{20, 40}));
  EXPECT_EQ(model->Portrait().Shift[kFaces], (Point{5, -2}));
  EXPECT_EQ(model->Placement().State().ShiftX, 5);
}

TEST_F(Placement, SetOnPairedCategoryWithShiftOnlyIsTakenBackByUndo) {
  Select(kEyes, "e1");
  model->SpinEditPosXChange(5);
  model->SpinEditPosYChange(-2);
  model->BtnUsePosClick();
  TKelvoKomp& e1 = Komp(kEyes, "e1");
  EXPECT_EQ(Sub(e1, 1), (Offset{-5, -2}));
  EXPECT_EQ(Sub(e1, 2), (Offset{10, -2}));
  EXPECT_EQ(Pt(e1, 1), (Offset{8, -10}));
  ASSERT_EQ(model->Undo().Size(), 3u);
  model->BtnUndoClick();
  EXPECT_EQ(Sub(e1, 1), (Offset{-10, 0}));
  EXPECT_EQ(Sub(e1, 2), (Offset{5, 0}));
  EXPECT_EQ(Pt(e1, 1), (Offset{3, -8}));
}

TEST_F(Placement, SpanOnlySetIsTakenBackByOneUndo) {
  Select(kEyes, "e1");
  model->SpinEditRozXChange(3);
  model->BtnUsePosClick();
  TKelvoKomp& e1 = Komp(kEyes, "e1");
  EXPECT_EQ(Sub(e1, 1), (Offset{-13, 0}));
  EXPECT_EQ(Sub(e1, 2), (Offset{8, 0}));
  EXPECT_EQ(Pt(e1, 1), (Offset{3, -8}));
  ASSERT_EQ(model->Undo().Size(), 2u);
  EXPECT_EQ(model->Placement().State().SpanX, 0);
  model->Undo().UndoStep();
  EXPECT_EQ(Sub(e1, 1), (Offset{-10, 0}));
  EXPECT_EQ(Sub(e1, 2), (Offset{5, 0}));
}

TEST_F(Placement, SetAllBakesEveryCategoryAsOneStep) {
  Select(kEyes, "e1");
  model->SpinEditPosXChange(1);
  Select(kHair, "h1");
  model->SpinEditPosYChange(2);
  model->BtnUsePosAllClick();
  EXPECT_EQ(model->Undo().Size(), 4u);  // choice of h1, two shift edits, one step for "Set all"
  EXPECT_EQ(model->Portrait().Shift[kEyes], (Point{0, 0}));
  EXPECT_EQ(model->Portrait().Shift[kHair], (Point{0, 0}));
}

TEST_F(Placement, DefSpanMovesSpanIntoDefaultSpanWithOneRedraw) {
  Select(kFaces, "f1");
  model->CategoryButtonClick(kEyes);
  EXPECT_TRUE(model->Placement().State().SpanControlsEnabled);
  EXPECT_EQ(model->Placement().State().DefSpanX, 10);
  EXPECT_EQ(model->Placement().State().DefSpanY, 10);
  model->SpinEditRozXChange(4);
  model->SpinEditRozYChange(1);
  const auto before = model->Session().State().RefreshCount;
  model->BtnDefRozesunClick();
  EXPECT_EQ(model->Session().State().RefreshCount, before + 1);
  EXPECT_EQ(model->Placement().State().SpanX, 0);
  EXPECT_EQ(model->Placement().State().SpanY, 0);
  EXPECT_EQ(model->Portrait().Span[kEyes], (Point{0, 0}));
  EXPECT_EQ(model->Placement().State().DefSpanX, 14);
  EXPECT_EQ(model->Placement().State().DefSpanY, 11);
  EXPECT_EQ(Komp(kFaces, "f1").Point(1).SpanX, 14);
  EXPECT_EQ(Komp(kFaces, "f1").Point(1).SpanY, 11);
}

// A random or nation command that chooses another face while Eyes are current: the default
// span edits show the new face's point, and "Def. span" adds to that value.
TEST_F(Placement, DefSpanAfterARandomCommandAddsToTheNewFacesValue) {
  using Command = void (EditorModel::*)();
  for (const Command command : {&EditorModel::BtnNahodAllClick, &EditorModel::BtnNahodKompAllClick,
                                &EditorModel::BtnNahRusClick}) {
    Select(kFaces, "f1");
    model->CategoryButtonClick(kEyes);
    ASSERT_EQ(model->Placement().State().DefSpanX, Komp(kFaces, "f1").Point(1).SpanX);
    for (const char* name : {"f1", "f3"}) Komp(kFaces, name).Frequency = 0;
    Komp(kFaces, "f2").Point(1).SpanX = 30;
    Komp(kFaces, "f2").Point(1).SpanY = 40;
    (*model.*command)();
    ASSERT_EQ(model->Portrait().Selected[kFaces], &Komp(kFaces, "f2"));
    EXPECT_EQ(model->Placement().State().DefSpanX, 30);
    EXPECT_EQ(model->Placement().State().DefSpanY, 40);
    model->SpinEditRozXChange(4);
    model->BtnDefRozesunClick();
    EXPECT_EQ(Komp(kFaces, "f2").Point(1).SpanX, 34);
    EXPECT_EQ(Komp(kFaces, "f2").Point(1).SpanY, 40);
    for (const char* name : {"f1", "f3"}) Komp(kFaces, name).Frequency = 100;
  }
}

TEST_F(Placement, DefSpanLeavesNoMarkThatSwallowsALaterRedraw) {
  Select(kFaces, "f1");
  model->CategoryButtonClick(kEyes);
  model->SpinEditRozXChange(4);  // the vertical span stays 0
  model->BtnDefRozesunClick();
  auto before = model->Session().State().RefreshCount;
  model->SEDefRozYChange(12);
  EXPECT_EQ(model->Session().State().RefreshCount, before + 1);
  before = model->Session().State().RefreshCount;
  model->SpinEditRozYChange(2);
  EXPECT_EQ(model->Session().State().RefreshCount, before + 1);
}

TEST_F(Placement, DefaultSpanWithoutServingPointIsAnError) {
  Select(kFaces, "f1");
  model->CategoryButtonClick(kEyes);
  Lib().Container(kFaces).PointOf[kEyes] = 0;
  try {
    model->SEDefRozXChange(3);
    FAIL() << "no error";
  } catch (const EditorError& e) {
    EXPECT_STREQ(e.what(), "TMainForm.SEDefRozXChange: index=0");
  }
  EXPECT_EQ(Komp(kFaces, "f1").Point(1).SpanX, 10);
}

TEST_F(Placement, UnsetRedrawsWhenAShiftWentBack) {
  Select(kFaces, "f1");
  model->SpinEditPosXChange(7);
  auto before = model->Session().State().RefreshCount;
  model->BtnNullClick();
  EXPECT_EQ(model->Portrait().Shift[kFaces], (Point{0, 0}));
  EXPECT_EQ(model->Placement().State().ShiftX, 0);
  EXPECT_EQ(model->Session().State().RefreshCount, before + 1);

  // Another category's shift is not in the edits, but the picture changes all the same.
  model->Portrait().Shift[kHair] = {3, 3};
  before = model->Session().State().RefreshCount;
  model->BtnNullAllClick();
  EXPECT_EQ(model->Portrait().Shift[kHair], (Point{0, 0}));
  EXPECT_EQ(model->Session().State().RefreshCount, before + 1);
  model->BtnNullAllClick();  // nothing left to unset
  model->BtnNullClick();
  EXPECT_EQ(model->Session().State().RefreshCount, before + 1);
}

TEST_F(Placement, SetShowsWhereTheSnappingPointsWent) {
  Select(kFaces, "f1");
  const int x = Komp(kFaces, "f1").Point(1).X;
  model->SpinEditPosXChange(6);
  model->BtnUsePosClick();
  EXPECT_EQ(Komp(kFaces, "f1").Point(1).X, x + 6);
  EXPECT_EQ(model->SnapPoints().State().PointX, x + 6);
  model->SpinEditPosXChange(-2);
  model->BtnUsePosAllClick();
  EXPECT_EQ(model->SnapPoints().State().PointX, x + 4);
}

TEST_F(Placement, SpanControlsFollowTheCategorysSpreadFlag) {
  model->CategoryButtonClick(kFaces);
  EXPECT_FALSE(model->Placement().State().SpanControlsEnabled);
  EXPECT_EQ(model->Placement().State().DefSpanX, 0);
  model->CategoryButtonClick(kEyes);
  EXPECT_TRUE(model->Placement().State().SpanControlsEnabled);
}

}  // namespace
}  // namespace kelvo::test
