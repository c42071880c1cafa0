// The spread commands and their random draw.
#include <algorithm>
#include <limits>
#include <set>
#include <vector>

#include "editor/editor_test_support.h"
#include "editor/main_window/spread_random.h"
#include "foundation/random_generators.h"

namespace kelvo::test {
namespace {

TEST(GaussLimited, StaysWithinTheLimitAndFavoursSmallDistances) {
  RandomGenerators random;
  random.SetCommonSeed(12345);
  for (int i = 0; i < 200; ++i) ASSERT_EQ(GaussLimited(0, 50, random), 0);
  for (int limit : {-7, 7, 1, 100}) {
    const int bound = limit < 0 ? -limit : limit;
    std::vector<int> counts(static_cast<size_t>(bound) + 1, 0);
    long long sum = 0;
    const int draws = 4000;
    for (int i = 0; i < draws; ++i) {
      const int r = GaussLimited(limit, 50, random);
      ASSERT_GE(r, 0) << limit;
      ASSERT_LE(r, bound) << limit;
      ++counts[static_cast<size_t>(r)];
      sum += r;
    }
    EXPECT_GT(counts[0] + counts[1], counts[static_cast<size_t>(bound)]) << limit;
    if (bound == 100) {
      // |g| x limit / 3.1165 has the mean 0.798 x 100 / 3.1165 = 25.6.
      EXPECT_NEAR(static_cast<double>(sum) / draws, 25.6, 2.0);
      EXPECT_GT(*std::max_element(counts.begin() + 60, counts.end()), 0);
    }
  }
  for (int i = 0; i < 100; ++i) {
    ASSERT_GE(GaussLimited(std::numeric_limits<int>::min(), 50, random), 0);
  }
  // No width: no distance, and no endless redraws.
  EXPECT_EQ(GaussLimited(9, 0, random), 0);
}

class SpreadCommands : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    Select(kBackgrounds, "normalni");
    model->ChkRozptClick(true);
  }
  TKelvoKomp& Bg() { return Komp(kBackgrounds, "normalni"); }
  Offset Pt(int j) { return {Bg().Point(j).X, Bg().Point(j).Y}; }
  Offset Off(int j) { return {Bg().Point(j).SpreadOffsetX, Bg().Point(j).SpreadOffsetY}; }
  void Limits(int j, int left, int right, int up, int down) {
    SnapPoint& p = Bg().Point(j);
    p.SpreadLeft = left;
    p.SpreadRight = right;
    p.SpreadUp = up;
    p.SpreadDown = down;
  }
};

TEST_F(SpreadCommands, RandomSpreadStaysInsideEachPointsLimits) {
  Limits(1, 3, 5, 2, 0);
  Limits(2, 0, 0, 0, 0);
  // The start-up seeds from the clock; a fixed seed makes the draws the same on every run.
  model->Context().Random().SetCommonSeed(20261208);
  std::set<int> xs;
  std::set<int> ys;
  int zeros = 0;
  const auto refreshes = model->Session().State().RefreshCount;
  for (int i = 0; i < 300; ++i) {
    model->BtnNahUmBClick();
    ASSERT_GE(Off(1).x, -3);
    ASSERT_LE(Off(1).x, 5);
    ASSERT_GE(Off(1).y, -2);
    ASSERT_LE(Off(1).y, 0);
    ASSERT_EQ(Off(2), (Offset{0, 0}));
    xs.insert(Off(1).x);
    ys.insert(Off(1).y);
    if (Off(1).x == 0) ++zeros;
  }
  EXPECT_EQ(model->Session().State().RefreshCount, refreshes + 300);
  // Both directions are drawn and small distances are the most frequent; how often the
  // limits themselves come up is the draw's own test.
  EXPECT_TRUE(xs.count(0) && *xs.begin() < 0 && *xs.rbegin() > 0) << xs.size();
  EXPECT_GE(ys.size(), 2u);
  EXPECT_GT(zeros, 300 / 10);
  EXPECT_EQ(Pt(1), (Offset{100, 50}));  // the points themselves stay
}

TEST_F(SpreadCommands, SpreadButtonsDoNothingWithoutWithSpread) {
  Limits(1, 5, 5, 5, 5);
  Bg().Point(1).SpreadOffsetX = 4;
  model->ChkRozptClick(false);
  EXPECT_FALSE(model->Spread().State().SpreadButtonsEnabled);
  model->BtnRozptUseClick();
  model->BtnRozptNulNahClick();
  model->BtnRozptVsemClick();
  EXPECT_EQ(Pt(1), (Offset{100, 50}));
  EXPECT_EQ(Off(1).x, 4);
  EXPECT_EQ(Bg().Point(2).SpreadLeft, 0);
  EXPECT_TRUE(model->Undo().Empty());
}

TEST_F(SpreadCommands, TheSameSeedGivesTheSameOffsets) {
  Limits(1, 9, 9, 9, 9);
  std::vector<Offset> first;
  std::vector<Offset> second;
  for (std::vector<Offset>* run : {&first, &second}) {
    model->Context().Random().SetCommonSeed(77);
    for (int i = 0; i < 20; ++i) {
      model->BtnNahUmBClick();
      run->push_back(Off(1));
    }
  }
  EXPECT_EQ(first, second);
  std::set<int> xs;
  for (const Offset& o : first) xs.insert(o.x);
  EXPECT_GT(xs.size(), 1u);  // still a random draw
}

TEST_F(SpreadCommands, ApplyMovesThePointsAsOneStepAndUndoRestoresThem) {
  Bg().Point(1).SpreadOffsetX = 2;
  Bg().Point(2).SpreadOffsetX = 0;
  model->BtnRozptUseClick();
  EXPECT_EQ(Pt(1), (Offset{102, 50}));
  EXPECT_EQ(Pt(2), (Offset{90, 20}));
  EXPECT_EQ(Off(1), (Offset{0, 0}));
  ASSERT_EQ(model->Undo().Size(), 1u);
  EXPECT_EQ(model->SnapPoints().State().PointX, 102);  // the first point is shown

  Bg().Point(2).SpreadOffsetX = -1;
  Bg().Point(2).SpreadOffsetY = 4;
  model->BtnRozptUseClick();
  EXPECT_EQ(Pt(2), (Offset{89, 24}));
  model->BtnUndoClick();
  EXPECT_EQ(Pt(1), (Offset{102, 50}));
  EXPECT_EQ(Pt(2), (Offset{90, 20}));
  model->BtnUndoClick();
  EXPECT_EQ(Pt(1), (Offset{100, 50}));
  EXPECT_EQ(Off(1), (Offset{2, 0}));  // the offsets the step began with
  model->BtnUndoAllClick();
  EXPECT_EQ(Pt(1), (Offset{100, 50}));
}

TEST_F(SpreadCommands, CopyToAllTakesTheChosenPointsLimitsOnly) {
  Limits(2, 1, 2, 3, 4);
  Bg().Point(1).SpreadOffsetY = 6;
  model->LbxUmistClick(1);
  const auto refreshes = model->Session().State().RefreshCount;
  model->BtnRozptVsemClick();
  const SnapPoint& p = Bg().Point(1);
  EXPECT_EQ(p.SpreadLeft, 1);
  EXPECT_EQ(p.SpreadRight, 2);
  EXPECT_EQ(p.SpreadUp, 3);
  EXPECT_EQ(p.SpreadDown, 4);
  EXPECT_EQ(Pt(1), (Offset{100, 50}));
  EXPECT_EQ(Off(1), (Offset{0, 6}));
  EXPECT_EQ(model->Session().State().RefreshCount, refreshes);
}

TEST_F(SpreadCommands, UnsetClearsTheOffsets) {
  Bg().Point(1).SpreadOffsetX = 3;
  Bg().Point(2).SpreadOffsetY = -2;
  model->BtnRozptNulNahClick();
  EXPECT_EQ(Off(1), (Offset{0, 0}));
  EXPECT_EQ(Off(2), (Offset{0, 0}));
}

TEST_F(SpreadCommands, EditShowsTheDialogWithTheChosenPointsLimits) {
  Limits(2, 1, 2, 3, 4);
  model->LbxUmistClick(1);
  model->BtnNastNahUmBClick();
  const SpreadState& s = model->Spread().State();
  EXPECT_TRUE(model->Session().State().SpreadDialogShown);
  EXPECT_TRUE(model->Session().State().DrawSnapPoint.Checked);
  EXPECT_EQ(s.Spread.Caption, "Spread - " + Lib().Container(kHair).DisplayName);
  EXPECT_EQ(s.Spread.Left, 1);
  EXPECT_EQ(s.Spread.Right, 2);
  EXPECT_EQ(s.Spread.Up, 3);
  EXPECT_EQ(s.Spread.Down, 4);
}

}  // namespace
}  // namespace kelvo::test
