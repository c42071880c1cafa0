#include "cli/command_support.h"

#include <filesystem>
#include <system_error>

#include "cli/image_output.h"
#include "foundation/errors.h"
#include "library/data_set_lookup.h"
#include "library/process_context.h"
#include "library/type_library.h"

namespace kelvo::cli {

void StreamSink::Show(const Diagnostic& diagnostic) {
  err_ << diagnostic.text << "\n" << std::flush;
}

std::unique_ptr<TKelvoTyp> LoadLibraryWithImages(ProcessContext& context, const std::string& name) {
  RequireDataSet(context.Archive(), name);
  auto library = std::make_unique<TKelvoTyp>(context.Archive(), name);
  library->LoadAll();
  library->LoadImages();
  return library;
}

std::string WriteLibraryTo(TKelvoTyp& library, const std::string& out, bool images) {
  const std::string folder = CommandLinePath(out);
  library.CheckImageNames();  // before the folder is made: a refusal leaves nothing
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec || !std::filesystem::is_directory(folder)) {
    throw KelvoError("Cannot create the folder " + folder + ": " + ec.message());
  }
  library.SaveTextAs(folder);
  if (images) library.SaveImagesAs(folder);
  return folder;
}

}  // namespace kelvo::cli
