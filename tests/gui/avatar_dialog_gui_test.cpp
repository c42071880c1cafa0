// The avatar exchange dialog on the offscreen platform against a temporary QSettings folder:
// "Multi Avatar" opens it modally, "Export" writes the profile's values and shows the avatar,
// "Import" switches the editor to the stored avatar's data set, bad values leave it open.
#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdlib>

#include "gui/dialogs/avatar_dialog.h"
#include "gui/main_window/preview_window.h"
#include "support/gui_fixture.h"

namespace kelvo::test {
namespace {

using ::testing::HasSubstr;

class AvatarDialogGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(data_.parent_path() / "UserProfiles" / "normal" / "Anna");
    std::filesystem::create_directories(data_.parent_path() / "UserProfiles" / "normal" / "Bob");
    ASSERT_TRUE(Start());
    dialog_ = form_->findChild<TFrmImportMultiAV*>("FrmImportMultiAV");
    ASSERT_NE(dialog_, nullptr);
  }
  template <typename W>
  W* In(const QString& name) const {
    auto* widget = dialog_->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  // The game's values as the settings file holds them.
  static QSettings Game() { return QSettings("Nerab", "Grimvale"); }
  void Open() {
    dialog_->Prepare();
    dialog_->show();
    QApplication::processEvents();
  }
  bool NoAvatar() const {
    return In<QLabel>("NoAvatarLabel")->isVisible() && !In<QLabel>("CurAvImage")->isVisible();
  }

  TFrmImportMultiAV* dialog_ = nullptr;
};

TEST_F(AvatarDialogGuiTest, MultiAvatarOpensTheDialogModallyBesideTheFullSizePreview) {
  auto* button = Find<QPushButton>("Button5");
  ASSERT_TRUE(button->isEnabled());
  EXPECT_EQ(button->text(), "Multi Avatar");
  bool ran = false;
  QTimer::singleShot(0, dialog_, [&] {
    ran = QApplication::activeModalWidget() == dialog_;
    EXPECT_EQ(dialog_->windowTitle(), "Import\\Export Multiplayer Avatar");
    EXPECT_EQ(dialog_->size(), QSize(366, 182));
    EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());
    const QRect preview = form_->Preview(1)->frameGeometry();
    EXPECT_EQ(dialog_->frameGeometry().top(), preview.top());
    EXPECT_FALSE(dialog_->frameGeometry().intersects(preview));
    auto* mods = In<QComboBox>("ModCombo");
    ASSERT_EQ(mods->count(), 1);
    EXPECT_EQ(mods->itemText(0), "normal");
    auto* profiles = In<QComboBox>("ProfileCombo");
    ASSERT_EQ(profiles->count(), 2);
    EXPECT_EQ(profiles->currentText(), "Anna");
    EXPECT_EQ(In<QLabel>("NoAvatarLabel")->text(), "No Avatar Set");
    EXPECT_TRUE(NoAvatar());
    EXPECT_FALSE(In<QPushButton>("ImportButton")->isEnabled());
    EXPECT_TRUE(In<QPushButton>("ExportButton")->isEnabled());
    auto* close = In<QPushButton>("CloseButton");
    EXPECT_LE(std::abs(close->x() + close->width() / 2 - 366 / 2), 1);
    QTest::mouseClick(close, Qt::LeftButton);
  });
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(ran);
  EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(AvatarDialogGuiTest, ExportWritesTheProfileAndImportSwitchesTheDataSet) {
  Open();
  In<QComboBox>("ProfileCombo")->setCurrentIndex(1);  // Bob
  QTest::mouseClick(In<QPushButton>("ExportButton"), Qt::LeftButton);
  const std::string text = AvatarSettingsText(model_->Portrait());
  EXPECT_EQ(Game().value("normal/Bob/AVSettings").toString().toStdString(), text);
  EXPECT_EQ(Game().value("normal/Bob/AVSex").toString(), "0");
  EXPECT_FALSE(Game().contains("normal/Anna/AVSettings"));
  EXPECT_FALSE(NoAvatar());
  EXPECT_TRUE(In<QPushButton>("ImportButton")->isEnabled());
  EXPECT_EQ(In<QLabel>("CurAvImage")->pixmap().size(), QSize(80, 100));
  EXPECT_TRUE(prompter_.messages.empty()) << prompter_.messages.front().Text;

  // Another profile has none; coming back shows the stored one again.
  In<QComboBox>("ProfileCombo")->setCurrentIndex(0);
  EXPECT_TRUE(NoAvatar());
  Game().setValue("normal/Bob/AVSex", "1");
  In<QComboBox>("ProfileCombo")->setCurrentIndex(1);
  ASSERT_FALSE(NoAvatar());
  QTest::mouseClick(In<QPushButton>("ImportButton"), Qt::LeftButton);
  EXPECT_EQ(model_->Session().State().DataSetDir, "female");
  EXPECT_EQ(form_->windowTitle(), "KelvoEd - female *");  // the avatar's colours are unsaved
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_TRUE(prompter_.messages.empty()) << prompter_.messages.front().Text;
}

TEST_F(AvatarDialogGuiTest, BadStoredValuesLeaveNoAvatarAndTheDialogOpen) {
  Game().setValue("normal/Anna/AVSettings", "1;x;");
  Game().setValue("normal/Anna/AVSex", "0");
  Open();
  EXPECT_TRUE(NoAvatar());
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_THAT(prompter_.messages[0].Text, HasSubstr("AVSettings field 2 is not a whole number"));

  Game().setValue("normal/Anna/AVSettings", QStringList{"1;1;", "2;2;"});
  In<QComboBox>("ProfileCombo")->setCurrentIndex(1);
  In<QComboBox>("ProfileCombo")->setCurrentIndex(0);
  EXPECT_TRUE(NoAvatar());
  EXPECT_THAT(prompter_.messages.back().Text, HasSubstr("AVSettings holds no text"));
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(model_->Session().State().DataSetDir, "male");
}

}  // namespace
}  // namespace kelvo::test
