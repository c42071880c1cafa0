#include "gui/qt_desktop_port.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <filesystem>

#include "foundation/errors.h"
#include "support/test_support.h"

namespace kelvo {
namespace {

// The written file reads back with its alpha; a file that cannot be made is reported with its
// name and the toolkit's reason, and nothing is left behind.
TEST(QtDesktopPortTest, WritesThePictureOrSaysWhyNot) {
  test::TestFolder folder;
  RgbaImage picture(3, 2);
  picture.At(1, 0)[0] = 200, picture.At(1, 0)[3] = 255;
  picture.At(2, 1)[2] = 50, picture.At(2, 1)[3] = 128;
  QtDesktopPort port;
  port.WritePng(folder.Dir() + "p.png", picture);
  const QImage back = QImage(QString::fromStdString(folder.Dir() + "p.png"))
                          .convertToFormat(QImage::Format_RGBA8888);
  ASSERT_EQ(back.size(), QSize(3, 2));
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(0, std::memcmp(back.constScanLine(y), picture.At(0, y), 12)) << "row " << y;
  }

  const std::string missing = folder.Dir() + "no folder/p.png";
  try {
    port.WritePng(missing, picture);
    FAIL() << "no error";
  } catch (const IoError& e) {
    const std::string text = e.what();
    EXPECT_NE(text.find(missing), std::string::npos) << text;
    EXPECT_NE(text.find("(I/O error 5: "), std::string::npos) << text;
  }
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "no folder"));
}

}  // namespace
}  // namespace kelvo
