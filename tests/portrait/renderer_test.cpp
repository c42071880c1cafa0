#include <gtest/gtest.h>

#include <algorithm>

#include "portrait/pixel.h"
#include "portrait_fixture.h"

namespace kelvo::test {
namespace {

class Renderer : public PortraitFixture {
 protected:
  // Slot 1 of every category: pure red, contrast 85 (entry 16 0x8000, 32 0xF800, 63 0xFBCF,
  // 1 0x0800); slot 2 has no colour type and takes the default grey (entry 32 0x8410).
  void RedSlots() {
    AddColour(1, 0x0000FF, 85);
    library->ColourType(1).Selected = 1;
    for (int c = 1; c <= kCategoryCount; ++c) Container(c).ColourSlots = {1, 0, 0, 0};
  }
  std::unique_ptr<TKelvoPortret> Rendered(bool clipping = false) {
    auto portrait = MakePortrait();
    portrait->ComputePositions();
    portrait->ApplyColours();
    portrait->PripravPortret(clipping);
    return portrait;
  }
  static uint16_t At(const TKelvoPortret& p, int x, int y) { return p.RenderLayer->At(x, y); }
  static int CountNot(const TKelvoPortret& p, uint16_t value) {
    return static_cast<int>(std::count_if(p.RenderLayer->pixels.begin(),
                                          p.RenderLayer->pixels.end(),
                                          [value](uint16_t v) { return v != value; }));
  }
};

TEST_F(Renderer, WholeRenderOfACraftedLibrary) {
  RedSlots();
  Container(kBackgrounds).Bits = 16;
  Image16(kBackgrounds, 1, 0, 0, 4, 3,
          {0x1111, 0x1111, 0x1111, 0x1111, 0x1111, 0x07E0, 0x1111, 0x1111, 0x1111, 0x1111, 0x1111,
           0x1111});
  AddPoint(kBackgrounds, kFaces, 1, 1);
  Image8(kFaces, 1, 2, 1, 3, 2, {16, 0, 32, 64 + 32, 63, 1});
  Image8(kFaces, 2, 0, 0, 2, 1, {32, 16});
  Container(kFaces).Shadow = 2;
  Draw(kBackgrounds, 1, 'N');
  Draw(kFaces, 1, 'N');
  Draw(kFaces, 2, 'N');
  auto portrait = Rendered();
  const uint16_t expected[4][6] = {
      {0x1111, 0x1111, 0x1111, 0x1111, 0, 0},
      {0x1111, 0x0000, 0x1000, 0x1111, 0, 0},  // shadow over transparent black and over 0x1111
      {0x1111, 0x1111, 0x1111, 0x8000, 0, 0xF800},
      {0, 0, 0, 0x8410, 0xFBCF, 0x0800}};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(expected[y][x], At(*portrait, x, y)) << x << "," << y;
  EXPECT_EQ(15, CountNot(*portrait, 0));
}

TEST_F(Renderer, CanvasIsKeptBetweenRenders) {
  RedSlots();
  Image8(kFaces, 1, 0, 0, 1, 1, {32});
  Draw(kFaces, 1, 'N');
  auto portrait = Rendered();
  portrait->RenderLayer->At(5, 5) = 0x1234;
  portrait->PripravPortret(false);
  EXPECT_EQ(0x1234, At(*portrait, 5, 5));
  EXPECT_EQ(0xF800, At(*portrait, 0, 0));
}

// Buffers lent from a render of another portrait, canvas and mask dirty and the mask
// inverted: the render on them gives what a first render gives, and the portrait's own
// canvas comes back afterwards.
TEST_F(Renderer, LentBuffersRenderAsAFirstRender) {
  RedSlots();
  Image8(kEyes, 1, 0, 0, 4, 1, {32, 32, 32, 32});  // clipped before any mask is made
  Image8(kEyebrows, 2, 0, 0, 4, 1, {0, 9, 9, 0});
  Container(kEyebrows).InvertMask = true;
  Draw(kEyes, 1, 'O');
  Draw(kEyebrows, 2, 'M');
  auto first = Rendered();
  for (const bool inverted : {false, true}) {
    TKelvoPortret::RenderBuffers buffers;
    buffers.canvas = create_layer(kCanvasWidth, kCanvasHeight);
    std::fill(buffers.canvas->pixels.begin(), buffers.canvas->pixels.end(), uint16_t{0x1234});
    buffers.mask.assign(320 * 400, 5);
    buffers.mask_extent = Rect{0, 0, 320, 400};
    auto portrait = MakePortrait();
    portrait->ComputePositions();
    portrait->ApplyColours();
    portrait->MaskInverted = inverted;
    portrait->LendRenderBuffers(buffers);
    portrait->PripravPortret(false);
    EXPECT_EQ(first->RenderLayer->pixels, portrait->RenderLayer->pixels) << inverted;
    EXPECT_EQ(first->ClipMask, portrait->ClipMask) << inverted;
    portrait->ReturnRenderBuffers(buffers);
    EXPECT_EQ(nullptr, portrait->RenderLayer);
    EXPECT_TRUE(portrait->ClipMask.empty());
    EXPECT_EQ(first->RenderLayer->pixels, buffers.canvas->pixels);
  }
}

TEST_F(Renderer, ImageLeftOfTheCanvasIsDrawnFromItsEleventhColumn) {
  RedSlots();
  std::vector<uint8_t> pixels(30);
  for (int i = 0; i < 30; ++i) pixels[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
  Image8(kFaces, 1, -10, 0, 30, 1, pixels);
  Draw(kFaces, 1, 'N');
  auto portrait = Rendered();
  const auto& ramp = portrait->ColourRamp;
  for (int x = 0; x < 20; ++x) EXPECT_EQ(ramp[static_cast<size_t>(x + 11)], At(*portrait, x, 0));
  EXPECT_EQ(0, At(*portrait, 20, 0));
}

TEST_F(Renderer, ImagesOutsideTheCanvasOrBrokenAreSkipped) {
  RedSlots();
  Image8(kFaces, 1, 315, 398, 10, 10, std::vector<uint8_t>(100, 32));  // partly outside
  Image8(kEyes, 1, 0, 0, 50, 50, std::vector<uint8_t>(10, 32));        // shorter than announced
  Image8(kNoses, 1, 0, 0, 5, 5, std::vector<uint8_t>(25, 32));
  Komp(kNoses).ImagesLoaded = 0;  // not loaded: skipped
  Image8(kMouths, 1, 100000, -100000, 30000, 30000, std::vector<uint8_t>(1, 32));
  for (int c : {kFaces, kEyes, kNoses, kMouths}) Draw(c, 1, 'N');
  auto portrait = Rendered();
  EXPECT_EQ(5 * 2, CountNot(*portrait, 0));
  EXPECT_EQ(0xF800, At(*portrait, 319, 399));
}

TEST_F(Renderer, MaskLimitsClippedDrawingInsideOrOutside) {
  RedSlots();
  Container(kEyes).MaskSecond = true;
  Image8(kEyes, 2, 0, 0, 4, 1, {0, 7, 7, 0});      // mask
  Image8(kEyes, 1, 0, 0, 4, 1, {32, 32, 32, 32});  // clipped by it
  Image8(kEyebrows, 1, 0, 1, 4, 1, {32, 32, 32, 32}, 1);
  Image8(kEyebrows, 2, 0, 0, 4, 2, {0, 0, 0, 0, 9, 9, 0, 0});
  Container(kEyebrows).InvertMask = true;
  Draw(kEyes, 2, 'M');
  Draw(kEyes, 1, 'O');
  Draw(kEyebrows, 2, 'M');
  Draw(kEyebrows, 1, 'O');
  auto portrait = Rendered();
  EXPECT_EQ((std::vector<uint16_t>{0, 0xF800, 0xF800, 0}),
            (std::vector<uint16_t>{At(*portrait, 0, 0), At(*portrait, 1, 0), At(*portrait, 2, 0),
                                   At(*portrait, 3, 0)}));
  EXPECT_EQ((std::vector<uint16_t>{0, 0, 0xF800, 0xF800}),
            (std::vector<uint16_t>{At(*portrait, 0, 1), At(*portrait, 1, 1), At(*portrait, 2, 1),
                                   At(*portrait, 3, 1)}));
  EXPECT_TRUE(portrait->MaskInverted);
  EXPECT_EQ(9, portrait->ClipMask[320 * 1 + 0]);
  EXPECT_EQ(0, portrait->ClipMask[2]);
}

TEST_F(Renderer, MaskEntryWithoutItsImageOpensTheWholeMask) {
  RedSlots();
  Image8(kFaces, 1, 0, 0, 3, 1, {32, 32, 32});
  Draw(kEyes, 2, 'M');  // the eye has no subcomponent 2
  Draw(kFaces, 1, 'O');
  auto portrait = Rendered();
  EXPECT_TRUE(std::all_of(portrait->ClipMask.begin(), portrait->ClipMask.end(),
                          [](uint8_t m) { return m == 255; }));
  EXPECT_EQ(3, CountNot(*portrait, 0));
  // With the mask inverted by an earlier mask entry, the same entry draws nowhere.
  portrait->RenderLayer.reset();
  portrait->MaskInverted = true;
  portrait->PripravPortret(false);
  EXPECT_EQ(0, CountNot(*portrait, 0));
}

// The open mask covers the whole canvas; the next mask must close all of it again.
TEST_F(Renderer, MaskAfterAnOpenMaskClosesTheWholeCanvas) {
  RedSlots();
  Image8(kFaces, 1, 0, 0, 3, 400, std::vector<uint8_t>(3 * 400, 32));
  Image8(kEyebrows, 2, 0, 0, 2, 1, {0, 7});
  Draw(kEyes, 2, 'M');  // no such subcomponent: everything inside
  Draw(kEyebrows, 2, 'M');
  Draw(kFaces, 1, 'O');
  auto portrait = Rendered();
  EXPECT_EQ(1, CountNot(*portrait, 0));
  EXPECT_EQ(0xF800, At(*portrait, 1, 0));
  EXPECT_EQ(1, std::count_if(portrait->ClipMask.begin(), portrait->ClipMask.end(),
                             [](uint8_t m) { return m != 0; }));
}

// 16-bit images without a transparent pixel are copied; one pixel set to the key afterwards
// sends the image back to the keyed routine.
TEST_F(Renderer, OpaqueImageStaysKeyedOncePixelsChange) {
  Container(kBackgrounds).Bits = 16;
  Image16(kBackgrounds, 1, 0, 0, 2, 1, {0x1111, 0x2222});
  Image16(kFaces, 1, 0, 0, 2, 1, {0x3333, 0x4444});
  TKelvoSubKomp& face = *Container(kFaces).Komp(1).Sub(1);
  face.UpdateOpaque();
  EXPECT_TRUE(face.Opaque);
  face.SetPixel16(1, 0, 0x07E0);
  EXPECT_FALSE(face.Opaque);
  Draw(kBackgrounds, 1, 'N');
  Draw(kFaces, 1, 'N');
  auto portrait = Rendered();
  EXPECT_EQ(0x3333, At(*portrait, 0, 0));
  EXPECT_EQ(0x2222, At(*portrait, 1, 0));
}

TEST_F(Renderer, ConditionalEntryFollowsTheClipFlag) {
  RedSlots();
  Image8(kEyes, 2, 0, 0, 1, 2, {5, 5});  // the mask covers column 0
  Image8(kFaces, 1, 0, 0, 2, 1, {32, 32});
  Image8(kNoses, 1, 0, 1, 2, 1, {32, 32}).Clip = true;
  Draw(kEyes, 2, 'M');
  Draw(kFaces, 1, 'C');
  Draw(kNoses, 1, 'C');
  Draw(kMouths, 1, 'X');  // unknown letters draw nothing
  Image8(kMouths, 1, 0, 3, 1, 1, {32});
  auto portrait = Rendered();
  EXPECT_EQ(0xF800, At(*portrait, 1, 0));  // clip flag clear: drawn everywhere
  EXPECT_EQ(0xF800, At(*portrait, 0, 1));
  EXPECT_EQ(0, At(*portrait, 1, 1));  // clip flag set: only inside the mask
  EXPECT_EQ(0, At(*portrait, 0, 3));
}

TEST_F(Renderer, ShadowsOnlyDarken) {
  RedSlots();
  Container(kBackgrounds).Bits = 16;
  Image16(kBackgrounds, 1, 0, 0, 3, 1, {0xFFFF, 0x0000, pack_rgb16(0, 255, 255)});
  Image8(kFaces, 1, 0, 0, 3, 1, {63, 63, 63});  // 0xFBCF: light red
  Container(kFaces).Shadow = 1;
  Draw(kBackgrounds, 1, 'N');
  Draw(kFaces, 1, 'N');
  auto portrait = Rendered();
  EXPECT_EQ(0xFBCF, At(*portrait, 0, 0));
  EXPECT_EQ(0x0000, At(*portrait, 1, 0));
  EXPECT_EQ(min_rgb16(pack_rgb16(0, 255, 255), 0xFBCF), At(*portrait, 2, 0));
}

TEST_F(Renderer, ClippedRenderStaysInsideTheNormalisedRectangle) {
  RedSlots();
  Image8(kFaces, 1, 0, 0, 320, 400, std::vector<uint8_t>(320 * 400, 32));
  Draw(kFaces, 1, 'N');
  auto portrait = MakePortrait();
  portrait->ComputePositions();
  portrait->ApplyColours();
  portrait->ClipRect = {-5, 10, 400, 300};
  portrait->PripravPortret(true);
  EXPECT_EQ((Rect{0, 10, 320, 300}), portrait->ClipRect);
  EXPECT_TRUE(portrait->ClippingOn);
  EXPECT_EQ(320 * 290, CountNot(*portrait, 0));
  EXPECT_EQ(0, At(*portrait, 0, 9));
  EXPECT_EQ(0xF800, At(*portrait, 0, 10));
  EXPECT_EQ(0, At(*portrait, 0, 300));
  portrait->ClipRect = {400, 500, 900, 900};  // beyond the canvas: nothing at all
  portrait->RenderLayer.reset();
  portrait->PripravPortret(true);
  EXPECT_EQ(0, CountNot(*portrait, 0));
}

TEST_F(Renderer, OnlyAndVisibleFilters) {
  RedSlots();
  Image8(kBackgrounds, 1, 0, 0, 1, 1, {32});
  Image8(kFaces, 1, 1, 0, 1, 1, {32});
  Image8(kEyes, 1, 2, 0, 1, 1, {32});
  for (int c : {kBackgrounds, kFaces, kEyes}) Draw(c, 1, 'N');
  auto portrait = MakePortrait();
  portrait->ComputePositions();
  portrait->ApplyColours();
  portrait->RenderOnly(kEyes);
  EXPECT_EQ((std::vector<uint16_t>{0xF800, 0, 0xF800}),
            (std::vector<uint16_t>{At(*portrait, 0, 0), At(*portrait, 1, 0), At(*portrait, 2, 0)}));
  portrait->RenderLayer.reset();
  portrait->Hidden[kBackgrounds] = true;  // the background is always drawn
  portrait->Hidden[kEyes] = true;
  portrait->RenderVisible();
  EXPECT_EQ((std::vector<uint16_t>{0xF800, 0xF800, 0}),
            (std::vector<uint16_t>{At(*portrait, 0, 0), At(*portrait, 1, 0), At(*portrait, 2, 0)}));
}

}  // namespace
}  // namespace kelvo::test
