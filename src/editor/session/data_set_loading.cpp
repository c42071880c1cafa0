#include "editor/session/data_set_loading.h"

#include "editor/session/prompter.h"
#include "foundation/random_generators.h"
#include "library/component.h"
#include "library/container.h"
#include "library/data_set_lookup.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

std::unique_ptr<TKelvoTyp> LoadDataSetLibrary(TPak& archive, const std::string& name) {
  RequireDataSet(archive, name);
  auto library = std::make_unique<TKelvoTyp>(archive, name);
  library->LoadAll();
  library->LoadImages();
  return library;
}

std::unique_ptr<TKelvoPortret> NewRandomPortrait(TKelvoTyp& library, RandomGenerators& random,
                                                 const PerCategory<bool>& hidden) {
  auto portrait = std::make_unique<TKelvoPortret>(library);
  for (int c = 1; c <= kCategoryCount; ++c) portrait->Hidden.at(c) = hidden[c];
  portrait->RandomComponents(random);
  portrait->RandomColours(random);
  portrait->ComputePositions();
  portrait->RenderVisible();
  return portrait;
}

bool CheckHeadNumbers(const TKelvoTyp& library, Prompter& prompter) {
  for (const auto& component : library.Container(10).Components) {
    if (!component->IsFrame && component->Kind == 0) {
      ShowError(prompter, "Hair   " + component->Name + "   has NO HEAD NUMBER !!!" + "\r\n\r\n" +
                              "VX WILL DEFINITELY DIE ON THIS !" + "\r\n\r\n" +
                              "Please correct this IMMEDIATELY !!!");
      return false;
    }
  }
  return true;
}

}  // namespace kelvo
