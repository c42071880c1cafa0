#include "cli/resave_command.h"

#include <filesystem>

#include "cli/command_support.h"
#include "cli/image_output.h"
#include "foundation/errors.h"
#include "library/type_library.h"

namespace kelvo::cli {

int ResaveCommand::Run() {
  const auto library = LoadLibraryWithImages(context_, options_.lib.library);
  const std::string folder = CommandLinePath(options_.out);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec || !std::filesystem::is_directory(folder)) {
    throw KelvoError("Cannot create the folder " + folder + ": " + ec.message());
  }
  library->SaveTextAs(folder);
  if (options_.images) library->SaveImagesAs(folder);
  out_ << "Wrote " << (options_.images ? "the text files and images" : "the text files") << " of "
       << options_.lib.library << " to " << folder << "\n";
  return 0;
}

}  // namespace kelvo::cli
