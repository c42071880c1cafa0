// "Edit comp.", "Edit type" and "Mirror" of the main window on the offscreen platform: the
// modal dialogs are driven while they are shown, the file dialogs answered by the fake prompter.
#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <type_traits>

#include "gui/dialogs/edit_component_dialog.h"
#include "gui/dialogs/edit_type_dialog.h"
#include "library/component.h"
#include "library/container.h"
#include "library/library_test_support.h"
#include "library/type_library.h"
#include "support/gui_fixture.h"

namespace kelvo::test {
namespace {

class EditLibraryGuiTest : public MainWindowFixture {
 protected:
  // Clicks `opener`; `inside` runs while the modal dialog is shown, which is then closed with
  // the button named `closer`.
  template <typename Dialog>
  void WithDialog(const QString& opener, const QString& closer,
                  const std::function<void(Dialog*)>& inside) {
    // The dialogs have no meta-object of their own: found as QDialog by their object name.
    auto* dialog = static_cast<Dialog*>(
        form_->findChild<QDialog*>(std::is_same_v<Dialog, TFEdKomp> ? "FEdKomp" : "FEdKont"));
    ASSERT_NE(dialog, nullptr);
    bool ran = false;
    QTimer::singleShot(0, dialog, [&] {
      ran = dialog->isVisible();
      inside(dialog);
      if (dialog->isVisible()) QTest::mouseClick(In<QPushButton>(dialog, closer), Qt::LeftButton);
    });
    QTest::mouseClick(Find<QPushButton>(opener), Qt::LeftButton);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(dialog->isVisible());
  }
  template <typename W>
  static W* In(QWidget* parent, const QString& name) {
    auto* widget = parent->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  TKelvoKompKontejner& Faces() { return model_->Library().Container(kFaces); }
  TKelvoKomp& Selected() { return *model_->SelectedComponent(); }
};

TEST_F(EditLibraryGuiTest, EditComponentShowsTheRecordAndApplies) {
  ASSERT_TRUE(Start());
  for (const char* name : {"BtnEdKomp", "BtnEdKont", "BtnMirror"}) {
    EXPECT_TRUE(Find<QPushButton>(name)->isEnabled()) << name;
  }
  TKelvoKomp& komp = Selected();
  const std::string old = komp.Name;
  const std::filesystem::path art = data_.parent_path() / "art";
  WriteText(art / "eye_a.bmp", MakeBitmap(6, 4, [](int x, int) {
              return x < 3 ? Rgb{90, 90, 90} : kKeyGreen;
            }));
  prompter_.files.push_back((art / "eye_a.bmp").string());
  const auto refreshes = model_->Session().State().RefreshCount;

  WithDialog<TFEdKomp>("BtnEdKomp", "BtnOK", [&](TFEdKomp* d) {
    EXPECT_EQ(d->windowTitle().toStdString(), "Edit component: " + old);
    EXPECT_EQ(In<QLineEdit>(d, "EdNazev")->text().toStdString(), old);
    EXPECT_FALSE(In<QSpinBox>(d, "SpDruh")->isEnabled());
    EXPECT_FALSE(In<QLabel>(d, "LblSig")->isEnabled());
    EXPECT_TRUE(In<QCheckBox>(d, "ChkSaveRef")->isChecked());
    EXPECT_EQ(In<QLabel>(d, "SubLabel2")->text(), "Subcomp no.2:");
    EXPECT_TRUE(In<QLineEdit>(d, "SubKomp1")->isEnabled());
    EXPECT_FALSE(In<QLineEdit>(d, "SubKomp2")->isEnabled());
    EXPECT_FALSE(In<QPushButton>(d, "SubExport2")->isEnabled());
    EXPECT_TRUE(In<QPushButton>(d, "SubImport2")->isEnabled());
    EXPECT_EQ(In<QPushButton>(d, "SubImport2")->property("tag").toInt(), 2);
    // Row 2 sits at its place, moved right only as far as the label's font needs.
    const QRect edit = In<QLineEdit>(d, "SubKomp2")->geometry();
    EXPECT_EQ(edit.top(), 40);
    EXPECT_GE(edit.left(), 345);
    EXPECT_GT(edit.left(), In<QLabel>(d, "SubLabel2")->geometry().right());

    QTest::mouseClick(In<QPushButton>(d, "SubImport2"), Qt::LeftButton);
    EXPECT_EQ(In<QLineEdit>(d, "SubKomp2")->text(), "eye__s02");
    EXPECT_TRUE(In<QPushButton>(d, "SubExport2")->isEnabled());

    auto* name = In<QLineEdit>(d, "EdNazev");
    name->selectAll();
    QTest::keyClicks(name, "fresh");
    auto* frequency = In<QSpinBox>(d, "SpCetnost");
    frequency->setValue(33);
  });
  EXPECT_EQ(komp.Name, "fresh");
  EXPECT_EQ(komp.Frequency, 33);
  ASSERT_NE(komp.Sub(2), nullptr);
  EXPECT_EQ(komp.Sub(2)->FileName, "fresh_s02");
  EXPECT_EQ(komp.Sub(2)->Width, 3);
  EXPECT_TRUE(model_->Session().State().LibraryChanged);
  EXPECT_TRUE(Lines("LbxKomp").contains("fresh"));
  EXPECT_GT(model_->Session().State().RefreshCount, refreshes);

  // Cancel drops the fields.
  WithDialog<TFEdKomp>("BtnEdKomp", "BtnCancel",
                       [&](TFEdKomp* d) { In<QSpinBox>(d, "SpCetnost")->setValue(1); });
  EXPECT_EQ(komp.Frequency, 33);
}

TEST_F(EditLibraryGuiTest, EditTypeShowsTheContainerAndApplies) {
  ASSERT_TRUE(Start());
  ASSERT_EQ(Faces().Shadow, -1);
  WithDialog<TFEdKont>("BtnEdKont", "BtnOK", [&](TFEdKont* d) {
    EXPECT_EQ(d->windowTitle(), "Edit type: Faces");
    EXPECT_EQ(In<QLineEdit>(d, "EdKompPath")->text(), "obl");
    auto* none = In<QRadioButton>(d, "RBStin0");
    EXPECT_EQ(none->text(), "none");
    EXPECT_TRUE(none->isChecked());
    EXPECT_EQ(In<QGroupBox>(d, "GBStin")->title(), " Shadow ");
    auto* third = In<QRadioButton>(d, "RBStin3");
    EXPECT_EQ(third->text(), "Subcomp. no.3");
    EXPECT_EQ(third->geometry().topLeft(), QPoint(20, 77));
    EXPECT_GE(third->width(), third->sizeHint().width());
    QTest::mouseClick(third, Qt::LeftButton);
    auto* sixteen = d->findChild<QGroupBox*>("RGBits")->findChildren<QRadioButton*>().at(1);
    EXPECT_EQ(sixteen->text(), "16");
    QTest::mouseClick(sixteen, Qt::LeftButton);
    QTest::mouseClick(In<QCheckBox>(d, "ChkColMask"), Qt::LeftButton);
    In<QSpinBox>(d, "SEUsual")->setValue(2);
  });
  EXPECT_EQ(Faces().Shadow, 3);
  EXPECT_EQ(Faces().Bits, 16);
  EXPECT_TRUE(Faces().ColourMask);
  EXPECT_EQ(Faces().Usual, 2);
  EXPECT_TRUE(model_->Session().State().LibraryChanged);
}

TEST_F(EditLibraryGuiTest, MirrorTurnsTheImagesAndUndoTakesItBack) {
  ASSERT_TRUE(Start());
  TKelvoSubKomp& left = *model_->Session().Selected(kEyes)->Sub(1);  // 10 wide at x = -20
  const auto refreshes = model_->Session().State().RefreshCount;
  QTest::mouseClick(Find<QPushButton>("BtnMirror"), Qt::LeftButton);
  EXPECT_EQ(left.X, 10);
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_TRUE(model_->Session().State().LibraryChanged);
  EXPECT_GT(model_->Session().State().RefreshCount, refreshes);
  auto* undo = Find<QPushButton>("BtnUndo");
  ASSERT_TRUE(undo->isEnabled());
  QTest::mouseClick(undo, Qt::LeftButton);
  EXPECT_EQ(left.X, -20);
}

}  // namespace
}  // namespace kelvo::test
