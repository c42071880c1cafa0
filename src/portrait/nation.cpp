#include "portrait/nation.h"

#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

void DrawNation(TKelvoPortret& portrait, Nation nation, RandomGenerators& random,
                const std::array<bool, kCategoryCount + 1>& keep) {
  portrait.ApplyNationPreset(nation);
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (keep[static_cast<std::size_t>(c)]) continue;
    const int i = portrait.RandomComponentIndexByProperties(c, random);
    TKelvoKompKontejner& container = portrait.Library().Container(c);
    // An empty category has nothing to choose.
    if (i >= 1 && i <= container.ComponentCount()) {
      portrait.Selected.at(static_cast<std::size_t>(c)) = &container.Komp(i);
    }
  }
  portrait.RandomColoursByProperties(random);
}

}  // namespace kelvo
