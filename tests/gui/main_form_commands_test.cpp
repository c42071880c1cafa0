// Every command of the main window in the menus, and the portrait out through them: "Export
// portrait" through its dialog, "Copy portrait" as a PNG on the clipboard matching the 1x
// preview, and the portrait code copied and pasted as text.
#include <gtest/gtest.h>

#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <set>

#include "gui/dialogs/export_dialog.h"
#include "gui/main_window/main_form_actions.h"
#include "gui/main_window/main_form_status.h"
#include "gui/main_window/preview_window.h"
#include "gui/main_window/radio_group.h"
#include "portrait/avatar_settings.h"
#include "support/gui_fixture.h"

namespace kelvo {
namespace {

class MainFormCommandsTest : public test::MainWindowFixture {
 protected:
  QAction* Action(const char* name) const { return form_->findChild<QAction*>(name); }
};

// The README's promise: the menus hold every command. Each button, box and radio button of the
// main window has a menu action bound to it, enabled with it; only the per-category lock and
// hide boxes, which are settings of one row each, and the design's hidden buttons have none.
TEST_F(MainFormCommandsTest, EveryButtonHasAMenuAction) {
  ASSERT_TRUE(Start());
  std::set<QAction*> in_menus;
  std::function<void(QMenu*)> collect = [&](QMenu* menu) {
    for (QAction* action : menu->actions()) {
      if (action->menu() != nullptr) collect(action->menu());
      in_menus.insert(action);
    }
  };
  for (QAction* title : Find<QMenuBar>("MainMenu")->actions()) collect(title->menu());
  int buttons = 0;
  for (QAbstractButton* button : form_->findChildren<QAbstractButton*>()) {
    const QString name = button->objectName();
    if (button->window() != form_.get() || name.startsWith("qt_")) continue;
    if (qobject_cast<RadioGroup*>(button->parentWidget()) != nullptr) {
      // The list's filters, made anew with their items: View > List holds them by text.
      QAction* filter = nullptr;
      for (QAction* a : Find<QMenu>("MenuList")->actions()) {
        if (a->text() == button->text()) filter = a;
      }
      EXPECT_NE(filter, nullptr) << button->text().toStdString();
      continue;
    }
    if (button->window() != form_.get() || name.startsWith("ChkKompNahLock") ||
        name.startsWith("ChkKompShow") ||
        QRegularExpression("^Button[1-4]$").match(name).hasMatch()) {
      continue;
    }
    ++buttons;
    QAction* action = form_->Actions()->ActionOf(button);
    ASSERT_NE(action, nullptr) << name.toStdString();
    EXPECT_TRUE(in_menus.count(action)) << name.toStdString();
    EXPECT_EQ(action->isEnabled(), button->isEnabled()) << name.toStdString();
    EXPECT_FALSE(action->toolTip().isEmpty()) << name.toStdString();
  }
  EXPECT_GE(buttons, 60);
  for (QSpinBox* field : form_->findChildren<QSpinBox*>()) {
    if (field->window() != form_.get()) continue;
    EXPECT_FALSE(field->toolTip().isEmpty()) << field->objectName().toStdString();
  }
  // Commands from the new menus reach their handlers: a category, a placement command and a
  // check box.
  Action("ActCategory5")->trigger();
  EXPECT_EQ(model_->Session().State().CurrentCategory, 5);
  Action("ActCategory3")->trigger();
  Find<QSpinBox>("SpinEditPosX")->setValue(6);
  Action("ActSet")->trigger();
  EXPECT_EQ(Find<QSpinBox>("SpinEditPosX")->value(), 0);
  Action("ActLockPoints")->trigger();
  EXPECT_TRUE(Find<QCheckBox>("ChbLockUm")->isChecked());
  EXPECT_TRUE(Action("ActLockPoints")->isChecked());
}

TEST_F(MainFormCommandsTest, CopyPortraitPutsTheFullSizePreviewOnTheClipboardAsPng) {
  ASSERT_TRUE(Start());
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  Find<QPushButton>("BtnUsePos")->setFocus();
  QTest::keySequence(form_.get(), QKeySequence(Qt::CTRL | Qt::Key_C));
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  ASSERT_TRUE(data->hasFormat("image/png"));
  QImage png;
  ASSERT_TRUE(png.loadFromData(data->data("image/png"), "PNG"));
  EXPECT_EQ(png.size(), QSize(320, 400));
  // The same 5-6-5 pixels as the preview shows.
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB16),
            form_->Preview(1)->Image().convertToFormat(QImage::Format_RGB16));
}

TEST_F(MainFormCommandsTest, ExportPortraitWritesTheChosenPicture) {
  ASSERT_TRUE(Start());
  const QString path = folder_.Path() + "/hero";
  QTimer::singleShot(0, [&] {
    ExportPortraitDialog* dialog = form_->ExportDialog();
    auto* transparent = dialog->findChild<QCheckBox*>("ChkTransparent");
    dialog->findChild<QLineEdit*>("EdExportFile")->setText(path + ".bmp");
    EXPECT_FALSE(transparent->isEnabled());  // a BMP has no transparency
    dialog->findChild<QLineEdit*>("EdExportFile")->setText(path);
    EXPECT_TRUE(transparent->isEnabled());
    transparent->setChecked(true);
    auto* size = dialog->findChild<QComboBox*>("CbExportSize");
    size->setCurrentIndex(size->findData(2));
    dialog->findChild<QPushButton*>("BtnExport")->click();
  });
  Action("ActExportPortrait")->trigger();
  QImage written(path + ".png");
  ASSERT_FALSE(written.isNull());
  EXPECT_EQ(written.size(), QSize(160, 200));
  EXPECT_TRUE(written.hasAlphaChannel());
  EXPECT_EQ(form_->StatusBar()->currentMessage(), "Exported " + path + ".png");
}

TEST_F(MainFormCommandsTest, PortraitCodeGoesThroughTheClipboardAsText) {
  ASSERT_TRUE(Start());
  Action("ActCopyPortraitCode")->trigger();
  const QString code = QApplication::clipboard()->text();
  EXPECT_EQ(code.toStdString(), AvatarSettingsText(model_->Portrait()) + "\n0\n");
  QApplication::clipboard()->setText("no code at all");
  Action("ActPastePortraitCode")->trigger();
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].Caption, "Error");
  QApplication::clipboard()->setText(code);
  Action("ActPastePortraitCode")->trigger();
  EXPECT_EQ(prompter_.messages.size(), 1u);
  EXPECT_TRUE(form_->StatusBar()->currentMessage().startsWith("Pasted the portrait code"));
}

}  // namespace
}  // namespace kelvo
