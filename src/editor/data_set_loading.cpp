#include "editor/data_set_loading.h"

#include "foundation/random_generators.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

std::unique_ptr<TKelvoTyp> LoadDataSetLibrary(TPak& archive, const std::string& name) {
  auto library = std::make_unique<TKelvoTyp>(archive, name);
  library->LoadAll();
  library->LoadImages();
  return library;
}

std::unique_ptr<TKelvoPortret> NewRandomPortrait(
    TKelvoTyp& library, RandomGenerators& random,
    const std::array<bool, kCategoryCount + 1>& hidden) {
  auto portrait = std::make_unique<TKelvoPortret>(library);
  for (int c = 1; c <= kCategoryCount; ++c) portrait->Hidden.at(c) = hidden[c];
  portrait->RandomComponents(random);
  portrait->RandomColours(random);
  portrait->ComputePositions();
  portrait->RenderVisible();
  return portrait;
}

}  // namespace kelvo
