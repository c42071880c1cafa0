// `kelvo anim`: a portrait's small picture and animation frames as one sheet of 80 x 100
// tiles, five to a row: mouth steps 0 to 4, then eyebrow steps 0 to 2 each with eye steps 0 to 4.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}

namespace kelvo::cli {

class AnimCommand {
 public:
  AnimCommand(ProcessContext& context, const AnimOptions& options, std::ostream& out)
      : context_(context), options_(options), out_(out) {}
  int Run();

 private:
  ProcessContext& context_;
  AnimOptions options_;
  std::ostream& out_;
};

}  // namespace kelvo::cli
