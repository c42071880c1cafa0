#include "portrait/draw_routines.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "portrait/pixel.h"
#include "support/param_names.h"

namespace kelvo {
namespace {

struct PlaceRow {
  const char* what;
  int32_t x, y, w, h;
  std::optional<Rect> clip;
  std::optional<Placement> expected;
  std::optional<Rect> normalised;
  friend void PrintTo(const PlaceRow& r, std::ostream* os) {
    *os << "(" << r.x << "," << r.y << ") " << r.w << "x" << r.h << (r.clip ? " clipped" : "");
  }
};

class PlaceImageRows : public testing::TestWithParam<PlaceRow> {};

TEST_P(PlaceImageRows, ClipsToCanvasOrRectangle) {
  PlaceRow row = GetParam();
  std::optional<Rect> clip = row.clip;
  const auto placed = PlaceImage(row.x, row.y, row.w, row.h, clip ? &*clip : nullptr);
  EXPECT_EQ(row.expected, placed);
  if (row.normalised) {
    EXPECT_EQ(*row.normalised, *clip);
  }
  if (placed) {
    EXPECT_GE(placed->x, 0);
    EXPECT_GE(placed->y, 0);
    EXPECT_LE(placed->x + placed->w, 320);
    EXPECT_LE(placed->y + placed->h, 400);
    EXPECT_LE(placed->skip_x + placed->w, row.w);
    EXPECT_LE(placed->skip_y + placed->h, row.h);
  }
}

constexpr int32_t kBig = 2147483600;

INSTANTIATE_TEST_SUITE_P(
    Rows, PlaceImageRows,
    testing::Values(
        PlaceRow{"inside the canvas", 10, 20, 5, 6, {}, Placement{10, 20, 5, 6, 0, 0}, {}},
        // Drawn from its 11th column at canvas x 0, 20 pixels wide.
        PlaceRow{"left edge cut", -10, 5, 30, 4, {}, Placement{0, 5, 20, 4, 10, 0}, {}},
        PlaceRow{
            "right and bottom cut", 310, 395, 30, 30, {}, Placement{310, 395, 10, 5, 0, 0}, {}},
        PlaceRow{
            "larger than the canvas", -5, -7, 400, 500, {}, Placement{0, 0, 320, 400, 5, 7}, {}},
        PlaceRow{"right of the canvas", 320, 0, 5, 5, {}, std::nullopt, {}},
        PlaceRow{"left of the canvas", -5, 0, 5, 5, {}, std::nullopt, {}},
        PlaceRow{"zero width", 0, 0, 0, 5, {}, std::nullopt, {}},
        PlaceRow{"huge position", kBig, kBig, kBig, kBig, {}, std::nullopt, {}},
        PlaceRow{"huge negative position", -kBig, -kBig, kBig, kBig, {}, std::nullopt, {}},
        PlaceRow{"clip rectangle cut to the canvas", -5, -5, 330, 410, Rect{-5, 10, 400, 300},
                 Placement{0, 10, 320, 290, 5, 15}, Rect{0, 10, 320, 300}},
        PlaceRow{"clip rectangle inside the canvas", 20, 20, 10, 10, Rect{25, 22, 28, 40},
                 Placement{25, 22, 3, 8, 5, 2}, Rect{25, 22, 28, 40}},
        // Rectangles beyond the canvas or inverted never lead outside it.
        PlaceRow{"clip rectangle right of the canvas", 0, 0, 1000, 1000, Rect{500, 0, 600, 400},
                 std::nullopt, Rect{500, 0, 320, 400}},
        PlaceRow{"clip rectangle above the canvas", 0, 0, 1000, 1000, Rect{0, -50, 320, -10},
                 std::nullopt, Rect{0, 0, 320, -10}},
        PlaceRow{"inverted clip rectangle", 0, 0, 100, 100, Rect{50, 50, 40, 60}, std::nullopt,
                 Rect{50, 50, 40, 60}}),
    test::NameBy(&PlaceRow::what));

// One 4 x 1 source drawn at (1, 0) over a canvas row 0x8888 with mask 0, 1, 0, 1, ...
struct DrawRow {
  const char* name;
  std::function<void(const uint8_t*, int32_t, const Placement&, DrawTarget&)> routine;
  std::vector<uint8_t> source;
  std::vector<uint16_t> expected;  // canvas x 0..5
  friend void PrintTo(const DrawRow& r, std::ostream* os) { *os << r.name; }
};

class DrawRoutines : public testing::TestWithParam<DrawRow> {};

TEST_P(DrawRoutines, WritesOnlyWhereTheRulesSay) {
  const DrawRow& row = GetParam();
  auto canvas = create_layer(320, 400);
  for (int x = 0; x < 320; ++x) canvas->At(x, 0) = 0x8888;
  std::vector<uint8_t> mask(320 * 400, 0);
  for (int x = 1; x < 320; x += 2) mask[static_cast<size_t>(x)] = 1;
  std::array<uint16_t, 256> ramp{};
  for (int i = 0; i < 256; ++i) ramp[static_cast<size_t>(i)] = static_cast<uint16_t>(0x1000 + i);
  ramp[200] = 0xFFFF;  // a shadow lighter than the canvas changes nothing
  DrawTarget target{*canvas, mask.data(), ramp.data()};
  row.routine(row.source.data(), 4, Placement{1, 0, 4, 1, 0, 0}, target);
  for (int x = 0; x < 6; ++x)
    EXPECT_EQ(row.expected[static_cast<size_t>(x)], canvas->At(x, 0)) << x;
  for (int x = 6; x < 320; ++x) ASSERT_EQ(0x8888, canvas->At(x, 0));
  EXPECT_EQ(0, canvas->At(1, 1));
}

const uint16_t kDark = min_rgb16(0x8888, 0x1005);

INSTANTIATE_TEST_SUITE_P(
    Rows, DrawRoutines,
    testing::Values(
        // 16-bit little-endian words 0x1234, 0x07E0 (transparent), 0x0000, 0xFFFF.
        DrawRow{"image16",
                DrawImage16,
                {0x34, 0x12, 0xE0, 0x07, 0x00, 0x00, 0xFF, 0xFF},
                {0x8888, 0x1234, 0x8888, 0x0000, 0xFFFF, 0x8888}},
        DrawRow{"coloured",
                DrawColoured,
                {5, 0, 6, 200},
                {0x8888, 0x1005, 0x8888, 0x1006, 0xFFFF, 0x8888}},
        DrawRow{"coloured inside",
                DrawColouredInside,
                {5, 0, 6, 7},
                {0x8888, 0x1005, 0x8888, 0x1006, 0x8888, 0x8888}},
        DrawRow{"coloured outside",
                DrawColouredOutside,
                {5, 0, 6, 7},
                {0x8888, 0x8888, 0x8888, 0x8888, 0x1007, 0x8888}},
        DrawRow{
            "shadow", DrawShadow, {5, 0, 200, 5}, {0x8888, kDark, 0x8888, 0x8888, kDark, 0x8888}},
        DrawRow{"shadow inside",
                DrawShadowInside,
                {5, 5, 5, 5},
                {0x8888, kDark, 0x8888, kDark, 0x8888, 0x8888}},
        DrawRow{"shadow outside",
                DrawShadowOutside,
                {5, 5, 5, 5},
                {0x8888, 0x8888, kDark, 0x8888, kDark, 0x8888}}),
    test::NameBy(&DrawRow::name));

TEST(BuildClipMask, CopiesVisibleBytesAndClearsTheRest) {
  std::vector<uint8_t> mask(320 * 400, 9);
  const std::vector<uint8_t> source = {1, 2, 3, 4, 5, 6};  // 3 x 2
  BuildClipMask(source.data(), 3, PlaceImage(-1, 398, 3, 2, nullptr), mask.data());
  EXPECT_EQ(2, mask[398 * 320 + 0]);
  EXPECT_EQ(3, mask[398 * 320 + 1]);
  EXPECT_EQ(5, mask[399 * 320 + 0]);
  EXPECT_EQ(0, mask[398 * 320 + 2]);
  EXPECT_EQ(0, mask[0]);
  BuildClipMask(source.data(), 3, PlaceImage(400, 0, 3, 2, nullptr), mask.data());
  for (uint8_t m : mask) ASSERT_EQ(0, m);  // wholly outside: all zero
}

// Masks overlapping the last one in every way, off the canvas and missing: clearing only what
// the old mask set and the new one does not cover gives the mask a full clear gives.
TEST(BuildClipMask, ClearingTheLastExtentMatchesAFullClear) {
  std::vector<uint8_t> source(90 * 70);
  for (size_t i = 0; i < source.size(); ++i) source[i] = static_cast<uint8_t>(i % 7 ? i : 0);
  std::vector<uint8_t> whole(320 * 400, 0), partial(320 * 400, 0);
  Rect extent{};
  struct At {
    int x, y;
  };
  const At at[] = {{10, 10},   {10, 10}, {40, 5},  {-30, 20},  {5, 40},   {250, 350},
                   {260, 360}, {0, 0},   {500, 0}, {100, 100}, {120, 90}, {80, 120}};
  for (const At a : at) {
    const auto place = PlaceImage(a.x, a.y, 90, 70, nullptr);
    BuildClipMask(source.data(), 90, place, whole.data());
    BuildClipMask(source.data(), 90, place, partial.data(), extent);
    ASSERT_EQ(whole, partial) << "mask at " << a.x << ", " << a.y;
  }
}

}  // namespace
}  // namespace kelvo
