// Animation frames: the frame rectangles, the frames made from clipped renders, pasting them
// into the small portrait and the step counters.
#include "portrait/frames.h"

#include <gtest/gtest.h>

#include "gallery_test_library.h"

namespace kelvo::test {
namespace {

TEST(FrameRect, AlignsOutwardToMultiplesOfFour) {
  struct Row {
    Rect in;
    Rect out;
  };
  const Row rows[] = {
      {{5, 203, 41, 250}, {4, 200, 44, 252}},
      {{0, 0, 320, 400}, {0, 0, 320, 400}},
      {{4, 8, 12, 16}, {4, 8, 12, 16}},
      {{-5, -3, -1, 2}, {-4, 0, 4, 4}},  // division truncates toward zero
      {{2147483647, 2147483647, -2147483647, -2147483647},
       {2147483644, 2147483644, -2147483640, -2147483640}},
  };
  for (const Row& row : rows) {
    const Rect got = AlignFrameRect(row.in);
    EXPECT_EQ(row.out, got) << row.in.left << "," << row.in.top << "," << row.in.right << ","
                            << row.in.bottom;
  }
}

// Colours of the test portrait (none is the transparent 0x07E0); a uniform 4 x 4 block
// averages to its own colour.
constexpr uint16_t kBackground = 0x0841;
constexpr uint16_t kMouth[5] = {0xF800, 0xF000, 0xE800, 0xE000, 0xD800};
constexpr uint16_t kBeard[5] = {0x0400, 0x0420, 0x0440, 0x0460, 0x0480};
constexpr uint16_t kFace[4] = {0x001F, 0x001E, 0x001D, 0x001C};
constexpr uint16_t kEye[5] = {0xFFE0, 0xFFC0, 0xFFA0, 0xFF80, 0xFF60};
constexpr uint16_t kBrow[3] = {0xF81F, 0xF01F, 0xE81F};

class FramesTest : public GalleryLibraryFixture {
 protected:
  FramesTest() {
    Solid16(Komp(kBackgrounds), 1, 0, 0, kCanvasWidth, kCanvasHeight, kBackground);
    for (int c : {kBackgrounds, kFaces, kEyes, kMouths, kEyebrows, kBeards}) {
      library->DrawOrder.push_back({c, 1, 'N'});
    }
  }

  // Component 1 of the category with its frames 1..count-1 as further components, all the
  // same size and place, step n in colours[n].
  void Animated(int c, int x, int y, int w, int h, const uint16_t* colours, int count) {
    Solid16(Komp(c), 1, x, y, w, h, colours[0]);
    for (int n = 1; n < count; ++n) {
      TKelvoKomp& frame = AddKomp(c, "step" + std::to_string(n));
      Solid16(frame, 1, x, y, w, h, colours[n]);
      Komp(c).Frames[static_cast<size_t>(n)] = &frame;
    }
  }

  // Mouth (120, 240) 8 x 8 with the beard below it (120, 248) 8 x 4 and the face beside it
  // (128, 240) 4 x 4; eyebrow (100, 96) 4 x 4 above the eye (100, 100) 4 x 4.
  void AnimatedFace() {
    Animated(kMouths, 120, 240, 8, 8, kMouth, 5);
    Animated(kBeards, 120, 248, 8, 4, kBeard, 5);
    Animated(kFaces, 128, 240, 4, 4, kFace, 4);
    Animated(kEyes, 100, 100, 4, 4, kEye, 5);
    Animated(kEyebrows, 100, 96, 4, 4, kBrow, 3);
  }

  static std::unique_ptr<Layer> SmallLayer() { return create_layer(80, 100); }

  static int FrameCount(const TKelvoPortret& p) {
    int count = 0;
    for (const FrameSlot& slot : p.LowerFrames) count += slot.layer ? 1 : 0;
    for (const auto& row : p.UpperFrames) {
      for (const FrameSlot& slot : row) count += slot.layer ? 1 : 0;
    }
    return count;
  }
};

TEST_F(FramesTest, RectanglesAreAlignedAndTheLowerOneStartsAtRow200) {
  Solid16(Komp(kEyes), 1, 5, 203, 36, 47, 1);      // (5, 203, 41, 250)
  Solid16(Komp(kMouths), 1, 101, 190, 38, 19, 1);  // top 190
  auto portrait = MakePortrait();
  ResetFrames(*portrait);
  EXPECT_EQ((Rect{4, 200, 44, 252}), portrait->UpperRect);
  EXPECT_EQ((Rect{100, 200, 140, 212}), portrait->LowerRect);
}

TEST_F(FramesTest, RectanglesCoverEveryStepThatTakesPart) {
  Solid16(Komp(kEyes), 1, 100, 100, 4, 4, 1);
  TKelvoKomp& eyeShut = AddKomp(kEyes, "shut");
  Solid16(eyeShut, 1, 80, 110, 4, 4, 1);
  Komp(kEyes).Frames[4] = &eyeShut;
  TKelvoKomp& browUp = AddKomp(kEyebrows, "up");
  Solid16(browUp, 1, 120, 60, 4, 4, 1);
  Komp(kEyebrows).Frames[2] = &browUp;

  Solid16(Komp(kMouths), 1, 120, 240, 8, 8, 1);
  TKelvoKomp& cheekStep3 = AddKomp(kCheeks, "cheek3");
  Solid16(cheekStep3, 1, 120, 300, 4, 4, 1);
  Komp(kCheeks).Frames[3] = &cheekStep3;
  TKelvoKomp& faceStep2 = AddKomp(kFaces, "face2");  // faces take part with step 3 only
  Solid16(faceStep2, 1, 0, 380, 4, 4, 1);
  Komp(kFaces).Frames[2] = &faceStep2;
  TKelvoKomp& beardStep1 = AddKomp(kBeards, "beard1");  // the beard is not stepped here
  Solid16(beardStep1, 1, 300, 380, 4, 4, 1);
  Komp(kBeards).Frames[1] = &beardStep1;

  auto portrait = MakePortrait();
  const auto selection = portrait->Selected;
  ComputeFrameRects(*portrait);
  EXPECT_EQ((Rect{80, 60, 124, 116}), portrait->UpperRect);
  EXPECT_EQ((Rect{120, 240, 128, 304}), portrait->LowerRect);
  EXPECT_EQ(selection, portrait->Selected);
}

TEST_F(FramesTest, RectanglesStayInsideTheCanvas) {
  Solid16(Komp(kEyes), 1, -10, -6, 30, 10, 1);
  Solid16(Komp(kMouths), 1, 300, 390, 40, 20, 1);
  auto portrait = MakePortrait();
  ResetFrames(*portrait);
  EXPECT_EQ((Rect{0, 0, 20, 4}), portrait->UpperRect);
  EXPECT_EQ((Rect{300, 388, 320, 400}), portrait->LowerRect);

  GenerateAllFrames(*portrait);
  const FrameSlot& lower = portrait->LowerFrames[0];
  ASSERT_TRUE(lower.layer);
  EXPECT_EQ(5, lower.layer->width);
  EXPECT_EQ(3, lower.layer->height);
  EXPECT_EQ(75, lower.x);
  EXPECT_EQ(97, lower.y);
  EXPECT_EQ(1, lower.layer->At(4, 2));  // the mouth's bottom-right corner
  auto small = SmallLayer();
  PasteMouthFrame(*portrait, 0, *small);
  EXPECT_EQ(1, small->At(79, 99));
}

TEST_F(FramesTest, RegionsWithoutSubcomponentsMakeNoFrames) {
  auto portrait = MakePortrait();
  ResetFrames(*portrait);
  EXPECT_EQ(Rect{}, portrait->UpperRect);
  EXPECT_EQ(Rect{}, portrait->LowerRect);
  GenerateAllFrames(*portrait);
  EXPECT_EQ(0, FrameCount(*portrait));
  EXPECT_TRUE(portrait->FramesReady);
}

TEST_F(FramesTest, FramesShowEveryStepOfTheRegion) {
  AnimatedFace();
  auto portrait = MakePortrait();
  const auto selection = portrait->Selected;
  ResetFrames(*portrait);
  ASSERT_EQ((Rect{120, 240, 132, 252}), portrait->LowerRect);
  ASSERT_EQ((Rect{100, 96, 104, 104}), portrait->UpperRect);
  GenerateAllFrames(*portrait);
  EXPECT_EQ(selection, portrait->Selected);
  EXPECT_TRUE(portrait->FramesReady);
  EXPECT_EQ(20, FrameCount(*portrait));

  for (int i = 0; i < kMouthSteps; ++i) {
    const FrameSlot& slot = portrait->LowerFrames[static_cast<size_t>(i)];
    ASSERT_TRUE(slot.layer);
    EXPECT_EQ(3, slot.layer->width);
    EXPECT_EQ(3, slot.layer->height);
    EXPECT_EQ(30, slot.x);
    EXPECT_EQ(60, slot.y);
    EXPECT_EQ(kMouth[i], slot.layer->At(0, 0)) << i;
    EXPECT_EQ(kBeard[i], slot.layer->At(0, 2)) << i;  // the beard follows the mouth
    EXPECT_EQ(i == 4 ? kFace[3] : kFace[0], slot.layer->At(2, 0)) << i;
  }
  for (int i = 0; i < kEyebrowSteps; ++i) {
    for (int j = 0; j < kEyeSteps; ++j) {
      const FrameSlot& slot = portrait->UpperFrames[static_cast<size_t>(i)][static_cast<size_t>(j)];
      ASSERT_TRUE(slot.layer);
      EXPECT_EQ(1, slot.layer->width);
      EXPECT_EQ(2, slot.layer->height);
      EXPECT_EQ(25, slot.x);
      EXPECT_EQ(24, slot.y);
      EXPECT_EQ(kBrow[i], slot.layer->At(0, 0));
      EXPECT_EQ(kEye[j], slot.layer->At(0, 1));
    }
  }
}

TEST_F(FramesTest, AMouthWithoutFramesShowsItselfInEveryLowerFrame) {
  Solid16(Komp(kMouths), 1, 120, 240, 8, 8, kMouth[2]);
  auto portrait = MakePortrait();
  ResetFrames(*portrait);
  GenerateAllFrames(*portrait);
  for (const FrameSlot& slot : portrait->LowerFrames) {
    ASSERT_TRUE(slot.layer);
    EXPECT_EQ(kMouth[2], slot.layer->At(1, 1));
  }
}

TEST_F(FramesTest, SmallPortraitIsTheQuarterSizeRenderAndResetsTheFrames) {
  AnimatedFace();
  auto portrait = MakePortrait();
  auto small = SmallLayer();
  MakeSmallPortrait(*portrait, *small);
  GenerateAllFrames(*portrait);
  portrait->NextMouthState = 3;
  portrait->CurrentEyeState = 2;

  MakeSmallPortrait(*portrait, *small);
  EXPECT_EQ(0, FrameCount(*portrait));
  EXPECT_FALSE(portrait->FramesReady);
  EXPECT_EQ(0, portrait->NextMouthState);
  EXPECT_EQ(0, portrait->CurrentEyeState);
  EXPECT_FALSE(portrait->RenderLayer);
  EXPECT_EQ(kBackground, small->At(0, 0));
  EXPECT_EQ(kMouth[0], small->At(30, 60));
  EXPECT_EQ(kBeard[0], small->At(31, 62));
  EXPECT_EQ(kFace[0], small->At(32, 60));
  EXPECT_EQ(kBrow[0], small->At(25, 24));
  EXPECT_EQ(kEye[0], small->At(25, 25));
  EXPECT_EQ(kBackground, small->At(79, 99));
}

TEST_F(FramesTest, PastingShowsTheChosenSteps) {
  AnimatedFace();
  auto portrait = MakePortrait();
  auto small = SmallLayer();
  MakeSmallPortrait(*portrait, *small);
  GenerateAllFrames(*portrait);

  PasteMouthFrame(*portrait, 4, *small);
  EXPECT_EQ(kMouth[4], small->At(30, 60));
  EXPECT_EQ(kBeard[4], small->At(30, 62));
  EXPECT_EQ(kFace[3], small->At(32, 60));
  EXPECT_EQ(kBackground, small->At(33, 60));
  EXPECT_EQ(4, portrait->CurrentMouthState);

  PasteBrowFrame(*portrait, 2, *small);
  EXPECT_EQ(kBrow[2], small->At(25, 24));
  EXPECT_EQ(kEye[0], small->At(25, 25));
  PasteEyeFrame(*portrait, 3, *small);
  EXPECT_EQ(kBrow[2], small->At(25, 24));
  EXPECT_EQ(kEye[3], small->At(25, 25));
  PasteBrowFrame(*portrait, 1, *small);
  EXPECT_EQ(kBrow[1], small->At(25, 24));
  EXPECT_EQ(kEye[3], small->At(25, 25));
  EXPECT_EQ(1, portrait->CurrentBrowState);
  EXPECT_EQ(3, portrait->CurrentEyeState);
}

TEST_F(FramesTest, PastingAFrameNeverMadeOnlyChangesTheCurrentStep) {
  AnimatedFace();
  auto portrait = MakePortrait();
  auto small = SmallLayer();
  MakeSmallPortrait(*portrait, *small);
  const std::vector<uint16_t> before = small->pixels;
  GenerujSpodek(*portrait, 1);

  PasteMouthFrame(*portrait, 3, *small);
  EXPECT_EQ(3, portrait->CurrentMouthState);
  PasteEyeFrame(*portrait, 2, *small);
  EXPECT_EQ(2, portrait->CurrentEyeState);
  PasteMouthFrame(*portrait, 9, *small);  // no such step
  EXPECT_EQ(9, portrait->CurrentMouthState);
  PasteBrowFrame(*portrait, -1, *small);
  PasteEyeFrame(*portrait, 1, *small);
  EXPECT_EQ(before, small->pixels);

  // A destination too small for the frame's place is left alone too.
  auto tiny = create_layer(20, 20);
  PasteMouthFrame(*portrait, 1, *tiny);
  EXPECT_EQ(std::vector<uint16_t>(tiny->pixels.size(), 0), tiny->pixels);
}

TEST_F(FramesTest, NextFrameStartsAtMouthStepZeroAfterAllFrames) {
  AnimatedFace();
  auto portrait = MakePortrait();
  auto small = SmallLayer();
  MakeSmallPortrait(*portrait, *small);
  GenerateAllFrames(*portrait);
  EXPECT_EQ(0, portrait->NextMouthState);
  const Layer* lower0 = portrait->LowerFrames[0].layer.get();
  const Layer* lower1 = portrait->LowerFrames[1].layer.get();
  GenerateNextFrame(*portrait);
  EXPECT_EQ(1, portrait->NextMouthState);
  EXPECT_NE(lower0, portrait->LowerFrames[0].layer.get());
  EXPECT_EQ(lower1, portrait->LowerFrames[1].layer.get());
}

TEST_F(FramesTest, NextFrameMakesOneFramePerCallInOrder) {
  AnimatedFace();
  auto portrait = MakePortrait();
  const auto selection = portrait->Selected;
  ResetFrames(*portrait);
  for (int call = 0; call < 20; ++call) {
    EXPECT_EQ(call, FrameCount(*portrait));
    EXPECT_FALSE(portrait->FramesReady);
    GenerateNextFrame(*portrait);
    EXPECT_EQ(selection, portrait->Selected);
    if (call == 4) {
      EXPECT_TRUE(portrait->LowerFrames[4].layer);
    }
    if (call == 9) {
      EXPECT_EQ(1, portrait->NextBrowState);
      EXPECT_EQ(0, portrait->NextEyeState);
      EXPECT_TRUE(portrait->UpperFrames[0][4].layer);
    }
  }
  EXPECT_EQ(20, FrameCount(*portrait));
  EXPECT_FALSE(portrait->FramesReady);
  GenerateNextFrame(*portrait);
  EXPECT_TRUE(portrait->FramesReady);
  EXPECT_EQ(kBrow[2], portrait->UpperFrames[2][4].layer->At(0, 0));
  EXPECT_EQ(kEye[4], portrait->UpperFrames[2][4].layer->At(0, 1));

  ResetFrames(*portrait);
  EXPECT_EQ(0, portrait->NextMouthState);
  EXPECT_EQ(0, portrait->NextBrowState);
  GenerateNextFrame(*portrait);
  EXPECT_EQ(1, portrait->NextMouthState);
}

TEST_F(FramesTest, SelectionIsRestoredWhenRenderingFails) {
  AnimatedFace();
  auto portrait = MakePortrait();
  ResetFrames(*portrait);
  portrait->Selected[kNoses] = nullptr;
  const auto selection = portrait->Selected;
  EXPECT_THROW(GenerujSpodek(*portrait, 2), std::exception);
  EXPECT_EQ(selection, portrait->Selected);
  EXPECT_THROW(GenerateAllFrames(*portrait), std::exception);
  EXPECT_EQ(selection, portrait->Selected);
  EXPECT_FALSE(portrait->FramesReady);
}

}  // namespace
}  // namespace kelvo::test
