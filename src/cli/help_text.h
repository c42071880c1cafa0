// Usage lines and help pages of `kelvo` and of each of its commands, made from the command
// table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvo::cli {

// The commands in the order the help lists them.
std::vector<std::string_view> CommandNames();
// A command's one-line summary (lower case, no full stop); empty command: the program's.
std::string_view CommandSummary(std::string_view command);

// One or two lines: the synopsis of the program or of one command (empty command: the program).
std::string UsageText(std::string_view command);

// The full help page of the program or of one command.
std::string HelpText(std::string_view command);

}  // namespace kelvo::cli
