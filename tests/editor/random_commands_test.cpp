// The random portrait commands with their lock boxes, and the undo buttons.
#include <array>
#include <set>
#include <string>

#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

class RandomCommands : public EditorFixture {
 protected:
  void SetUp() override { Start(); }
  PerCategory<TKelvoKomp*> Selection() { return model->Portrait().Selected; }
  std::string Name(int category) {
    const TKelvoKomp* k = model->Portrait().Selected.at(category);
    return k != nullptr ? k->Name : "";
  }
  void LockAllBut(int open) {
    for (int c = 1; c <= kCategoryCount; ++c) model->ChkKompNahLockClick(c, c != open);
  }
};

TEST_F(RandomCommands, RandomAllAndRandComponentsChangeOnlyUnlockedCategories) {
  using Handler = void (EditorModel::*)();
  for (Handler command : {&EditorModel::BtnNahodAllClick, &EditorModel::BtnNahodKompAllClick}) {
    LockAllBut(kHair);
    const auto before = Selection();
    std::set<std::string> hair;
    for (int i = 0; i < 30; ++i) {
      (model.get()->*command)();
      for (int c = 1; c <= kCategoryCount; ++c) {
        if (c != kHair) {
          ASSERT_EQ(model->Portrait().Selected[c], before[c]) << c;
        }
      }
      hair.insert(Name(kHair));
    }
    EXPECT_EQ(hair, (std::set<std::string>{"h1", "h2", "h3"}));  // never the frame "hf"
  }
}

TEST_F(RandomCommands, WithEveryCategoryLockedComponentsStayAndThePortraitIsRedrawn) {
  LockAllBut(0);
  const auto before = Selection();
  const auto refreshes = model->Session().State().RefreshCount;
  model->BtnNahodKompAllClick();
  model->BtnNahodAllClick();
  model->BtnNahAmerClick();
  EXPECT_EQ(Selection(), before);
  EXPECT_EQ(model->Session().State().RefreshCount, refreshes + 3);
}

TEST_F(RandomCommands, RandomIgnoresTheLockAndUpdatesTheList) {
  Select(kFaces, "f1");
  LockAllBut(0);
  const auto before = Selection();
  std::set<std::string> faces;
  for (int i = 0; i < 30; ++i) {
    model->BtnNahodKompClick();
    faces.insert(Name(kFaces));
    ASSERT_EQ(model->ComponentList().State().ComponentLine, Line(Name(kFaces)));
    for (int c = 1; c <= kCategoryCount; ++c) {
      if (c != kFaces) {
        ASSERT_EQ(model->Portrait().Selected[c], before[c]) << c;
      }
    }
  }
  EXPECT_EQ(faces, (std::set<std::string>{"f1", "f2", "f3"}));
}

TEST_F(RandomCommands, RandomShowsTheNewComponentsSnapPoint) {
  Select(kFaces, "f1");
  Komp(kFaces, "f2").Point(1).X = 70;
  Komp(kFaces, "f3").Point(1).X = 70;
  Komp(kFaces, "f1").Point(1).X = 70;
  model->BtnNahodKompClick();
  EXPECT_EQ(model->SnapPoints().State().PointX, 70);
}

TEST_F(RandomCommands, NationCommandsSetTheWeightsWhateverTheyWere) {
  struct Row {
    void (EditorModel::*command)();
    OneBased<int32_t, kPropertyCount> weights;
  };
  const Row rows[] = {{&EditorModel::BtnNahAmerClick, {100, 0, 0, 50, 50}},
                      {&EditorModel::BtnNahArabClick, {0, 100, 0, 50, 50}},
                      {&EditorModel::BtnNahRusClick, {0, 0, 100, 50, 50}}};
  for (const Row& row : rows) {
    model->Portrait().PropertyWeights = {7, 8, 9, 10, 11};
    (model.get()->*row.command)();
    EXPECT_EQ(model->Portrait().PropertyWeights, row.weights);
  }
}

TEST_F(RandomCommands, NationCommandsChooseByPropertiesAndKeepLockedCategories) {
  for (const char* name : {"f1", "f2", "f3"}) Komp(kFaces, name).Properties[1] = 0;
  Komp(kFaces, "f2").Properties[1] = 100;  // the only American face
  LockAllBut(kFaces);
  const auto before = Selection();
  for (int i = 0; i < 10; ++i) {
    model->BtnNahAmerClick();
    ASSERT_EQ(Name(kFaces), "f2");
  }
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (c != kFaces) {
      EXPECT_EQ(model->Portrait().Selected[c], before[c]) << c;
    }
  }
  std::set<std::string> faces;
  for (int i = 0; i < 30; ++i) {
    model->BtnNahRusClick();
    faces.insert(Name(kFaces));
  }
  EXPECT_EQ(faces.size(), 3u);
}

TEST_F(RandomCommands, RandomColoursRedrawsWithoutTouchingComponents) {
  const auto before = Selection();
  const auto refreshes = model->Session().State().RefreshCount;
  model->BtnBarvaNahAllClick();
  EXPECT_EQ(Selection(), before);
  EXPECT_EQ(model->Session().State().RefreshCount, refreshes + 1);
}

TEST_F(RandomCommands, EachCommandNotifiesOnce) {
  CountingListener listener;
  model->SetListener(&listener);
  model->BtnNahodAllClick();
  model->BtnNahArabClick();
  model->BtnUndoAllClick();
  ASSERT_EQ(listener.calls.size(), 3u);
  EXPECT_TRUE(listener.calls[0] & kChangeFullImage);
  EXPECT_TRUE(listener.calls[0] & kChangeComponentList);
  model->SetListener(nullptr);
}

class UndoCommands : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    Select(kFaces, "f1");
    model->Undo().ClearUndo();  // the choice of f1 is a step of its own
  }
  Offset Sub(const std::string& name) {
    TKelvoKomp& k = Komp(kFaces, name);
    return {k.Sub(1)->X, k.Sub(1)->Y};
  }
  Offset Pt(const std::string& name) {
    TKelvoKomp& k = Komp(kFaces, name);
    return {k.Point(1).X, k.Point(1).Y};
  }
  void Set(int dx, int dy) {
    model->SpinEditPosXChange(dx);
    model->SpinEditPosYChange(dy);
    model->BtnUsePosClick();
  }
};

TEST_F(UndoCommands, UndoTakesBackTheWholeSetWithItsSteps) {
  Set(5, -2);  // f1 and its steps a and b
  const std::size_t steps = model->Undo().Size();
  const auto refreshes = model->Session().State().RefreshCount;
  model->BtnUndoClick();
  EXPECT_EQ(model->Session().State().RefreshCount, refreshes + 1);
  EXPECT_EQ(model->Undo().Size(), steps - 1);
  for (const char* name : {"f1", "a", "b"}) EXPECT_EQ(Sub(name), (Offset{-20, -30})) << name;
}

TEST_F(UndoCommands, UndoAllRevertsDragAndShiftsThenNothingIsLeft) {
  Set(5, -2);
  Set(1, 1);
  model->RBNastBodClick();
  model->ImageMouseDown(1, MouseButton::Left, 10, 10);
  model->ImageMouseMove(1, 13, 14);
  model->ImageMouseUp(1, MouseButton::Left, 13, 14);
  ASSERT_EQ(Pt("f1"), (Offset{29, 43}));

  model->BtnUndoClick();  // the drag
  EXPECT_EQ(Pt("f1"), (Offset{26, 39}));
  // The point edits follow the undone point instead of keeping the dragged values.
  EXPECT_EQ(model->SnapPoints().State().PointX, 26);
  EXPECT_EQ(model->SnapPoints().State().PointY, 39);
  const auto refreshes = model->Session().State().RefreshCount;
  model->BtnUndoAllClick();
  EXPECT_EQ(model->Session().State().RefreshCount, refreshes + 1);
  EXPECT_TRUE(model->Undo().Empty());
  for (const char* name : {"f1", "a", "b"}) {
    EXPECT_EQ(Sub(name), (Offset{-20, -30})) << name;
    EXPECT_EQ(Pt(name), (Offset{20, 40})) << name;
  }
  EXPECT_EQ(model->SnapPoints().State().PointX, 20);
  EXPECT_EQ(model->SnapPoints().State().PointY, 40);

  // An empty stack: nothing moves, the portrait is still redrawn.
  model->BtnUndoClick();
  model->BtnUndoAllClick();
  EXPECT_EQ(Sub("f1"), (Offset{-20, -30}));
  EXPECT_EQ(model->Session().State().RefreshCount, refreshes + 3);
}

}  // namespace
}  // namespace kelvo::test
