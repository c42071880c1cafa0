// `kelvo pack build|list|extract`: pack files of a data directory, and the answers
// the tool gives a packed-mode archive (it asks nobody: a missing pack ends the run).
#pragma once

#include <ostream>
#include <string>

#include "archive/pak_prompter.h"
#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}  // namespace kelvo

namespace kelvo::cli {

class PackCommand {
 public:
  PackCommand(ProcessContext& context, const PackOptions& options, std::ostream& out,
              std::ostream& err)
      : context_(context), options_(options), out_(out), err_(err) {}
  int Run();

 private:
  int Build();
  int List();
  int Extract();

  ProcessContext& context_;
  PackOptions options_;
  std::ostream& out_;
  std::ostream& err_;
};

// "2024-05-06 07:08:10" for an MS-DOS packed date and time.
std::string DosTimeText(uint32_t time);

// Prints the question and answers Cancel: a missing pack ends the run with exit code 1.
class CliPackPrompter : public PackPrompter {
 public:
  explicit CliPackPrompter(std::ostream& err) : err_(err) {}
  MissingPackAnswer AskMissingPack(const std::string& text) override;
  CreateFailedAnswer AskCreateFailed(const std::string& text) override;

 private:
  std::ostream& err_;
};

}  // namespace kelvo::cli
