// The animation dialogs without a window: TFAnim (reordering steps, the delay), the step
// chooser TFAnimList and the counters of "Animate all".
#include "editor/editor_test_support.h"
#include "editor/windows/anim_settings_model.h"
#include "editor/windows/animate_all_model.h"
#include "editor/windows/step_chooser_model.h"
#include "foundation/errors.h"
#include "library/process_context.h"

namespace kelvo::test {
namespace {

class AnimationDialogs : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    Select(kFaces, "f1");
  }
  ListChoice OwnerChoice(const std::string& owner, int filter = kWithoutAnimations) {
    return ListChoice{filter, owner, StepOwner{owner, 0}};
  }
  // The choice of a list line while the list shows animation steps.
  ListChoice StepLine(int line) {
    model->RGKompClick(kAnimationSteps);
    model->LbxKompClick(line);
    return ListChoice{kAnimationSteps, model->ComponentList().State().ComponentLines.at(line),
                      model->FindStepOwner(line)};
  }
  TKelvoKomp* StepOf(const std::string& owner, int step) {
    return Komp(kFaces, owner).Frames.at(step);
  }
  const std::vector<std::string>& ListLines() const {
    return model->ComponentList().State().ComponentLines;
  }

  AnimSettingsModel settings{model->Session()};
  StepChooserModel chooser{model->Session()};
  AnimateAllModel all{model->Session()};
};

TEST_F(AnimationDialogs, AnimShowsTheStepsAndMovingTheSecondUpSwapsStepsOneAndTwo) {
  Komp(kFaces, "f1").Frames[2] = &Komp(kFaces, "f2");
  ASSERT_TRUE(settings.BtnAnimSetClick(OwnerChoice("f1")));
  EXPECT_EQ(settings.State().Caption, "Animation - Faces - f1");
  EXPECT_EQ(settings.State().Lines, (std::vector<std::string>{"a", "f2", "b"}));
  settings.LBKompClick(1);
  settings.SBUpDownUp();
  EXPECT_EQ(settings.State().Line, 0);
  settings.SBUpDownUp();  // the first line goes no higher
  EXPECT_EQ(settings.State().Lines, (std::vector<std::string>{"f2", "a", "b"}));
  settings.Close(true);
  EXPECT_EQ(StepOf("f1", 1), &Komp(kFaces, "f2"));
  EXPECT_EQ(StepOf("f1", 2), &Komp(kFaces, "a"));
  EXPECT_EQ(StepOf("f1", 3), &Komp(kFaces, "b"));
  EXPECT_TRUE(model->Session().State().LibraryChanged);
}

TEST_F(AnimationDialogs, AnEmptyLineClearsItsStepAndCancelChangesNothing) {
  ASSERT_TRUE(settings.BtnAnimSetClick(OwnerChoice("f1")));
  settings.LBKompClick(2);
  settings.SBUpDownDown();  // the last line goes no lower
  settings.SBUpDownUp();    // "b" over the empty line
  EXPECT_EQ(settings.State().Lines, (std::vector<std::string>{"a", "b", ""}));
  settings.Close(false);
  EXPECT_EQ(StepOf("f1", 2), nullptr);
  EXPECT_FALSE(model->Session().State().LibraryChanged);

  ASSERT_TRUE(settings.BtnAnimSetClick(OwnerChoice("f1")));
  settings.LBKompClick(-1);
  settings.SBUpDownDown();  // nothing chosen, nothing moves
  settings.LBKompClick(2);
  settings.SBUpDownUp();
  settings.Close(true);
  EXPECT_EQ(StepOf("f1", 2), &Komp(kFaces, "b"));
  EXPECT_EQ(StepOf("f1", 3), nullptr);
}

TEST_F(AnimationDialogs, AnimApplyWithAVanishedNameFailsWholeWithTheLibrarysMessage) {
  EXPECT_FALSE(settings.BtnAnimSetClick(OwnerChoice("nobody")));
  EXPECT_FALSE(settings.BtnAnimSetClick(ListChoice{}));
  ASSERT_TRUE(settings.BtnAnimSetClick(OwnerChoice("f1")));
  settings.LBKompClick(0);
  settings.SBUpDownDown();  // "", "a", "b": step 1 would be cleared first
  Komp(kFaces, "b").Name = "renamed";
  try {
    settings.Close(true);
    FAIL() << "no error";
  } catch (const KelvoError& e) {
    EXPECT_STREQ(e.what(), "TKelvoKomp.AddAnim: no kompbyname b");
  }
  EXPECT_EQ(StepOf("f1", 1), &Komp(kFaces, "a"));
  EXPECT_EQ(StepOf("f1", 3), &Komp(kFaces, "renamed"));
}

TEST_F(AnimationDialogs, AnimWithTheStepsFilterLeavesTheOwnerSelectedAndRewritesItsLines) {
  const ListChoice choice = StepLine(3);  // "   >b" under f1
  ASSERT_EQ(model->SelectedComponent(), &Komp(kFaces, "b"));
  ASSERT_TRUE(settings.BtnAnimSetClick(choice));
  EXPECT_EQ(settings.State().Caption, "Animation - Faces - f1");
  settings.LBKompClick(0);
  settings.SBUpDownDown();
  settings.Close(true);
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "f1"));
  EXPECT_EQ(std::vector<std::string>(ListLines().begin(), ListLines().begin() + 4),
            (std::vector<std::string>{"f1", "   >", "   >a", "   >b"}));
}

TEST_F(AnimationDialogs, TheDelayStaysWithinItsRange) {
  EXPECT_EQ(settings.State().Delay, 200);
  for (const auto& [value, kept] :
       {std::pair{500, 500}, {99, 100}, {-5, 100}, {2001, 2000}, {100, 100}, {2000, 2000}}) {
    settings.SEProdlevaChange(value);
    EXPECT_EQ(settings.State().Delay, kept) << value;
  }
}

TEST_F(AnimationDialogs, ChooserApplyPreviewAndRemove) {
  EXPECT_FALSE(chooser.LbxKompDblClick(OwnerChoice("f1", kWithoutAnimations)));
  EXPECT_FALSE(chooser.LbxKompDblClick(StepLine(0)));  // the owner's own line
  ASSERT_TRUE(chooser.LbxKompDblClick(StepLine(2)));   // the empty step 2 of f1
  EXPECT_EQ(chooser.State().Caption, "Animation no. 2 - Faces - f1");
  chooser.FormShow();
  EXPECT_EQ(chooser.State().Lines, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(chooser.State().Line, 0);
  chooser.LBSrcClick(1);  // only animations: no preview
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "f1"));
  chooser.RGKompClick(kWithoutAnimations);
  EXPECT_EQ(chooser.State().Lines, (std::vector<std::string>{"f1", "f2", "f3"}));
  const auto before = model->Session().State().RefreshCount;
  chooser.LBSrcClick(2);
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "f3"));  // previewed
  EXPECT_GT(model->Session().State().RefreshCount, before);
  chooser.Close(kStepChooserApply);
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "f1"));
  EXPECT_EQ(StepOf("f1", 2), &Komp(kFaces, "f3"));
  EXPECT_EQ(ListLines().at(2), "   >f3");

  ASSERT_TRUE(chooser.LbxKompDblClick(StepLine(1)));
  chooser.FormShow();
  chooser.Close(kStepChooserCancel);
  EXPECT_EQ(StepOf("f1", 1), &Komp(kFaces, "a"));
  ASSERT_TRUE(chooser.LbxKompDblClick(StepLine(1)));
  chooser.FormShow();
  chooser.Close(kStepChooserRemove);
  EXPECT_EQ(StepOf("f1", 1), nullptr);
  EXPECT_EQ(ListLines().at(1), "   >");
  EXPECT_TRUE(model->Session().State().LibraryChanged);
}

TEST_F(AnimationDialogs, AnimateAllCountersStartInTheirRangesAndASecondPressChangesNothing) {
  for (uint32_t seed : {1u, 77u, 123456u, 4000000000u}) {
    all.Stop();
    context->Random().SetCommonSeed(seed);
    const auto selected = model->Portrait().Selected;
    ASSERT_TRUE(all.BtnAnimAllClick(ListChoice{}));
    const AnimateAllState s = all.State();
    EXPECT_TRUE(s.Running);
    EXPECT_GE(s.BrowCounter, 6);
    EXPECT_LE(s.BrowCounter, 10);
    EXPECT_GE(s.EyeCounter, 3);
    EXPECT_LE(s.EyeCounter, 5);
    EXPECT_GE(s.TalkCounter, 7);
    EXPECT_LE(s.TalkCounter, 10);
    EXPECT_GE(s.MouthCounter, 2);
    EXPECT_LE(s.MouthCounter, 3);
    EXPECT_FALSE(s.Talking);
    EXPECT_TRUE(model->Portrait().FramesReady);
    EXPECT_EQ(model->Portrait().Selected, selected);

    const uint32_t drawn = context->Random().CommonSeed();
    EXPECT_FALSE(all.BtnAnimAllClick(ListChoice{}));
    EXPECT_EQ(context->Random().CommonSeed(), drawn);
    EXPECT_EQ(all.State().BrowCounter, s.BrowCounter);
    EXPECT_EQ(all.State().TalkCounter, s.TalkCounter);
  }
}

TEST_F(AnimationDialogs, AnimateAllTicksTalkInTurnsUntilStopped) {
  context->Random().SetCommonSeed(5);
  ASSERT_TRUE(all.BtnAnimAllClick(ListChoice{}));
  const int talk = all.State().TalkCounter;
  for (int i = 1; i < talk; ++i) all.TMAnimAllTimer();
  EXPECT_FALSE(all.State().Talking);
  all.TMAnimAllTimer();
  EXPECT_TRUE(all.State().Talking);  // the talk phase ran out
  EXPECT_GE(all.State().TalkCounter, 10);
  EXPECT_LE(all.State().TalkCounter, 59);
  EXPECT_EQ(all.State().MouthCounter, 3);
  for (int i = 0; i < 500; ++i) {
    all.TMAnimAllTimer();
    ASSERT_GT(all.State().BrowCounter, 0);
    ASSERT_GT(all.State().EyeCounter, 0);
    ASSERT_GT(all.State().TalkCounter, 0);
  }
  all.Stop();
  const auto ticks = all.State().Ticks;
  all.TMAnimAllTimer();
  EXPECT_EQ(all.State().Ticks, ticks);
  EXPECT_EQ(all.Image().width, 80);
  EXPECT_EQ(all.Image().height, 100);
}

// The frames are rendered clipped into the portrait's render layer; the previews and the
// avatar dialog read that layer after the run.
TEST_F(AnimationDialogs, AnimateAllEndsWithTheWholePortraitInTheRenderLayer) {
  // A fresh layer: the small test background leaves the earlier renders' pixels around it.
  model->Portrait().FreeRenderLayer();
  model->Session().RefreshPortrait();
  const std::vector<uint16_t> whole = model->Portrait().RenderLayer->pixels;
  ASSERT_TRUE(all.BtnAnimAllClick(ListChoice{}));
  for (int i = 0; i < 20; ++i) all.TMAnimAllTimer();
  ASSERT_NE(model->Portrait().RenderLayer, nullptr);
  ASSERT_NE(model->Portrait().RenderLayer->pixels, whole);  // the last frame's clipped render
  const auto before = model->Session().State().RefreshCount;
  all.Stop();
  EXPECT_EQ(model->Session().State().RefreshCount, before + 1);
  ASSERT_NE(model->Portrait().RenderLayer, nullptr);
  EXPECT_EQ(model->Portrait().RenderLayer->pixels, whole);
  all.Stop();  // not running: no second redraw
  EXPECT_EQ(model->Session().State().RefreshCount, before + 1);
}

}  // namespace
}  // namespace kelvo::test
