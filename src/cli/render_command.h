// `kelvo render`: renders gallery or random portraits to 24-bit BMP or PNG files, on every core.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}

namespace kelvo::cli {

class RenderCommand {
 public:
  RenderCommand(ProcessContext& context, const RenderOptions& options, std::ostream& out)
      : context_(context), options_(options), out_(out) {}
  int Run();

 private:
  ProcessContext& context_;
  RenderOptions options_;
  std::ostream& out_;
};

}  // namespace kelvo::cli
