#include "portrait/nation.h"

#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

void DrawNation(TKelvoPortret& portrait, Nation nation, RandomGenerators& random,
                const PerCategory<bool>& keep) {
  portrait.ApplyNationPreset(nation);
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (keep[c]) continue;
    const int i = portrait.RandomComponentIndexByProperties(c, random);
    TKelvoKompKontejner& container = portrait.Library().Container(c);
    // An empty category has nothing to choose.
    if (i >= 1 && i <= container.ComponentCount()) {
      portrait.Selected.at(c) = &container.Komp(i);
    }
  }
  portrait.RandomColoursByProperties(random);
}

}  // namespace kelvo
