// The colours and properties dialogs opened from the main window on the offscreen platform.
#include <gtest/gtest.h>

#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "foundation/diagnostics.h"
#include "gui/dialogs/colours_dialog.h"
#include "gui/dialogs/properties_dialog.h"
#include "gui/dialogs/swatch_image.h"
#include "gui/main_window/main_form.h"
#include "library/colour_type.h"
#include "library/component.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "support/gui_fixture.h"

namespace kelvo {
namespace {

class ColoursDialogGuiTest : public ::testing::Test {
 protected:
  ColoursDialogGuiTest() {
    const auto data = std::filesystem::path(folder_.Path().toStdString()) / "data";
    test::WriteWindowLibrary(data / "male");
    ProcessOptions options;
    options.program_dir = folder_.Path().toStdString() + "/";
    options.data_base = data.string();
    options.computer_name = "TEST";
    context_ = std::make_unique<ProcessContext>(sink_, options);
    model_ = std::make_unique<EditorModel>(*context_, prompter_);
    form_ = std::make_unique<TMainForm>(*model_, prompter_);
  }
  ~ColoursDialogGuiTest() override {
    form_.reset();
    model_.reset();
    context_.reset();
  }

  // Starts the editor with three skin colours on the faces' first colour slot.
  void Start() {
    ASSERT_TRUE(form_->StartUp());
    form_->show();
    TDruhBarvy& skin = model_->Library().ColourType(1);
    skin.Name = "Skin";
    for (int32_t colour : {0x2040C0, 0x80A0E0, 0x104060}) {
      ColourEntry entry = ColourEntry::WithDefaultProperties();
      entry.Colour() = colour;
      entry.Contrast() = 70;
      entry.Frequency() = 12;
      skin.Entries.push_back(entry);
    }
    skin.Selected = 1;
    model_->Library().Container(kFaces).ColourSlots[1] = 1;
    QApplication::processEvents();
  }

  template <typename W = QPushButton>
  W* In(QWidget* parent, const QString& name) const {
    auto* widget = parent->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }

  // Clicks a button that opens the modal properties dialog; `inside` runs while it is shown.
  void WithPropertiesDialog(QPushButton* opener, const std::function<void(TFVlast*)>& inside) {
    TFVlast* dialog = form_->PropertiesDialog();
    bool ran = false;
    QTimer::singleShot(0, dialog, [&] {
      ran = dialog->isVisible();
      inside(dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    QTest::mouseClick(opener, Qt::LeftButton);
    EXPECT_TRUE(ran);
  }

  test::SettingsFolder folder_;
  CollectingSink sink_;
  test::FakePrompter prompter_;
  std::unique_ptr<ProcessContext> context_;
  std::unique_ptr<EditorModel> model_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(ColoursDialogGuiTest, ClickAddRemoveAndApplyReachThePortrait) {
  Start();
  auto* open = In(form_.get(), "BtnBarvy");
  ASSERT_TRUE(open->isEnabled());
  QTest::mouseClick(open, Qt::LeftButton);
  TFBarvy* dialog = form_->ColoursDialog();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), "Colors");
  TDruhBarvy& skin = model_->Library().ColourType(1);
  const ColoursDialogState& s = dialog->Model().State();
  ASSERT_EQ(s.Swatches.size(), 3u);

  const ScreenRect second = s.Swatches[1].Area;
  QTest::mouseClick(dialog->SwatchImage(), Qt::LeftButton, {},
                    QPoint(second.Left + 2, second.Top + 4));
  EXPECT_EQ(skin.Selected, 2);
  EXPECT_EQ(In<QSpinBox>(dialog, "SEdZesvetleni")->value(), 70);

  In<QSpinBox>(dialog, "SEdCetnost")->setValue(30);
  EXPECT_EQ(skin.Entry(2).Frequency(), 30);
  QTest::mouseClick(In(dialog, "ButPridat"), Qt::LeftButton);
  ASSERT_EQ(skin.EntryCount(), 4);
  EXPECT_EQ(skin.Selected, 3);
  EXPECT_EQ(skin.Entry(3).Colour(), 0x80A0E0);
  QTest::mouseClick(In(dialog, "ButSmazat"), Qt::LeftButton);
  ASSERT_EQ(skin.EntryCount(), 3);
  EXPECT_TRUE(model_->Session().State().LibraryChanged);

  dialog->SwatchImage()->setFocus();
  QTest::keyClick(dialog->SwatchImage(), Qt::Key_Up);
  EXPECT_EQ(skin.Selected, 2);
  const uint64_t renders = model_->Session().State().RefreshCount;
  QTest::mouseClick(In(dialog, "ButApply"), Qt::LeftButton);
  EXPECT_GT(model_->Session().State().RefreshCount, renders);
  EXPECT_EQ(model_->Portrait().ColourSlots[kFaces][1], skin.Entry(2));

  QTest::mouseClick(In<QCheckBox>(dialog, "ChkLock1"), Qt::LeftButton);
  EXPECT_TRUE(model_->Portrait().ColourTypeLocked[1]);
  // Through the window, as the platform delivers a click: on a label and on a preview image.
  QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {}, QPoint(70 + 35, 12));
  EXPECT_EQ(s.CurrentType, 2);
  QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {}, QPoint(140 + 35, 32));
  EXPECT_EQ(s.CurrentType, 3);
  QTest::mouseClick(In<QWidget>(dialog, "PanBarva4"), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(s.CurrentType, 4);
  EXPECT_EQ(In<QWidget>(dialog, "PanBarva4")->height(),
            In<QWidget>(dialog, "PanBarva1")->height() + TFBarvy::kTabGrowth);
  EXPECT_TRUE(s.Swatches.empty());
  EXPECT_EQ(In<QSpinBox>(dialog, "SEdCetnost")->value(), 20);
}

TEST_F(ColoursDialogGuiTest, PropertiesOfAnEntryAndOfTheComponent) {
  Start();
  QTest::mouseClick(In(form_.get(), "BtnBarvy"), Qt::LeftButton);
  TFBarvy* colours = form_->ColoursDialog();
  TDruhBarvy& skin = model_->Library().ColourType(1);

  WithPropertiesDialog(In(colours, "BtnVlast"), [&](TFVlast* d) {
    EXPECT_EQ(d->windowTitle(), "Properties - Skin - barva 1");
    QTest::mouseClick(In(d, "VlastMaxB4"), Qt::LeftButton);
    EXPECT_EQ(In<QSlider>(d, "VlastTBar4")->value(), 100);
    EXPECT_EQ(In<QSpinBox>(d, "VlastSEd4")->value(), 100);
    In<QSpinBox>(d, "VlastSEd2")->setValue(37);
    EXPECT_EQ(In<QSlider>(d, "VlastTBar2")->value(), 37);
    QTest::mouseClick(In(d, "BtnUse"), Qt::LeftButton);
  });
  EXPECT_EQ(skin.Entry(1).Property(4), 100);
  EXPECT_EQ(skin.Entry(1).Property(2), 37);

  TKelvoKomp* face = model_->SelectedComponent();
  ASSERT_NE(face, nullptr);
  const int32_t before = face->Properties[4];
  WithPropertiesDialog(In(form_.get(), "BtnVlast"), [&](TFVlast* d) {
    EXPECT_EQ(d->windowTitle(), QString::fromStdString("Properties - " + face->Name));
    QTest::mouseClick(In(d, "VlastMaxB4"), Qt::LeftButton);
    QTest::mouseClick(In(d, "BtnCancel"), Qt::LeftButton);
  });
  EXPECT_EQ(face->Properties[4], before);
  WithPropertiesDialog(In(form_.get(), "BtnVlast"), [&](TFVlast* d) {
    QTest::mouseClick(In(d, "VlastMinB4"), Qt::LeftButton);
    QTest::mouseClick(In(d, "BtnUse"), Qt::LeftButton);
  });
  EXPECT_EQ(face->Properties[4], 0);
}

// At twice the pixel density every swatch row covers whole device pixels in its own colour.
TEST_F(ColoursDialogGuiTest, SwatchesStayCrispAtDoubleDensity) {
  Start();
  ColoursDialogModel& model = form_->ColoursDialog()->Model();
  model.FormShow();
  const ColoursDialogState& s = model.State();
  ASSERT_FALSE(s.Swatches.empty());
  QImage image(s.ImageWidth * 2, s.ImageHeight * 2, QImage::Format_RGB32);
  image.setDevicePixelRatio(2);
  {
    QPainter painter(&image);
    PaintSwatchList(painter, s, QColor(0x11, 0x22, 0x33));
  }
  const Swatch& swatch = s.Swatches[0];
  const ScreenRect& a = swatch.Area;
  for (int j = 0; j < 16; ++j) {
    const QColor expected = ToQColor(swatch.Rows[j]);
    for (int dy : {0, 1}) {
      for (int x : {2 * a.Left, 2 * (a.Left + a.Width) - 1}) {
        EXPECT_EQ(image.pixelColor(x, 2 * (a.Top + j) + dy), expected) << j;
      }
    }
  }
  EXPECT_EQ(image.pixelColor(2 * a.Left - 1, 2 * a.Top), QColor(0x11, 0x22, 0x33));
  ASSERT_TRUE(s.SelectedFrame.has_value());
  EXPECT_EQ(image.pixelColor(2 * s.SelectedFrame->Left, 2 * a.Top + 1), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(2 * s.SelectedFrame->Left + 1, 2 * a.Top + 1), QColor(Qt::white));
}

}  // namespace
}  // namespace kelvo
