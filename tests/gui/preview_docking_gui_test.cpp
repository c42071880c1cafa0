// The previews docked into the main window, and every dialog placed wholly on the screen beside
// the full-size preview.
#include <gtest/gtest.h>

#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest/QTest>

#include "gui/main_window/main_form.h"
#include "gui/main_window/preview_window.h"
#include "gui/registry_key.h"
#include "gui/settings_store.h"
#include "support/gui_fixture.h"

namespace kelvo {
namespace {

using PreviewDockingTest = test::MainWindowFixture;

QRect Available() {
  return QGuiApplication::primaryScreen()->availableGeometry();
}

QRect OnScreen(const QWidget* widget) {
  return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

void StoreDockChoice(bool docked) {
  RegistryKey key(kEditorSettingsKey);
  key.WriteBool("DockPreviews", docked);
  key.Flush();
}

TEST_F(PreviewDockingTest, DockedPreviewsLieInsideTheMainWindowAndFollowTheirBoxes) {
  StoreDockChoice(true);
  ASSERT_TRUE(Start());
  ASSERT_TRUE(form_->PreviewsDocked());
  auto* action = Find<QAction>("ActDockPreviews");
  EXPECT_TRUE(action->isChecked());
  const QRect main = form_->geometry();
  for (int i = 1; i <= kPreviewCount; ++i) {
    const TFZobr* preview = form_->Preview(i);
    EXPECT_FALSE(preview->isWindow()) << i;
    EXPECT_TRUE(preview->isVisible()) << i;
    EXPECT_EQ(preview->size(), QSize(320 >> (i - 1), 400 >> (i - 1))) << i;  // not scaled
    EXPECT_TRUE(main.contains(OnScreen(preview))) << i;
    EXPECT_FALSE(OnScreen(preview).intersects(OnScreen(Find("Controls")->parentWidget())));
  }
  // 1x on top of the others.
  EXPECT_LE(OnScreen(form_->Preview(1)).bottom(), OnScreen(form_->Preview(2)).top());

  auto* box = Find<QCheckBox>("ChkZobr2");
  box->click();
  EXPECT_FALSE(form_->Preview(2)->isVisible());
  EXPECT_FALSE(form_->PreviewDock(2)->isVisible());
  box->click();
  EXPECT_TRUE(form_->Preview(2)->isVisible());

  // Floating again: windows of their own beside the main window, and the choice is kept.
  action->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(form_->PreviewsDocked());
  for (int i = 1; i <= kPreviewCount; ++i) {
    EXPECT_TRUE(form_->Preview(i)->isWindow()) << i;
    EXPECT_TRUE(form_->Preview(i)->isVisible()) << i;
    EXPECT_TRUE(Available().contains(form_->Preview(i)->frameGeometry())) << i;
    EXPECT_FALSE(form_->Preview(i)->frameGeometry().intersects(form_->frameGeometry()))
        << i << " " << form_->Preview(i)->frameGeometry().x() << " " << form_->frameGeometry().x()
        << "+" << form_->frameGeometry().width();
  }
  Stop();
  EXPECT_EQ(ReadEditorSettings().DockPreviews, std::optional<bool>(false));
}

// A desktop-sized screen holds the previews beside the main window: they float by default.
TEST_F(PreviewDockingTest, FloatingByDefaultWhereThePreviewsFitBeside) {
  ASSERT_TRUE(Start());
  EXPECT_FALSE(form_->PreviewsDocked());
  EXPECT_FALSE(Find<QAction>("ActDockPreviews")->isChecked());
  Stop();
  EXPECT_FALSE(ReadEditorSettings().DockPreviews);  // no choice made, none stored
}

TEST_F(PreviewDockingTest, FloatingPreviewsStayOnTheScreenWhenTheMainWindowMoves) {
  ASSERT_TRUE(Start());
  form_->move(Available().right() - 200, Available().bottom() - 150);
  QApplication::processEvents();
  for (int i = 1; i <= kPreviewCount; ++i) {
    EXPECT_TRUE(Available().contains(form_->Preview(i)->frameGeometry())) << i;
  }
}

// Every dialog and secondary window of the main window, opened with the main window in the
// screen's bottom right corner, where centring over it would run off the screen.
TEST_F(PreviewDockingTest, EveryDialogOpensOnTheScreenClearOfTheFullSizePreview) {
  for (const bool docked : {false, true}) {
    StoreDockChoice(docked);
    ASSERT_TRUE(Start());
    Find<QAction>("ActUndoHistory")->trigger();
    Find<QAction>("ActManual")->trigger();
    QApplication::processEvents();
    std::vector<QWidget*> dialogs;
    for (const char* name : {"FBarvy", "FVlast", "FRozpt", "Galerie", "ExportPortrait", "FEdKomp",
                             "FEdKont", "FLoad", "FSave", "FAnim", "FAnimList", "FAllAnim",
                             "FrmImportMultiAV", "UndoHistory", "ManualWindow"}) {
      auto* dialog = Find(name);
      if (dialog == nullptr) continue;
      EXPECT_TRUE(dialog->isWindow()) << name;
      dialog->hide();
      dialogs.push_back(dialog);
    }
    form_->move(Available().right() - 500, Available().bottom() - 300);
    QApplication::processEvents();
    const QRect preview = OnScreen(form_->Preview(1));
    for (QWidget* dialog : dialogs) {
      dialog->show();
      QApplication::processEvents();
      const std::string name = dialog->objectName().toStdString() + (docked ? " docked" : "");
      EXPECT_TRUE(Available().contains(dialog->frameGeometry())) << name;
      EXPECT_FALSE(dialog->frameGeometry().intersects(preview)) << name;
      dialog->hide();
    }
    Stop();
  }
}

}  // namespace
}  // namespace kelvo
