// The bundled data sets as the build drew them into the program directory: they
// load cleanly, use every feature of the library format and the renderer, and
// random portraits of them cover the canvas and follow the nation presets.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "library/type_library.h"
#include "portrait/portrait.h"
#include "support/param_names.h"
#include "support/test_support.h"

namespace kelvo {
namespace {

constexpr int kBackgrounds = 1, kFaces = 3, kCheeks = 4, kEyes = 5, kMouths = 7, kEyebrows = 9,
              kHair = 10, kBeards = 11, kClothing = 12, kGlasses = 13, kForeground = 14;

class DemoDataTest : public ::testing::TestWithParam<std::string> {
 protected:
  DemoDataTest() : context(std::string(KELVO_PROGRAM_DIR) + "/kelvoed/data_big") {}

  void SetUp() override {
    library = std::make_unique<TKelvoTyp>(context->Archive(), GetParam());
    library->LoadAll();
    library->LoadImages();
  }

  const TKelvoKompKontejner& Box(int c) const { return library->Container(c); }
  std::vector<const TKelvoKomp*> Ordinary(int c) const {
    std::vector<const TKelvoKomp*> out;
    for (const auto& k : Box(c).Components) {
      if (!k->IsFrame) out.push_back(k.get());
    }
    return out;
  }
  // A random portrait of the program's sequence, as "Random all" or a nation command makes it.
  void Randomise(TKelvoPortret& p, int nation) {
    if (nation < 0) {
      p.RandomComponents(context->Random());
      p.RandomColours(context->Random());
      return;
    }
    p.ApplyNationPreset(static_cast<Nation>(nation));
    for (int c = 1; c <= 14; ++c) {
      p.Selected[c] =
          &library->Container(c).Komp(p.RandomComponentIndexByProperties(c, context->Random()));
    }
    p.RandomColoursByProperties(context->Random());
  }

  test::TestContext context;
  std::unique_ptr<TKelvoTyp> library;
};

TEST_P(DemoDataTest, LoadsWithoutAnyWarningAndFillsEveryCategory) {
  EXPECT_TRUE(context.sink.shown.empty()) << context.sink.Texts().front();
  for (int c = 1; c <= 14; ++c) {
    EXPECT_FALSE(Ordinary(c).empty()) << "category " << c;
    for (const TKelvoKomp* k : Ordinary(c)) EXPECT_NE(k->Name, kPlaceholderName);
  }
  for (int c : {kFaces, kEyes, 6, kMouths, kEyebrows, kHair, kClothing}) {
    EXPECT_GE(Ordinary(c).size(), 6u) << "category " << c;
  }
  if (GetParam() != "female") {
    EXPECT_GE(Ordinary(kBeards).size(), 7u);  // six beards and none
  }
  EXPECT_GE(Ordinary(kBackgrounds).size(), 3u);
  EXPECT_GT(Box(kBackgrounds).FindByName("normalni"), 0);
  EXPECT_GT(Box(kClothing).FindByName("USsol1"), 0);
  // Glasses, foreground and beards can be left out: a component without images.
  for (int c : {kGlasses, kForeground, kBeards}) {
    const auto none = Ordinary(c);
    EXPECT_TRUE(std::any_of(none.begin(), none.end(),
                            [](const TKelvoKomp* k) { return !k->Sub(1) && !k->Sub(2); }))
        << "category " << c;
  }
}

TEST_P(DemoDataTest, UsesEveryDrawKindAndContainerSetting) {
  std::set<char> kinds;
  bool cond_clipped = false, cond_plain = false;
  for (const DrawOrderEntry& e : library->DrawOrder) {
    kinds.insert(e.Kind);
    if (e.Kind != 'C') continue;
    for (const TKelvoKomp* k : Ordinary(e.Category)) {
      if (const TKelvoSubKomp* s = k->Sub(e.Subcomponent))
        (s->Clip ? cond_clipped : cond_plain) = true;
    }
  }
  EXPECT_EQ(kinds, (std::set<char>{'C', 'M', 'N', 'O'}));
  EXPECT_TRUE(cond_clipped);
  EXPECT_TRUE(cond_plain);
  bool inverted = false, shadow = false, span = false, usual2 = false, colour_mask = false;
  for (int c = 1; c <= 14; ++c) {
    const TKelvoKompKontejner& box = Box(c);
    inverted |= box.InvertMask && box.MaskSecond;
    shadow |= box.Shadow > 0;
    span |= box.WithSpan;
    usual2 |= box.Usual == 2;
    colour_mask |= box.ColourMask;
  }
  EXPECT_TRUE(inverted && shadow && span && usual2 && colour_mask);
  // The paired eyes are pushed apart by the span of the face point they sit on.
  EXPECT_TRUE(Box(kEyes).WithSpan);
  for (const TKelvoKomp* face : Ordinary(kFaces)) {
    EXPECT_GT(face->Point(Box(kFaces).PointOf[kEyes]).SpanX, 20) << face->Name;
  }
  // Backgrounds are 16-bit; some of their overlays are transparent where green.
  EXPECT_EQ(Box(kBackgrounds).Bits, 16);
  bool keyed = false;
  for (const TKelvoKomp* k : Ordinary(kBackgrounds)) {
    const TKelvoSubKomp* back = k->Sub(1);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Width, 320);
    EXPECT_EQ(back->Height, 400);
    if (const TKelvoSubKomp* over = k->Sub(2)) {
      for (int y = 0; y < over->Height && !keyed; ++y) {
        for (int x = 0; x < over->Width; ++x) keyed |= over->Pixel16(x, y) == 0x07E0;
      }
    }
  }
  EXPECT_TRUE(keyed);
}

TEST_P(DemoDataTest, PlacesEveryCategoryOnAPointOfALowerNumberedOne) {
  for (int c = 2; c <= 14; ++c) {
    const int parent = Box(c).Parent;
    ASSERT_GT(parent, 0) << "category " << c;
    EXPECT_LT(parent, c);
    const int point = Box(parent).PointOf[c];
    EXPECT_GT(point, 0) << "category " << c;
    for (const auto& k : Box(parent).Components)
      EXPECT_EQ(k->PointCount(), Box(parent).PointCount());
  }
}

TEST_P(DemoDataTest, EightBitImagesUseOnlyTheSlotsTheirCategoryColours) {
  for (int c = 1; c <= 14; ++c) {
    const TKelvoKompKontejner& box = Box(c);
    if (box.Bits != 8) continue;
    for (const auto& k : box.Components) {
      for (int s = 1; s <= 4; ++s) {
        const TKelvoSubKomp* sub = k->Sub(s);
        if (!sub || (box.MaskSecond && s == 2)) continue;
        ASSERT_EQ(sub->Bits, 8);
        ASSERT_TRUE(sub->HasPixels()) << k->Name;
        for (uint8_t v : sub->Pixels) {
          if (v == 0) continue;
          EXPECT_NE(box.ColourSlots[v / 64 + 1], 0)
              << k->Name << " subcomponent " << s << " value " << int(v);
          if (box.ColourSlots[v / 64 + 1] == 0) return;
        }
      }
    }
  }
}

TEST_P(DemoDataTest, AnimationStepsAreMarkedFramesOfTheirOwnersShape) {
  std::map<int, int> steps = {{kFaces, 3}, {kCheeks, 3}, {kEyes, 4}, {kMouths, 4}, {kEyebrows, 2}};
  for (const auto& [c, count] : steps) {
    for (const TKelvoKomp* k : Ordinary(c)) {
      const int first = c == kFaces || c == kCheeks ? 3 : 1;
      for (int n = first; n <= count; ++n) {
        const TKelvoKomp& step = k->Frame(n);
        EXPECT_NE(&step, k) << k->Name << " step " << n;
        EXPECT_TRUE(step.IsFrame) << step.Name;
        EXPECT_EQ(step.Points, k->Points) << step.Name;
      }
    }
  }
  for (const TKelvoKomp* k : Ordinary(kBeards)) {
    if (k->Sub(1)) {
      EXPECT_TRUE(k->Frame(4).IsFrame) << k->Name;
    }
  }
  // Every frame belongs to some component.
  for (int c = 1; c <= 14; ++c) {
    for (const auto& k : Box(c).Components) {
      if (!k->IsFrame) continue;
      bool owned = false;
      for (const auto& o : Box(c).Components) {
        for (int n = 1; n <= 4; ++n) owned |= o->Frames[static_cast<size_t>(n)] == k.get();
      }
      EXPECT_TRUE(owned) << k->Name;
    }
  }
}

TEST_P(DemoDataTest, HairHasHeadNumbersAndColourTypesAreNamedAndWeighted) {
  for (const TKelvoKomp* k : Ordinary(kHair)) {
    EXPECT_GT(k->Kind, 0) << k->Name;
    EXPECT_FALSE(k->Signature.empty()) << k->Name;
  }
  for (int t = 1; t <= 11; ++t) {
    const TDruhBarvy& type = library->ColourType(t);
    EXPECT_FALSE(type.Name.empty()) << t;
    ASSERT_GE(type.EntryCount(), 2) << t;
    for (const ColourEntry& e : type.Entries) EXPECT_GT(e.Frequency(), 0) << t;
  }
}

// Renders twice over two different fillings: a pixel nobody paints keeps the filling.
TEST_P(DemoDataTest, RandomAndNationPortraitsPaintTheWholeCanvas) {
  TKelvoPortret p(*library);
  for (int i = 0; i < 200; ++i) {
    Randomise(p, i < 100 ? -1 : i % 3);
    p.ComputePositions();
    std::vector<uint16_t> first;
    for (uint16_t filling : {uint16_t{0x0000}, uint16_t{0xFFFF}}) {
      p.RenderLayer = create_layer(kCanvasWidth, kCanvasHeight);
      std::fill(p.RenderLayer->pixels.begin(), p.RenderLayer->pixels.end(), filling);
      p.PripravPortret(false);
      if (first.empty()) {
        first = p.RenderLayer->pixels;
        continue;
      }
      for (int y = 0; y < kCanvasHeight; ++y) {
        for (int x = 0; x < kCanvasWidth; ++x) {
          const size_t at = static_cast<size_t>(y) * p.RenderLayer->WordsPerRow() + x;
          ASSERT_FALSE(first[at] == 0x0000 && p.RenderLayer->pixels[at] == 0xFFFF)
              << "portrait " << i << " leaves (" << x << ", " << y << ") unpainted";
        }
      }
    }
  }
}

TEST_P(DemoDataTest, EveryOrdinaryComponentIsChosenInALongRandomRun) {
  TKelvoPortret p(*library);
  std::set<const TKelvoKomp*> chosen;
  for (int i = 0; i < 4000; ++i) {
    p.RandomComponents(context->Random());
    for (int c = 1; c <= 14; ++c) chosen.insert(p.Selected[c]);
  }
  for (int c = 1; c <= 14; ++c) {
    for (const TKelvoKomp* k : Ordinary(c)) EXPECT_TRUE(chosen.count(k)) << k->Name;
  }
}

TEST_P(DemoDataTest, NationPresetsFavourTheirOwnUniformsAndColours) {
  TKelvoPortret p(*library);
  const char* uniforms[] = {"USsol1", "ARsol1", "RUsol1"};
  std::map<int, double> skin_light;
  for (int nation = 0; nation < 3; ++nation) {
    std::map<std::string, int> worn;
    double light = 0;
    for (int i = 0; i < 300; ++i) {
      Randomise(p, nation);
      ++worn[p.Selected[kClothing]->Name];
      const int32_t skin = p.ColourSlots[kFaces][1].Colour();
      light += (skin & 0xFF) + ((skin >> 8) & 0xFF) + ((skin >> 16) & 0xFF);
    }
    skin_light[nation] = light / 300;
    const std::string own = uniforms[nation];
    for (const auto& [name, count] : worn) {
      if (name != own) {
        EXPECT_GT(worn[own], count) << own << " against " << name;
      }
    }
  }
  if (GetParam() != "ape") {
    // Russian portraits are fairer than Arabian ones.
    EXPECT_GT(skin_light[2], skin_light[1] + 60);
  }
}

INSTANTIATE_TEST_SUITE_P(BundledSets, DemoDataTest, ::testing::Values("male", "female", "ape"),
                         test::ParamName{});

}  // namespace
}  // namespace kelvo
