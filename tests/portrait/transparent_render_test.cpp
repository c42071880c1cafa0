#include "portrait/transparent_render.h"

#include <gtest/gtest.h>

#include <array>

#include "portrait/pixel.h"
#include "portrait_fixture.h"

namespace kelvo::test {
namespace {

// A background with a clip mask, a face drawn inside it, the face's shadow half over nothing and
// half over the face, and a 16-bit eye with a transparent key pixel:
//   x:      0          1                2        3
//   row 0:  face 0xF800 face 0xF800     clipped  key
//   row 1:  shadow     face+shadow      -        eye 0x4321
class TransparentRender : public PortraitFixture {
 protected:
  std::unique_ptr<TKelvoPortret> Portrait() {
    AddColour(1, 0x0000FF, 85);  // shade 16 0x8000, 32 0xF800, 63 0xFBCF
    library->ColourType(1).Selected = 1;
    Container(kFaces).ColourSlots = {1, 0, 0, 0};
    Container(kFaces).Shadow = 2;
    Container(kBackgrounds).Bits = 16;
    Image16(kBackgrounds, 1, 0, 0, 4, 2, std::vector<uint16_t>(8, 0x1111));
    Image8(kBackgrounds, 2, 0, 0, 4, 2, {1, 1, 0, 0, 0, 1, 0, 0});
    Image8(kFaces, 1, 0, 0, 3, 2, {32, 32, 32, 0, 16, 0});
    Image8(kFaces, 2, 0, 1, 2, 1, {63, 63});
    Image16(kEyes, 1, 3, 0, 1, 2, {0x07E0, 0x4321});
    Draw(kBackgrounds, 1, 'N');
    Draw(kBackgrounds, 2, 'M');
    Draw(kFaces, 1, 'O');
    Draw(kFaces, 2, 'N');
    Draw(kEyes, 1, 'N');
    auto portrait = MakePortrait();
    portrait->ComputePositions();
    portrait->ApplyColours();
    return portrait;
  }
  static std::array<int, 4> Pixel(const RgbaImage& image, int x, int y) {
    const uint8_t* p = image.bytes.data() + (static_cast<size_t>(y) * image.width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
  }
};

TEST_F(TransparentRender, OpaqueWhereAComponentDrewWithTheOrdinaryColour) {
  auto portrait = Portrait();
  const RgbaImage image = RenderTransparent(*portrait, 1);
  ASSERT_EQ(image.width, kCanvasWidth);
  ASSERT_EQ(image.height, kCanvasHeight);
  EXPECT_EQ(portrait->RenderLayer, nullptr);  // the portrait's own canvas is left alone
  const auto rgba = [](uint16_t p, int alpha) {
    const Rgb c = split_rgb16(p);
    return std::array<int, 4>{c.r, c.g, c.b, alpha};
  };
  const std::array<int, 4> clear{0, 0, 0, 0};
  const std::array<int, 4> expected[2][4] = {
      {rgba(0xF800, 255), rgba(0xF800, 255), clear, clear},
      {clear, rgba(min_rgb16(0x8000, 0xFBCF), 255), clear, rgba(0x4321, 255)}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(expected[y][x], Pixel(image, x, y)) << x << "," << y;
  }
  EXPECT_EQ(clear, Pixel(image, 319, 399));
  // The same portrait rendered as usual has those colours, the background's below the rest.
  portrait->PripravPortret(false);
  EXPECT_EQ(0x1111, portrait->RenderLayer->At(2, 0));
  EXPECT_EQ(min_rgb16(0x1111, 0xFBCF), portrait->RenderLayer->At(0, 1));
  EXPECT_EQ(0x4321, portrait->RenderLayer->At(3, 1));
}

// Reduced by 2: alpha the share of covered pixels, the colour the floor average of the covered
// ones in 5-6-5 steps.
TEST_F(TransparentRender, ReducedBlocksAverageCoverageAndCoveredColours) {
  auto portrait = Portrait();
  const RgbaImage image = RenderTransparent(*portrait, 2);
  ASSERT_EQ(image.width, kCanvasWidth / 2);
  const int red = ((31 + 31 + 16) / 3) << 3;  // 0xF800, 0xF800, 0x8000
  EXPECT_EQ((std::array<int, 4>{red, 0, 0, 191}), Pixel(image, 0, 0));
  EXPECT_EQ((std::array<int, 4>{64, 100, 8, 64}), Pixel(image, 1, 0));  // 0x4321 alone
  EXPECT_EQ((std::array<int, 4>{0, 0, 0, 0}), Pixel(image, 2, 0));
  EXPECT_THROW(RenderTransparent(*portrait, 3), std::invalid_argument);
}

}  // namespace
}  // namespace kelvo::test
