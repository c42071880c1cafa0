// `kelvo sheet`: a gallery as a contact sheet on the gallery window's grid
// (portrait/gallery_grid.h): its thumbnails (RenderThumbnails), names and voices.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}

namespace kelvo::cli {

class SheetCommand {
 public:
  SheetCommand(ProcessContext& context, const SheetOptions& options, std::ostream& out)
      : context_(context), options_(options), out_(out) {}
  int Run();

 private:
  ProcessContext& context_;
  SheetOptions options_;
  std::ostream& out_;
};

}  // namespace kelvo::cli
