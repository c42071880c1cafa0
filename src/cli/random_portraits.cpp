#include "cli/random_portraits.h"

#include "foundation/random_generators.h"
#include "portrait/nation.h"
#include "portrait/portrait.h"

namespace kelvo::cli {

std::unique_ptr<TKelvoPortret> NextRandomPortrait(TKelvoTyp& library, RandomGenerators& random,
                                                  std::optional<Nation> nation) {
  auto portrait = std::make_unique<TKelvoPortret>(library);
  portrait->RandomComponents(random);
  portrait->RandomColours(random);
  if (nation) DrawNation(*portrait, *nation, random);
  return portrait;
}

}  // namespace kelvo::cli
