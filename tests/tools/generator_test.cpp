// The generator's own parts: its command line, the pixel encoding of painted
// images, and the hand-over of a data set to the library's writers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <string>
#include <vector>

#include "art.h"
#include "art_util.h"
#include "dataset.h"
#include "generator.h"
#include "library/type_library.h"
#include "library_export.h"
#include "support/test_support.h"

namespace kelvo::demo {
namespace {

struct OptionRow {
  std::vector<std::string> args;
  bool ok;
  std::string dir;
  std::vector<Species> sets;
};

TEST(GeneratorOptions, ParsesTheDataDirectoryAndTheSetsToDraw) {
  const std::vector<OptionRow> rows = {
      {{"out"}, true, "out", {Species::kMale, Species::kFemale, Species::kApe}},
      {{"out", "ape"}, true, "out", {Species::kApe}},
      {{"female", "out", "male"}, true, "out", {Species::kFemale, Species::kMale}},
      {{}, false, "", {}},
      {{"ape"}, false, "", {}},
      {{"out", "--fast"}, false, "", {}},
      {{"out", "other"}, false, "", {}},
  };
  for (const OptionRow& row : rows) {
    GeneratorOptions options;
    std::string error;
    ASSERT_EQ(ParseGeneratorOptions(row.args, options, error), row.ok)
        << testing::PrintToString(row.args);
    if (!row.ok) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(options.data_dir, row.dir);
    EXPECT_EQ(options.sets, row.sets);
  }
}

TEST(Sprite8, EncodesSlotAndShadeAndCropsToWhatWasPainted) {
  struct Row {
    int slot;
    float level;
    uint8_t expected;
  };
  for (const Row& row :
       std::vector<Row>{{1, 40, 40}, {1, 0, 1}, {2, 0, 64}, {3, 63, 191}, {4, 70, 255}}) {
    Sprite8 img(Rect{-10, -10, 20, 20});
    img.PaintFlat(SdfBox(img.rect(), {2, 3}, 2, 1, 0), row.slot, row.level);
    Image8 out = img.Finish();
    EXPECT_EQ(out.x, 0);
    EXPECT_EQ(out.y, 2);
    ASSERT_EQ(out.w, 5);
    ASSERT_EQ(out.h, 3);
    // Flat shades are exact whatever the dither adds.
    for (uint8_t v : out.px) EXPECT_NEAR(v, row.expected, row.level == 40 ? 1 : 0);
  }
}

TEST(Sprite16, KeepsPaintedGreenApartFromTheTransparentKey) {
  Sprite16 img(Rect{0, 0, 4, 1});
  img.Put(1, 0, {0, 255, 0}, 1);
  img.Put(2, 0, {255, 255, 255}, 1);
  Image16 out = img.Finish(false);
  ASSERT_EQ(out.px.size(), 4u);
  EXPECT_EQ(out.px[0], kGreenKey);
  EXPECT_NE(out.px[1], kGreenKey);
  EXPECT_EQ(out.px[3], kGreenKey);
}

// A stroke's radius profile may have any number of values; they spread along it.
TEST(SdfStroke, SpreadsTheRadiusProfileAlongTheStroke) {
  struct Row {
    std::vector<Pt> pts;
    std::vector<float> profile;
    int x;
    float radius;  // expected radius at (x, 0)
  };
  const std::vector<Row> rows = {
      {{{0, 0}, {20, 0}}, {2, 6}, 10, 4},
      {{{0, 0}, {5, 0}, {10, 0}, {15, 0}, {20, 0}}, {2, 6}, 10, 4},
      {{{0, 0}, {10, 0}, {20, 0}}, {1, 3, 5, 7, 9, 11, 13}, 10, 7},
      {{{0, 0}, {20, 0}}, {5}, 20, 5},
  };
  for (const Row& row : rows) {
    Field f = SdfStroke(Rect{-20, -20, 60, 40}, row.pts, row.profile);
    EXPECT_NEAR(f.At(row.x, 0), -row.radius, 0.01f);
  }
}

TEST(Stretch, MovesRowsBelowTheJawDownAndKeepsThoseAbove) {
  Image8 img;
  img.x = 0, img.y = -4, img.w = 1, img.h = 12;
  for (int i = 0; i < 12; ++i) img.px.push_back(static_cast<uint8_t>(i + 1));
  Image8 out = Stretch(img, 0, 4, 3);
  ASSERT_EQ(out.h, 15);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(out.px[static_cast<size_t>(i)], img.px[static_cast<size_t>(i)]);
  EXPECT_EQ(out.px[14], 12);  // the last row has moved down by the full drop
}

TEST(Artwork, IsTheSameOnEveryRun) {
  FaceShape face;
  HeadImages a = DrawHead(Species::kMale, face, kJawDrop, 7);
  HeadImages b = DrawHead(Species::kMale, face, kJawDrop, 7);
  EXPECT_EQ(a.head.px, b.head.px);
  EXPECT_EQ(a.shadow.px, b.shadow.px);
  EXPECT_EQ(DrawEye(Species::kFemale, {}, EyeStep::kShut, 1).px,
            DrawEye(Species::kFemale, {}, EyeStep::kShut, 1).px);
}

TEST(Artwork, OpeningTheJawChangesOnlyTheLowerFace) {
  FaceShape face;
  HeadImages closed = DrawHead(Species::kMale, face, 0, 7);
  HeadImages open = DrawHead(Species::kMale, face, kJawDrop, 7);
  ASSERT_EQ(closed.head.x, open.head.x);
  ASSERT_EQ(closed.head.y, open.head.y);
  ASSERT_EQ(closed.head.w, open.head.w);
  // Down to well below the nose (which the mouth frames' rectangle starts under) nothing moves.
  const int rows = 30 - closed.head.y;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < closed.head.w; ++x) {
      const size_t at = static_cast<size_t>(y) * closed.head.w + x;
      ASSERT_EQ(closed.head.px[at], open.head.px[at]) << x << ", " << y + closed.head.y;
    }
  }
  EXPECT_GT(open.head.h, closed.head.h);
}

// The jaw's shadow is tinted with the skin colour: beside the neck it would show as a pale
// halo on dark skin, so it must stay over the narrowest neck of the species.
TEST(Artwork, JawShadowStaysOverTheNeck) {
  FaceShape wide;
  wide.jaw_w = 70, wide.chin_w = 34;
  for (Species sp : {Species::kMale, Species::kFemale, Species::kApe}) {
    for (const FaceShape& face : {FaceShape{}, wide}) {
      const Image8 shadow = DrawHead(sp, face, 0, 3).shadow;
      ASSERT_FALSE(shadow.px.empty());
      for (int y = 0; y < shadow.h; ++y) {
        for (int x = 0; x < shadow.w; ++x) {
          if (shadow.px[static_cast<size_t>(y) * shadow.w + x] == 0) continue;
          EXPECT_LT(std::abs(shadow.x + x), NarrowestNeck(sp))
              << x + shadow.x << ", " << y + shadow.y;
        }
      }
    }
  }
}

// Where the nose melts into the face (the rows above its tip) the pixels the dither keeps
// carry one even shade, not the dark sides of the bridge.
TEST(Artwork, NoseBridgeMeltsIntoTheFaceWithoutDarkSpecks) {
  for (Species sp : {Species::kMale, Species::kFemale, Species::kApe}) {
    for (const NoseShape& nose : {NoseShape{}, NoseShape{30, 6.5f, 12, 4, 0, 0},
                                  NoseShape{36, 7, 13, 5, 4, 0}, NoseShape{34, 9, 15, 6, 0, 3}}) {
      const Image8 img = DrawNose(sp, nose);
      const float tip = nose.tip * (sp == Species::kFemale ? 0.85f : 1.0f);
      int low = 64, high = -1;
      for (int y = 0; img.y + y < -tip - 2; ++y) {
        for (int x = 0; x < img.w; ++x) {
          const uint8_t p = img.px[static_cast<size_t>(y) * img.w + x];
          if (p == 0) continue;
          low = std::min(low, p & 63);
          high = std::max(high, p & 63);
        }
      }
      EXPECT_LE(high - low, 6) << "species " << static_cast<int>(sp) << ", length " << nose.length;
    }
  }
}

// A small data set with one component per category goes through the library's
// writers and reads back with every field in place.
TEST(LibraryExport, WritesADataSetTheLibraryReadsBack) {
  test::TestContext context;
  DataSet ds;
  ds.name = "tiny";
  for (int c = 1; c <= kCategoryCount; ++c)
    ds.categories[static_cast<size_t>(c)].image_dir = "d" + std::to_string(c);
  Category& faces = ds.categories[kFaces];
  faces.mask_second = true;
  faces.shadow = 3;
  faces.colour_slots = {kSkin, 0, 0, 0};
  faces.point_categories = {kEyes};
  Category& eyes = ds.categories[kEyes];
  eyes.with_span = true;
  eyes.usual = 2;
  ds.categories[kBackgrounds].bits = 16;
  ds.dependencies = {{kFaces, kEyes}};
  ds.draw_order = {{kBackgrounds, 1, 'N'}, {kFaces, 2, 'M'}, {kEyes, 1, 'O'}, {kEyes, 2, 'C'}};
  Component& bg = AddComponent(ds, kBackgrounds, "normalni", 5, kNeutral);
  Image16 back;
  back.w = 2, back.h = 1, back.px = {0x1234, kGreenKey};
  SetImage(bg, 1, back);
  Component& face = AddComponent(ds, kFaces, "oval", 30, {60, 40, 50, 50, 90});
  face.points[0].y = -7, face.points[0].span_x = 33;
  Image8 pixel;
  pixel.x = -1, pixel.y = 2, pixel.w = 1, pixel.h = 1, pixel.px = {70};
  SetImage(face, 1, pixel, true);
  Component jaw = FrameOf(face, "oval-cel");
  SetImage(jaw, 1, pixel);
  AddStep(ds, kFaces, "oval", 3, std::move(jaw));
  ds.colours[kSkin].name = "Skin";
  ds.colours[kSkin].entries.push_back({RgbValue(10, 20, 30), 70, 12, {55, 10, 90, 45, 50}});

  const std::string dir = context.folder.Dir() + "data/tiny";
  WriteDataSet(ds, context->Archive(), dir);
  EXPECT_FALSE(context.folder.Exists("data/tiny.new"));
  TKelvoTyp lib(context->Archive(), "tiny");
  lib.LoadAll();
  lib.LoadImages();
  EXPECT_TRUE(context.sink.shown.empty());

  ASSERT_EQ(lib.DrawOrder.size(), 4u);
  EXPECT_EQ(lib.DrawOrder[3], (DrawOrderEntry{kEyes, 2, 'C'}));
  EXPECT_EQ(lib.Container(kEyes).Parent, kFaces);
  EXPECT_TRUE(lib.Container(kEyes).WithSpan);
  EXPECT_EQ(lib.Container(kEyes).Usual, 2);
  EXPECT_TRUE(lib.Container(kFaces).MaskSecond);
  EXPECT_EQ(lib.Container(kFaces).Shadow, 3);
  EXPECT_EQ(lib.Container(kFaces).ColourSlots[1], kSkin);
  const TKelvoKomp& k = lib.Container(kFaces).Komp(1);
  EXPECT_EQ(k.Name, "oval");
  EXPECT_EQ(k.Frequency, 30);
  EXPECT_EQ(k.Properties[5], 90);
  EXPECT_EQ(k.Point(1).SpanX, 33);
  EXPECT_EQ(k.Frame(3).Name, "oval-cel");
  EXPECT_TRUE(k.Frame(3).IsFrame);
  ASSERT_NE(k.Sub(1), nullptr);
  EXPECT_TRUE(k.Sub(1)->Clip);
  EXPECT_EQ(k.Sub(1)->X, -1);
  EXPECT_EQ(k.Sub(1)->Pixels, std::vector<uint8_t>{70});
  const TKelvoSubKomp* b = lib.Container(kBackgrounds).Komp(1).Sub(1);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Pixel16(0, 0), 0x1234);
  EXPECT_EQ(b->Pixel16(1, 0), kGreenKey);
  const auto& skin = lib.ColourType(kSkin).Entry(1);
  EXPECT_EQ(skin.Colour(), static_cast<int32_t>(RgbValue(10, 20, 30)));
  EXPECT_EQ(skin.Property(3), 90);
  EXPECT_EQ(lib.ColourType(kSkin).Selected, 1);
}

}  // namespace
}  // namespace kelvo::demo
