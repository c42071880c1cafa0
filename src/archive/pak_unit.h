// The process-wide state of the archive unit: the program directory, the list
// of open archives (guarded by one mutex), the total of bytes read and the two
// logging switches. The process context owns one; every TPak refers to it.
// Its destructor runs the unit shutdown: totals and archives left open go to the
// used-files log.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "archive/pak_prompter.h"

namespace kelvo {

class DiagnosticsSink;
class LogChannels;
class TPak;

class PakUnit {
 public:
  // program_dir ends in a separator.
  PakUnit(std::string program_dir, LogChannels& log, DiagnosticsSink& sink);
  ~PakUnit();
  PakUnit(const PakUnit&) = delete;
  PakUnit& operator=(const PakUnit&) = delete;

  // The unit shutdown: "Total: ...", a line for every archive still open,
  // "PPAK shutdown.". Runs once; the destructor calls it.
  void Shutdown();

  const std::string& ProgramDir() const { return program_dir_; }
  LogChannels& Log() { return log_; }
  DiagnosticsSink& Sink() { return sink_; }
  // The answers of packed-mode archives; without one set, nothing is built.
  PackPrompter& Prompter() { return prompter_ ? *prompter_ : no_prompter_; }
  // The prompter outlives the unit's archives; nullptr restores the default.
  void SetPrompter(PackPrompter* prompter) { prompter_ = prompter; }

  // A used-files log line, when archive logging is on.
  void LogArchive(std::string_view text);

  void Register(std::string text, TPak* pak);
  void Unregister(TPak* pak);
  // The "pack name | base" texts of the archives still open.
  std::vector<std::string> OpenArchives();

  // Signed 32-bit sum of all bytes read; wraps like the original counter.
  void AddRead(int32_t bytes) { total_read_ += static_cast<uint32_t>(bytes); }
  int32_t TotalRead() const { return static_cast<int32_t>(total_read_); }

  bool archive_logging = true;  // the *log* lines of the archive
  bool read_logging = false;    // one line per FileRead

 private:
  std::string program_dir_;
  LogChannels& log_;
  DiagnosticsSink& sink_;
  PackPrompter* prompter_ = nullptr;
  NoPackPrompter no_prompter_;
  std::mutex open_mutex_;
  std::vector<std::pair<std::string, TPak*>> open_archives_;
  uint32_t total_read_ = 0;
  bool shut_down_ = false;
};

}  // namespace kelvo
