// The random and undo buttons of the main window on the offscreen platform.
#include <gtest/gtest.h>

#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest/QTest>
#include <memory>

#include "foundation/diagnostics.h"
#include "gui/dialogs/spread_dialog.h"
#include "gui/main_window/main_form.h"
#include "gui/main_window/preview_window.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "support/gui_fixture.h"

namespace kelvo {
namespace {

class RandomButtonsTest : public test::MainWindowFixture {
 protected:
  QPushButton* Button(const char* name) const {
    auto* button = form_->findChild<QPushButton*>(name);
    EXPECT_NE(button, nullptr) << name;
    return button;
  }

  QString Signature() const { return form_->findChild<QLineEdit*>("EditSig")->text(); }
};

TEST_F(RandomButtonsTest, RandomAllChangesTheSignatureUnlessHairIsLocked) {
  ASSERT_TRUE(Start());
  for (const char* name : {"BtnNahodKomp", "BtnNahodAll", "BtnNahodKompAll", "BtnBarvaNahAll",
                           "BtnNahAmer", "BtnNahArab", "BtnNahRus"}) {
    EXPECT_TRUE(Button(name)->isEnabled()) << name;
  }
  for (const char* name : {"BtnUndo", "BtnUndoAll", "BtnRedo"}) {
    EXPECT_FALSE(Button(name)->isEnabled()) << name;  // nothing to undo yet
  }
  TKelvoKompKontejner& hair = model_->Library().Container(kHair);
  for (int i = 1; i <= hair.ComponentCount(); ++i) {
    hair.Komp(i).Signature = "s" + std::to_string(i);
  }
  model_->RefreshPortrait();
  const QString start = Signature();

  QTest::mouseClick(form_->findChild<QCheckBox*>("ChkKompNahLock10"), Qt::LeftButton);
  ASSERT_TRUE(model_->Session().State().Locked[kHair]);
  for (int i = 0; i < 10; ++i) QTest::mouseClick(Button("BtnNahodAll"), Qt::LeftButton);
  EXPECT_EQ(Signature(), start);

  QTest::mouseClick(form_->findChild<QCheckBox*>("ChkKompNahLock10"), Qt::LeftButton);
  bool changed = false;
  for (int i = 0; i < 20 && !changed; ++i) {
    QTest::mouseClick(Button("BtnNahodAll"), Qt::LeftButton);
    changed = Signature() != start;
  }
  EXPECT_TRUE(changed);
}

TEST_F(RandomButtonsTest, UndoAllTakesBackASetShift) {
  ASSERT_TRUE(Start());
  TFZobr* preview = form_->Preview(1);
  const TKelvoKomp* face = model_->Portrait().Selected[kFaces];
  ASSERT_EQ(model_->Session().State().CurrentCategory, kFaces);
  const int x = face->Sub(1)->X;
  form_->findChild<QSpinBox*>("SpinEditPosX")->setValue(12);
  QTest::mouseClick(Button("BtnUsePos"), Qt::LeftButton);
  ASSERT_EQ(face->Sub(1)->X, x + 12);
  const QImage shifted = preview->Image().copy();

  QTest::mouseClick(Button("BtnUndoAll"), Qt::LeftButton);
  EXPECT_TRUE(model_->Undo().Empty());
  EXPECT_EQ(face->Sub(1)->X, x);
  EXPECT_NE(preview->Image(), shifted);
  EXPECT_FALSE(Button("BtnUndo")->isEnabled());  // an empty stack: nothing to click
  EXPECT_FALSE(Button("BtnUndoAll")->isEnabled());
  EXPECT_TRUE(Button("BtnRedo")->isEnabled());
}

TEST_F(RandomButtonsTest, RedoBesideUndoAndTheirKeys) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(Button("BtnRedo")->text(), "Redo");
  EXPECT_FALSE(Button("BtnRedo")->isEnabled());
  const TKelvoKomp* face = model_->Portrait().Selected[kFaces];
  const int x = face->Sub(1)->X;
  form_->findChild<QSpinBox*>("SpinEditPosX")->setValue(12);
  QTest::mouseClick(Button("BtnUsePos"), Qt::LeftButton);
  ASSERT_EQ(face->Sub(1)->X, x + 12);
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  Button("BtnUsePos")->setFocus();  // keys go to the form, not to a spin box's text
  const std::vector<std::pair<QKeySequence, int>> rows = {
      {QKeySequence(Qt::CTRL | Qt::Key_Z), x},
      {QKeySequence(Qt::CTRL | Qt::Key_Y), x + 12},
      {QKeySequence(Qt::CTRL | Qt::Key_Z), x},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), x + 12}};
  for (const auto& [keys, expected] : rows) {
    QTest::keySequence(form_.get(), keys);
    EXPECT_EQ(face->Sub(1)->X, expected) << keys.toString().toStdString();
  }
  QTest::mouseClick(Button("BtnUndo"), Qt::LeftButton);
  QTest::mouseClick(Button("BtnRedo"), Qt::LeftButton);
  EXPECT_EQ(face->Sub(1)->X, x + 12);
}

TEST_F(RandomButtonsTest, SpreadButtonsFollowWithSpreadAndApplyCanBeUndone) {
  ASSERT_TRUE(Start());
  QTest::mouseClick(form_->findChild<QPushButton*>("speedb1"), Qt::LeftButton);
  auto* with_spread = form_->findChild<QCheckBox*>("ChkRozpt");
  const char* const buttons[] = {"BtnNahUmB", "BtnRozptUse", "BtnRozptVsem", "BtnRozptNulNah"};
  for (const char* name : buttons) EXPECT_FALSE(Button(name)->isEnabled()) << name;
  ASSERT_TRUE(with_spread->isEnabled());
  const QPoint indicator(6, with_spread->height() / 2);  // the box is wider than its text
  QTest::mouseClick(with_spread, Qt::LeftButton, {}, indicator);
  for (const char* name : buttons) EXPECT_TRUE(Button(name)->isEnabled()) << name;

  SnapPoint& point = model_->Portrait().Selected[kBackgrounds]->Point(1);
  const int x = point.X;
  point.SpreadRight = 20;
  for (int i = 0; i < 20 && point.SpreadOffsetX == 0; ++i) {
    QTest::mouseClick(Button("BtnNahUmB"), Qt::LeftButton);
  }
  const int offset = point.SpreadOffsetX;
  ASSERT_GT(offset, 0);
  QTest::mouseClick(Button("BtnRozptUse"), Qt::LeftButton);
  EXPECT_EQ(point.X, x + offset);
  EXPECT_EQ(form_->findChild<QSpinBox*>("SpinUmistX")->value(), x + offset);
  QTest::mouseClick(Button("BtnUndoAll"), Qt::LeftButton);
  EXPECT_EQ(point.X, x);

  QTest::mouseClick(with_spread, Qt::LeftButton, {}, indicator);
  for (const char* name : buttons) EXPECT_FALSE(Button(name)->isEnabled()) << name;
}

TEST_F(RandomButtonsTest, SpreadDialogEditsTheChosenPointsLimitsAndBlocksTheForm) {
  ASSERT_TRUE(Start());
  QTest::mouseClick(form_->findChild<QPushButton*>("speedb1"), Qt::LeftButton);
  auto* with_spread = form_->findChild<QCheckBox*>("ChkRozpt");
  QTest::mouseClick(with_spread, Qt::LeftButton, {}, QPoint(6, with_spread->height() / 2));
  SnapPoint& point = model_->Portrait().Selected[kBackgrounds]->Point(1);
  point.SpreadLeft = 4;
  QTest::mouseClick(Button("BtnNastNahUmB"), Qt::LeftButton);

  TFRozpt* dialog = form_->SpreadDialog();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), "Spread - Faces");
  auto* left = dialog->findChild<QSpinBox*>("SELeft");
  EXPECT_EQ(left->value(), 4);
  EXPECT_FALSE(Button("speedb3")->isEnabled());
  EXPECT_TRUE(form_->Preview(1)->isEnabled());
  EXPECT_TRUE(model_->Session().State().DrawSnapPoint.Checked);

  dialog->findChild<QSpinBox*>("SERight")->setValue(7);
  EXPECT_EQ(point.SpreadRight, 7);
  QTest::mouseClick(dialog->findChild<QPushButton*>("SBLeft"), Qt::LeftButton);
  EXPECT_EQ(model_->Spread().State().Spread.Direction, SpreadDirection::Left);
  // A left click in preview 1 measures the chosen direction from the point.
  const Offset at = model_->SnapPointAbsolute();
  QTest::mouseClick(form_->Preview(1), Qt::LeftButton, {}, QPoint(at.x - 10, at.y + 3));
  EXPECT_EQ(left->value(), 10);
  EXPECT_EQ(point.SpreadLeft, 10);
  QTest::mouseClick(dialog->findChild<QPushButton*>("BtnZero"), Qt::LeftButton);
  EXPECT_EQ(point.SpreadRight, 0);
  EXPECT_EQ(point.SpreadLeft, 0);

  QTest::mouseClick(dialog->findChild<QPushButton*>("BtnOk"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(model_->Session().State().SpreadDialogShown);
  EXPECT_TRUE(Button("speedb3")->isEnabled());
  EXPECT_TRUE(Button("BtnNahodAll")->isEnabled());
}

}  // namespace
}  // namespace kelvo
