#include "portrait/layer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "portrait/pixel.h"
#include "support/param_names.h"

namespace kelvo {
namespace {

void Fill(Layer& layer, uint16_t value) {
  std::fill(layer.pixels.begin(), layer.pixels.end(), value);
}

void ExpectMessage(const std::function<void()>& call, const std::string& message) {
  try {
    call();
    FAIL() << "expected ELayerException " << message;
  } catch (const ELayerException& e) {
    EXPECT_EQ(message, e.what());
  }
}

TEST(Layer, OddWidthIsPaddedToFourBytesAndStartsBlack) {
  auto layer = create_layer(5, 3, "test");
  EXPECT_EQ(12, layer->stride);
  EXPECT_EQ(3u * 6u, layer->pixels.size());
  EXPECT_TRUE(
      std::all_of(layer->pixels.begin(), layer->pixels.end(), [](uint16_t p) { return p == 0; }));
  free_layer(layer);
  EXPECT_EQ(nullptr, layer);
  free_layer(layer);  // a null layer is left alone
}

TEST(Layer, NegativeSizeGivesEmptyLayer) {
  auto layer = create_layer(-4, -1);
  EXPECT_EQ(0, layer->width);
  EXPECT_EQ(0, layer->height);
  EXPECT_TRUE(layer->pixels.empty());
}

TEST(PasteLayerToWindow, CopiesOnlyTheCommonTopLeftPart) {
  auto layer = create_layer(320, 400);
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 320; ++x) layer->At(x, y) = static_cast<uint16_t>(x + y * 7);
  auto bitmap = create_bitmap16(160, 200);
  auto window = create_window(*bitmap);
  ASSERT_EQ(200u, window->rows.size());
  paste_layer2win(layer.get(), window.get());
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 160; ++x) ASSERT_EQ(layer->At(x, y), bitmap->Row(y)[x]);
}

TEST(PasteLayerToWindow, OddCommonWidthLeavesTheLastColumn) {
  auto layer = create_layer(5, 1);
  Fill(*layer, 0x1234);
  auto bitmap = create_bitmap16(5, 1);
  auto window = create_window(*bitmap);
  paste_layer2win(layer.get(), window.get());
  EXPECT_EQ(0x1234, bitmap->Row(0)[3]);
  EXPECT_EQ(0, bitmap->Row(0)[4]);
}

TEST(PasteLayerToWindow, Failures) {
  auto layer = create_layer(320, 400);
  auto narrow = create_bitmap16(1, 10);
  auto narrow_window = create_window(*narrow);
  ExpectMessage([&] { paste_layer2win(layer.get(), narrow_window.get()); },
                "paste_layer2win: len=0");
  ExpectMessage([&] { paste_layer2win(nullptr, narrow_window.get()); },
                "paste_layer2win: layer=nil");
  ExpectMessage([&] { paste_layer2win(layer.get(), nullptr); }, "paste_layer2win: win=nil");
}

TEST(PasteLayerToLayerRect, CopiesTheRectangle) {
  auto src = create_layer(20, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) src->At(x, y) = static_cast<uint16_t>(100 * y + x);
  auto dst = create_layer(10, 10);
  paste_layer2layer_rect({3, 4, 8, 7}, src.get(), {1, 2, 6, 5}, dst.get());
  EXPECT_EQ(403, dst->At(1, 2));
  EXPECT_EQ(607, dst->At(5, 4));
  EXPECT_EQ(0, dst->At(6, 4));
  EXPECT_EQ(0, dst->At(1, 5));
  EXPECT_EQ(0, dst->At(0, 2));
}

TEST(PasteLayerToLayerRect, Failures) {
  auto a = create_layer(20, 20);
  auto b = create_layer(20, 20);
  paste_layer2layer_rect({0, 0, 10, 0}, a.get(), {0, 0, 10, 0}, b.get());  // nothing, no error
  ExpectMessage(
      [&] {
        paste_layer2layer_rect({0, 0, 10, 5}, a.get(), {0, 0, 10, 6}, b.get());
      },
      "!!!!!!!! a ze prej to nemuze nastat");
  ExpectMessage(
      [&] {
        paste_layer2layer_rect({0, 0, 1, 1}, nullptr, {0, 0, 1, 1}, b.get());
      },
      "paste_layer2layer_rect: srclayer=nil");
  ExpectMessage(
      [&] {
        paste_layer2layer_rect({0, 0, 1, 1}, a.get(), {0, 0, 1, 1}, nullptr);
      },
      "paste_layer2layer_rect: destlayer=nil");
  // Rectangles reaching outside a layer are refused before anything is copied.
  ExpectMessage(
      [&] {
        paste_layer2layer_rect({15, 0, 25, 5}, a.get(), {0, 0, 10, 5}, b.get());
      },
      "paste_layer2layer_rect: rectangle outside layer");
  ExpectMessage(
      [&] {
        paste_layer2layer_rect({0, 0, 10, 5}, a.get(), {0, -1, 10, 4}, b.get());
      },
      "paste_layer2layer_rect: rectangle outside layer");
}

struct ReduceRow {
  const char* what;
  int factor;
  uint16_t a;  // checkerboard colours
  uint16_t b;
  uint16_t expected;
  friend void PrintTo(const ReduceRow& r, std::ostream* os) {
    *os << "factor " << r.factor << " of " << r.a << "/" << r.b;
  }
};

class ReduceLayer : public testing::TestWithParam<ReduceRow> {};

TEST_P(ReduceLayer, AveragesCheckerboard) {
  const ReduceRow row = GetParam();
  auto src = create_layer(320, 400);
  for (int y = 0; y < 400; ++y)
    for (int x = 0; x < 320; ++x) src->At(x, y) = ((x + y) % 2) ? row.a : row.b;
  auto dst = create_layer(320 / row.factor, 400 / row.factor);
  reduce_layer(row.factor, *src, *dst);
  for (uint16_t p : dst->pixels) ASSERT_EQ(row.expected, p);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReduceLayer,
                         testing::Values(ReduceRow{"white by 4", 4, 0xFFFF, 0xFFFF, 0xFFFF},
                                         ReduceRow{"white by 2", 2, 0xFFFF, 0xFFFF, 0xFFFF},
                                         ReduceRow{"white by 8", 8, 0xFFFF, 0xFFFF, 0xFFFF},
                                         ReduceRow{"red and black by 4", 4, 0xF800, 0, 0x7800},
                                         ReduceRow{"red and black by 2", 2, 0xF800, 0, 0x7800},
                                         ReduceRow{"red and black by 8", 8, 0xF800, 0, 0x7800},
                                         ReduceRow{"green and blue by 2", 2, 0x07E0, 0x001F,
                                                   0x03EF}),
                         test::NameBy(&ReduceRow::what));

// Random pixels on odd sizes, whole layers and rectangles, against the masked sums the
// averages are defined by.
TEST(ReduceLayerEdges, AveragesOfRandomPixelsFollowTheMaskedSums) {
  uint32_t seed = 12345;
  const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
  for (const int factor : {2, 3, 4, 6, 8}) {
    const int shift = factor == 2 ? 2 : factor == 4 ? 4 : factor == 6 ? 5 : factor == 8 ? 6 : 2;
    for (const int width : {8, 37, 320}) {
      auto src = create_layer(width, 45);
      for (uint16_t& p : src->pixels) p = static_cast<uint16_t>(next() >> 8);
      auto dst = create_layer(width / factor, 45 / factor);
      reduce_layer(factor, *src, *dst);
      for (int y = 0; y < dst->height; ++y) {
        for (int x = 0; x < dst->width; ++x) {
          uint32_t r = 0, g = 0, b = 0;
          for (int k = 0; k < factor * factor; ++k) {
            const uint16_t v = src->At(x * factor + k % factor, y * factor + k / factor);
            r += v & 0xF800u;
            g += v & 0x07E0u;
            b += v & 0x001Fu;
          }
          const auto expected = static_cast<uint16_t>(
              ((r >> shift) & 0xF800u) | ((g >> shift) & 0x07E0u) | ((b >> shift) & 0x1Fu));
          ASSERT_EQ(expected, dst->At(x, y))
              << "factor " << factor << " width " << width << " at " << x << ", " << y;
        }
      }
    }
  }
  // A rectangle starting inside the layer.
  auto src = create_layer(64, 48);
  for (uint16_t& p : src->pixels) p = static_cast<uint16_t>(next() >> 8);
  auto whole = create_layer(16, 12);
  reduce_layer(4, *src, *whole);
  auto part = create_layer(8, 6);
  reduce_layer_rect(4, Rect{16, 8, 48, 32}, *src, *part);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) ASSERT_EQ(whole->At(x + 4, y + 2), part->At(x, y));
  }
}

TEST(ReduceLayerEdges, TooSmallDestinationIsUntouched) {
  auto src = create_layer(320, 400);
  Fill(*src, 0xFFFF);
  auto dst = create_layer(79, 100);
  reduce_layer(4, *src, *dst);
  EXPECT_TRUE(
      std::all_of(dst->pixels.begin(), dst->pixels.end(), [](uint16_t p) { return p == 0; }));
  reduce_layer(0, *src, *dst);  // no division by zero
}

TEST(ReduceLayerEdges, FactorsWithoutShiftEntryUseTwo) {
  // Factor 3 sums 9 pixels and divides by 4; factor 6 sums 36 and divides by 32.
  auto src = create_layer(6, 6);
  Fill(*src, 0x0821);  // 1 in each channel
  auto dst3 = create_layer(2, 2);
  reduce_layer(3, *src, *dst3);
  EXPECT_EQ(0x1042, dst3->At(0, 0));
  auto dst6 = create_layer(1, 1);
  reduce_layer(6, *src, *dst6);
  EXPECT_EQ(0x0821, dst6->At(0, 0));
}

TEST(ReduceLayerRect, AveragesOneRectangleIntoTheCorner) {
  auto src = create_layer(40, 40);
  for (int y = 8; y < 16; ++y)
    for (int x = 12; x < 20; ++x) src->At(x, y) = 0xFFFF;
  auto dst = create_layer(2, 2);
  reduce_layer_rect(4, {12, 8, 20, 16}, *src, *dst);
  for (uint16_t p : dst->pixels) EXPECT_EQ(0xFFFF, p);
  auto big = create_layer(4, 4);
  EXPECT_THROW(reduce_layer_rect(4, {32, 36, 44, 44}, *src, *big), ELayerException);
}

}  // namespace
}  // namespace kelvo
