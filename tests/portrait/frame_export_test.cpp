// The frame file set on portraits of the bundled data sets: the frames without background are
// pure red wherever the stepped mouth or eyes do not draw, and the portrait is as it was.
#include "portrait/frame_export.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <limits>

#include "library/categories.h"
#include "portrait/anim_steps.h"
#include "portrait/pixel.h"
#include "portrait/portrait.h"
#include "support/bundled_library.h"
#include "support/param_names.h"

namespace kelvo::test {
namespace {

TEST(FrameFileBase, DropsOnlyTheLastExtensionOfTheFileName) {
  const std::pair<const char*, const char*> rows[] = {
      {"portrait.bmp", "portrait"}, {"out/p.BMP", "out/p"}, {"a.b\\portrait", "a.b\\portrait"},
      {"a.b/c.d.bmp", "a.b/c.d"},   {"plain", "plain"},
  };
  for (const auto& [chosen, base] : rows) EXPECT_EQ(FrameFileBase(chosen), base) << chosen;
}

// One pixel of a 24-bit bitmap file, top-left origin.
Rgb BmpPixel(const std::string& bytes, int x, int y) {
  constexpr int kWidth = 320, kHeight = 400, kRow = 3 * kWidth;
  const size_t at = 54 + static_cast<size_t>(kHeight - 1 - y) * kRow + 3 * static_cast<size_t>(x);
  return Rgb{static_cast<uint8_t>(bytes[at + 2]), static_cast<uint8_t>(bytes[at + 1]),
             static_cast<uint8_t>(bytes[at])};
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

using BundledFrames = BundledLibraryTest;

TEST_P(BundledFrames, FramesWithoutBackgroundAreRedWhereTheStepDoesNotDraw) {
  TKelvoPortret portrait(*library);
  portrait.RandomComponents(context->Random());
  portrait.RandomColours(context->Random());
  portrait.Hidden[kHair] = true;
  const auto selected = portrait.Selected;
  const auto hidden = portrait.Hidden;
  const std::filesystem::path out = context.folder.Path() / "out";
  std::filesystem::create_directories(out);
  PlainFrameDrawer drawer;
  const auto written = ExportFrameFiles(portrait, (out / "portrait").string(), drawer);
  ASSERT_EQ(written.size(), 19u);
  EXPECT_EQ(portrait.Selected, selected);
  EXPECT_EQ(portrait.Hidden, hidden);

  for (const int category : {kMouths, kEyes}) {
    const std::string label = category == kMouths ? "Mouth" : "Eyes";
    AnimationRun run = AnimStart(portrait, category);
    for (int n = 0; !AnimAdvance(portrait, run); ++n) {
      SCOPED_TRACE(GetParam() + " " + label + " " + std::to_string(n));
      // Where the stepped category may draw: its images at their positions.
      portrait.ComputePositions();
      constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
      Rect drawn = portrait.CategoryBounds(category, Rect{kMax, kMax, -kMax, -kMax});
      // The paired eyes move apart sideways by their span, which the bounds leave out.
      if (category == kEyes) {
        drawn.left = 0;
        drawn.right = 320;
      }
      const std::string bmp =
          ReadAll(out / ("portrait_" + label + "_NB_" + std::to_string(n) + ".bmp"));
      ASSERT_EQ(bmp.size(), 54u + 320u * 400u * 3u);
      int inside = 0;
      for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 320; ++x) {
          const bool within =
              x >= drawn.left && x < drawn.right && y >= drawn.top && y < drawn.bottom;
          const Rgb pixel = BmpPixel(bmp, x, y);
          if (!within) {
            ASSERT_EQ(pixel, (Rgb{255, 0, 0})) << x << ", " << y;
          } else if (!(pixel == Rgb{255, 0, 0})) {
            ++inside;
          }
        }
      }
      EXPECT_GT(inside, 0);
    }
  }
  EXPECT_EQ(portrait.Selected, selected);
}

INSTANTIATE_TEST_SUITE_P(DataSets, BundledFrames, ::testing::Values("male", "female", "ape"),
                         ParamName{});

}  // namespace
}  // namespace kelvo::test
