// The answers the tool gives a packed-mode archive: it asks nobody, so a missing pack ends the
// run.
#pragma once

#include <ostream>
#include <string>

#include "archive/pak_prompter.h"

namespace kelvo::cli {

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
