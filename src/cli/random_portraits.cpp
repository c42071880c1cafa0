#include "cli/random_portraits.h"

#include "foundation/random_generators.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo::cli {
namespace {

kelvo::Nation PortraitNation(Nation nation) {
  switch (nation) {
    case Nation::kArabian:
      return kelvo::Nation::kArabian;
    case Nation::kRussian:
      return kelvo::Nation::kRussian;
    default:
      return kelvo::Nation::kAmerican;
  }
}

}  // namespace

void ApplyNation(TKelvoPortret& portrait, Nation nation) {
  if (nation != Nation::kNone) portrait.ApplyNationPreset(PortraitNation(nation));
}

std::unique_ptr<TKelvoPortret> NextRandomPortrait(TKelvoTyp& library, RandomGenerators& random,
                                                  Nation nation) {
  auto portrait = std::make_unique<TKelvoPortret>(library);
  portrait->RandomComponents(random);
  portrait->RandomColours(random);
  if (nation != Nation::kNone) {
    ApplyNation(*portrait, nation);
    for (int c = 1; c <= 14; ++c) {
      const int index = portrait->RandomComponentIndexByProperties(c, random);
      TKelvoKompKontejner& container = library.Container(c);
      if (index >= 1 && index <= container.ComponentCount()) {
        portrait->Selected[static_cast<std::size_t>(c)] = &container.Komp(index);
      }
    }
    portrait->RandomColoursByProperties(random);
  }
  return portrait;
}

}  // namespace kelvo::cli
