// The random portraits of the tool, in the program's sequence (seed 0 at every start): each is a
// new portrait over the library with RandomComponents and RandomColours; with a nation, then the
// nation preset, a property-weighted component for every category and property-weighted colours.
// `kelvo random`, `render --random`, `anim --random` and `stats` all draw them this way, so the
// same options give the same portraits.
#pragma once

#include <memory>
#include <optional>

#include "cli/cli_options.h"

namespace kelvo {
class RandomGenerators;
class TKelvoPortret;
class TKelvoTyp;
}  // namespace kelvo

namespace kelvo::cli {

std::unique_ptr<TKelvoPortret> NextRandomPortrait(TKelvoTyp& library, RandomGenerators& random,
                                                  std::optional<Nation> nation);

}  // namespace kelvo::cli
