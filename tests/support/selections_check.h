// Whether every selection of a portrait is a component its library holds: what no edit, load
// or random event may break (a removed or freed component still selected).
#pragma once

#include <string>

#include "library/categories.h"
#include "library/container.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo::test {

// "" when every selection lies in its category's container, else which category does not.
inline std::string SelectionsOutsideLibrary(const TKelvoPortret& portrait) {
  for (int c = 1; c <= kCategoryCount; ++c) {
    const TKelvoKomp* selected = portrait.Selected[c];
    if (selected == nullptr) continue;
    const TKelvoKompKontejner& container = portrait.Library().Container(c);
    bool found = false;
    for (int32_t n = 1; n <= container.ComponentCount() && !found; ++n) {
      found = &container.Komp(n) == selected;
    }
    if (!found) {
      return "the portrait selects a component outside the library in category " +
             std::to_string(c);
    }
  }
  return "";
}

}  // namespace kelvo::test
