// Changing the data set: a new library and random portrait, the hide boxes carried over, the
// history emptied, and a library that fails to load leaving the current one in place.
#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

class DataSetLoading : public EditorFixture {
 protected:
  void SetUp() override {
    WriteWindowLibrary(dir / "data" / "other");
    WriteBrokenLibrary(dir / "data" / "broken");
    Start();
    Select(kFaces, "f1");
    model->SpinEditPosXChange(4);
    model->BtnUsePosClick();
    ASSERT_FALSE(model->Undo().Empty());
  }
};

TEST_F(DataSetLoading, AnotherDataSetReplacesLibraryPortraitAndHistory) {
  model->ChkKompShowClick(7, true);
  CountingListener listener;
  model->SetListener(&listener);
  const auto refreshes = model->Session().State().RefreshCount;
  model->Session().LoadDataSet("other");
  const SessionState& state = model->Session().State();
  EXPECT_EQ(state.DataSetDir, "other");
  EXPECT_EQ(state.Caption, "KelvoEd - other");
  EXPECT_TRUE(model->Undo().Empty());
  EXPECT_FALSE(model->Undo().CanRedo());
  EXPECT_EQ(state.CurrentCategory, kFaces);
  EXPECT_TRUE(model->Portrait().Hidden.at(7));
  EXPECT_FALSE(model->Portrait().Hidden.at(6));
  EXPECT_EQ(state.RefreshCount, refreshes + 1);
  for (int c = 1; c <= kCategoryCount; ++c) {
    TKelvoKomp* selected = model->Portrait().Selected[c];
    ASSERT_NE(selected, nullptr);
    const auto& components = model->Library().Container(c).Components;
    EXPECT_TRUE(std::any_of(components.begin(), components.end(),
                            [&](const auto& k) { return k.get() == selected; }));
  }
  ASSERT_EQ(listener.calls.size(), 1u);  // one command, one report
  EXPECT_EQ(listener.calls.front() & kChangeAll, kChangeAll);
  model->SetListener(nullptr);
}

TEST_F(DataSetLoading, TheLoadedDataSetAgainIsANewLibrary) {
  const TKelvoTyp* before = &model->Library();
  Komp(kFaces, "f1").Frequency = 77;  // an unsaved edit the reload drops
  model->Session().LoadDataSet("lib");
  EXPECT_NE(&model->Library(), before);
  EXPECT_NE(Komp(kFaces, "f1").Frequency, 77);
  EXPECT_TRUE(model->Undo().Empty());
  EXPECT_EQ(model->Session().State().Caption, "KelvoEd - lib");
}

TEST_F(DataSetLoading, AFailedLoadKeepsTheCurrentDataSet) {
  const TKelvoTyp* before = &model->Library();
  const TKelvoPortret* portrait = &model->Portrait();
  EXPECT_ANY_THROW(model->Session().LoadDataSet("broken"));
  EXPECT_ANY_THROW(model->Session().LoadDataSet("missing"));
  EXPECT_EQ(&model->Library(), before);
  EXPECT_EQ(&model->Portrait(), portrait);
  EXPECT_EQ(model->Session().State().DataSetDir, "lib");
  EXPECT_EQ(model->Session().State().Caption, "KelvoEd - lib *");
  EXPECT_FALSE(model->Undo().Empty());
}

}  // namespace
}  // namespace kelvo::test
