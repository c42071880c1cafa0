#include <gtest/gtest.h>

#include <map>

#include "foundation/random_generators.h"
#include "portrait_fixture.h"

namespace kelvo::test {
namespace {

TEST(RandomGenerators, PortraitSequenceStartsAtZeroAndMovesTheCommonGenerator) {
  RandomGenerators random;
  random.SetCommonSeed(777);
  EXPECT_EQ(0u, random.PortraitBelow(100));
  EXPECT_EQ(1u, random.CommonSeed());
  EXPECT_EQ(3u, random.PortraitBelow(100));  // seed 134775814
  EXPECT_EQ(134775814u, random.PortraitSeed());
  EXPECT_EQ(134775814u, random.CommonSeed());
  random.CommonBelow(10);  // the common generator's own draws leave the sequence alone
  EXPECT_EQ(134775814u, random.PortraitSeed());
  EXPECT_EQ(0u, random.PortraitBelow(0));
  for (int i = 0; i < 1000; ++i) EXPECT_LT(random.PortraitBelow(7), 7u);
}

class RandomChoice : public PortraitFixture {
 protected:
  TKelvoKomp& Add(int c, const std::string& name, int frequency, bool frame = false) {
    TKelvoKomp& komp = Container(c).NewComponent(name);
    komp.Frequency = frequency;
    komp.IsFrame = frame;
    return komp;
  }
  RandomGenerators random;
};

TEST_F(RandomChoice, FirstDrawPicksTheFirstEligibleComponentWithAFrequency) {
  Add(kFaces, "frame", 50, true);  // component 2
  Add(kFaces, "zero", 0);          // 3
  Add(kFaces, "first", 10);        // 4
  Add(kFaces, "second", 10);       // 5
  auto portrait = MakePortrait();
  EXPECT_EQ(4, portrait->RandomComponentIndex(kFaces, random));
}

TEST_F(RandomChoice, FrequencyZeroAndFramesAreNeverChosen) {
  Add(kFaces, "frame", 50, true);
  Add(kFaces, "a", 1);
  Add(kFaces, "zero", 0);
  Add(kFaces, "b", 3);
  Komp(kFaces).Frequency = -5;  // a negative frequency counts as none
  auto portrait = MakePortrait();
  std::map<int, int> counts;
  for (int i = 0; i < 4000; ++i) ++counts[portrait->RandomComponentIndex(kFaces, random)];
  EXPECT_EQ((std::vector<int>{3, 5}),
            (std::vector<int>{counts.begin()->first, counts.rbegin()->first}));
  EXPECT_EQ(2u, counts.size());
  EXPECT_NEAR(3.0, double(counts[5]) / counts[3], 0.4);
}

TEST_F(RandomChoice, AllFramesGiveComponentOne) {
  Komp(kEyes).IsFrame = true;
  Add(kEyes, "f2", 10, true);
  auto portrait = MakePortrait();
  EXPECT_EQ(1, portrait->RandomComponentIndex(kEyes, random));
  EXPECT_EQ(1, portrait->RandomComponentIndexByProperties(kEyes, random));
}

TEST_F(RandomChoice, NoFrequencyCountsAllComponentsFromTheFirst) {
  Add(kNoses, "b", 0);
  Add(kNoses, "c", 0);
  auto portrait = MakePortrait();
  std::map<int, int> counts;
  for (int i = 0; i < 300; ++i) ++counts[portrait->RandomComponentIndex(kNoses, random)];
  EXPECT_EQ(3u, counts.size());
}

TEST_F(RandomChoice, RandomComponentsSelectInEveryCategory) {
  TKelvoKomp& face = Add(kFaces, "face", 10);
  auto portrait = MakePortrait();
  for (auto& s : portrait->Selected) s = nullptr;
  portrait->RandomComponents(random);
  EXPECT_EQ(&face, portrait->Selected[kFaces]);
  for (int c = 1; c <= kCategoryCount; ++c) EXPECT_NE(nullptr, portrait->Selected[c]);
  portrait->RandomComponent(0, random);  // ignored
  portrait->RandomComponent(15, random);
}

TEST_F(RandomChoice, NationPresetExcludesComponentsWithoutTheProperty) {
  Add(kHair, "us", 10).Properties[1] = 0;
  Add(kHair, "weak", 10).Properties[4] = 0;  // Strength 0 never fits while weight 4 is 50
  TKelvoKomp& ok = Add(kHair, "ok", 1);
  ok.Properties[1] = 80;
  auto portrait = MakePortrait();
  for (Nation nation : {Nation::kAmerican, Nation::kArabian, Nation::kRussian}) {
    portrait->ApplyNationPreset(nation);
    std::map<int, int> counts;
    for (int i = 0; i < 500; ++i)
      ++counts[portrait->RandomComponentIndexByProperties(kHair, random)];
    EXPECT_EQ(0, counts[1]);
    EXPECT_EQ(0, counts[3]);
    if (nation == Nation::kAmerican) {
      EXPECT_EQ(0, counts[2]);
      EXPECT_EQ(500, counts[4]);
    }
  }
  portrait->ApplyNationPreset(Nation::kArabian);
  EXPECT_EQ((OneBased<int32_t, kPropertyCount>{0, 100, 0, 50, 50}), portrait->PropertyWeights);
}

TEST_F(RandomChoice, ZeroWeightsFollowTheFrequencies) {
  Add(kMouths, "a", 1).Properties = {0, 0, 0, 0, 0};
  Add(kMouths, "b", 3).Properties = {100, 100, 100, 100, 100};
  auto portrait = MakePortrait();
  portrait->PropertyWeights = {0, 0, 0, 0, 0};
  std::map<int, int> counts;
  for (int i = 0; i < 4000; ++i)
    ++counts[portrait->RandomComponentIndexByProperties(kMouths, random)];
  EXPECT_EQ(2u, counts.size());
  EXPECT_NEAR(3.0, double(counts[3]) / counts[2], 0.4);
}

TEST_F(RandomChoice, RoundingShortfallEndsOnTheLastWeightedComponent) {
  Add(kEars, "a", 1);
  Add(kEars, "b", 1);
  Add(kEars, "c", 1);  // shares of 333333 leave 1000000 uncovered
  Add(kEars, "zero", 0);
  auto portrait = MakePortrait();
  random.SetPortraitSeed(1298181734);  // the next draw below 1000000 is 999999
  EXPECT_EQ(4, portrait->RandomComponentIndexByProperties(kEars, random));
  for (int i = 0; i < 5; ++i) {
    AddColour(3, 0x10 * i, 0, i < 3 ? 1 : 0);
  }
  random.SetPortraitSeed(1298181734);
  portrait->RandomColourEntryByProperties(3, random);
  EXPECT_EQ(3, library->ColourType(3).Selected);
}

TEST_F(RandomChoice, ColourEntriesByFrequencyAndLocks) {
  AddColour(2, 0x000001, 0, 0);
  AddColour(2, 0x000002, 0, 5);
  AddColour(4, 0x000004, 0, 0);  // all frequencies 0: the selection stays
  library->ColourType(4).Selected = 1;
  AddColour(6, 0x000006, 0, 5);
  library->ColourType(6).Selected = 0;
  Container(kFaces).ColourSlots = {2, 4, 6, 0};
  auto portrait = MakePortrait();
  portrait->ColourTypeLocked[6] = true;
  portrait->RandomColours(random);
  EXPECT_EQ(2, library->ColourType(2).Selected);
  EXPECT_EQ(1, library->ColourType(4).Selected);
  EXPECT_EQ(0, library->ColourType(6).Selected);
  EXPECT_EQ(0x000002, portrait->ColourSlots[kFaces][1].Colour());
  EXPECT_EQ(library->DefaultColour, portrait->ColourSlots[kFaces][3]);  // locked, none selected
}

TEST_F(RandomChoice, ColourEntriesByPropertiesWithoutWeightDrawAnyEntry) {
  AddColour(5, 1, 0, 0);
  AddColour(5, 2, 0, 0);
  auto portrait = MakePortrait();
  std::map<int, int> counts;
  for (int i = 0; i < 200; ++i) {
    portrait->RandomColourEntryByProperties(5, random);
    ++counts[library->ColourType(5).Selected];
  }
  EXPECT_EQ(2u, counts.size());
  portrait->RandomColourEntryByProperties(7, random);  // no entries: nothing to read past
  portrait->RandomColoursByProperties(random);
}

TEST_F(RandomChoice, TheSameSequenceInEveryRun) {
  for (int i = 0; i < 6; ++i) Add(kFaces, "f" + std::to_string(i), i + 1);
  for (int i = 0; i < 6; ++i) AddColour(1, i, 0, 10 - i);
  auto run = [&] {
    RandomGenerators fresh;
    auto portrait = MakePortrait();
    std::vector<int> picks;
    for (int i = 0; i < 20; ++i) {
      portrait->RandomComponents(fresh);
      portrait->RandomColours(fresh);
      picks.push_back(Container(kFaces).FindByName(portrait->Selected[kFaces]->Name));
      picks.push_back(library->ColourType(1).Selected);
    }
    return picks;
  };
  EXPECT_EQ(run(), run());
}

}  // namespace
}  // namespace kelvo::test
