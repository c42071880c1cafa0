// The process-wide services, made once in each program's main (tests make their
// own over a temporary folder): the log channels, the archive unit and its one
// archive over the data directory, the computer name and the diagnostics sink.
// The constructor runs the unit start-up steps (log resets, archive creation),
// the destructor the shutdown steps (archive report, totals) in reverse order.
// This is the one place that composes the core layers; objects receive the
// services they use by reference.
#pragma once

#include <memory>
#include <string>

#include "foundation/random_generators.h"

namespace kelvo {

class DiagnosticsSink;
class LoadedLibraries;
class LogChannels;
class PackPrompter;
class PakUnit;
class TPak;

inline constexpr const char* kDefaultDataBase = "kelvoed\\data_big";

struct ProcessOptions {
  std::string program_dir;                   // "" = the directory of the running program
  std::string data_base = kDefaultDataBase;  // relative to the program directory, or absolute
  std::string computer_name;                 // "" = the host name
  std::string pack_name;                     // "" = directory mode; else the archive's pack
  PackPrompter* pack_prompter = nullptr;     // answers of packed mode; outlives the context
};

class ProcessContext {
 public:
  explicit ProcessContext(DiagnosticsSink& sink, ProcessOptions options = {});
  ~ProcessContext();
  ProcessContext(const ProcessContext&) = delete;
  ProcessContext& operator=(const ProcessContext&) = delete;

  LogChannels& Log() { return *log_; }
  void LogLine(int channel, const std::string& text);
  TPak& Archive() { return *archive_; }
  PakUnit& ArchiveUnit() { return *pak_unit_; }
  DiagnosticsSink& Sink() { return sink_; }
  // Ends in "/".
  const std::string& ProgramDir() const { return program_dir_; }
  const std::string& ComputerName() const { return computer_name_; }

  // The portrait sequence and the common generator (seeded from the clock at start-up).
  RandomGenerators& Random() { return random_; }

  // The further type libraries that gallery portraits name (up to three).
  LoadedLibraries& Libraries() { return *libraries_; }

  void DataWarning(const std::string& text);
  bool ArchiveWarning(bool show, const std::string& text);

 private:
  DiagnosticsSink& sink_;
  std::string program_dir_;
  std::string computer_name_;
  // Declared in start-up order; destroyed in reverse (shutdown) order.
  std::unique_ptr<LogChannels> log_;
  std::unique_ptr<PakUnit> pak_unit_;
  std::unique_ptr<TPak> archive_;
  RandomGenerators random_;
  std::unique_ptr<LoadedLibraries> libraries_;  // its libraries read through the archive
  // Services of the higher core layers are added below the archive.
};

}  // namespace kelvo
