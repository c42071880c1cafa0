// The tool's messages: a data set that does not exist names the ones there are, a number missing
// at the end of a file names the file and line, texts reach the terminal in its encoding and
// libraries are named the platform's way.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_test_support.h"
#include "cli/tiny_library.h"

namespace kelvo::cli {
namespace {

class KelvoMessages : public testing::Test {
 protected:
  void SetUp() override {
    WriteTinyLibrary(Data(), "alpha");
    WriteTinyLibrary(Data(), "beta");
    WriteTinyLibrary(Data() + "/sets", "inner");
    std::filesystem::create_directories(Data() + "/notes");  // no "dro": no data set
  }
  std::string Data() const { return dir_.Path("data"); }
  ToolRun Run(const std::string& command, const std::string& library,
              const std::vector<std::string>& env = {}) const {
    return RunTool({"--data", Data(), command, "--library", library, "--count", "1"}, env);
  }

  TempDir dir_;
};

TEST_F(KelvoMessages, AMissingDataSetListsTheDataSetsWhereItWasLookedFor) {
  const std::string data = Data();
  const std::pair<std::string, std::string> rows[] = {
      {"gamma", "Data set gamma not found in " + data + "; found: alpha, beta\n"},
      {"notes", "Data set notes not found in " + data + "; found: alpha, beta\n"},
      {"sets", "Data set sets not found in " + data + "; found: alpha, beta; " + data +
                   "/sets holds the data sets inner\n"},
      {"sets\\gamma", "Data set sets/gamma not found in " + data + "/sets; found: inner\n"},
  };
  for (const auto& [library, message] : rows) {
    const ToolRun run = Run("stats", library);
    EXPECT_EQ(run.code, 2) << library;
    EXPECT_EQ(run.err, message);
  }
}

TEST_F(KelvoMessages, ANumberMissingAtTheEndNamesTheFileAndLine) {
  WriteFileBytes(Data() + "/alpha/cmp",
                 "COMPONENTS\r\n  TYP OBLICEJE\r\n    PATH obl\r\n    COMP a\r\n      CETNOST\r\n");
  const ToolRun run = Run("stats", "alpha");
  EXPECT_EQ(run.code, 2);
  EXPECT_EQ(run.err,
            "A number is missing at the end of the file\nin " + Data() + "/alpha/cmp, line 5\n");
}

TEST_F(KelvoMessages, MessagesAreWrittenInTheTerminalsEncoding) {
  // "Žluť" in Windows-1250.
  WriteFileBytes(Data() + "/alpha/cmp", "COMPONENTS \x8Elu\x9D");
  const std::pair<std::string, std::string> rows[] = {
      {"LC_ALL=C.UTF-8", "\xC5\xBDlu\xC5\xA5"},
      {"LC_ALL=C", "?lu?"},
  };
  for (const auto& [locale, token] : rows) {
    const ToolRun run = Run("stats", "alpha", {locale});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "Kelvo ERROR: END_OF_COMPONENTS expected instead of " + token + "\nin " +
                           Data() + "/alpha/cmp, line 1\n")
        << locale;
  }
}

TEST_F(KelvoMessages, LibrariesAreNamedWithoutATrailingSeparator) {
  const std::pair<std::string, std::string> rows[] = {
      {"alpha", "alpha"},
      {"alpha\\", "alpha"},
      {Data() + "/beta", Data() + "/beta"},
  };
  for (const auto& [library, shown] : rows) {
    const ToolRun stats = Run("stats", library);
    ASSERT_EQ(stats.code, 0) << stats.err;
    EXPECT_EQ(stats.out.substr(0, stats.out.find('\n')), "Drew 1 portraits of " + shown);
    const ToolRun check = RunTool({"--data", Data(), "check", "--library", library});
    EXPECT_EQ(check.out.substr(0, check.out.find('\n')), "Library " + shown);
  }
}

}  // namespace
}  // namespace kelvo::cli
