// Snapping points: the list, the point edits, the absolute position and its marks.
#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

class SnapPoints : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    Select(kBackgrounds, "normalni");
    Select(kFaces, "f1");
  }
};

TEST_F(SnapPoints, ListNamesTheChildCategories) {
  model->CategoryButtonClick(kBackgrounds);
  EXPECT_EQ(model->State().SnapPointLines, (std::vector<std::string>{"Faces", "Hair"}));
  EXPECT_EQ(model->State().SnapPointLine, 0);
  EXPECT_EQ(model->State().PointX, 100);
  EXPECT_EQ(model->State().PointY, 50);
  model->LbxUmistClick(1);
  EXPECT_EQ(model->State().PointX, 90);
  EXPECT_EQ(model->State().Spread.Caption, "Spread - Hair");
}

TEST_F(SnapPoints, CategoryWithoutPointsTurnsSnapModeOff) {
  model->RBNastBodClick();
  model->ChkRozptClick(true);
  ASSERT_EQ(model->State().Mode, MouseMode::SnapPoints);
  model->CategoryButtonClick(kEyebrows);
  EXPECT_EQ(model->State().Mode, MouseMode::Components);
  EXPECT_FALSE(model->Session().State().DrawSnapPoint.Checked);
  EXPECT_FALSE(model->Session().State().DrawSnapPoint.Enabled);
  EXPECT_FALSE(model->State().SnapModeEnabled);
  EXPECT_FALSE(model->Session().State().WithSpread.Checked);
  EXPECT_FALSE(model->State().SpreadButtonsEnabled);
  EXPECT_FALSE(model->State().PointEditsEnabled);
  EXPECT_TRUE(model->State().SnapPointLines.empty());
}

TEST_F(SnapPoints, PointEditsRedrawOnlyInSnappingPointsMode) {
  auto before = model->Session().State().RefreshCount;
  model->SpinUmistXChange(25);
  EXPECT_EQ(Komp(kFaces, "f1").Point(1).X, 25);
  EXPECT_EQ(model->Session().State().RefreshCount, before);

  model->RBNastBodClick();
  EXPECT_TRUE(model->Session().State().DrawSnapPoint.Checked);
  before = model->Session().State().RefreshCount;
  model->SpinUmistYChange(41);
  EXPECT_EQ(Komp(kFaces, "f1").Point(1).Y, 41);
  EXPECT_EQ(model->Session().State().RefreshCount, before + 1);
}

TEST_F(SnapPoints, AbsolutePositionAddsPointsThroughTwoParents) {
  Select(kEyes, "e1");
  // e1's point (3, -8) + f1's point serving Eyes (20, 40) + the background's point (100, 50).
  EXPECT_EQ(model->SnapPointAbsolute(), (Offset{123, 82}));
}

TEST_F(SnapPoints, ParentWithoutServingPointFailsWithASakra) {
  Select(kEyes, "e1");
  Lib().Container(kFaces).PointOf[kEyes] = 0;
  EXPECT_THROW(
      {
        try {
          model->SnapPointAbsolute();
        } catch (const EditorError& e) {
          EXPECT_STREQ(e.what(), "A sakra");
          throw;
        }
      },
      EditorError);
}

TEST_F(SnapPoints, CircularParentsFailInsteadOfHanging) {
  Select(kEyes, "e1");
  Lib().Container(kBackgrounds).Parent = kEyes;
  Lib().Container(kEyes).PointOf[kBackgrounds] = 1;
  EXPECT_THROW(model->SnapPointAbsolute(), EditorError);
}

TEST_F(SnapPoints, MarksAreDrawnAtTheAbsolutePosition) {
  Select(kEyes, "e1");
  model->ChkUmBodClick(true);
  const ImageView full = model->Previews().View(1);
  EXPECT_EQ(full.At(123, 82), 0xFFFF);
  EXPECT_EQ(full.At(123, 79), 0xFFFF);
  EXPECT_EQ(full.At(126, 82), 0xFFFF);
  Komp(kEyes, "e1").Point(1).SpreadLeft = 10;
  model->SpreadDialogShow();
  EXPECT_TRUE(model->State().SpreadDialogShown);
  EXPECT_EQ(model->Previews().View(1).At(113, 82), 0xFFE0);  // yellow
}

TEST_F(SnapPoints, DrawCrossIsAPlusOfPenWidthThree) {
  PreviewImages previews;
  previews.DrawCross(0, 399, 0x0000FF);
  const ImageView v = previews.View(1);
  EXPECT_EQ(v.At(0, 396), 0xF800);
  EXPECT_EQ(v.At(1, 396), 0xF800);
  EXPECT_EQ(v.At(3, 398), 0xF800);
  EXPECT_EQ(v.At(2, 396), 0);
  EXPECT_EQ(v.At(4, 399), 0);
  EXPECT_EQ(v.At(3, 397), 0);
}

}  // namespace
}  // namespace kelvo::test
