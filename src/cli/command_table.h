// The commands of `kelvo`, each declared once: name, summary, synopsis, option lines with their
// help, parsing into its options struct and running. The help pages, the manual page, the
// parsing and the dispatch are all made from this table.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
}

namespace kelvo::cli {

class OptionReader;

// One line of a command's help; value and flag lines are its options too.
struct OptionLine {
  enum class Kind {
    kValue,   // --name VALUE
    kFlag,    // --name
    kWord,    // a plain argument, shown as name
    kAction,  // a word that must follow the command's name ("pack build"), shown as name
  };
  Kind kind = Kind::kFlag;
  std::string_view name;   // without the leading "--"
  std::string_view value;  // kValue: the value's name in the help
  std::string_view help;   // lines after the first are indented under it
  int arguments = 0;       // kAction: how many plain arguments may follow
};

constexpr OptionLine ValueLine(std::string_view name, std::string_view value,
                               std::string_view help) {
  return {OptionLine::Kind::kValue, name, value, help};
}
constexpr OptionLine FlagLine(std::string_view name, std::string_view help) {
  return {OptionLine::Kind::kFlag, name, {}, help};
}
constexpr OptionLine WordLine(std::string_view name, std::string_view help) {
  return {OptionLine::Kind::kWord, name, {}, help};
}
constexpr OptionLine ActionLine(std::string_view name, int arguments, std::string_view help) {
  return {OptionLine::Kind::kAction, name, {}, help, arguments};
}

struct CommandSpec {
  std::string_view name;
  std::string_view summary;           // lower case, no full stop
  std::string_view synopsis;          // the usage lines, without "Usage: "
  std::span<const OptionLine> lines;  // in the order the help lists them
  int arguments = 0;                  // plain arguments, for commands without action words
  bool withPackFile = true;           // reads the data sets, so the global --pack applies
  CommandOptions (*parse)(const OptionReader& reader) = nullptr;  // throws UsageError
  int (*run)(ProcessContext& context, const CommandOptions& options, std::ostream& out,
             std::ostream& err) = nullptr;
};

// Every command, in the order the help lists them.
std::span<const CommandSpec> Commands();
// Null for an unknown name.
const CommandSpec* FindCommand(std::string_view name);

}  // namespace kelvo::cli
