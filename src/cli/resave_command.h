// `kelvo resave`: writes a library's five text files (and with --images its component images)
// into another folder, as the editor's save command does.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}

namespace kelvo::cli {

class ResaveCommand {
 public:
  ResaveCommand(ProcessContext& context, const ResaveOptions& options, std::ostream& out)
      : context_(context), options_(options), out_(out) {}
  int Run();

 private:
  ProcessContext& context_;
  ResaveOptions options_;
  std::ostream& out_;
};

}  // namespace kelvo::cli
