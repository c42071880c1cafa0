// Reads the arguments after a command's name with that command's options, and the checks the
// commands share (a library name, a portrait source, image output settings, --jobs). Every fault
// throws UsageError, whose text goes out with the command's short usage and exit code 2.
#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/cli_options.h"

namespace kelvo::cli {

struct OptionLine;

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline constexpr int kMaxGalleryPortraits = 200;

class OptionReader {
 public:
  // args: what follows the command name (and its action word, given as action).
  OptionReader(const QStringList& args, std::string action);

  // Value and flag lines become options; plain words are for the help only.
  void Declare(const OptionLine& line);
  // False when the command's help was asked for. Up to `allowed` plain arguments.
  bool Parse(int allowed);

  const std::string& Action() const { return action_; }
  // The first plain argument, if any.
  std::optional<std::string> Argument() const;
  // Every plain argument.
  std::vector<std::string> Arguments() const;

  bool IsSet(const char* name) const;
  std::string Value(const char* name) const;
  // The option's value; it must be given and not empty.
  std::string Required(const char* name) const;
  // The option's value when given (then not empty), else the fallback.
  std::string Optional(const char* name, std::string fallback) const;
  // A whole number from low to high when given, else the fallback.
  int Number(const char* name, int low, int high, int fallback) const;

  void ReadLibrary(LibraryOptions& lib) const { lib.library = Optional("library", lib.library); }
  std::optional<Nation> ReadNation() const;
  // --gallery [--index N] [--all] | --random [--count N] [--nation N]
  PortraitSource ReadSource(bool withAll, bool withCount) const;
  // --seed N, 0 when not given.
  std::uint32_t Seed() const;
  // --png-level N and --sync
  ImageOutputOptions ReadOutput() const;
  // --jobs N; 0 (one per core) when not given.
  int Jobs() const;
  // --data given after the command; empty when not.
  std::string DataDir() const { return IsSet("data") ? Value("data") : std::string(); }

 private:
  QCommandLineParser parser_;
  QStringList args_;
  QStringList positionals_;
  std::string action_;
};

}  // namespace kelvo::cli
