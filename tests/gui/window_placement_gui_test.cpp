// Where the main window puts itself, its previews and the spread dialog on screen.
#include <gtest/gtest.h>

#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QtTest/QTest>

#include "gui/dialogs/spread_dialog.h"
#include "gui/main_window/main_form.h"
#include "gui/main_window/preview_window.h"
#include "gui/registry_key.h"
#include "gui/settings_store.h"
#include "support/gui_fixture.h"

namespace kelvo {
namespace {

using WindowPlacementTest = test::MainWindowFixture;

QRect Available() {
  return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST_F(WindowPlacementTest, FirstStartPreviewsCoverNeitherEachOtherNorTheMainWindow) {
  ASSERT_TRUE(Start());
  std::vector<QRect> frames = {form_->frameGeometry()};
  for (int i = 1; i <= kPreviewCount; ++i) frames.push_back(form_->Preview(i)->frameGeometry());
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_TRUE(Available().contains(frames[i])) << "window " << i;
    for (size_t j = i + 1; j < frames.size(); ++j) {
      EXPECT_FALSE(frames[i].intersects(frames[j])) << "windows " << i << " and " << j;
    }
  }
}

TEST_F(WindowPlacementTest, StoredPositionsOffScreenAreMovedBack) {
  {
    RegistryKey key(kEditorSettingsKey);
    key.WriteInt("MainWinX", 5000);
    key.WriteInt("MainWinY", -3000);
    key.WriteInt("Win1X", -800);
    key.WriteInt("Win1Y", 200);
    key.WriteInt("Win2X", 300);
    key.WriteInt("Win2Y", 9000);
    key.WriteInt("Win3X", 40);  // on screen: kept
    key.WriteInt("Win3Y", 50);
    key.Flush();
  }
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Available().contains(form_->frameGeometry()))
      << form_->frameGeometry().x() << "," << form_->frameGeometry().y() << " "
      << form_->frameGeometry().width() << "x" << form_->frameGeometry().height();
  for (int i = 1; i <= kPreviewCount; ++i) {
    EXPECT_TRUE(Available().contains(form_->Preview(i)->frameGeometry())) << i;
  }
  EXPECT_EQ(form_->Preview(1)->pos().x(), Available().left());
  EXPECT_EQ(form_->Preview(2)->pos().x(), 300);
  EXPECT_EQ(form_->Preview(3)->pos(), QPoint(40, 50));
}

// Clicks in preview 1 measure the limits, so the dialog opens beside it.
TEST_F(WindowPlacementTest, SpreadDialogOpensBesideTheFullSizePreview) {
  ASSERT_TRUE(Start());
  QTest::mouseClick(form_->findChild<QPushButton*>("speedb1"), Qt::LeftButton);
  auto* with_spread = form_->findChild<QCheckBox*>("ChkRozpt");
  QTest::mouseClick(with_spread, Qt::LeftButton, {}, QPoint(6, with_spread->height() / 2));
  QTest::mouseClick(form_->findChild<QPushButton*>("BtnNastNahUmB"), Qt::LeftButton);
  TFRozpt* dialog = form_->SpreadDialog();
  ASSERT_TRUE(dialog->isVisible());
  const QRect preview = form_->Preview(1)->frameGeometry();
  const QRect placed = dialog->frameGeometry();
  EXPECT_TRUE(Available().contains(placed));
  EXPECT_EQ(placed.top(), preview.top());
  EXPECT_TRUE(placed.left() == preview.right() + 1 || placed.right() + 1 == preview.left())
      << placed.left() << " " << preview.left() << " " << preview.right();
}

}  // namespace
}  // namespace kelvo
