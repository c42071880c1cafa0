#include "cli/commands.h"

#include "cli/command_support.h"
#include "foundation/paths.h"
#include "library/library_mirror.h"
#include "library/type_library.h"

namespace kelvo::cli {

template <>
int Command<MirrorOptions>::Run() {
  const auto library = LoadLibraryWithImages(context_, options_.lib.library);
  MirrorLibrary(*library);
  const std::string folder = WriteLibraryTo(*library, options_.out, true);
  out_ << "Wrote " << ShownFolder(options_.lib.library) << " mirrored to " << folder << "\n";
  return 0;
}

}  // namespace kelvo::cli
