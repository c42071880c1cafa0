// The main window's buttons reach their area models the same way, through the editor model's
// handler named after the control; the data-set dialogs come from the GUI and the unsaved-gallery
// question from the editor's own gallery.
#include <gtest/gtest.h>

#include <functional>

#include "editor/editor_test_support.h"
#include "portrait/gallery.h"

namespace kelvo::test {
namespace {

class CountingDialogs : public DataSetDialogs {
 public:
  bool ExecuteChangeSex() override { return ++changeSex, false; }
  bool ExecuteSave() override { return ++save, false; }
  int changeSex = 0;
  int save = 0;
};

struct ButtonRow {
  const char* name;
  void (EditorModel::*handler)();
  // True when the command's first step is seen.
  std::function<bool(EditorModel&, const FakePrompter&, const CountingDialogs&)> reached;
};

class EditorModelButtons : public EditorFixture, public ::testing::WithParamInterface<ButtonRow> {
 protected:
  EditorModelButtons() {
    Start();
    model->SetDataSetDialogs(&dialogs);
  }
  ~EditorModelButtons() override { model->SetDataSetDialogs(nullptr); }
  CountingDialogs dialogs;
};

TEST_P(EditorModelButtons, TheHandlerRunsItsAreaModel) {
  ((*model).*GetParam().handler)();
  EXPECT_TRUE(GetParam().reached(*model, prompter, dialogs));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, EditorModelButtons,
    ::testing::Values(ButtonRow{"Import", &EditorModel::BtnImportClick,
                                [](EditorModel&, const FakePrompter& p, const CountingDialogs&) {
                                  return p.fileRequests.size() == 1 &&
                                         p.fileRequests[0].Title == "Import - Faces";
                                }},
                      ButtonRow{"SaveAsBmp", &EditorModel::Button6Click,
                                [](EditorModel&, const FakePrompter& p, const CountingDialogs&) {
                                  return p.saveRequests.size() == 1;
                                }},
                      ButtonRow{"Mirror", &EditorModel::BtnMirrorClick,
                                [](EditorModel& m, const FakePrompter&, const CountingDialogs&) {
                                  return m.Undo().Size() == 1;
                                }},
                      ButtonRow{"AddToGallery", &EditorModel::BtnPridGalClick,
                                [](EditorModel& m, const FakePrompter&, const CountingDialogs&) {
                                  return m.Gallery().Count() == 1;
                                }},
                      ButtonRow{"ChangeDataSet", &EditorModel::BtnNacistClick,
                                [](EditorModel&, const FakePrompter&, const CountingDialogs& d) {
                                  return d.changeSex == 1 && d.save == 0;
                                }},
                      ButtonRow{"SaveLibrary", &EditorModel::BtnUlozClick,
                                [](EditorModel&, const FakePrompter&, const CountingDialogs& d) {
                                  return d.save == 1 && d.changeSex == 0;
                                }}),
    [](const ::testing::TestParamInfo<ButtonRow>& info) { return std::string(info.param.name); });

using EditorModelGallery = EditorFixture;

TEST_F(EditorModelGallery, BackToGalleryAndTheUnsavedQuestionGoThroughTheEditorsGallery) {
  Start();
  CountingDialogs dialogs;
  model->SetDataSetDialogs(&dialogs);
  model->Portrait().Name = "first";
  model->BtnPridGalClick();
  model->Gallery().TakeIntoEditor(1);
  model->Portrait().Name = "edited";
  model->BtnBackToGalClick();
  EXPECT_EQ(model->Gallery().Portrait(1).Name, "edited");
  EXPECT_EQ(model->Gallery().TakenFace(), 0);
  // "&Sex" asks about the unsaved gallery before its dialog; Cancel ends it there.
  model->BtnNacistClick();
  EXPECT_EQ(prompter.messages.back().Text,
            "There's an unsaved gallery in memory that will be lost. Save ?");
  EXPECT_EQ(dialogs.changeSex, 0);
  // Without the GUI's dialogs both count as cancelled.
  model->SetDataSetDialogs(nullptr);
  prompter.answers = {MessageAnswer::Discard};
  model->BtnNacistClick();
  EXPECT_EQ(dialogs.changeSex, 0);
  EXPECT_EQ(model->Gallery().Count(), 1);
}

}  // namespace
}  // namespace kelvo::test
