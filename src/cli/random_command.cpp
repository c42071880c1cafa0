#include "cli/commands.h"

#include <memory>
#include <vector>

#include "cli/command_support.h"
#include "cli/gallery_access.h"
#include "cli/image_output.h"
#include "cli/random_portraits.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo::cli {

template <>
int Command<RandomOptions>::Run() {
  const std::string out = CommandLinePath(options_.out);
  auto library = LoadLibraryWithImages(context_, options_.lib.library);
  std::vector<std::unique_ptr<TKelvoPortret>> portraits;
  context_.Random().SetPortraitSeed(options_.seed);
  for (int n = 1; n <= options_.count; ++n) {
    portraits.push_back(NextRandomPortrait(*library, context_.Random(), options_.nation));
  }
  SaveGallery(context_, *library, portraits, out);
  out_ << "Wrote " << options_.count << (options_.count == 1 ? " portrait" : " portraits") << " to "
       << out << "\n";
  return 0;
}

}  // namespace kelvo::cli
