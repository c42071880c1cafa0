// `kelvo import`: the editor's bitmap import without a window, for artists who bring in many
// files. The questions are answered by flags (absent: No), the confirmation is taken as given,
// and the library is written, text files and images, into another folder.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}

namespace kelvo::cli {

// The category named by its directory name (NOSY), display name (Noses) or number (6), letter
// case aside; throws KelvoError for none.
int CategoryByAnyName(const std::string& text);

class ImportCommand {
 public:
  ImportCommand(ProcessContext& context, const ImportOptions& options, std::ostream& out)
      : context_(context), options_(options), out_(out) {}
  // 0 when imported and written; 2 when no expected file was found (a "Kelvo warning:").
  int Run();

 private:
  ProcessContext& context_;
  ImportOptions options_;
  std::ostream& out_;
};

}  // namespace kelvo::cli
