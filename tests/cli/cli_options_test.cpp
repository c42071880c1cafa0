#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/param_names.h"

namespace kelvo::cli {
namespace {

ParseOutcome Parse(std::vector<std::string> args) {
  args.insert(args.begin(), "kelvo");
  return ParseCommandLine(args);
}

template <typename T>
T Options(std::vector<std::string> args) {
  const ParseOutcome outcome = Parse(std::move(args));
  EXPECT_EQ(outcome.kind, ParseOutcome::Kind::kRun) << outcome.text;
  const T* options = std::get_if<T>(&outcome.commandLine.command);
  EXPECT_NE(options, nullptr);
  return options ? *options : T{};
}

TEST(CliOptions, DefaultsOfEachCommand) {
  EXPECT_EQ(Options<CheckOptions>({"check"}).lib.library, "male");
  const auto random = Options<RandomOptions>({"random", "--out", "a.xgl"});
  EXPECT_EQ(random.count, 1);
  EXPECT_FALSE(random.nation.has_value());
  EXPECT_EQ(random.out, "a.xgl");
  const auto render = Options<RenderOptions>({"render", "--gallery", "g.xgl", "--out", "o.bmp"});
  EXPECT_EQ(render.source.gallery, "g.xgl");
  EXPECT_EQ(render.source.index, 1);
  EXPECT_FALSE(render.source.all);
  EXPECT_EQ(render.scale, 1);
  EXPECT_FALSE(render.verbose);
  EXPECT_EQ(Options<StatsOptions>({"stats"}).count, 10000);
  EXPECT_FALSE(Options<ResaveOptions>({"resave", "--out", "d"}).images);
  const auto mirror = Options<MirrorOptions>({"mirror", "--library", "ape", "--out", "d"});
  EXPECT_EQ(mirror.lib.library, "ape");
  EXPECT_EQ(mirror.out, "d");
  EXPECT_TRUE(Options<AnimOptions>({"anim", "--random", "--out", "a.png"}).source.IsRandom());
}

TEST(CliOptions, ValuesReachTheirFields) {
  const ParseOutcome outcome =
      Parse({"--data", "/base", "render", "--library", "female", "--random", "--count", "7",
             "--nation", "Arabian", "--scale", "4", "--out=x%d.png", "--verbose"});
  ASSERT_EQ(outcome.kind, ParseOutcome::Kind::kRun) << outcome.text;
  EXPECT_EQ(outcome.commandLine.dataDir, "/base");
  const auto& r = std::get<RenderOptions>(outcome.commandLine.command);
  EXPECT_EQ(r.lib.library, "female");
  EXPECT_TRUE(r.source.IsRandom());
  EXPECT_EQ(r.source.count, 7);
  EXPECT_EQ(r.source.nation, Nation::kArabian);
  EXPECT_EQ(r.scale, 4);
  EXPECT_EQ(r.out, "x%d.png");
  EXPECT_TRUE(r.verbose);

  const auto all =
      Options<RenderOptions>({"render", "--gallery", "g", "--all", "--out", "o%d.bmp"});
  EXPECT_TRUE(all.source.all);
  EXPECT_EQ(
      Options<AnimOptions>({"anim", "--gallery", "g", "--index", "3", "--out", "a"}).source.index,
      3);
  EXPECT_TRUE(Options<ResaveOptions>({"resave", "--out", "d", "--images"}).images);
  EXPECT_EQ(Options<StatsOptions>({"stats", "--nation", "russian", "--count", "5"}).nation,
            Nation::kRussian);
  // Workers and output settings of the commands that write images.
  const auto jobs = Options<RenderOptions>(
      {"render", "--random", "--jobs", "3", "--png-level", "9", "--sync", "--out", "a"});
  EXPECT_EQ(jobs.jobs, 3);
  EXPECT_EQ(jobs.output.png_level, 9);
  EXPECT_TRUE(jobs.output.sync);
  EXPECT_EQ(all.jobs, 0);
  EXPECT_EQ(all.output.png_level, 1);
  EXPECT_FALSE(all.output.sync);
  const auto sheet = Options<SheetOptions>(
      {"sheet", "--gallery", "g", "--jobs", "2", "--png-level=0", "--out", "s"});
  EXPECT_EQ(sheet.jobs, 2);
  EXPECT_EQ(sheet.output.png_level, 0);
  EXPECT_TRUE(Options<AnimOptions>({"anim", "--random", "--sync", "--out", "a"}).output.sync);
  // Seeds, transparency, JSON and thumbnails.
  EXPECT_EQ(Options<RandomOptions>({"random", "--seed", "4294967295", "--out", "a"}).seed,
            4294967295u);
  EXPECT_EQ(Options<StatsOptions>({"stats", "--seed", "0"}).seed, 0u);
  EXPECT_EQ(
      Options<FramesOptions>({"frames", "--random", "--seed", "9", "--out", "a.bmp"}).source.seed,
      9u);
  EXPECT_EQ(Options<AvatarOptions>({"avatar", "export", "--random", "--seed", "3"}).source.seed,
            3u);
  EXPECT_TRUE(Options<RenderOptions>({"render", "--random", "--transparent", "--out", "a.png"})
                  .transparent);
  EXPECT_TRUE(Options<CheckOptions>({"check", "--json"}).json);
  EXPECT_TRUE(Options<StatsOptions>({"stats", "--json"}).json);
  const auto thumbnail = Options<ThumbnailOptions>({"thumbnail", "g.xgl", "t.png"});
  EXPECT_EQ(thumbnail.gallery, "g.xgl");
  EXPECT_EQ(thumbnail.out, "t.png");
  EXPECT_EQ(thumbnail.size, 128);
  EXPECT_EQ(Options<ThumbnailOptions>({"thumbnail", "--size", "256", "g", "t"}).size, 256);
  // --data is taken after the command too.
  EXPECT_EQ(Parse({"check", "--data", "/d"}).commandLine.dataDir, "/d");
}

struct UsageRow {
  const char* what;
  std::vector<std::string> args;
  std::string message;  // part of the text
};

void PrintTo(const UsageRow& row, std::ostream* os) {
  *os << "kelvo";
  for (const std::string& a : row.args) *os << " " << a;
}

class CliUsageErrors : public testing::TestWithParam<UsageRow> {};

TEST_P(CliUsageErrors, AreReportedWithAShortUsage) {
  const ParseOutcome outcome = Parse(GetParam().args);
  EXPECT_EQ(outcome.kind, ParseOutcome::Kind::kUsageError);
  EXPECT_NE(outcome.text.find(GetParam().message), std::string::npos) << outcome.text;
  EXPECT_NE(outcome.text.find("Usage: kelvo"), std::string::npos) << outcome.text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliUsageErrors,
    testing::Values(
        UsageRow{"no command", {}, "No command given."},
        UsageRow{"unknown command", {"paint"}, "Unknown command 'paint'."},
        UsageRow{"unknown global option", {"--bogus", "check"}, "Unknown option 'bogus'."},
        UsageRow{"unknown command option", {"check", "--bogus"}, "Unknown option 'bogus'."},
        UsageRow{"option of another command", {"check", "--count", "3"}, "Unknown option 'count'."},
        UsageRow{"unexpected argument", {"check", "extra"}, "Unexpected argument 'extra'."},
        UsageRow{
            "library without value", {"check", "--library"}, "Missing value after '--library'."},
        UsageRow{"data without value", {"--data"}, "Missing value after '--data'."},
        UsageRow{"random without out", {"random"}, "The option --out is required."},
        UsageRow{"count zero",
                 {"random", "--out", "a", "--count", "0"},
                 "--count must be a whole number"},
        UsageRow{"count above 200", {"random", "--out", "a", "--count", "201"}, "from 1 to 200"},
        UsageRow{"count not a number", {"random", "--out", "a", "--count", "3x"}, "not '3x'"},
        UsageRow{
            "unknown nation", {"random", "--out", "a", "--nation", "french"}, "--nation must be"},
        UsageRow{"render without source",
                 {"render", "--out", "a.bmp"},
                 "Give either --gallery FILE.xgl or --random."},
        UsageRow{"render with both sources",
                 {"render", "--random", "--gallery", "g", "--out", "a"},
                 "Give either"},
        UsageRow{"index and all",
                 {"render", "--gallery", "g", "--all", "--index", "2", "--out", "a"},
                 "not both"},
        UsageRow{"index with random",
                 {"render", "--random", "--index", "2", "--out", "a"},
                 "go with --gallery"},
        UsageRow{"count with gallery",
                 {"render", "--gallery", "g", "--count", "2", "--out", "a"},
                 "go with --random"},
        UsageRow{"scale 3",
                 {"render", "--random", "--scale", "3", "--out", "a"},
                 "--scale must be 1, 2, 4 or 8"},
        UsageRow{"anim count",
                 {"anim", "--random", "--count", "2", "--out", "a"},
                 "Unknown option 'count'."},
        UsageRow{
            "anim all", {"anim", "--gallery", "g", "--all", "--out", "a"}, "Unknown option 'all'."},
        UsageRow{"sheet without gallery",
                 {"sheet", "--out", "a.png"},
                 "The option --gallery is required."},
        UsageRow{"resave without out", {"resave"}, "The option --out is required."},
        UsageRow{"mirror without out",
                 {"mirror", "--library", "female"},
                 "The option --out is required."},
        UsageRow{"mirror images", {"mirror", "--out", "d", "--images"}, "Unknown option 'images'."},
        UsageRow{"jobs zero",
                 {"render", "--random", "--jobs", "0", "--out", "a"},
                 "--jobs must be a whole number from 1 to 256, not '0'."},
        UsageRow{"jobs not a number",
                 {"sheet", "--gallery", "g", "--jobs", "two", "--out", "a"},
                 "not 'two'"},
        UsageRow{"png level 10",
                 {"render", "--random", "--png-level", "10", "--out", "a"},
                 "--png-level must be a whole number from 0 to 9, not '10'."},
        UsageRow{"anim jobs",
                 {"anim", "--random", "--jobs", "2", "--out", "a"},
                 "Unknown option 'jobs'."},
        UsageRow{"random sync", {"random", "--sync", "--out", "a"}, "Unknown option 'sync'."},
        UsageRow{"stats out", {"stats", "--out", "x"}, "Unknown option 'out'."},
        UsageRow{"seed negative",
                 {"stats", "--seed", "-1"},
                 "--seed must be a whole number from "
                 "0 to 4294967295, not '-1'."},
        UsageRow{"seed past 32 bits",
                 {"random", "--seed", "4294967296", "--out", "a"},
                 "not '4294967296'"},
        UsageRow{
            "seed not a number", {"render", "--random", "--seed", "7x", "--out", "a"}, "not '7x'"},
        UsageRow{"seed empty", {"anim", "--random", "--seed=", "--out", "a"}, "not ''"},
        UsageRow{"seed with gallery",
                 {"frames", "--gallery", "g", "--seed", "1", "--out", "a.bmp"},
                 "--seed goes with --random"},
        UsageRow{
            "seed with avatar import",
            {"avatar", "import", "--seed", "1", "--settings", "1;", "--sex", "0", "--out", "a"},
            "--seed go with avatar export"},
        UsageRow{"transparent bmp",
                 {"render", "--random", "--transparent", "--out", "a%d.BMP"},
                 "--transparent writes PNG files only"},
        UsageRow{"check seed", {"check", "--seed", "1"}, "Unknown option 'seed'."},
        UsageRow{"thumbnail without output", {"thumbnail", "g.xgl"}, "Give the gallery FILE.xgl"},
        UsageRow{"thumbnail size zero",
                 {"thumbnail", "g.xgl", "t.png", "--size", "0"},
                 "--size must be a whole number from 1 to 4096"}),
    test::NameBy(&UsageRow::what));

TEST(CliOptions, HelpAndVersion) {
  const ParseOutcome help = Parse({"--help"});
  EXPECT_EQ(help.kind, ParseOutcome::Kind::kHelp);
  for (const char* command :
       {"check", "random", "render", "resave", "mirror", "sheet", "anim", "stats", "thumbnail"}) {
    EXPECT_NE(help.text.find(command), std::string::npos) << command;
    const ParseOutcome own = Parse({command, "--help"});
    EXPECT_EQ(own.kind, ParseOutcome::Kind::kHelp);
    EXPECT_NE(own.text.find(std::string("Usage: kelvo ") + command), std::string::npos);
  }
  // Every summary stands apart from its command's name, the longest included.
  EXPECT_NE(help.text.find("  thumbnail  draw a gallery's first portrait"), std::string::npos);
  EXPECT_NE(help.text.find("  check      load a library"), std::string::npos);
  EXPECT_EQ(Parse({"render", "-h"}).kind, ParseOutcome::Kind::kHelp);
  EXPECT_EQ(Parse({"--help", "sheet"}).text, Parse({"sheet", "--help"}).text);
  EXPECT_EQ(Parse({"--version"}).kind, ParseOutcome::Kind::kVersion);
}

}  // namespace
}  // namespace kelvo::cli
