// The main window on the offscreen platform: start-up, category buttons, mouse editing in
// preview 1, the preview check boxes and the window settings kept across a restart.
#include "gui/main_window/main_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest/QTest>
#include <cstdlib>
#include <memory>

#include "foundation/diagnostics.h"
#include "gui/editor_app.h"
#include "gui/main_window/preview_window.h"
#include "gui/main_window/radio_group.h"
#include "gui/registry_key.h"
#include "gui/settings_store.h"
#include "library/process_context.h"
#include "support/gui_fixture.h"

namespace kelvo {
namespace {

using MainFormTest = test::MainWindowFixture;

TEST_F(MainFormTest, ControlsCarryTheirNamesAndCaptions) {
  ASSERT_TRUE(Start());
  const std::vector<std::pair<QString, QString>> rows = {{"speedb1", "Backgrounds"},
                                                         {"speedb3", "Faces"},
                                                         {"speedb14", "Foreground"},
                                                         {"ChkZobr1", "1x"},
                                                         {"ChkZobr4", "8x"},
                                                         {"ChkOrez1", "Clip 1.subcomp."},
                                                         {"ChkOrez4", "Clip 4.subcomp."},
                                                         {"ChkKompNahLock14", ""},
                                                         {"ChkKompShow1", ""},
                                                         {"BtnUsePos", "Set"},
                                                         {"BtnUsePosAll", "Set all"},
                                                         {"BtnNull", "Unset"},
                                                         {"BtnNullAll", "Unset all"},
                                                         {"BtnDefRozesun", "Def. span"},
                                                         {"ChbLockUm", "Lock"},
                                                         {"ChkUmBod", "Draw snap point"},
                                                         {"RBNastKomp", "components"},
                                                         {"RBNastBod", "snap. points"},
                                                         {"ChbSelKomp", "Only selected comp."},
                                                         {"BtnSmazat", "&Remove"},
                                                         {"ChkRozpt", "w. spread"},
                                                         {"BtnNahodAll", "Random all"},
                                                         {"BtnImport", "&Import"},
                                                         {"BtnAnimAll", "Animate all"}};
  for (const auto& [name, caption] : rows) {
    auto* button = Find<QAbstractButton>(name);
    if (button) {
      EXPECT_EQ(button->text(), caption) << name.toStdString();
    }
  }
  for (const char* name : {"LbxKomp", "LbxUmist", "SpinEditCetn", "SpinEditPosX", "SpinEditPosY",
                           "SpinEditRozX", "SpinEditRozY", "SEDefRozX", "SEDefRozY", "SpinUmistX",
                           "SpinUmistY", "EditSig", "RGKomp"}) {
    Find(name);
  }
  EXPECT_FALSE(Find("BtnUloz")->isVisible());
  EXPECT_FALSE(Find("BtnNahUmB")->isEnabled());  // the spread commands wait for "w. spread"
}

TEST_F(MainFormTest, FirstStartShowsMaleWithThePreviewsBesideTheWindow) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(form_->windowTitle(), "KelvoEd - male");
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_TRUE(Find<QPushButton>("speedb3")->isChecked());
  EXPECT_EQ(Lines("LbxKomp"), (QStringList{"f1", "f2", "f3"}));
  EXPECT_FALSE(Find<QLineEdit>("EditSig")->text().isEmpty());

  const QRect main = form_->frameGeometry();
  for (int i = 1; i <= kPreviewCount; ++i) {
    EXPECT_TRUE(form_->Preview(i)->isVisible()) << i;
    EXPECT_TRUE(Find<QCheckBox>(QString("ChkZobr%1").arg(i))->isChecked()) << i;
  }
  EXPECT_EQ(form_->Preview(1)->pos(), QPoint(main.right() + 1, main.top()));
  const int row = form_->Preview(2)->pos().y();
  EXPECT_GE(row, main.top() + 400);
  EXPECT_EQ(form_->Preview(2)->pos().x(), main.right() + 1);
  EXPECT_EQ(form_->Preview(3)->pos(), QPoint(form_->Preview(2)->frameGeometry().right() + 1, row));
  EXPECT_EQ(form_->Preview(4)->pos(), QPoint(form_->Preview(3)->frameGeometry().right() + 1, row));
}

TEST_F(MainFormTest, CategoryButtonsSwitchListSpanControlsAndFilters) {
  ASSERT_TRUE(Start());
  auto* filters = Find<RadioGroup>("RGKomp");
  EXPECT_EQ(filters->Items().size(), 3);  // Faces animate

  QTest::mouseClick(Find<QPushButton>("speedb5"), Qt::LeftButton);
  EXPECT_TRUE(Find<QPushButton>("speedb5")->isChecked());
  EXPECT_FALSE(Find<QPushButton>("speedb3")->isChecked());
  EXPECT_EQ(Lines("LbxKomp"), (QStringList{"e1", "e2"}));
  EXPECT_TRUE(Find("SpinEditRozX")->isEnabled());  // the eyes are paired

  QTest::mouseClick(Find<QPushButton>("speedb10"), Qt::LeftButton);
  EXPECT_EQ(Lines("LbxKomp"), (QStringList{"h1", "h2"}));
  EXPECT_FALSE(Find("SpinEditRozX")->isEnabled());
  EXPECT_EQ(filters->Items(), QStringList{"without animations"});
  EXPECT_EQ(filters->ItemIndex(), 0);

  QTest::mouseClick(Find<QPushButton>("speedb1"), Qt::LeftButton);
  EXPECT_EQ(Lines("LbxUmist"), (QStringList{"Faces", "Hair"}));
  EXPECT_EQ(Find<QSpinBox>("SpinUmistX")->value(), 160);
  EXPECT_EQ(Find<QSpinBox>("SpinUmistY")->value(), 150);
}

TEST_F(MainFormTest, ComponentLinesAreReportedOncePerClickAndOnKeys) {
  ASSERT_TRUE(Start());
  auto* list = Find<QListWidget>("LbxKomp");
  const auto refreshes = [this] { return model_->Session().State().RefreshCount; };
  const auto click = [list](int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  };
  const uint64_t start = refreshes();
  click(1);  // moves the current line: one report
  EXPECT_EQ(model_->ComponentList().State().ComponentLine, 1);
  EXPECT_EQ(refreshes(), start + 1);
  click(1);  // the current line again: reported as well
  EXPECT_EQ(refreshes(), start + 2);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(model_->ComponentList().State().ComponentLine, 2);
  EXPECT_EQ(refreshes(), start + 3);
  click(2);  // after a key move, a click on that line still counts
  EXPECT_EQ(refreshes(), start + 4);
}

TEST_F(MainFormTest, DragInPreviewOneShiftsTheCurrentCategory) {
  ASSERT_TRUE(Start());
  TFZobr* preview = form_->Preview(1);
  const QImage before = preview->Image().copy();
  const uint64_t refreshes = model_->Session().State().RefreshCount;

  QTest::mousePress(preview, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(preview, QPoint(104, 98));
  QTest::mouseMove(preview, QPoint(110, 95));
  QTest::mouseRelease(preview, Qt::LeftButton, {}, QPoint(110, 95));

  EXPECT_EQ(Find<QSpinBox>("SpinEditPosX")->value(), 10);
  EXPECT_EQ(Find<QSpinBox>("SpinEditPosY")->value(), -5);
  EXPECT_GT(model_->Session().State().RefreshCount, refreshes);
  EXPECT_FALSE(model_->Session().State().DragActive);
  EXPECT_NE(preview->Image(), before);

  // The reduced previews take no mouse input.
  QTest::mousePress(form_->Preview(2), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseMove(form_->Preview(2), QPoint(30, 30));
  QTest::mouseRelease(form_->Preview(2), Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(Find<QSpinBox>("SpinEditPosX")->value(), 10);
}

TEST_F(MainFormTest, PreviewCheckBoxesShowAndHideThePreviews) {
  ASSERT_TRUE(Start());
  auto* box = Find<QCheckBox>("ChkZobr2");
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_FALSE(box->isChecked());
  EXPECT_FALSE(form_->Preview(2)->isVisible());
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(form_->Preview(2)->isVisible());

  // Closing by the title bar clears the box.
  form_->Preview(3)->close();
  EXPECT_FALSE(Find<QCheckBox>("ChkZobr3")->isChecked());
  EXPECT_FALSE(form_->Preview(3)->isVisible());
}

TEST_F(MainFormTest, PreviewsFollowTheMainWindowAndSettingsSurviveARestart) {
  ASSERT_TRUE(Start());
  std::array<QPoint, kPreviewCount + 1> before{};
  for (int i = 1; i <= kPreviewCount; ++i) before[i] = form_->Preview(i)->pos();
  QTest::mouseClick(Find<QCheckBox>("ChkZobr3"), Qt::LeftButton);  // hidden ones follow too

  const QPoint main = form_->pos();
  form_->move(main + QPoint(10, -5));
  QApplication::processEvents();
  for (int i = 1; i <= kPreviewCount; ++i) {
    EXPECT_EQ(form_->Preview(i)->pos(), before[i] + QPoint(10, -5)) << i;
  }
  form_->Preview(2)->move(700, 650);
  const QPoint moved_main = form_->pos();
  std::array<QPoint, kPreviewCount + 1> placed{};
  for (int i = 1; i <= kPreviewCount; ++i) placed[i] = form_->Preview(i)->pos();
  Stop();

  ASSERT_TRUE(Start());
  EXPECT_EQ(form_->pos(), moved_main);
  for (int i = 1; i <= kPreviewCount; ++i) EXPECT_EQ(form_->Preview(i)->pos(), placed[i]) << i;
  EXPECT_FALSE(Find<QCheckBox>("ChkZobr3")->isChecked());
  EXPECT_FALSE(form_->Preview(3)->isVisible());
  EXPECT_TRUE(form_->Preview(4)->isVisible());
  EXPECT_EQ(ReadEditorSettings().SrcPath, "");
}

TEST_F(MainFormTest, StoredDataSetWithADrawOrderIsChosen) {
  RegistryKey key(kEditorSettingsKey);
  key.WriteString("LoadDirectory", "female");
  key.Flush();
  ASSERT_TRUE(Start());
  EXPECT_EQ(form_->windowTitle(), "KelvoEd - female");
  // Values the key lacks take their first-run defaults.
  for (int i = 1; i <= kPreviewCount; ++i) EXPECT_TRUE(form_->Preview(i)->isVisible()) << i;
}

TEST_F(MainFormTest, HairWithoutHeadNumberIsReportedAndStartUpGoesOn) {
  test::WriteWindowLibrary(data_ / "male", /*hair_without_head=*/true);
  ASSERT_TRUE(Start());
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].Kind, MessageKind::Error);
  EXPECT_EQ(prompter_.messages[0].Text.rfind("Hair   h2   has NO HEAD NUMBER !!!", 0), 0u);
}

TEST_F(MainFormTest, LibraryThatDoesNotLoadEndsTheProgramWithExitCodeOne) {
  std::filesystem::remove_all(data_ / "male");
  test::WriteBrokenLibrary(data_ / "male");
  EditorAppOptions options;
  options.process = Options();
  options.run_event_loop = false;
  EXPECT_EQ(RunEditor(prompter_, options), 1);
  ASSERT_FALSE(prompter_.messages.empty());
  EXPECT_EQ(prompter_.messages.back().Caption, "Error");
  EXPECT_EQ(prompter_.messages.back().Text.rfind("Kelvo ERROR: ", 0), 0u)
      << prompter_.messages.back().Text;
  // Nothing is stored for a start that never finished.
  EXPECT_FALSE(ReadEditorSettings().KeyExists);
}

TEST_F(MainFormTest, ProgramStartsAndStopsOnAGoodLibrary) {
  EditorAppOptions options;
  options.process = Options();
  options.run_event_loop = false;
  EXPECT_EQ(RunEditor(prompter_, options), 0);
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_TRUE(ReadEditorSettings().KeyExists);
}

TEST_F(MainFormTest, AGalleryFileThatCannotBeReadIsNamedAndTheEditorRuns) {
  EditorAppOptions options;
  options.process = Options();
  options.run_event_loop = false;
  options.gallery_file = (data_ / "missing.xgl").string();
  EXPECT_EQ(RunEditor(prompter_, options), 0);
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_NE(prompter_.messages[0].Text.find("missing.xgl"), std::string::npos)
      << prompter_.messages[0].Text;
}

// Typing a far point into the X box and drawing its mark once crashed the editor.
TEST_F(MainFormTest, APointTypedOutsideThePictureIsMarkedClipped) {
  ASSERT_TRUE(Start());
  QTest::mouseClick(Find<QPushButton>("speedb3"), Qt::LeftButton);
  Find<QListWidget>("LbxUmist")->setCurrentRow(0);
  auto* point_x = Find<QSpinBox>("SpinUmistX");
  auto* marks = Find<QCheckBox>("ChkUmBod");
  for (const int x : {400, 320, -1, -4, 403, 32767}) {
    point_x->selectAll();
    QTest::keyClicks(point_x, QString::number(x));
    QTest::keyClick(point_x, Qt::Key_Return);
    ASSERT_EQ(point_x->value(), x);
    if (!marks->isChecked()) QTest::mouseClick(marks, Qt::LeftButton);
    QTest::mouseClick(marks, Qt::LeftButton);  // off: redrawn without marks
    const QImage plain = form_->Preview(1)->Image().copy();
    QTest::mouseClick(marks, Qt::LeftButton);
    ASSERT_TRUE(marks->isChecked());
    const QImage marked = form_->Preview(1)->Image();
    const Offset at = model_->SnapPointAbsolute();
    int changedFar = 0;
    for (int py = 0; py < marked.height(); ++py) {
      for (int px = 0; px < marked.width(); ++px) {
        const bool near = std::abs(px - at.x) <= 3 || std::abs(py - at.y) <= 3;
        changedFar += !near && marked.pixel(px, py) != plain.pixel(px, py);
      }
    }
    EXPECT_EQ(changedFar, 0) << "point X " << x;
    EXPECT_TRUE(form_->isVisible());
  }
}

}  // namespace
}  // namespace kelvo
