#include "cli/kelvo_app.h"

#include "cli/cli_options.h"
#include "foundation/version.h"

namespace kelvo::cli {

int RunKelvo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ParseOutcome parsed = ParseCommandLine(args);
  switch (parsed.kind) {
    case ParseOutcome::Kind::kHelp:
      out << parsed.text;
      return kExitSuccess;
    case ParseOutcome::Kind::kVersion:
      out << "kelvo " << VersionText() << "\n";
      return kExitSuccess;
    case ParseOutcome::Kind::kUsageError:
      err << parsed.text;
      return kExitOtherError;
    case ParseOutcome::Kind::kRun:
      break;
  }
  err << "not yet\n";
  return kExitOtherError;
}

}  // namespace kelvo::cli
