// `kelvo avatar`: export prints a portrait's multiplayer avatar settings text and sex flag;
// import puts such a text onto the first random portrait of the male or female data set, as the
// editor's avatar import does, and writes it as a gallery of one portrait.
#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}

namespace kelvo::cli {

class AvatarCommand {
 public:
  AvatarCommand(ProcessContext& context, const AvatarOptions& options, std::ostream& out)
      : context_(context), options_(options), out_(out) {}
  // 0 when done; a settings or sex text that cannot be read throws, naming the field (exit 2).
  int Run();

 private:
  int Export();
  int Import();

  ProcessContext& context_;
  AvatarOptions options_;
  std::ostream& out_;
};

}  // namespace kelvo::cli
