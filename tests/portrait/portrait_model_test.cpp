#include <gtest/gtest.h>

#include "foundation/errors.h"
#include "portrait_fixture.h"

namespace kelvo::test {
namespace {

using PortraitModel = PortraitFixture;

TEST_F(PortraitModel, NewPortraitDefaults) {
  TKelvoPortret portrait(*library);
  EXPECT_EQ((OneBased<int32_t, kPropertyCount>{50, 50, 50, 50, 50}), portrait.PropertyWeights);
  EXPECT_EQ("", portrait.Name);
  EXPECT_EQ(0, portrait.Voice);
  EXPECT_EQ(0x808080, portrait.ExtraColour.Colour());
  EXPECT_EQ(85, portrait.ExtraColour.Contrast());
  EXPECT_EQ(0, portrait.ExtraColour.Frequency());
  EXPECT_TRUE(portrait.OwnLibrary);
  EXPECT_EQ("lib", portrait.LibraryName);
  EXPECT_TRUE(portrait.ClipMask.empty());  // made by the first render
  EXPECT_EQ(nullptr, portrait.RenderLayer);
  EXPECT_EQ(nullptr, portrait.Selected[3]);
}

TEST_F(PortraitModel, PositionsFollowSnappingPointsAndShifts) {
  AddPoint(kBackgrounds, kFaces, 10, 20);
  AddPoint(kFaces, kEyes, 5, 6);
  auto portrait = MakePortrait();
  portrait->Shift[kFaces] = {3, -4};
  portrait->Shift[kBackgrounds] = {50, 50};  // nothing sits the background on a point
  portrait->Shift[kEyes] = {1, 1};
  portrait->ComputePositions();
  EXPECT_EQ((Point{0, 0}), portrait->Position[kBackgrounds]);
  EXPECT_EQ((Point{13, 16}), portrait->Position[kFaces]);
  EXPECT_EQ((Point{19, 23}), portrait->Position[kEyes]);
  EXPECT_EQ((Point{0, 0}), portrait->Position[kNoses]);
}

TEST_F(PortraitModel, SpreadOffsetsOnlyWithSpread) {
  SnapPoint& point = AddPoint(kBackgrounds, kFaces, 10, 20);
  point.SpreadOffsetX = 4;
  point.SpreadOffsetY = -2;
  auto portrait = MakePortrait();
  portrait->ComputePositions();
  EXPECT_EQ((Point{10, 20}), portrait->Position[kFaces]);
  portrait->ComputePositionsWithSpread();
  EXPECT_EQ((Point{14, 18}), portrait->Position[kFaces]);
  portrait->Selected[kGlasses] = nullptr;
  EXPECT_NO_THROW(portrait->ComputePositionsWithSpread());
  try {
    portrait->ComputePositions();
    FAIL();
  } catch (const KelvoError& e) {
    EXPECT_STREQ("AktKomp Empty", e.what());
  }
}

TEST_F(PortraitModel, PairedCategoryIsPushedApartBySpanAndDefaultSpan) {
  SnapPoint& point = AddPoint(kFaces, kEyes, 30, 40);
  point.SpanX = 7;
  point.SpanY = 1;
  Container(kEyes).WithSpan = true;
  library->AddDependency(kFaces, kEyes);
  Image8(kEyes, 1, 2, 3, 1, 1, {1});
  Image8(kEyes, 2, 2, 3, 1, 1, {1});
  Image8(kEyes, 3, 2, 3, 1, 1, {1});
  auto portrait = MakePortrait();
  portrait->Span[kEyes] = {5, 0};
  portrait->ComputePositions();
  EXPECT_EQ((Point{32 - 12, 43 - 1}), portrait->PripravParametry(kEyes, 1));
  EXPECT_EQ((Point{32 + 12, 43 + 1}), portrait->PripravParametry(kEyes, 2));
  EXPECT_EQ((Point{32, 43}), portrait->PripravParametry(kEyes, 3));
  EXPECT_EQ(std::nullopt, portrait->PripravParametry(kEyes, 4));
  EXPECT_EQ(std::nullopt, portrait->PripravParametry(kEyes, 0));
  // The span does not count in the category's bounds.
  EXPECT_EQ((Rect{32, 43, 33, 44}), portrait->CategoryBounds(kEyes, {1000, 1000, -1000, -1000}));
}

TEST_F(PortraitModel, PairedCategoryWithoutParentPoint) {
  Container(kEyes).WithSpan = true;
  library->AddDependency(kFaces, kEyes);
  Image8(kEyes, 1, 0, 0, 1, 1, {1});
  auto portrait = MakePortrait();
  try {
    portrait->PripravParametry(kEyes, 1);
    FAIL();
  } catch (const KelvoError& e) {
    EXPECT_STREQ("TKelvoPortret.PripravParametry: index=0", e.what());
  }
}

TEST_F(PortraitModel, CategoryBoundsGrowOverEveryImage) {
  Image8(kMouths, 1, -5, 2, 10, 4, std::vector<uint8_t>(40, 1));
  Image8(kMouths, 3, 8, -1, 2, 2, std::vector<uint8_t>(4, 1));
  auto portrait = MakePortrait();
  portrait->Position[kMouths] = {100, 200};
  EXPECT_EQ((Rect{95, 199, 110, 206}), portrait->CategoryBounds(kMouths, {100, 200, 101, 201}));
  EXPECT_EQ((Rect{0, 0, 500, 500}), portrait->CategoryBounds(kMouths, {0, 0, 500, 500}));
}

TEST_F(PortraitModel, SignatureOfHairAndBeard) {
  Komp(kHair).Kind = 3;
  Komp(kHair).Signature = "ab";
  Komp(kBeards).Signature = "cd";
  auto portrait = MakePortrait();
  portrait->ComputePositions();
  EXPECT_EQ("3 abcd", portrait->Signature);
}

TEST_F(PortraitModel, ColourSlotsTakeTheSelectedEntryOrTheDefault) {
  AddColour(2, 0x111111, 10);
  AddColour(2, 0x222222, 20);
  library->ColourType(2).Selected = 2;
  AddColour(5, 0x555555, 50);  // selected stays 0
  AddColour(7, 0x777777, 70);
  library->ColourType(7).Selected = 9;  // beyond its entries, as a file may say
  Container(kFaces).ColourSlots = {2, 0, 5, 7};
  auto portrait = MakePortrait();
  portrait->ApplyColours();
  EXPECT_EQ(library->ColourType(2).Entry(2), portrait->ColourSlots[kFaces][1]);
  EXPECT_EQ(library->DefaultColour, portrait->ColourSlots[kFaces][2]);
  EXPECT_EQ(library->DefaultColour, portrait->ColourSlots[kFaces][3]);
  EXPECT_EQ(library->DefaultColour, portrait->ColourSlots[kFaces][4]);
  EXPECT_EQ(library->DefaultColour, portrait->ColourSlots[kEyes][1]);
}

TEST_F(PortraitModel, ExtraColourOnlyForClothingSlotsOfType10) {
  AddColour(10, 0x0000AA, 30);
  library->ColourType(10).Selected = 1;
  Container(kClothing).ColourSlots = {10, 0, 0, 0};
  Container(kFaces).ColourSlots = {10, 0, 0, 0};
  auto portrait = MakePortrait();
  portrait->ExtraColour.Colour() = 0x00FF00;
  portrait->ColourSlots[kFaces][1].Colour() = 0x123456;
  portrait->ApplyColoursWithExtra();
  EXPECT_EQ(portrait->ExtraColour, portrait->ColourSlots[kClothing][1]);
  EXPECT_EQ(0x123456, portrait->ColourSlots[kFaces][1].Colour());
  EXPECT_EQ(library->DefaultColour, portrait->ColourSlots[kClothing][2]);
  portrait->ApplyColours();
  EXPECT_EQ(0x0000AA, portrait->ColourSlots[kClothing][1].Colour());
}

TEST_F(PortraitModel, CloneCopiesThePortraitButNotTheEditorState) {
  Komp(kHair).Kind = 2;
  auto portrait = MakePortrait();
  portrait->Shift[kFaces] = {1, 2};
  portrait->Span[kEyes] = {3, 4};
  portrait->Position[kNoses] = {5, 6};
  portrait->ColourSlots[kFaces][3].Colour() = 0xABCDEF;
  portrait->Name = "Kelly";
  portrait->Voice = 4;
  portrait->OwnLibrary = false;
  portrait->ExtraColour.Colour() = 7;
  portrait->Hidden[kFaces] = true;
  portrait->ColourTypeLocked[3] = true;
  portrait->PropertyWeights[1] = 100;
  portrait->ClipRect = {1, 2, 3, 4};
  auto copy = portrait->Clone();
  EXPECT_EQ(portrait->Selected, copy->Selected);
  EXPECT_EQ(portrait->Shift, copy->Shift);
  EXPECT_EQ(portrait->Span, copy->Span);
  EXPECT_EQ(portrait->Position, copy->Position);
  EXPECT_EQ(portrait->ColourSlots, copy->ColourSlots);
  EXPECT_EQ("Kelly", copy->Name);
  EXPECT_EQ(4, copy->Voice);
  EXPECT_FALSE(copy->OwnLibrary);
  EXPECT_EQ(7, copy->ExtraColour.Colour());
  EXPECT_EQ("2 ", copy->Signature);
  EXPECT_FALSE(copy->Hidden[kFaces]);
  EXPECT_FALSE(copy->ColourTypeLocked[3]);
  EXPECT_EQ(50, copy->PropertyWeights[1]);
  EXPECT_EQ((Rect{}), copy->ClipRect);
}

TEST_F(PortraitModel, HugeOffsetsWrapInsteadOfOverflowing) {
  AddPoint(kBackgrounds, kFaces, 2147483647, -2147483647 - 1);
  auto portrait = MakePortrait();
  portrait->Shift[kFaces] = {1, -1};
  portrait->ComputePositions();
  EXPECT_EQ((Point{-2147483647 - 1, 2147483647}), portrait->Position[kFaces]);
}

}  // namespace
}  // namespace kelvo::test
