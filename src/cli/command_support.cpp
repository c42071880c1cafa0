#include "cli/command_support.h"

#include "library/process_context.h"
#include "library/type_library.h"

namespace kelvo::cli {

void StreamSink::Show(const Diagnostic& diagnostic) {
  err_ << diagnostic.text << "\n" << std::flush;
}

std::unique_ptr<TKelvoTyp> LoadLibraryWithImages(ProcessContext& context, const std::string& name) {
  auto library = std::make_unique<TKelvoTyp>(context.Archive(), name);
  library->LoadAll();
  library->LoadImages();
  return library;
}

}  // namespace kelvo::cli
