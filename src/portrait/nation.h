// The three nations of the property-weighted draw, and that draw: the nation's property
// weights, then a property-weighted component for every category not kept, then
// property-weighted colours. The editor's nation buttons and the tool's --nation both use it.
#pragma once

#include "library/categories.h"

namespace kelvo {

class RandomGenerators;
class TKelvoPortret;

enum class Nation { kAmerican, kArabian, kRussian };

// `keep[c]` leaves category c's component as it is.
void DrawNation(TKelvoPortret& portrait, Nation nation, RandomGenerators& random,
                const PerCategory<bool>& keep = {});

}  // namespace kelvo
