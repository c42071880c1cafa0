// The gallery window on the offscreen platform, driven through the main window's buttons and
// the mouse: add portraits, drag one onto another and one out of the window, double-click one
// into the editor and send it back; closing the editor with an unsaved gallery.
// The portrait header comes before Qt, whose "slots" keyword would clash with its names.
#include "portrait/portrait.h"
// Then the rest.
#include "gui/dialogs/gallery_window.h"
#include "portrait/gallery.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QtTest/QTest>
#include <memory>

#include "editor/windows/startup_gallery.h"
#include "foundation/diagnostics.h"
#include "gui/main_window/main_form.h"
#include "library/process_context.h"
#include "support/fake_prompter.h"
#include "support/gui_fixture.h"
#include "support/test_libraries.h"

namespace kelvo {
namespace {

class GalleryWindowGuiTest : public ::testing::Test {
 protected:
  GalleryWindowGuiTest() {
    data_ = std::filesystem::path(folder_.Path().toStdString()) / "data";
    test::WriteWindowLibrary(data_ / "male");
    ProcessOptions options;
    options.program_dir = folder_.Path().toStdString() + "/";
    options.data_base = data_.string();
    options.computer_name = "TEST";
    context_ = std::make_unique<ProcessContext>(sink_, options);
    model_ = std::make_unique<EditorModel>(*context_, prompter_);
    form_ = std::make_unique<TMainForm>(*model_, prompter_);
    EXPECT_TRUE(form_->StartUp());
    form_->show();
    QApplication::processEvents();
    window_ = form_->GalleryWindow();
  }
  ~GalleryWindowGuiTest() override {
    form_.reset();
    model_.reset();
    context_.reset();
  }

  QPushButton* Button(const char* name) {
    auto* button = form_->findChild<QPushButton*>(name);
    EXPECT_NE(button, nullptr) << name;
    return button;
  }
  GalleryWindowModel& Gallery() { return window_->Model(); }
  std::string Name(int n) { return model_->Gallery().Portrait(n).Name; }
  // Centre of portrait n's cell on the grid widget.
  QPoint Cell(int n) {
    const GalleryGrid grid(Gallery().Columns(), Gallery().Count());
    return {grid.ThumbnailX(n) + 40, grid.ThumbnailY(n) + 50};
  }
  void AddNamed(const std::string& name) {
    model_->Portrait().Name = name;
    QTest::mouseClick(Button("BtnPridGal"), Qt::LeftButton);
  }

  test::SettingsFolder folder_;
  std::filesystem::path data_;
  CollectingSink sink_;
  test::FakePrompter prompter_;
  std::unique_ptr<ProcessContext> context_;
  std::unique_ptr<EditorModel> model_;
  std::unique_ptr<TMainForm> form_;
  TGalerie* window_ = nullptr;
};

TEST_F(GalleryWindowGuiTest, AddDragTakeAndGiveBack) {
  ASSERT_NE(window_, nullptr);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_TRUE(Button("BtnGal")->isEnabled());
  EXPECT_TRUE(Button("BtnPridGal")->isEnabled());
  EXPECT_FALSE(Button("BtnBackToGal")->isEnabled());

  QTest::mouseClick(Button("BtnGal"), Qt::LeftButton);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(window_->windowTitle(), "Gallery");
  window_->hide();

  for (const char* name : {"A", "B", "C", "D"}) AddNamed(name);
  QApplication::processEvents();
  ASSERT_EQ(Gallery().Count(), 4);
  EXPECT_EQ(prompter_.messages.front().Text, "No gallery exists, create ?");
  EXPECT_TRUE(window_->isVisible()) << "adding shows the window";
  EXPECT_EQ(window_->windowTitle(), "Gallery *");
  EXPECT_EQ(Gallery().Columns(), 8);

  // The buttons sit under the grid.
  auto* load = window_->findChild<QPushButton*>("BtnLoad");
  ASSERT_NE(load, nullptr);
  EXPECT_EQ(load->y(), kGalleryCellHeight + 4);
  for (const char* name : {"BtnSave", "BtnClear", "BtnAdd10"}) {
    EXPECT_NE(window_->findChild<QPushButton*>(name), nullptr) << name;
  }

  QWidget* grid = window_->Canvas();
  // A press shows the portrait's library folder in the status bar.
  QTest::mousePress(grid, Qt::LeftButton, {}, Cell(1));
  EXPECT_EQ(window_->findChild<QStatusBar*>("StatusBar")->currentMessage(), "male");
  EXPECT_EQ(grid->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseRelease(grid, Qt::LeftButton, {}, Cell(3));
  EXPECT_EQ(grid->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(Name(1), "C");
  EXPECT_EQ(Name(3), "A");

  // Released outside the window: deleted.
  QTest::mousePress(grid, Qt::LeftButton, {}, Cell(2));
  QTest::mouseRelease(grid, Qt::LeftButton, {}, QPoint(-30, -30));
  ASSERT_EQ(Gallery().Count(), 3);
  EXPECT_EQ(Name(2), "A");

  // Double click: into the editor; "Back to gal." writes it back and disables itself.
  model_->Portrait().Name = "edited";
  QTest::mouseDClick(grid, Qt::LeftButton, {}, Cell(3));
  EXPECT_EQ(model_->Portrait().Name, "D");
  EXPECT_EQ(Gallery().TakenFace(), 3);
  EXPECT_TRUE(Button("BtnBackToGal")->isEnabled());
  model_->Portrait().Name = "D2";
  model_->Portrait().Shift[3] = {6, 0};
  QTest::mouseClick(Button("BtnBackToGal"), Qt::LeftButton);
  EXPECT_FALSE(Button("BtnBackToGal")->isEnabled());
  EXPECT_EQ(Name(3), "D2");
  EXPECT_EQ(model_->Gallery().Portrait(3).Shift[3], (Point{6, 0}));

  // Keyboard: Delete removes the pressed portrait after the question; the arrows move the
  // highlight and Enter takes it into the editor; Tab reaches the buttons.
  QTest::mousePress(grid, Qt::LeftButton, {}, Cell(1));
  QTest::mouseRelease(grid, Qt::LeftButton, {}, Cell(1));
  prompter_.answers.push_back(MessageAnswer::Yes);
  QTest::keyClick(window_, Qt::Key_Delete);
  EXPECT_EQ(Gallery().Count(), 2);
  QTest::keyClick(grid, Qt::Key_Right);  // from none to the first
  QTest::keyClick(grid, Qt::Key_Right);
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(Gallery().TakenFace(), 2);
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_Tab);
  EXPECT_EQ(window_->focusWidget(), window_->findChild<QPushButton*>("BtnLoad"));

  if (const QByteArray shot = qgetenv("KELVO_GALLERY_SHOT"); !shot.isEmpty()) {
    window_->grab().save(QString::fromLocal8Bit(shot));
  }
}

TEST_F(GalleryWindowGuiTest, AGalleryLoadedBeforeTheWindowIsShownFillsItsWidth) {
  const std::string file = (data_ / "three.xgl").string();
  {
    TKelvoGallery gallery(*context_, model_->Library(), "t", file);
    for (int n = 0; n < 3; ++n) gallery.Add(model_->Portrait());
    gallery.Save(file);
  }
  ASSERT_FALSE(window_->isVisible());
  ASSERT_TRUE(OpenStartupGallery(model_->Gallery(), prompter_, file));
  window_->ShowWindow();
  QApplication::processEvents();
  EXPECT_EQ(Gallery().Count(), 3);
  EXPECT_EQ(Gallery().Columns(), 8) << "one row, not one column";
  EXPECT_EQ(window_->windowTitle(), "Gallery - three.xgl");
}

TEST_F(GalleryWindowGuiTest, ClosingTheEditorWithAnUnsavedGalleryAsksFirst) {
  AddNamed("A");
  prompter_.messages.clear();
  EXPECT_FALSE(form_->close());  // Enter: Cancel
  EXPECT_TRUE(form_->isVisible());
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].Text,
            "There's an unsaved gallery in memory that will be lost. Save ?");
  EXPECT_EQ(prompter_.messages[0].Buttons, MessageButtons::SaveDiscardCancel);
  // Save, then the save dialog cancelled: still running, nothing lost.
  prompter_.answers = {MessageAnswer::Save};
  EXPECT_FALSE(form_->close());
  EXPECT_EQ(Gallery().Count(), 1);
  // Discard ends the program without a save.
  prompter_.answers = {MessageAnswer::Discard};
  EXPECT_TRUE(form_->close());
  EXPECT_EQ(prompter_.saveRequests.size(), 1u);
}

}  // namespace
}  // namespace kelvo
