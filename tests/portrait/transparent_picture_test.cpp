// The portrait as one picture with a transparent background: the background is left out, what
// nothing drew is clear, drawn pixels (black ones too) keep their colour, and reductions
// weight colours by alpha.
#include <gtest/gtest.h>

#include <stdexcept>

#include "portrait/pixel.h"
#include "portrait/transparent_picture.h"
#include "portrait_fixture.h"

namespace kelvo::test {
namespace {

class TransparentPicture : public PortraitFixture {};

TEST_F(TransparentPicture, BackgroundLeftOutAndDrawnPixelsKeepTheirColours) {
  Container(kBackgrounds).Bits = 16;
  Image16(kBackgrounds, 1, 0, 0, 2, 2, {0x1111, 0x1111, 0x1111, 0x1111});
  // Pure black is a colour like any other; the key pixel draws nothing.
  Image16(kFaces, 1, 0, 0, 2, 1, {0x0000, kTransparent565});
  Image16(kNoses, 1, 1, 1, 1, 1, {0xFFFF});
  Draw(kBackgrounds, 1, 'N');
  Draw(kFaces, 1, 'N');
  Draw(kNoses, 1, 'N');
  auto portrait = MakePortrait();
  portrait->ComputePositions();
  const RgbaImage image =
      RenderTransparentPicture(*portrait, [](TKelvoPortret& p) { p.RenderVisible(); });
  ASSERT_EQ(image.width, kCanvasWidth);
  ASSERT_EQ(image.height, kCanvasHeight);
  struct Row {
    int x, y;
    uint8_t r, g, b, a;
  };
  for (const Row& row : {Row{0, 0, 0, 0, 0, 255}, Row{1, 0, 0, 0, 0, 0}, Row{0, 1, 0, 0, 0, 0},
                         Row{1, 1, 248, 252, 248, 255}, Row{300, 390, 0, 0, 0, 0}}) {
    const uint8_t* p = image.At(row.x, row.y);
    EXPECT_EQ((std::vector<int>{p[0], p[1], p[2], p[3]}),
              (std::vector<int>{row.r, row.g, row.b, row.a}))
        << row.x << "," << row.y;
  }
  EXPECT_EQ(portrait->Selected[kBackgrounds], &Komp(kBackgrounds));
  EXPECT_EQ(portrait->RenderLayer, nullptr);  // as it found it: none drawn yet

  // A draw that fails leaves the background chosen all the same.
  EXPECT_THROW(
      RenderTransparentPicture(*portrait, [](TKelvoPortret&) { throw std::runtime_error("x"); }),
      std::runtime_error);
  EXPECT_EQ(portrait->Selected[kBackgrounds], &Komp(kBackgrounds));
}

}  // namespace
}  // namespace kelvo::test
