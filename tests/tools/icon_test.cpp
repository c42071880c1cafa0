// The program icon: a centred square of the portrait, averaged down to the icon's size.
#include "icon.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kelvo::demo {
namespace {

RgbImage Filled(int w, int h, Rgb colour) {
  RgbImage image(w, h);
  for (Rgb& p : image.pixels) p = colour;
  return image;
}

TEST(IconImage, AveragesTheAreaEveryIconPixelCovers) {
  // 4 x 6: the square is rows 1..4; rows 0 and 5 must not show.
  RgbImage picture = Filled(4, 6, {255, 255, 255});
  for (int x = 0; x < 4; ++x) {
    picture.At(x, 1) = {0, 0, 0};
    picture.At(x, 2) = {0, 0, 0};
    picture.At(x, 3) = {100, 0, 0};
    picture.At(x, 4) = {200, 0, 0};
  }
  struct Row {
    int size;
    int x, y;
    Rgb expected;
  };
  const Row rows[] = {
      {1, 0, 0, {75, 0, 0}},   // the whole square
      {2, 0, 0, {0, 0, 0}},    // top half: rows 1 and 2
      {2, 1, 1, {150, 0, 0}},  // bottom half: rows 3 and 4
      {4, 3, 2, {100, 0, 0}},  // one to one
      {3, 0, 1, {50, 0, 0}},   // two thirds of a black row and of the row of 100
      {8, 7, 7, {200, 0, 0}},  // enlarged: each source pixel covers 2 x 2
  };
  for (const Row& row : rows) {
    const RgbImage icon = IconImage(picture, row.size);
    ASSERT_EQ(row.size, icon.width);
    ASSERT_EQ(row.size, icon.height);
    EXPECT_EQ(row.expected, icon.At(row.x, row.y)) << row.size << " " << row.x << "," << row.y;
  }
}

TEST(IconImage, KeepsAUniformColourAtEverySize) {
  const RgbImage picture = Filled(320, 400, {12, 200, 77});
  for (int size : kIconSizes) {
    const RgbImage icon = IconImage(picture, size);
    for (const Rgb& p : icon.pixels) ASSERT_EQ((Rgb{12, 200, 77}), p) << size;
  }
  EXPECT_THROW(IconImage(RgbImage(), 48), std::invalid_argument);
  EXPECT_THROW(IconImage(picture, 0), std::invalid_argument);
}

}  // namespace
}  // namespace kelvo::demo
