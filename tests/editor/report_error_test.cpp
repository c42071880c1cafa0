// The one way the editor shows a failure: an "Error" box, a data error with its prefix and place.
#include <gtest/gtest.h>

#include <functional>

#include "foundation/errors.h"
#include "support/fake_prompter.h"

namespace kelvo::test {
namespace {

TEST(ReportError, ShowsTheFailureAsTheUserReadsIt) {
  FatalDataError placed("Unknown TYP X");
  placed.SetPlace("/a/lib/typ", 3);
  const struct Row {
    std::function<void()> fail;
    std::string text;
  } rows[] = {
      {[&] { throw placed; }, "Kelvo ERROR: Unknown TYP X\nin /a/lib/typ, line 3"},
      {[] { throw FatalDataError("bad"); }, "Kelvo ERROR: bad"},
      {[] { throw KelvoError("Cannot open"); }, "Cannot open"},
      {[] { throw std::runtime_error("other"); }, "other"},
  };
  for (const Row& row : rows) {
    FakePrompter prompter;
    try {
      row.fail();
    } catch (const std::exception& error) {
      EXPECT_EQ(FailureText(error), row.text);
      ReportError(prompter, error);
    }
    ASSERT_EQ(prompter.messages.size(), 1u) << row.text;
    EXPECT_EQ(prompter.messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(prompter.messages[0].Caption, "Error");
    EXPECT_EQ(prompter.messages[0].Text, row.text);
  }
}

}  // namespace
}  // namespace kelvo::test
