// `kelvo random`: writes portraits of the program's random sequence as one gallery file.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}

namespace kelvo::cli {

class RandomCommand {
 public:
  RandomCommand(ProcessContext& context, const RandomOptions& options, std::ostream& out)
      : context_(context), options_(options), out_(out) {}
  int Run();

 private:
  ProcessContext& context_;
  RandomOptions options_;
  std::ostream& out_;
};

}  // namespace kelvo::cli
