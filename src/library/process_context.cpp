#include "library/process_context.h"

#include "archive/pak.h"
#include "archive/pak_unit.h"
#include "foundation/diagnostics.h"
#include "foundation/log_channels.h"
#include "foundation/paths.h"
#include "library/library_registry.h"

namespace kelvo {

ProcessContext::ProcessContext(DiagnosticsSink& sink, ProcessOptions options) : sink_(sink) {
  program_dir_ = options.program_dir.empty() ? ProgramDirectory() : options.program_dir;
  if (!IsSeparator(program_dir_.back())) program_dir_ += '/';
  computer_name_ = options.computer_name.empty() ? kelvo::ComputerName() : options.computer_name;
  if (computer_name_.size() > 250) computer_name_.resize(250);

  log_ = std::make_unique<LogChannels>(program_dir_, computer_name_);
  log_->ResetAtStart();
  pak_unit_ = std::make_unique<PakUnit>(program_dir_, *log_, sink_);
  pak_unit_->SetPrompter(options.pack_prompter);
  archive_ = std::make_unique<TPak>(*pak_unit_, options.data_base, options.pack_name);
  libraries_ = std::make_unique<LoadedLibraries>();
  random_.SeedCommonFromClock();
}

ProcessContext::~ProcessContext() = default;

void ProcessContext::LogLine(int channel, const std::string& text) {
  log_->LogLine(channel, text);
}

void ProcessContext::DataWarning(const std::string& text) {
  kelvo::DataWarning(sink_, text);
}

bool ProcessContext::ArchiveWarning(bool show, const std::string& text) {
  return kelvo::ArchiveWarning(sink_, show, text);
}

}  // namespace kelvo
