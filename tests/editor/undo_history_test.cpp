// The history's clean mark and the window title, the data set change, and the memory limit.
#include "editor/session/undo/undo_history.h"
#include "editor/editor_test_support.h"
#include "editor/session/undo/undo_stack.h"
#include "editor/windows/edit_type_model.h"
#include "foundation/errors.h"
#include "library/container.h"
#include "library/type_library.h"

namespace kelvo::test {
namespace {

class UndoHistory : public EditorFixture {
 protected:
  void SetUp() override { Start(); }
  const std::string& Caption() { return model->Session().State().Caption; }
  void Save() { model->DataSets().Ulozkomp(folder.Dir() + "saved", false); }
  // Whether the unsaved-library question was asked.
  bool Asks() {
    prompter.messages.clear();
    prompter.answers.assign({MessageAnswer::Discard});
    model->DataSets().OfferUnsavedLibrary();
    return !prompter.messages.empty();
  }
};

TEST_F(UndoHistory, SaveMarksTheStepCleanAndTheTitleAndQuestionFollowIt) {
  EXPECT_EQ(Caption(), "KelvoEd - lib");
  EXPECT_FALSE(Asks());
  model->SpinEditCetnChange(5);
  EXPECT_EQ(Caption(), "KelvoEd - lib *");
  EXPECT_TRUE(Asks());
  Save();
  EXPECT_EQ(Caption(), "KelvoEd - lib");
  EXPECT_FALSE(Asks());
  model->BtnUndoClick();  // away from the saved state
  EXPECT_EQ(Caption(), "KelvoEd - lib *");
  EXPECT_TRUE(Asks());
  model->BtnRedoClick();  // back to it: unchanged again
  EXPECT_EQ(Caption(), "KelvoEd - lib");
  model->SpinEditPosXChange(3);  // the portrait alone: the library stays saved
  EXPECT_EQ(Caption(), "KelvoEd - lib");
  model->BtnUndoClick();
  model->BtnUndoClick();
  model->SpinEditCetnChange(7);  // an edit after undoing past the save: it cannot come back
  EXPECT_EQ(model->Undo().CleanIndex(), -1);
  model->BtnUndoClick();
  EXPECT_EQ(Caption(), "KelvoEd - lib *");
  EXPECT_TRUE(Asks());
}

TEST_F(UndoHistory, AnotherDataSetEmptiesTheHistoryAndSaysSo) {
  model->SpinEditCetnChange(5);
  model->BtnUndoClick();
  ASSERT_EQ(model->Undo().Count(), 1u);
  model->Session().LoadDataSet("lib");
  EXPECT_EQ(model->Undo().Count(), 0u);
  EXPECT_EQ(model->Session().State().StatusMessage, "Undo history emptied: another data set");
  EXPECT_EQ(Caption(), "KelvoEd - lib");
  EXPECT_EQ(DescribeHistory(model->Undo()).Lines, std::vector<std::string>{"<empty>"});
}

TEST_F(UndoHistory, AStepWhoseRedrawFailsIsStillTakenBackAndForth) {
  // A spread pair in a category whose parent gives it no point: every redraw raises the
  // library's own error, and Undo and Redo must still move through the history.
  model->CategoryButtonClick(1);
  ASSERT_EQ(model->Library().Container(1).Parent, 0);
  EditTypeModel type{model->Session()};
  type.Open();
  type.SetWithSpan(true);
  type.Apply();
  ASSERT_EQ(model->Undo().Count(), 1u);
  model->BtnUndoClick();
  EXPECT_FALSE(model->Library().Container(1).WithSpan);
  EXPECT_THROW(model->BtnRedoClick(), KelvoError);
  EXPECT_EQ(model->Undo().Index(), 1u);
  EXPECT_TRUE(model->Library().Container(1).WithSpan);
  EXPECT_NO_THROW(model->BtnUndoClick());
  EXPECT_EQ(model->Undo().Index(), 0u);
}

TEST_F(UndoHistory, AThousandRollsStayFarUnderTheLimitAndAreAllKept) {
  // The small library sometimes rolls the same portrait again, which is no step.
  for (int i = 0; i < 3000 && model->Undo().Count() < 1000; ++i) model->BtnNahodAllClick();
  EXPECT_EQ(model->Undo().Count(), 1000u);
  EXPECT_LT(model->Undo().Bytes(), kUndoByteLimit / 16);
  EXPECT_GT(model->Undo().Bytes(), 1000u * sizeof(TKelvoPortret*));  // the steps are counted
  RecordProperty("BytesPerRoll", static_cast<int>(model->Undo().Bytes() / 1000));
}

class SizedRecord : public UndoRecord {
 public:
  explicit SizedRecord(std::size_t bytes) : bytes_(bytes) {}
  void Undo() override {}
  void Redo() override {}
  std::string Name() const override { return std::to_string(bytes_); }
  std::size_t Bytes() const override { return bytes_; }

 private:
  std::size_t bytes_;
};

// Past the limit the oldest steps go, the newest always stays, and the clean mark moves with
// the steps it counts (or is gone with them).
TEST(UndoStackLimit, OldestStepsAreDroppedPastTheLimit) {
  struct Row {
    std::size_t limit;
    std::vector<std::size_t> steps;
    long clean;  // steps done when saved
    std::vector<std::string> kept;
    long keptClean;
  };
  const std::vector<Row> rows = {
      {100, {40, 40}, 0, {"40", "40"}, 0},
      {100, {40, 40, 40}, 2, {"40", "40"}, 1},
      {100, {40, 40, 40}, 0, {"40", "40"}, -1},
      {100, {30, 500}, 2, {"500"}, 1},
      {100, {10, 20, 30, 41}, 4, {"20", "30", "41"}, 3},
  };
  for (const Row& row : rows) {
    UndoStack stack;
    stack.SetByteLimit(row.limit);
    for (std::size_t i = 0; i < row.steps.size(); ++i) {
      if (static_cast<long>(i) == row.clean) stack.SetClean();
      stack.Push(std::make_unique<SizedRecord>(row.steps[i]));
    }
    if (static_cast<long>(row.steps.size()) == row.clean) stack.SetClean();
    std::vector<std::string> kept;
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < stack.Count(); ++i) {
      kept.push_back(stack.Step(i).Name());
      bytes += stack.Step(i).Bytes();
    }
    EXPECT_EQ(kept, row.kept) << row.steps.size() << " steps, limit " << row.limit;
    EXPECT_EQ(stack.Bytes(), bytes);
    EXPECT_EQ(stack.CleanIndex(), row.keptClean) << row.steps.size();
  }
}

}  // namespace
}  // namespace kelvo::test
