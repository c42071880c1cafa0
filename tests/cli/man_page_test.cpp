#include "cli/man_page.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/help_text.h"

namespace kelvo::cli {
namespace {

struct RoffRow {
  std::string text;
  std::string roff;
};

TEST(RoffEscape, GuardsControlCharactersAndMinusSigns) {
  const RoffRow rows[] = {
      {"plain text", "plain text"},
      {"--data DIR", "\\-\\-data DIR"},
      {"kelvoed\\data_big", "kelvoed\\edata_big"},
      {".TH not a request", "\\&.TH not a request"},
      {"a\n'quote\n.dot", "a\n\\&'quote\n\\&.dot"},
      {"mid.dle 'q'", "mid.dle 'q'"},
  };
  for (const RoffRow& row : rows) EXPECT_EQ(row.roff, RoffEscape(row.text)) << row.text;
}

TEST(ManPage, HoldsTheHelpOfTheProgramAndOfEveryCommand) {
  const std::string page = ManPage("1.2.3");
  EXPECT_EQ(0u, page.find(".TH KELVO 1 \"\" \"KelvoEd 1.2.3\""));
  EXPECT_NE(std::string::npos, page.find(".SH NAME\nkelvo \\- batch work"));
  EXPECT_NE(std::string::npos, page.find(RoffEscape("Exit codes: 0 success")));
  for (std::string_view name : CommandNames()) {
    EXPECT_NE(std::string::npos, page.find(".SS " + std::string(name) + "\n")) << name;
    // The command's help page, option lines included, is in the page as it is printed.
    const std::string help = HelpText(name);
    EXPECT_NE(std::string::npos, page.find(RoffEscape(help.substr(help.find('\n') + 1)))) << name;
  }
  // Every preformatted block is closed again.
  size_t opened = 0, closed = 0;
  for (size_t at = 0; (at = page.find("\n.nf\n", at)) != std::string::npos; ++at) ++opened;
  for (size_t at = 0; (at = page.find("\n.fi\n", at)) != std::string::npos; ++at) ++closed;
  EXPECT_EQ(opened, closed);
  EXPECT_EQ(opened, CommandNames().size() + 2);
}

}  // namespace
}  // namespace kelvo::cli
