// `kelvo mirror`: loads a library with its images, mirrors it as the editor's "Mirror" does and
// writes its text files and images into another folder.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}

namespace kelvo::cli {

class MirrorCommand {
 public:
  MirrorCommand(ProcessContext& context, const MirrorOptions& options, std::ostream& out)
      : context_(context), options_(options), out_(out) {}
  int Run();

 private:
  ProcessContext& context_;
  MirrorOptions options_;
  std::ostream& out_;
};

}  // namespace kelvo::cli
