// Component animation without a window: the stepping routine with the coupled face categories,
// "Anim. comp." tick by tick, the hidden "1".
#include "editor/editor_test_support.h"
#include "editor/main_window/animation_model.h"
#include "foundation/errors.h"
#include "portrait/frames.h"

namespace kelvo::test {
namespace {

// Faces f1 steps a, -, b; mouths m0 (step 4 m4) and cheeks c0 (step 3 c3) join the library.
class Animation : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    TKelvoKomp& m0 = Lib().Container(kMouths).NewComponent("m0");
    m0.Frames[4] = &Lib().Container(kMouths).NewComponent("m4");
    m0.Frames[2] = &Lib().Container(kMouths).NewComponent("m2");
    TKelvoKomp& c0 = Lib().Container(kCheeks).NewComponent("c0");
    c0.Frames[3] = &Lib().Container(kCheeks).NewComponent("c3");
    model->Portrait().Selected[kMouths] = &m0;
    model->Portrait().Selected[kCheeks] = &c0;
    Select(kFaces, "f1");
  }

  // The names of faces, mouths and cheeks now selected.
  std::vector<std::string> Shown() const {
    std::vector<std::string> names;
    for (int c : {kFaces, kMouths, kCheeks}) names.push_back(model->Portrait().Selected[c]->Name);
    return names;
  }
  using Names = std::vector<std::string>;

  AnimationModel anim{model->Session()};
};

TEST_F(Animation, FacesShowTheirStepsWithTheMouthOpenAtStepThreeThenTheSavedSelections) {
  ASSERT_TRUE(anim.BtnAnimujClick(ListChoice{}));
  EXPECT_TRUE(anim.State().Running);
  EXPECT_FALSE(anim.BtnAnimujClick(ListChoice{}));  // one run at a time
  const auto before = model->Session().State().RefreshCount;
  EXPECT_FALSE(anim.TMAnimTimer());
  EXPECT_EQ(Shown(), (Names{"a", "m0", "c0"}));
  EXPECT_FALSE(anim.TMAnimTimer());
  EXPECT_EQ(Shown(), (Names{"f1", "m0", "c0"}));  // an empty step shows the component itself
  EXPECT_FALSE(anim.TMAnimTimer());
  EXPECT_EQ(Shown(), (Names{"b", "m4", "c3"}));
  EXPECT_TRUE(anim.TMAnimTimer());
  EXPECT_EQ(Shown(), (Names{"f1", "m0", "c0"}));
  EXPECT_FALSE(anim.State().Running);
  EXPECT_EQ(model->Session().State().RefreshCount, before + 4);  // every tick redraws
}

TEST_F(Animation, AnotherDataSetPortraitOrLibraryEditEndsTheRunWithoutRestoringWhatWent) {
  enum Change { kDataSet, kPortrait, kRedoneRemoval };
  for (const Change change : {kDataSet, kPortrait, kRedoneRemoval}) {
    SCOPED_TRACE(change);
    if (change == kRedoneRemoval) {  // f1, the run's saved face, goes again by Redo
      Select(kFaces, "f1");
      model->BtnSmazatClick();
      model->BtnUndoClick();
    }
    ASSERT_TRUE(anim.BtnAnimujClick(ListChoice{}));
    EXPECT_FALSE(anim.TMAnimTimer());
    if (change == kDataSet) model->Session().LoadDataSet("lib");  // frees the saved selections
    if (change == kPortrait) model->Session().Notify(SessionEvent::PortraitReplaced);
    if (change == kRedoneRemoval) model->BtnRedoClick();  // from the history window
    EXPECT_FALSE(anim.State().Running);
    EXPECT_TRUE(anim.TMAnimTimer());  // the GUI's next tick stops the timer
    const TKelvoKomp* face = model->Portrait().Selected[kFaces];
    EXPECT_EQ(face, &Lib().Container(kFaces).Komp(Lib().Container(kFaces).FindByName(face->Name)));
  }
}

TEST_F(Animation, MouthsAtStepFourPutFacesAndCheeksAtStepThree) {
  model->CategoryButtonClick(kMouths);
  ASSERT_TRUE(anim.BtnAnimujClick(ListChoice{}));
  std::vector<Names> shown;
  while (!anim.TMAnimTimer()) shown.push_back(Shown());
  EXPECT_EQ(shown,
            (std::vector<Names>{
                {"f1", "m0", "c0"}, {"f1", "m2", "c0"}, {"f1", "m0", "c0"}, {"b", "m4", "c3"}}));
  EXPECT_EQ(Shown(), (Names{"f1", "m0", "c0"}));
}

TEST_F(Animation, OnlyAnimatableCategoriesPlayAndTheStepsFilterPlaysTheOwner) {
  model->CategoryButtonClick(kHair);
  EXPECT_FALSE(anim.BtnAnimujClick(ListChoice{}));
  EXPECT_FALSE(anim.State().Running);

  model->CategoryButtonClick(kFaces);
  model->RGKompClick(kAnimationSteps);
  model->LbxKompClick(Line("   >b"));  // shows the frame b, owned by f1
  ASSERT_EQ(model->SelectedComponent(), &Komp(kFaces, "b"));
  ListChoice choice{kAnimationSteps, "   >b", model->FindStepOwner(Line("   >b"))};
  ASSERT_TRUE(anim.BtnAnimujClick(choice));
  EXPECT_FALSE(anim.TMAnimTimer());
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "a"));  // f1's step 1
  while (!anim.TMAnimTimer()) {
  }
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "f1"));
}

TEST_F(Animation, ACategoryWithoutComponentsEndsTheRunWithTheLibrarysMessage) {
  model->CategoryButtonClick(kMouths);
  model->Portrait().Selected[kMouths] = nullptr;
  Lib().Container(kMouths).Components.clear();
  ASSERT_TRUE(anim.BtnAnimujClick(ListChoice{}));
  EXPECT_THROW(
      {
        try {
          anim.TMAnimTimer();
        } catch (const KelvoError& e) {
          EXPECT_STREQ(e.what(), "AktKomp Empty");
          throw;
        }
      },
      KelvoError);
  EXPECT_FALSE(anim.State().Running);
  EXPECT_EQ(model->Portrait().Selected[kFaces], &Komp(kFaces, "f1"));
}

TEST_F(Animation, HiddenButtonOneMakesTheNextMissingFrame) {
  ResetFrames(model->Portrait());
  anim.Button1Click();
  EXPECT_EQ(model->Portrait().NextMouthState, 1);
  anim.Button1Click();
  EXPECT_EQ(model->Portrait().NextMouthState, 2);
  EXPECT_FALSE(model->Portrait().FramesReady);
  EXPECT_EQ(model->SelectedComponent(), &Komp(kFaces, "f1"));
}

}  // namespace
}  // namespace kelvo::test
