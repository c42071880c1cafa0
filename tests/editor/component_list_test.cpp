// The category buttons, the component list and its filters, removing components, and the
// head-number check.
#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

class ComponentList : public EditorFixture {
 protected:
  void SetUp() override { Start(); }
};

TEST_F(ComponentList, FiltersFollowTheCategorysAnimationSlots) {
  model->CategoryButtonClick(kFaces);
  model->RGKompClick(kAnimationSteps);
  model->CategoryButtonClick(kNecks);
  EXPECT_EQ(model->ComponentList().State().FilterItems,
            std::vector<std::string>{"without animations"});
  EXPECT_EQ(model->ComponentList().State().Filter, kWithoutAnimations);
  EXPECT_FALSE(model->ComponentList().State().AnimationButtonsEnabled);
  model->CategoryButtonClick(kFaces);
  EXPECT_EQ(model->ComponentList().State().FilterItems.size(), 3u);
  EXPECT_EQ(model->ComponentList().State().Filter, kWithoutAnimations);
  EXPECT_TRUE(model->ComponentList().State().AnimationButtonsEnabled);
}

TEST_F(ComponentList, ListsOrdinaryComponentsOrFramesOnly) {
  Select(kFaces, "f2");
  EXPECT_EQ(model->ComponentList().State().ComponentLines,
            (std::vector<std::string>{"f1", "f2", "f3"}));
  EXPECT_EQ(model->ComponentList().State().ComponentLine, 1);
  model->RGKompClick(kOnlyAnimations);
  EXPECT_EQ(model->ComponentList().State().ComponentLines, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(model->ComponentList().State().ComponentLine, -1);  // f2 is not listed: no line
}

TEST_F(ComponentList, TheFramesListFollowsARandomChoice) {
  model->CategoryButtonClick(kFaces);
  model->RGKompClick(kOnlyAnimations);
  model->LbxKompClick(1);  // "b"
  ASSERT_EQ(model->ComponentList().State().ComponentLine, 1);
  model->BtnNahodKompClick();  // an ordinary face, which this list does not show
  EXPECT_FALSE(model->SelectedComponent()->IsFrame);
  EXPECT_EQ(model->ComponentList().State().ComponentLine, -1);
}

TEST_F(ComponentList, AnimationStepsListingAndClickingSteps) {
  Select(kFaces, "f2");
  model->RGKompClick(kAnimationSteps);
  const std::vector<std::string> expected{"f1",   "   >a", "   >", "   >b", "f2",   "   >",
                                          "   >", "   >",  "f3",   "   >",  "   >", "   >"};
  EXPECT_EQ(model->ComponentList().State().ComponentLines, expected);
  EXPECT_EQ(model->ComponentList().State().ComponentLine, 4);

  const StepOwner owner = model->FindStepOwner(2);
  EXPECT_EQ(owner.Name, "f1");
  EXPECT_EQ(owner.Step, 2);

  model->LbxKompClick(2);  // an empty step selects its owner
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "f1"));
  model->LbxKompClick(3);  // a named step selects that frame
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "b"));
  EXPECT_EQ(model->ComponentList().State().ComponentLine, 3);
  model->SelectCurrentInList();  // a frame shows at the step line that names it
  EXPECT_EQ(model->ComponentList().State().ComponentLine, 3);
}

TEST_F(ComponentList, ClickingALineShowsItsValues) {
  Komp(kFaces, "f3").Frequency = 77;
  Komp(kFaces, "f3").Sub(2)->Clip = true;
  Select(kFaces, "f3");
  EXPECT_EQ(model->ComponentList().State().Frequency, 77);
  EXPECT_TRUE(model->ComponentList().State().Clip[2].Checked);
  EXPECT_TRUE(model->ComponentList().State().Clip[2].Enabled);
  EXPECT_FALSE(model->ComponentList().State().Clip[3].Enabled);
  model->SpinEditCetnChange(5);
  EXPECT_EQ(Komp(kFaces, "f3").Frequency, 5);
  model->ChkOrezClick(1, true);
  EXPECT_TRUE(Komp(kFaces, "f3").Sub(1)->Clip);
}

TEST_F(ComponentList, RemovingTheLastListedSelectsTheOneBefore) {
  Select(kFaces, "f3");
  model->SpinEditPosXChange(1);
  model->BtnUsePosClick();
  const std::size_t steps = model->Undo().Size();
  prompter.answers.push_back(MessageAnswer::Yes);
  model->BtnSmazatClick();
  EXPECT_EQ(model->Undo().Size(), steps + 1);  // the removal goes on top of the history
  EXPECT_EQ(Lib().Container(kFaces).FindByName("f3"), -1);
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "f2"));
  EXPECT_EQ(model->ComponentList().State().ComponentLines, (std::vector<std::string>{"f1", "f2"}));
  EXPECT_EQ(model->ComponentList().State().ComponentLine, 1);
}

TEST_F(ComponentList, RemovingAMiddleComponentSelectsTheOneAfter) {
  Select(kFaces, "f2");
  prompter.answers.push_back(MessageAnswer::Yes);
  model->BtnSmazatClick();
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "f3"));
  EXPECT_EQ(Lib().Container(kFaces).ComponentCount(), 4);
}

TEST_F(ComponentList, RemovingAStepClearsItFromItsOwner) {
  model->CategoryButtonClick(kFaces);
  model->RGKompClick(kOnlyAnimations);
  model->LbxKompClick(0);  // "a", step 1 of f1
  prompter.answers.push_back(MessageAnswer::Yes);
  model->BtnSmazatClick();
  EXPECT_EQ(Komp(kFaces, "f1").Frames[1], nullptr);
  EXPECT_EQ(Komp(kFaces, "f1").Frames[3], &Komp(kFaces, "b"));
}

TEST_F(ComponentList, TheOnlyComponentCannotBeRemoved) {
  Select(kFaces, "f1");
  model->SpinEditPosXChange(1);
  model->BtnUsePosClick();
  const std::size_t records = model->Undo().Size();
  model->CategoryButtonClick(kBackgrounds);
  model->BtnSmazatClick();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].Kind, MessageKind::Error);
  EXPECT_EQ(prompter.messages[0].Text, "There must be at least one component");
  EXPECT_EQ(Lib().Container(kBackgrounds).ComponentCount(), 1);
  EXPECT_EQ(model->Undo().Size(), records);  // a refused removal costs no history
}

TEST_F(ComponentList, HeadNumberCheckReportsOnlyTheFirstOrdinaryHair) {
  EXPECT_TRUE(model->CheckHeadNumbers());
  Komp(kHair, "h2").Kind = 0;
  Komp(kHair, "h3").Kind = 0;
  EXPECT_FALSE(model->CheckHeadNumbers());
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].Text,
            "Hair   h2   has NO HEAD NUMBER !!!\r\n\r\nVX WILL DEFINITELY DIE ON THIS !"
            "\r\n\r\nPlease correct this IMMEDIATELY !!!");
}

TEST_F(ComponentList, HideAndOnlySelectedChooseWhatIsDrawn) {
  const ImageView full = model->Previews().View(1);
  Select(kHair, "h1");
  const std::uint16_t hair = full.At(90, 20);
  model->ChkKompShowClick(kHair, true);
  EXPECT_TRUE(model->Portrait().Hidden[kHair]);
  // The render layer keeps what earlier renders painted; a fresh canvas shows the difference.
  model->Portrait().FreeRenderLayer();
  model->RefreshPortrait();
  EXPECT_NE(full.At(90, 20), hair);
  model->ChkKompShowClick(kHair, false);
  model->ChbSelKompClick(true);
  model->Portrait().FreeRenderLayer();
  model->CategoryButtonClick(kHair);
  EXPECT_EQ(model->Previews().View(1).At(90, 20), hair);
  EXPECT_NE(model->Previews().View(1).At(120, 10), hair);
}

}  // namespace
}  // namespace kelvo::test
