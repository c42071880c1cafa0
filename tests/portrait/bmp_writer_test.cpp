#include "portrait/bmp_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace kelvo {
namespace {

uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t{b[at + 3]} << 24;
}
uint32_t Get16(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8;
}

TEST(BmpWriter, HeaderAndBottomUpPaddedRows) {
  RgbImage image(3, 2);  // rows of 9 pixel bytes padded to 12
  image.At(0, 0) = {1, 2, 3};
  image.At(2, 0) = {4, 5, 6};
  image.At(0, 1) = {7, 8, 9};
  const std::vector<uint8_t> b = EncodeBmp24(image);
  ASSERT_EQ(54u + 24u, b.size());
  EXPECT_EQ('B', b[0]);
  EXPECT_EQ('M', b[1]);
  const std::vector<std::pair<size_t, uint32_t>> fields32 = {
      {2, 78}, {6, 0},  {10, 54},   {14, 40},   {18, 3}, {22, 2},
      {30, 0}, {34, 0}, {38, 3149}, {42, 3149}, {46, 0}, {50, 0}};
  for (auto [at, value] : fields32) EXPECT_EQ(value, Get32(b, at)) << "offset " << at;
  EXPECT_EQ(1u, Get16(b, 26));
  EXPECT_EQ(24u, Get16(b, 28));
  // First stored row is the image's bottom row, blue first.
  EXPECT_EQ((std::vector<uint8_t>{9, 8, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
            std::vector<uint8_t>(b.begin() + 54, b.begin() + 66));
  EXPECT_EQ((std::vector<uint8_t>{3, 2, 1, 0, 0, 0, 6, 5, 4, 0, 0, 0}),
            std::vector<uint8_t>(b.begin() + 66, b.end()));
}

TEST(BmpWriter, WritesFileWithWindowsNameAndLeavesNoTemporary) {
  const auto dir = std::filesystem::temp_directory_path() / "kelvo_bmp_writer_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  RgbImage image(4, 1);
  image.At(3, 0) = {255, 0, 0};
  WriteBmp24(dir.string() + "\\out.bmp", image);
  std::ifstream in(dir / "out.bmp", std::ios::binary);
  const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(EncodeBmp24(image), b);
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir), {}));
  EXPECT_THROW(WriteBmp24(dir.string() + "\\missing\\out.bmp", image), std::exception);
  std::filesystem::remove_all(dir);
}

TEST(BmpWriter, LayerPixelsAreSplit) {
  auto layer = create_layer(2, 1);
  layer->At(0, 0) = 0xFFFF;
  layer->At(1, 0) = 0xF800;
  const RgbImage image = LayerToRgb(*layer);
  EXPECT_EQ((Rgb{248, 252, 248}), image.At(0, 0));
  EXPECT_EQ((Rgb{248, 0, 0}), image.At(1, 0));
}

// The one-pass encoder of a canvas against the picture path, on every width up to three
// vector groups and on every 5-6-5 value (the rows end in tails of every length).
TEST(BmpWriter, OnePassEncodingGivesThePicturePathsBytes) {
  uint32_t value = 0;
  for (int width = 1; width <= 27; ++width) {
    auto layer = create_layer(width, 3);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < width; ++x) layer->At(x, y) = static_cast<uint16_t>(value++ * 40503u);
    }
    const std::vector<uint8_t> expected = EncodeBmp24(LayerToRgb(*layer));
    std::string bytes;
    EncodeBmp24(*layer, bytes);
    ASSERT_EQ(std::string(expected.begin(), expected.end()), bytes) << "width " << width;
  }
  auto all = create_layer(256, 256);
  for (uint32_t p = 0; p < 65536; ++p) all->At(p % 256, p / 256) = static_cast<uint16_t>(p);
  const std::vector<uint8_t> expected = EncodeBmp24(LayerToRgb(*all));
  std::string bytes;
  EncodeBmp24(*all, bytes);
  EXPECT_EQ(std::string(expected.begin(), expected.end()), bytes);
}

}  // namespace
}  // namespace kelvo
