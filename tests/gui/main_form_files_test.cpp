// Files and help in the main window: a gallery dropped on the window opens in the gallery
// window, "Open Recent" survives a restart, F1 shows the manual, the shortcut list lines up,
// and Tab walks the main window column by column.
#include <gtest/gtest.h>

#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QtTest/QTest>

#include "gui/dialogs/gallery_window.h"
#include "gui/dialogs/manual_window.h"
#include "gui/main_window/main_form_actions.h"
#include "gui/main_window/main_form_status.h"
#include "support/gui_fixture.h"

namespace kelvo {
namespace {

class MainFormFilesTest : public test::MainWindowFixture {
 protected:
  QAction* Action(const char* name) const { return form_->findChild<QAction*>(name); }
  void Drop(QWidget* target, const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
  }
};

TEST_F(MainFormFilesTest, ADroppedGalleryOpensAndStaysInOpenRecent) {
  ASSERT_TRUE(Start());
  QTest::mouseClick(Find<QPushButton>("BtnPridGal"), Qt::LeftButton);
  const std::string file = (data_ / "two.xgl").string();
  prompter_.saveFiles.push_back(file);
  ASSERT_TRUE(model_->Gallery().SaveWithDialog());
  model_->Gallery().Drop();
  form_->GalleryWindow()->hide();

  Drop(form_.get(), QString::fromStdString(file));
  EXPECT_EQ(model_->Gallery().Count(), 1);
  EXPECT_TRUE(form_->GalleryWindow()->isVisible());
  Drop(form_->GalleryWindow(), folder_.Path() + "/picture.bmp");  // not a gallery
  EXPECT_TRUE(form_->StatusBar()->currentMessage().startsWith("Cannot open "));

  Stop();
  ASSERT_TRUE(Start());
  form_->Actions()->FillRecentMenu();
  QAction* first = form_->findChild<QAction*>("ActRecent1");
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->text().contains("two.xgl"));
  first->trigger();
  EXPECT_EQ(model_->Gallery().Count(), 1);
  EXPECT_TRUE(form_->GalleryWindow()->isVisible());
}

TEST_F(MainFormFilesTest, F1ShowsTheManualOnTheScreenAndTheShortcutsLineUp) {
  ASSERT_TRUE(Start());
  Action("ActManual")->trigger();
  ManualWindow* manual = form_->Actions()->Manual();
  ASSERT_TRUE(manual->isVisible());
  const QString text = manual->Browser()->toPlainText();
  for (const char* part : {"The workflow", "Windows and buttons", "Data set layout",
                           "Keyboard shortcuts", "The command-line tool", ".xgl", "cmp"}) {
    EXPECT_TRUE(text.contains(part)) << part;
  }
  EXPECT_TRUE(manual->screen()->availableGeometry().contains(manual->geometry()));
  EXPECT_EQ(Action("ActManual")->shortcut(), QKeySequence(Qt::Key_F1));

  Action("ActShortcuts")->trigger();
  const QString shortcuts = manual->Browser()->toHtml();
  EXPECT_TRUE(shortcuts.contains("<table")) << "one aligned row per command";
  const QString redo = Action("ActRedo")->shortcuts().first().toString(QKeySequence::NativeText);
  EXPECT_TRUE(manual->Browser()->toPlainText().contains(redo));
}

// Tab goes down each column before it moves to the next, the random panel's roll buttons in
// their place.
TEST_F(MainFormFilesTest, TabFollowsTheColumns) {
  ASSERT_TRUE(Start());
  std::vector<QWidget*> chain;
  QWidget* w = Find<QWidget>("speedb1");
  for (int i = 0; i < 400 && (chain.empty() || w != chain.front()); ++i) {
    if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(form_.get()) &&
        w->window() == form_.get()) {
      chain.push_back(w);
    }
    w = w->nextInFocusChain();
  }
  ASSERT_GE(chain.size(), 40u);
  const auto column = [&](QWidget* widget) {
    // The column is the left edge of the widget's outermost group.
    QWidget* group = widget;
    while (group->parentWidget() != form_.get()) group = group->parentWidget();
    return group->mapTo(form_.get(), QPoint(0, 0)).x();
  };
  int left = column(chain.front());
  for (QWidget* widget : chain) {
    if (widget->objectName() == "EditSig") break;  // under all columns, last
    EXPECT_GE(column(widget), left) << widget->objectName().toStdString();
    left = std::max(left, column(widget));
  }
  const auto at = [&](const char* name) {
    return std::find(chain.begin(), chain.end(), Find<QWidget>(name)) - chain.begin();
  };
  EXPECT_EQ(at("BtnRollPrev"), at("BtnNahRus") + 1);
  EXPECT_EQ(at("BtnRollNext"), at("BtnRollPrev") + 1);
}

}  // namespace
}  // namespace kelvo
