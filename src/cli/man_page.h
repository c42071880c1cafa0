// The manual page kelvo.1, made from the same help pages `kelvo --help` prints.
#pragma once

#include <string>
#include <string_view>

namespace kelvo::cli {

// Lines of text as roff: "\" and "-" escaped, a line starting with "." or "'" guarded.
std::string RoffEscape(std::string_view text);

// The whole page in man(7) format: name, synopsis, the program's help page as description and
// every command's help page.
std::string ManPage(std::string_view version);

}  // namespace kelvo::cli
