#include "cli/pack_prompter.h"

namespace kelvo::cli {

MissingPackAnswer CliPackPrompter::AskMissingPack(const std::string& text) {
  err_ << text << "\n"
       << "kelvo answers Cancel; build the pack first with 'kelvo pack build --out FILE.VXP'.\n"
       << std::flush;
  return MissingPackAnswer::kCancel;
}

CreateFailedAnswer CliPackPrompter::AskCreateFailed(const std::string& text) {
  err_ << text << "\n" << std::flush;
  return CreateFailedAnswer::kIgnore;
}

}  // namespace kelvo::cli
