// The small widgets and adapters: text conversion, file filters, the radio group, the preview,
// the error wrapper every window runs its actions in.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <vector>

#include "foundation/errors.h"
#include "gui/main_window/preview_window.h"
#include "gui/main_window/radio_group.h"
#include "gui/message_box_sink.h"
#include "gui/qt_prompter.h"
#include "gui/text_codec.h"
#include "support/fake_prompter.h"

namespace kelvo {
namespace {

TEST(TextCodecTest, ConvertsWindows1250BothWays) {
  const std::string ansi = "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2";
  const QString text = FromAnsi(ansi);
  EXPECT_EQ(text, QString::fromUtf8("Příliš žluťoučký kůň"));
  EXPECT_EQ(ToAnsi(text), ansi);
}

TEST(TextCodecTest, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(ToAnsi(QString::fromUtf8("a\u4E2Db\U0001F600c")), "a?b?c");
  // 0x98 has no character in Windows-1250.
  EXPECT_EQ(FromAnsi("\x98"), QString(QChar(0xFFFD)));
}

TEST(QtFileFilterTest, TurnsPairsIntoQtFilters) {
  EXPECT_EQ(QtFileFilter("Bitmaps (*.bmp)|*.bmp"), "Bitmaps (*.bmp)");
  EXPECT_EQ(QtFileFilter("Galleries|*.xgl|All files|*.*"), "Galleries (*.xgl);;All files (*.*)");
  EXPECT_EQ(QtFileFilter("Pictures|*.bmp;*.png"), "Pictures (*.bmp *.png)");
  EXPECT_EQ(QtFileFilter(""), "");
}

TEST(QtFileFilterTest, DialogPathsUseForwardSlashes) {
  EXPECT_EQ(ToDialogPath("kelvoed\\data_big\\male"), "kelvoed/data_big/male");
}

TEST(RadioGroupTest, KeepsTheChosenItemWhileItStillExists) {
  RadioGroup group("List");
  group.SetItems({"a", "b", "c"});
  group.SetItemIndex(2);
  group.SetItems({"a", "b", "c"});
  EXPECT_EQ(group.ItemIndex(), 2);
  group.SetItems({"a"});
  EXPECT_EQ(group.ItemIndex(), -1);
  group.SetItemIndex(0);
  EXPECT_EQ(group.Items(), QStringList{"a"});
  EXPECT_EQ(group.ItemIndex(), 0);
}

TEST(RadioGroupTest, ReportsOnlyUserChoices) {
  RadioGroup group("List");
  group.SetItems({"a", "b"});
  QSignalSpy spy(&group, &RadioGroup::ItemClicked);
  group.SetItemIndex(1);
  EXPECT_EQ(spy.count(), 0);
  group.findChildren<QAbstractButton*>()[0]->click();
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy[0][0].toInt(), 0);
}

TEST(PreviewWindowTest, CaptionAndSizeFollowTheFactor) {
  const std::vector<std::pair<int, QSize>> rows = {
      {1, {320, 400}}, {2, {160, 200}}, {4, {80, 100}}, {8, {40, 50}}};
  int tag = 1;
  for (const auto& [factor, size] : rows) {
    TFZobr preview(tag++, factor, nullptr);
    EXPECT_EQ(preview.windowTitle(), QString("%1x").arg(factor));
    EXPECT_EQ(preview.size(), size);
    EXPECT_EQ(preview.Image().size(), size);
    EXPECT_EQ(preview.Image().format(), QImage::Format_RGB16);
    EXPECT_FALSE(preview.isVisible());
  }
}

TEST(PreviewWindowTest, ShowsTheModelPictureAsItIs) {
  TFZobr preview(4, 8, nullptr);
  std::vector<uint16_t> pixels(40 * 50, 0x07E0);
  pixels[3 * 40 + 5] = 0xF800;
  preview.ShowImage(ImageView{pixels.data(), 40, 50, 40});
  const QImage& image = preview.Image();
  EXPECT_EQ(reinterpret_cast<const uint16_t*>(image.constScanLine(3))[5], 0xF800);
  EXPECT_EQ(reinterpret_cast<const uint16_t*>(image.constScanLine(49))[39], 0x07E0);
}

TEST(PreviewWindowTest, ReportsOneDragAndTheTitleBarClose) {
  TFZobr preview(1, 1, nullptr);
  preview.show();
  QSignalSpy down(&preview, &TFZobr::ImageMouseDown);
  QSignalSpy move(&preview, &TFZobr::ImageMouseMove);
  QSignalSpy up(&preview, &TFZobr::ImageMouseUp);
  QSignalSpy closed(&preview, &TFZobr::ClosedByUser);

  QTest::mouseMove(&preview, QPoint(5, 5));  // no button: not a drag
  QTest::mousePress(&preview, Qt::RightButton, {}, QPoint(10, 20));
  QTest::mouseMove(&preview, QPoint(12, 25));
  QTest::mouseRelease(&preview, Qt::RightButton, {}, QPoint(12, 25));
  ASSERT_EQ(down.count(), 1);
  EXPECT_EQ(down[0][0].value<Qt::MouseButton>(), Qt::RightButton);
  EXPECT_EQ(down[0][1].toInt(), 10);
  EXPECT_EQ(down[0][2].toInt(), 20);
  ASSERT_EQ(move.count(), 1);
  EXPECT_EQ(move[0][0].toInt(), 12);
  ASSERT_EQ(up.count(), 1);
  EXPECT_EQ(up[0][2].toInt(), 25);

  preview.close();
  ASSERT_EQ(closed.count(), 1);
  EXPECT_EQ(closed[0][0].toInt(), 1);
  EXPECT_TRUE(preview.isVisible());  // the owner decides, through the check box
}

// Every window's actions end the same way: a failure in an "Error" box, a data error with its
// "Kelvo ERROR: " prefix, and false; an action that ends normally shows nothing.
TEST(RunReportedTest, ShowsAFailureInAnErrorBox) {
  const struct Row {
    std::function<void()> action;
    bool ok;
    std::string text;  // "" = no box
  } rows[] = {
      {[] {}, true, ""},
      {[] { throw FatalDataError("bad TYP"); }, false, "Kelvo ERROR: bad TYP"},
      {[] { throw KelvoError("Cannot open x"); }, false, "Cannot open x"},
      {[] { throw std::out_of_range("index"); }, false, "index"},
  };
  for (const Row& row : rows) {
    test::FakePrompter prompter;
    EXPECT_EQ(RunReported(prompter, row.action), row.ok) << row.text;
    ASSERT_EQ(prompter.messages.size(), row.text.empty() ? 0u : 1u) << row.text;
    if (row.text.empty()) continue;
    EXPECT_EQ(prompter.messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(prompter.messages[0].Caption, "Error");
    EXPECT_EQ(prompter.messages[0].Text, row.text);
  }
}

}  // namespace
}  // namespace kelvo
