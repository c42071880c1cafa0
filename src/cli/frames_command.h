// `kelvo frames`: the animation frame files of one portrait ("Save As BMP" of the editor)
// without a window, with the editor's default drawing: no spread, every category shown.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}

namespace kelvo::cli {

class FramesCommand {
 public:
  FramesCommand(ProcessContext& context, const FramesOptions& options, std::ostream& out)
      : context_(context), options_(options), out_(out) {}
  int Run();

 private:
  ProcessContext& context_;
  FramesOptions options_;
  std::ostream& out_;
};

}  // namespace kelvo::cli
