// `kelvo avatar` over the bundled data sets: export, import and export again give the same text;
// texts that cannot be read exit 2 naming the field, and nothing is written then.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_options.h"
#include "cli/cli_test_support.h"

namespace kelvo::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::MatchesRegex;

// The export's two lines.
struct Exported {
  std::string settings;
  std::string sex;
};

Exported Export(const std::vector<std::string>& args) {
  std::vector<std::string> all = {"avatar", "export"};
  all.insert(all.end(), args.begin(), args.end());
  const ToolRun run = RunTool(all);
  EXPECT_EQ(run.code, 0) << run.err;
  const size_t line = run.out.find('\n');
  if (line == std::string::npos) return {};
  return {run.out.substr(0, line), run.out.substr(line + 1)};
}

std::vector<std::string> Fields(const std::string& text) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t end; (end = text.find(';', start)) != std::string::npos; start = end + 1) {
    fields.push_back(text.substr(start, end - start));
  }
  return fields;
}

TEST(AvatarTool, ImportThenExportKeepsTheAvatar) {
  TempDir dir;
  const Exported first = Export({"--random"});
  EXPECT_THAT(first.settings, MatchesRegex("([0-9]+;){14}"));
  EXPECT_EQ(first.sex, "0\n");

  const ToolRun import = RunTool({"avatar", "import", "--settings", first.settings, "--sex", "0",
                                  "--out", dir.Path("one.xgl")});
  ASSERT_EQ(import.code, 0) << import.err;
  EXPECT_THAT(import.out, HasSubstr("one.xgl"));
  const Exported second = Export({"--gallery", dir.Path("one.xgl")});
  // The chosen categories come back; background and clothing are the defaults, the foreground
  // that of the same first random portrait.
  const auto a = Fields(first.settings);
  const auto b = Fields(second.settings);
  ASSERT_EQ(b.size(), 14u);
  for (int c : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14}) EXPECT_EQ(a[c - 1], b[c - 1]) << c;
  EXPECT_EQ(second.sex, "0\n");

  // From there on the text is a fixed point.
  ASSERT_EQ(RunTool({"avatar", "import", "--settings", second.settings, "--sex", "0", "--out",
                     dir.Path("two.xgl")})
                .code,
            0);
  EXPECT_EQ(Export({"--gallery", dir.Path("two.xgl")}).settings, second.settings);
}

TEST(AvatarTool, TheSexFlagChoosesTheDataSet) {
  TempDir dir;
  EXPECT_EQ(Export({"--library", "female", "--random"}).sex, "1\n");
  ASSERT_EQ(RunTool({"avatar", "import", "--settings", "1;1;1;", "--sex", "2", "--out",
                     dir.Path("f.xgl")})
                .code,
            0);
  const Exported female = Export({"--library", "female", "--gallery", dir.Path("f.xgl")});
  EXPECT_EQ(female.sex, "1\n");
  EXPECT_EQ(Fields(female.settings)[1], "1");
  EXPECT_EQ(Fields(female.settings)[2], "1");
}

TEST(AvatarTool, UnreadableTextsExitTwoNamingTheField) {
  TempDir dir;
  const std::string out = dir.Path("bad.xgl");
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"--settings", "1;x;1;", "--sex", "0"}, "AVSettings field 2 is not a whole number"},
      {{"--settings", "1;1;300;", "--sex", "0"}, "AVSettings field 3 is out of the range"},
      {{"--settings", "-1;", "--sex", "0"}, "AVSettings field 1 is out of the range"},
      {{"--settings", "1;1;1;1;1;1;1;1;1;1;1;1;1;1;1;", "--sex", "0"}, "more than 14 fields"},
      {{"--settings", "1;", "--sex", "girl"}, "AVSex is not a whole number"},
  };
  for (const auto& [args, message] : rows) {
    std::vector<std::string> all = {"avatar", "import", "--out", out};
    all.insert(all.end(), args.begin(), args.end());
    const ToolRun run = RunTool(all);
    EXPECT_EQ(run.code, 2) << message;
    EXPECT_THAT(run.err, HasSubstr(message));
    EXPECT_FALSE(std::filesystem::exists(out)) << message;
  }
}

TEST(AvatarTool, ParsesTheActionsAndRefusesMixedOptions) {
  const auto parse = [](std::vector<std::string> args) {
    args.insert(args.begin(), "kelvo");
    return ParseCommandLine(args);
  };
  const ParseOutcome exported = parse({"avatar", "export", "--gallery", "g.xgl", "--index", "3"});
  ASSERT_EQ(exported.kind, ParseOutcome::Kind::kRun) << exported.text;
  const auto& e = std::get<AvatarOptions>(exported.commandLine.command);
  EXPECT_EQ(e.action, AvatarOptions::Action::kExport);
  EXPECT_EQ(e.source.gallery, "g.xgl");
  EXPECT_EQ(e.source.index, 3);
  EXPECT_EQ(e.lib.library, "male");

  const ParseOutcome imported =
      parse({"avatar", "import", "--settings", "1;2;", "--sex", "1", "--out", "a.xgl"});
  ASSERT_EQ(imported.kind, ParseOutcome::Kind::kRun) << imported.text;
  const auto& i = std::get<AvatarOptions>(imported.commandLine.command);
  EXPECT_EQ(i.action, AvatarOptions::Action::kImport);
  EXPECT_EQ(i.settings, "1;2;");
  EXPECT_EQ(i.sex, "1");
  EXPECT_EQ(i.out, "a.xgl");

  const std::pair<std::vector<std::string>, std::string> faults[] = {
      {{"avatar"}, "Give export or import after avatar."},
      {{"avatar", "swap"}, "not 'swap'"},
      {{"avatar", "export"}, "Give either --gallery FILE.xgl or --random."},
      {{"avatar", "export", "--random", "--out", "x.xgl"}, "go with avatar import"},
      {{"avatar", "import", "--sex", "1", "--out", "a.xgl"}, "--settings is required"},
      {{"avatar", "import", "--settings", "1;", "--out", "a.xgl"}, "--sex is required"},
      {{"avatar", "import", "--settings", "1;", "--sex", "1"}, "--out is required"},
      {{"avatar", "import", "--library", "ape", "--settings", "1;", "--sex", "1", "--out", "a"},
       "--library goes with avatar export"},
      {{"avatar", "import", "--random", "--settings", "1;", "--sex", "1", "--out", "a"},
       "go with avatar export"},
  };
  for (const auto& [args, message] : faults) {
    const ParseOutcome outcome = parse(args);
    EXPECT_EQ(outcome.kind, ParseOutcome::Kind::kUsageError) << message;
    EXPECT_THAT(outcome.text, HasSubstr(message));
  }
  const ParseOutcome help = parse({"--help"});
  EXPECT_THAT(help.text, HasSubstr("avatar"));
  EXPECT_THAT(parse({"avatar", "--help"}).text, HasSubstr("kelvo avatar import --settings TEXT"));
}

}  // namespace
}  // namespace kelvo::cli
