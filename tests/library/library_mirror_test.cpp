#include "library/library_mirror.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "library/component.h"
#include "library/container.h"
#include "library/type_library.h"
#include "support/bundled_library.h"
#include "support/param_names.h"
#include "support/test_support.h"

namespace kelvo::test {
namespace {

struct PointRow {
  int32_t category;
  int32_t x;
  int32_t mirrored;
};

class MirrorPoint : public ::testing::TestWithParam<PointRow> {};

TEST_P(MirrorPoint, TurnsXAndKeepsTheRest) {
  SnapPoint point;
  point.X = GetParam().x;
  point.Y = 17;
  point.SpreadLeft = 3;
  MirrorSnapPoint(point, GetParam().category);
  EXPECT_EQ(point.X, GetParam().mirrored);
  EXPECT_EQ(point.Y, 17);
  EXPECT_EQ(point.SpreadLeft, 3);
}

// Backgrounds turn about the canvas middle, every other category about the component.
INSTANTIATE_TEST_SUITE_P(Rows, MirrorPoint,
                         ::testing::Values(PointRow{1, 100, 220}, PointRow{1, 160, 160},
                                           PointRow{1, -5, 325}, PointRow{3, 12, -12},
                                           PointRow{10, -7, 7}, PointRow{14, 0, 0}),
                         [](const ::testing::TestParamInfo<PointRow>& info) {
                           return CamelName("category " + std::to_string(info.param.category) +
                                            " x " + std::to_string(info.param.x));
                         });

TKelvoSubKomp Sub(uint8_t bits, int16_t w, int16_t h, std::vector<uint8_t> pixels) {
  TKelvoSubKomp sub;
  sub.Bits = bits;
  sub.Width = w;
  sub.Height = h;
  sub.X = 5;
  sub.Y = 9;
  sub.Pixels = std::move(pixels);
  return sub;
}

TEST(MirrorSubcomponent, EightBitRowsReverseAndTheOffsetTurnsAboutTheWidth) {
  TKelvoSubKomp sub = Sub(8, 4, 2, {1, 2, 3, 4, 5, 6, 7, 8});
  MirrorSubcomponent(sub);
  EXPECT_EQ(sub.Pixels, (std::vector<uint8_t>{4, 3, 2, 1, 8, 7, 6, 5}));
  EXPECT_EQ(sub.X, -9);
  EXPECT_EQ(sub.Y, 9);

  TKelvoSubKomp wide = Sub(8, 40, 0, {});
  MirrorSubcomponent(wide);
  EXPECT_EQ(wide.X, -45);
}

// The spin boxes accept every int: at the ends of the range mirroring twice still gives the
// coordinate back (Undo mirrors again), without an overflow.
TEST(MirrorSubcomponent, CoordinatesAtTheEndsOfIntMirrorBackExactly) {
  const int32_t min = std::numeric_limits<int32_t>::min();
  const int32_t max = std::numeric_limits<int32_t>::max();
  for (const int32_t x : {min, min + 97, max, max - 5}) {
    for (const int32_t category : {1, 3}) {
      SnapPoint point;
      point.X = x;
      MirrorSnapPoint(point, category);
      MirrorSnapPoint(point, category);
      EXPECT_EQ(point.X, x) << category;
    }
    TKelvoSubKomp sub = Sub(8, 194, 1, std::vector<uint8_t>(194, 1));
    sub.X = x;
    MirrorSubcomponent(sub);
    MirrorSubcomponent(sub);
    EXPECT_EQ(sub.X, x);
  }
}

TEST(MirrorSubcomponent, SixteenBitImagesStayAsTheyAre) {
  TKelvoSubKomp sub = Sub(16, 2, 1, {1, 2, 3, 4});
  const TKelvoSubKomp before = sub;
  MirrorSubcomponent(sub);
  EXPECT_EQ(sub, before);
  EXPECT_EQ(sub.X, 5);
}

TEST(MirrorSubcomponent, AShortPixelBufferIsNotReadPastItsEnd) {
  TKelvoSubKomp sub = Sub(8, 3, 2, {1, 2, 3, 4});  // one whole row of three and a stray byte
  MirrorSubcomponent(sub);
  EXPECT_EQ(sub.Pixels, (std::vector<uint8_t>{3, 2, 1, 4}));
}

TEST(MirrorLibrary, AnImageThatCannotBeLoadedLeavesEverythingUnmirrored) {
  TestContext context;
  const std::filesystem::path lib = context.folder.Path() / "data" / "lib";
  WriteText(lib / "dro",
            "DRAWORDER\r\n  NORM POZADI 1\r\n  NORM OBLICEJE 1\r\nEND_OF_DRAWORDER\r\n");
  WriteText(lib / "dep", "DEPENDENCIES\r\n  POZADI OBLICEJE\r\nEND_OF_DEPENDENCIES\r\n");
  WriteText(lib / "cmp",
            "COMPONENTS\r\nTYP POZADI\r\n  PATH poz\r\n  BODY 1 OBLICEJE\r\n  COMP bg\r\n"
            "    PICFILE 1 bg.img\r\n    REF 1 3 0\r\n    BODY 1\r\n      100 0 0 0 0 0 0 0 0 0\r\n"
            "  END_OF_COMP\r\nEND_OF_TYP\r\nTYP OBLICEJE\r\n  PATH obl\r\n  COMP f\r\n"
            "    PICFILE 1 missing.img\r\n  END_OF_COMP\r\nEND_OF_TYP\r\nEND_OF_COMPONENTS\r\n");
  WriteText(lib / "col", "COLORS\r\nEND_OF_COLORS\r\n");
  WriteImage(lib / "poz" / "bg.img", 8, 2, 1, 7);
  TKelvoTyp library(context->Archive(), "lib");
  library.LoadAll();

  EXPECT_THROW(MirrorLibrary(library), KelvoError);
  const TKelvoKomp& bg = library.Container(1).Komp(1);
  EXPECT_EQ(bg.Point(1).X, 100);
  EXPECT_EQ(bg.Sub(1)->X, 3);
}

using BundledMirror = BundledLibraryTest;

// The files of the twice mirrored library are compared with a resave by the tool's test.
TEST_P(BundledMirror, TwiceGivesTheLibraryBackAndOnceChangesIt) {
  TKelvoTyp loaded(context->Archive(), GetParam());
  loaded.LoadAll();
  loaded.LoadImages();
  ASSERT_TRUE(library->SameContent(loaded));
  MirrorLibrary(*library);
  EXPECT_FALSE(library->SameContent(loaded));
  MirrorLibrary(*library);
  EXPECT_TRUE(library->SameContent(loaded));
}

INSTANTIATE_TEST_SUITE_P(DataSets, BundledMirror, ::testing::Values("male", "female", "ape"),
                         ParamName{});

}  // namespace
}  // namespace kelvo::test
