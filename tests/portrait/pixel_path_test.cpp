#include <gtest/gtest.h>

#include "portrait/path_text.h"
#include "portrait/pixel.h"
#include "support/param_names.h"

namespace kelvo {
namespace {

struct PackRow {
  const char* what;
  uint8_t r, g, b;
  uint16_t packed;
  Rgb split;  // what the packed pixel splits back to
  friend void PrintTo(const PackRow& r, std::ostream* os) { *os << "packed " << r.packed; }
};

class PixelPacking : public testing::TestWithParam<PackRow> {};

TEST_P(PixelPacking, PacksAndSplits) {
  const PackRow row = GetParam();
  EXPECT_EQ(row.packed, pack_rgb16(row.r, row.g, row.b));
  EXPECT_EQ(row.split, split_rgb16(row.packed));
  EXPECT_EQ(uint32_t{row.split.r} | uint32_t{row.split.g} << 8 | uint32_t{row.split.b} << 16,
            rgb16_to_color(row.packed));
}

INSTANTIATE_TEST_SUITE_P(Rows, PixelPacking,
                         testing::Values(PackRow{"white", 255, 255, 255, 0xFFFF, {248, 252, 248}},
                                         PackRow{"pure green", 0, 255, 0, 0x07E0, {0, 252, 0}},
                                         PackRow{"pure red", 255, 0, 0, 0xF800, {248, 0, 0}},
                                         PackRow{"pure blue", 0, 0, 255, 0x001F, {0, 0, 248}},
                                         PackRow{
                                             "middle grey", 128, 128, 128, 0x8410, {128, 128, 128}},
                                         PackRow{"low bits dropped", 7, 3, 7, 0x0000, {0, 0, 0}}),
                         test::NameBy(&PackRow::what));

TEST(Pixel, SplitColourHasRedInTheLowByte) {
  EXPECT_EQ((Rgb{0xFF, 0x00, 0x00}), split_color(0x0000FF));
  EXPECT_EQ((Rgb{0x12, 0x34, 0x56}), split_color(0xAA563412));
}

TEST(Pixel, MinimumIsPerChannel) {
  EXPECT_EQ(0, min_rgb16(0xF800, 0x07E0));
  EXPECT_EQ(pack_rgb16(64, 32, 200), min_rgb16(pack_rgb16(64, 255, 200), pack_rgb16(200, 32, 255)));
  EXPECT_EQ(0xFFFF, min_rgb16(0xFFFF, 0xFFFF));
}

TEST(PathText, SmallHelpers) {
  EXPECT_EQ("C:\\a\\", add_backslash("C:\\a"));
  EXPECT_EQ("C:\\a\\", add_backslash("C:\\a\\"));
  EXPECT_EQ("\\", add_backslash(""));
  EXPECT_EQ("0007", pad_left("7", '0', 4));
  EXPECT_EQ("12345", pad_left("12345", '0', 4));
  EXPECT_EQ("ab=", cut_after_char("ab=cd=e", '='));
  EXPECT_EQ("abc", cut_after_char("abc", '='));
}

struct SplitRow {
  const char* what;
  const char* path;
  PathParts parts;
  friend void PrintTo(const SplitRow& r, std::ostream* os) { *os << '"' << r.path << '"'; }
};

class SplitPath : public testing::TestWithParam<SplitRow> {};

TEST_P(SplitPath, Splits) {
  EXPECT_EQ(GetParam().parts, split_path(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SplitPath,
    testing::Values(SplitRow{"dots in the name", "C:\\a\\b.c.bmp", {"C:\\a\\", "b.c", "bmp"}},
                    SplitRow{"bare name", "name", {"", "name", ""}},
                    SplitRow{"drive and folder", "D:\\out\\a.bmp", {"D:\\out\\", "a", "bmp"}},
                    SplitRow{"dot in the folder only", "x.y\\name", {"x.y\\", "name", ""}},
                    SplitRow{"trailing backslash", "C:\\a\\b\\", {"C:\\a\\", "b", ""}},
                    SplitRow{"relative trailing backslash", "b\\", {"", "b", ""}},
                    SplitRow{"slashes", "/tmp/a.b/eye.bmp", {"/tmp/a.b/", "eye", "bmp"}},
                    SplitRow{"trailing slash", "/tmp/a.b/", {"/tmp/", "a.b", ""}},
                    SplitRow{"empty path", "", {"", "", ""}}),
    test::NameBy(&SplitRow::what));

}  // namespace
}  // namespace kelvo
