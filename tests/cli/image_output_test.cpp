#include "cli/image_output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/cli_test_support.h"
#include "cli/label_font.h"
#include "cli/sheet_layout.h"
#include "foundation/diagnostics.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/gallery.h"
#include "portrait/gallery_grid.h"
#include "portrait/portrait.h"
#include "portrait/thumbnails.h"

// After the portrait's header, whose "slots" Qt's macro would meet.
#include <QByteArray>
#include <QImage>

namespace kelvo::cli {
namespace {

Layer MakeLayer(int w, int h, uint16_t fill) {
  Layer layer = std::move(*create_layer(w, h));
  FillRect(layer, 0, 0, w, h, fill);
  return layer;
}

TEST(CliOutputPaths, NumberFieldAndImageType) {
  EXPECT_EQ(NumberedPath("out/p%d.bmp", 12), "out/p12.bmp");
  EXPECT_EQ(NumberedPath("%d-%d.png", 3), "3-3.png");
  EXPECT_EQ(NumberedPath("plain.png", 3), "plain.png");
  EXPECT_TRUE(HasNumberField("a%d.png"));
  EXPECT_FALSE(HasNumberField("a%1.png"));
  EXPECT_EQ(ImageFileTypeOf("/x/a.BMP"), ImageFileType::kBmp);
  EXPECT_EQ(ImageFileTypeOf("a.png"), ImageFileType::kPng);
  EXPECT_THROW(ImageFileTypeOf("a.jpg"), std::runtime_error);
  EXPECT_THROW(ImageFileTypeOf("png"), std::runtime_error);
  EXPECT_EQ(CommandLinePath("/abs/x.png"), "/abs/x.png");
  EXPECT_EQ(CommandLinePath("x.png"), (std::filesystem::current_path() / "x.png").string());
}

TEST(CliOutputFiles, ReplaceOnlyWhenComplete) {
  TempDir dir;
  const std::string target = dir.Path("out.bin");
  WriteOutputFile(target, "first");
  WriteOutputFile(target, "second");
  EXPECT_EQ(ReadFileBytes(target), "second");
  EXPECT_EQ(dir.FileNames(), std::vector<std::string>{"out.bin"});
  // A folder that does not exist: an error, and nothing is created anywhere.
  EXPECT_THROW(WriteOutputFile(dir.Path("missing/out.bin"), "x"), std::runtime_error);
  // A target that is a folder: the rename fails and the temporary file is removed.
  std::filesystem::create_directory(dir.Path("taken"));
  EXPECT_THROW(WriteOutputFile(dir.Path("taken"), "x"), std::runtime_error);
  EXPECT_EQ(dir.FileNames(), (std::vector<std::string>{"out.bin", "taken"}));
}

TEST(CliImageEncoding, PngAndBmpCarryTheWidenedPixels) {
  Layer layer = MakeLayer(3, 2, 0xFFFF);
  layer.At(0, 0) = 0xF800;
  layer.At(1, 1) = 0x001F;
  const std::string png = EncodeImage(layer, ImageFileType::kPng);
  QImage image;
  ASSERT_TRUE(image.loadFromData(QByteArray(png.data(), static_cast<int>(png.size())), "PNG"));
  ASSERT_EQ(image.width(), 3);
  ASSERT_EQ(image.height(), 2);
  EXPECT_EQ(image.pixel(0, 0), qRgb(248, 0, 0));
  EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 248));
  EXPECT_EQ(image.pixel(2, 0), qRgb(248, 252, 248));

  const std::string bmp = EncodeImage(layer, ImageFileType::kBmp);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  // Bottom row first, blue-green-red: (0,1) white, (1,1) blue.
  EXPECT_EQ(static_cast<uint8_t>(bmp[54 + 3]), 248);
  EXPECT_EQ(static_cast<uint8_t>(bmp[54 + 4]), 0);
  EXPECT_EQ(static_cast<uint8_t>(bmp[54 + 12 + 2]), 248);  // (0,0) red
  // The same picture in both formats.
  EXPECT_EQ(EncodeImage(layer, ImageFileType::kPng), png);
}

// The grid's places are the gallery grid's own (portrait/gallery_grid.h); here the labels in the
// tool's font on the button face.
TEST(CliSheetLayout, ContactSheetLabelsTheGridInTheToolsFont) {
  CollectingSink sink;
  ProcessContext context(sink);
  TKelvoTyp library(context.Archive(), "x");
  TKelvoGallery gallery(context, library, "", "");
  std::vector<Layer> thumbnails;
  for (int i = 0; i < 9; ++i) {
    TKelvoPortret portrait(library);
    portrait.Voice = static_cast<uint8_t>(i);
    portrait.Name = i == 8 ? "Jan" : "";
    gallery.Add(portrait);
    thumbnails.push_back(MakeLayer(kThumbnailWidth, kThumbnailHeight, 0x1000 + i));
  }
  const Layer sheet = DrawContactSheet(gallery, thumbnails);
  const GalleryGrid grid(kSheetColumns, 9);
  ASSERT_EQ(sheet.width, grid.Width());
  ASSERT_EQ(sheet.height, grid.Height());
  EXPECT_EQ(sheet.At(0, 0), kButtonFace);
  // Portrait 2's voice label covers the top-left corner of its thumbnail, one line high.
  const int x2 = grid.ThumbnailX(2), y2 = grid.ThumbnailY(2);
  EXPECT_EQ(sheet.At(x2 + 79, y2 + 99), 0x1001);
  EXPECT_EQ(sheet.At(x2, y2 + kLabelLineHeight), 0x1001);
  EXPECT_NE(sheet.At(x2, y2), 0x1001);
  // Portrait 9: its name on the first line, the voice under it.
  const int x9 = grid.ThumbnailX(9), y9 = grid.ThumbnailY(9);
  EXPECT_EQ(sheet.At(x9 + 40, y9 + 60), 0x1008);
  EXPECT_NE(sheet.At(x9 + 6 * 3 - 1, y9 + 5), 0x1008);
  EXPECT_NE(sheet.At(x9 + 5, y9 + kLabelLineHeight + 5), 0x1008);
  EXPECT_EQ(sheet.At(x9 + 30, y9 + kLabelLineHeight + 5), 0x1008);
}

TEST(CliSheetLayout, TilesGoRowByRow) {
  std::vector<Layer> tiles;
  for (int i = 0; i < 7; ++i) tiles.push_back(MakeLayer(4, 5, static_cast<uint16_t>(i + 1)));
  const Layer sheet = DrawTileSheet(tiles, 5, 4, 5);
  ASSERT_EQ(sheet.width, 20);
  ASSERT_EQ(sheet.height, 10);
  EXPECT_EQ(sheet.At(0, 0), 1);
  EXPECT_EQ(sheet.At(19, 4), 5);
  EXPECT_EQ(sheet.At(4, 9), 7);
  EXPECT_EQ(sheet.At(8, 9), 0);
}

TEST(CliLabelFont, DrawsInkOnPaperAndKeepsToItsWidth) {
  Layer layer = MakeLayer(40, 12, 0x1234);
  EXPECT_EQ(DrawLabel(layer, 0, 0, "I\xe1", 100, 0, 0xFFFF), 12);
  // 'I' has a full-width top bar from column 1 to 3 of its cell, drawn on row 2.
  EXPECT_EQ(layer.At(2, 2), 0);
  EXPECT_EQ(layer.At(0, 0), 0xFFFF);
  EXPECT_EQ(layer.At(12, 0), 0x1234);
  // Only whole characters that fit.
  EXPECT_EQ(DrawLabel(layer, 0, 0, "abcdef", 17, 0, 0xFFFF), 12);
  EXPECT_EQ(DrawLabel(layer, 30, 5, "abcdef", 100, 0, 0xFFFF), 36);  // clipped to the layer
}

}  // namespace
}  // namespace kelvo::cli
