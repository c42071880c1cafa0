#include "cli/commands.h"

#include "cli/command_support.h"
#include "foundation/paths.h"
#include "library/type_library.h"

namespace kelvo::cli {

template <>
int Command<ResaveOptions>::Run() {
  const auto library = LoadLibraryWithImages(context_, options_.lib.library);
  const std::string folder = WriteLibraryTo(*library, options_.out, options_.images);
  out_ << "Wrote " << (options_.images ? "the text files and images" : "the text files") << " of "
       << ShownFolder(options_.lib.library) << " to " << folder << "\n";
  return 0;
}

}  // namespace kelvo::cli
