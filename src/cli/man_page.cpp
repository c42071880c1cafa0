#include "cli/man_page.h"

#include "cli/help_text.h"

namespace kelvo::cli {
namespace {

// The help page without its first line ("Usage: ..."), which becomes the synopsis.
std::string_view AfterFirstLine(std::string_view text) {
  const size_t end = text.find('\n');
  return end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
}

std::string_view UsageLines(std::string_view usage) {
  constexpr std::string_view kPrefix = "Usage: ";
  if (usage.substr(0, kPrefix.size()) == kPrefix) usage.remove_prefix(kPrefix.size());
  return usage;
}

// Preformatted, so the help's own column layout stays as it is.
std::string Preformatted(std::string_view text) {
  while (!text.empty() && text.front() == '\n') text.remove_prefix(1);
  while (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  return ".nf\n" + RoffEscape(text) + "\n.fi\n";
}

}  // namespace

std::string RoffEscape(std::string_view text) {
  std::string out;
  bool line_start = true;
  for (char c : text) {
    if (line_start && (c == '.' || c == '\'')) out += "\\&";
    line_start = c == '\n';
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  return out;
}

std::string ManPage(std::string_view version) {
  std::string page = ".TH KELVO 1 \"\" \"KelvoEd " + RoffEscape(version) + "\" \"User Commands\"\n";
  page += ".SH NAME\nkelvo \\- " + RoffEscape(CommandSummary("")) + "\n";
  page += ".SH SYNOPSIS\n" + Preformatted(UsageLines(UsageText("")));
  page += ".SH DESCRIPTION\n" + Preformatted(AfterFirstLine(HelpText("")));
  page += ".SH COMMANDS\n";
  for (std::string_view name : CommandNames()) {
    page += ".SS " + RoffEscape(name) + "\n";
    page += Preformatted(UsageLines(HelpText(name)));
  }
  page += ".SH FILES\n.TP\n.I kelvoed/data_big\n";
  page += "The bundled data sets, beside the program or in ../share/kelvoed/ relative to it.\n";
  return page;
}

}  // namespace kelvo::cli
