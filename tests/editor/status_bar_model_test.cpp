// The status bar's texts: what Undo and Redo took back, the command names, the selection and
// the pointer over preview 1.
#include "editor/main_window/status_bar_model.h"
#include "editor/editor_test_support.h"

namespace kelvo::test {
namespace {

class StatusBar : public EditorFixture {
 protected:
  void SetUp() override {
    Start();
    Select(kFaces, "f2");
    model->Undo().ClearUndo();  // the choice of f2 is a step of its own
  }
  const std::string& Message() { return model->Session().State().StatusMessage; }
  StatusBarModel status{model->Session()};
};

TEST_F(StatusBar, UndoAndRedoSayWhatTheyTookBack) {
  model->BtnUndoClick();
  EXPECT_EQ(Message(), "Nothing to undo");
  model->SpinEditPosXChange(3);
  model->BtnUsePosClick();  // changes no pixel: the status bar says what happened
  model->BtnUndoClick();
  EXPECT_EQ(Message(), "Undo: Set, Faces");
  model->BtnRedoClick();
  EXPECT_EQ(Message(), "Redo: Set, Faces");
  model->BtnRedoClick();
  EXPECT_EQ(Message(), "Nothing to redo");
  model->CategoryButtonClick(kEyes);
  model->SpinEditRozXChange(2);
  model->BtnUsePosClick();
  model->BtnUndoAllClick();
  EXPECT_EQ(Message(), "Undo all: 4 edits taken back");
}

TEST_F(StatusBar, ACommandIsNamedUnlessItReportedItself) {
  status.BeginCommand();
  model->BtnNahodAllClick();
  status.EndCommand("Random all");
  EXPECT_EQ(status.State().Message, "Random all");
  status.BeginCommand();
  model->BtnUndoClick();
  status.EndCommand("Undo");
  EXPECT_EQ(status.State().Message, "Undo: Random all");
}

TEST_F(StatusBar, ShowsDataSetSelectionAndThePointerOverTheFullPreview) {
  status.Update();
  EXPECT_EQ(status.State().DataSet, "Data set: lib");
  EXPECT_EQ(status.State().Selection, "Faces: f2");
  status.PointerAt(1, 12, 399);
  EXPECT_EQ(status.State().Pointer, "x 12, y 399");
  status.PointerAt(1, 320, 5);  // outside the picture
  EXPECT_EQ(status.State().Pointer, "");
  status.PointerAt(2, 10, 10);  // the reduced previews take no mouse
  EXPECT_EQ(status.State().Pointer, "");
  status.PointerAt(1, 0, 0);
  status.PointerLeft();
  EXPECT_EQ(status.State().Pointer, "");
}

}  // namespace
}  // namespace kelvo::test
