#include "cli/help_text.h"

#include <algorithm>

#include "cli/command_table.h"

namespace kelvo::cli {
namespace {

constexpr size_t kHelpColumn = 19;  // where the help of an option line starts

// "  --out PATH       the ..." with later lines indented to the same column; a label too long
// for its column gets a line of its own.
std::string FormatLine(const OptionLine& line) {
  std::string label(line.name);
  if (line.kind == OptionLine::Kind::kValue || line.kind == OptionLine::Kind::kFlag)
    label = "--" + label;
  if (line.kind == OptionLine::Kind::kValue) label += " " + std::string(line.value);
  std::string text = "  " + label;
  if (text.size() < kHelpColumn) {
    text.resize(kHelpColumn, ' ');
  } else {
    text += "\n" + std::string(kHelpColumn, ' ');
  }
  for (char c : line.help) {
    text += c;
    if (c == '\n') text.append(kHelpColumn, ' ');
  }
  return text + "\n";
}

}  // namespace

std::vector<std::string_view> CommandNames() {
  std::vector<std::string_view> names;
  for (const CommandSpec& each : Commands()) names.push_back(each.name);
  return names;
}

std::string_view CommandSummary(std::string_view command) {
  const CommandSpec* c = FindCommand(command);
  return c ? c->summary
           : std::string_view("batch work on KelvoEd portrait libraries and galleries");
}

std::string UsageText(std::string_view command) {
  const CommandSpec* c = FindCommand(command);
  std::string text = "Usage: ";
  text += c ? c->synopsis : "kelvo [--data DIR] [--pack FILE.VXP] COMMAND [OPTIONS]";
  text += "\n";
  return text;
}

std::string HelpText(std::string_view command) {
  std::string text = UsageText(command);
  const CommandSpec* c = FindCommand(command);
  if (!c) {
    text +=
        "\nBatch work on KelvoEd portrait libraries and galleries, without a window.\n"
        "\nCommands:\n";
    std::size_t width = 0;
    for (const CommandSpec& each : Commands()) width = std::max(width, each.name.size() + 2);
    for (const CommandSpec& each : Commands()) {
      std::string name(each.name);
      name.resize(width, ' ');
      text += "  " + name + std::string(each.summary) + "\n";
    }
    text +=
        "\nOptions:\n"
        "  --data DIR   base directory of the data sets (default: kelvoed/data_big beside\n"
        "               the program, else ../share/kelvoed/data_big relative to it);\n"
        "               relative library names are found under it\n"
        "  --pack FILE  read the data sets from this pack file too; files under the data\n"
        "               directory take precedence over their copies in the pack\n"
        "  -h, --help   show this help; after a command, that command's help\n"
        "  --version    show the version\n"
        "\nExit codes: 0 success, 1 fatal data error or a missing --pack file, 2 any other "
        "error.\n";
    return text;
  }
  text += "\n" + std::string(1, static_cast<char>(c->summary[0] - 'a' + 'A')) +
          std::string(c->summary.substr(1)) + ".\n\nOptions:\n";
  for (const OptionLine& line : c->lines) text += FormatLine(line);
  text +=
      "  --data DIR       base directory of the data sets\n"
      "  -h, --help       show this help\n";
  return text;
}

}  // namespace kelvo::cli
