// `kelvo check`: loads a library and prints a summary of what it holds.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
class TKelvoTyp;
}  // namespace kelvo

namespace kelvo::cli {

class CheckCommand {
 public:
  CheckCommand(ProcessContext& context, const CheckOptions& options, std::ostream& out)
      : context_(context), options_(options), out_(out) {}
  int Run();

  // Components per category, colour types with their entry counts, draw-order entries and
  // animation links.
  static void PrintSummary(const TKelvoTyp& library, std::ostream& out);

 private:
  ProcessContext& context_;
  CheckOptions options_;
  std::ostream& out_;
};

}  // namespace kelvo::cli
