#include "archive/pak_unit.h"

#include <algorithm>

#include "foundation/log_channels.h"

namespace kelvo {

PakUnit::PakUnit(std::string program_dir, LogChannels& log, DiagnosticsSink& sink)
    : program_dir_(std::move(program_dir)), log_(log), sink_(sink) {}

PakUnit::~PakUnit() {
  Shutdown();
}

void PakUnit::Shutdown() {
  if (shut_down_) return;
  shut_down_ = true;
  LogArchive("Total: " + std::to_string(TotalRead()) + " bytes read.");
  {
    std::lock_guard<std::mutex> lock(open_mutex_);
    for (const auto& item : open_archives_)
      LogArchive("WARNING: PAK file not closed:" + item.first);
  }
  LogArchive("PPAK shutdown.");
}

void PakUnit::LogArchive(std::string_view text) {
  if (archive_logging) log_.LogLine(LogChannels::kUsedFiles, text);
}

void PakUnit::Register(std::string text, TPak* pak) {
  std::lock_guard<std::mutex> lock(open_mutex_);
  open_archives_.emplace_back(std::move(text), pak);
}

void PakUnit::Unregister(TPak* pak) {
  std::lock_guard<std::mutex> lock(open_mutex_);
  auto it = std::find_if(open_archives_.begin(), open_archives_.end(),
                         [pak](const auto& item) { return item.second == pak; });
  if (it != open_archives_.end()) open_archives_.erase(it);
}

std::vector<std::string> PakUnit::OpenArchives() {
  std::lock_guard<std::mutex> lock(open_mutex_);
  std::vector<std::string> texts;
  for (const auto& item : open_archives_) texts.push_back(item.first);
  return texts;
}

}  // namespace kelvo
