// Snapping points: the list, the point edits, the absolute position and its marks.
#include <cstdlib>
#include <limits>

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
  EXPECT_EQ(model->SnapPoints().State().SnapPointLines,
            (std::vector<std::string>{"Faces", "Hair"}));
  EXPECT_EQ(model->Session().State().SnapPointLine, 0);
  EXPECT_EQ(model->SnapPoints().State().PointX, 100);
  EXPECT_EQ(model->SnapPoints().State().PointY, 50);
  model->LbxUmistClick(1);
  EXPECT_EQ(model->SnapPoints().State().PointX, 90);
  EXPECT_EQ(model->Spread().State().Spread.Caption, "Spread - Hair");
}

TEST_F(SnapPoints, CategoryWithoutPointsTurnsSnapModeOff) {
  model->RBNastBodClick();
  model->ChkRozptClick(true);
  ASSERT_EQ(model->SnapPoints().State().Mode, MouseMode::SnapPoints);
  model->CategoryButtonClick(kEyebrows);
  EXPECT_EQ(model->SnapPoints().State().Mode, MouseMode::Components);
  EXPECT_FALSE(model->Session().State().DrawSnapPoint.Checked);
  EXPECT_FALSE(model->Session().State().DrawSnapPoint.Enabled);
  EXPECT_FALSE(model->SnapPoints().State().SnapModeEnabled);
  EXPECT_FALSE(model->Session().State().WithSpread.Checked);
  EXPECT_FALSE(model->Spread().State().SpreadButtonsEnabled);
  EXPECT_FALSE(model->SnapPoints().State().PointEditsEnabled);
  EXPECT_TRUE(model->SnapPoints().State().SnapPointLines.empty());
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
  EXPECT_TRUE(model->Session().State().SpreadDialogShown);
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

// Every pixel a cross at (x, y) covers, by the definition of the mark; the image must hold
// exactly these, whatever part of the cross lies outside it.
bool CrossCovers(std::int64_t x, std::int64_t y, int px, int py) {
  const std::int64_t dx = std::abs(px - x);
  const std::int64_t dy = std::abs(py - y);
  return (dx <= 1 && dy <= 3) || (dx <= 3 && dy <= 1);
}

TEST_F(SnapPoints, CrossesAreClippedAsAWholeOnEverySide) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  const std::vector<std::int64_t> xs{kMin, -32768, -4,  -3,  -1,  0,   1,     160, 318,
                                     319,  320,    322, 323, 400, 403, 32767, kMax};
  const std::vector<std::int64_t> ys{kMin, -4, -3, 0, 200, 399, 400, 402, 403, 32767, kMax};
  for (const std::int64_t x : xs) {
    for (const std::int64_t y : ys) {
      PreviewImages previews;
      previews.DrawCross(x, y, 0xFFFFFF);
      const ImageView v = previews.View(1);
      int wrong = 0;
      for (int py = 0; py < v.Height; ++py) {
        for (int px = 0; px < v.Width; ++px) {
          wrong += (v.At(px, py) == 0xFFFF) != CrossCovers(x, y, px, py);
        }
      }
      EXPECT_EQ(wrong, 0) << "cross at (" << x << ", " << y << ")";
    }
  }
}

// Points and spread limits at the extremes of the edits: the marks (and the spread's four
// limit marks) draw only their inside part and the portrait outside them stays as rendered.
TEST_F(SnapPoints, MarksOfFarPointsAndLimitsLeaveTheRestOfThePicture) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  Select(kEyes, "e1");
  model->RBNastBodClick();
  model->SpreadDialogShow();
  for (const int value : {400, 320, -1, -4, 403, 32767, -32768, kMax, kMin}) {
    SnapPoint& point = Komp(kEyes, "e1").Point(1);
    point.SpreadLeft = point.SpreadRight = point.SpreadUp = point.SpreadDown = value;
    model->ChkUmBodClick(false);
    model->SpinUmistXChange(value);
    model->SpinUmistYChange(value);
    const Layer& render = *model->Session().Portrait().RenderLayer;
    model->ChkUmBodClick(true);
    const ImageView v = model->Previews().View(1);
    const Offset at = model->SnapPointAbsolute();
    int changedFar = 0;
    for (int py = 0; py < v.Height; ++py) {
      for (int px = 0; px < v.Width; ++px) {
        const bool nearMark =
            std::abs(px - std::int64_t{at.x}) <= 3 || std::abs(py - std::int64_t{at.y}) <= 3;
        changedFar += !nearMark && v.At(px, py) != render.At(px, py);
      }
    }
    EXPECT_EQ(changedFar, 0) << "point and limits at " << value;
  }
}

}  // namespace
}  // namespace kelvo::test
