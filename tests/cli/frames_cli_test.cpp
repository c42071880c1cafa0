// kelvo frames: its options, the file set of a bundled data set's portrait, and an output
// folder that cannot be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cli/cli_options.h"
#include "cli/cli_test_support.h"

namespace kelvo::cli {
namespace {

ParseOutcome ParseFrames(std::vector<std::string> args) {
  args.insert(args.begin(), {"kelvo", "frames"});
  return ParseCommandLine(args);
}

TEST(FramesOptions, SourceAndBitmapOutput) {
  const ParseOutcome gallery =
      ParseFrames({"--library", "ape", "--gallery", "g.xgl", "--index", "3", "--out", "p.BMP"});
  ASSERT_EQ(gallery.kind, ParseOutcome::Kind::kRun) << gallery.text;
  const auto& o = std::get<FramesOptions>(gallery.commandLine.command);
  EXPECT_EQ(o.lib.library, "ape");
  EXPECT_EQ(o.source.gallery, "g.xgl");
  EXPECT_EQ(o.source.index, 3);
  EXPECT_EQ(o.out, "p.BMP");
  const std::pair<std::vector<std::string>, std::string> faults[] = {
      {{"--random", "--out", "p.png"}, "--out must end in .bmp, not 'p.png'."},
      {{"--random"}, "The option --out is required."},
      {{"--out", "p.bmp"}, "Give either --gallery FILE.xgl or --random."},
      {{"--random", "--count", "2", "--out", "p.bmp"}, "Unknown option 'count'."},
  };
  for (const auto& [args, message] : faults) {
    const ParseOutcome outcome = ParseFrames(args);
    EXPECT_EQ(outcome.kind, ParseOutcome::Kind::kUsageError) << message;
    EXPECT_EQ(outcome.text.rfind(message + "\nUsage: kelvo frames", 0), 0u) << outcome.text;
  }
}

TEST(FramesTool, WritesTheFileSetOfABundledPortrait) {
  TempDir dir;
  const ToolRun run =
      RunTool({"frames", "--library", "male", "--random", "--out", dir.Path("p.bmp")});
  ASSERT_EQ(run.code, 0) << run.err;
  std::vector<std::string> expected{"p.bmp"};
  for (const char* label : {"Eyes", "Eyes_NB", "Mouth", "Mouth_NB"}) {
    for (int n = 0; n < 4; ++n)
      expected.push_back("p_" + std::string(label) + "_" + std::to_string(n) + ".bmp");
  }
  expected.push_back("p_EyeBrows_0.bmp");
  expected.push_back("p_EyeBrows_1.bmp");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(dir.FileNames(), expected);
  EXPECT_EQ(run.out.rfind(dir.Path("p_Mouth_0.bmp") + "\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("\nWrote 19 frame files\n"), std::string::npos) << run.out;

  // The corner shows the background in the frames and in the base picture, pure red without it.
  const std::string mouth = ReadFileBytes(dir.Path("p_Mouth_0.bmp"));
  const std::string base = ReadFileBytes(dir.Path("p.bmp"));
  EXPECT_EQ(BmpPixel(mouth, 0, 0), BmpPixel(base, 0, 0));
  EXPECT_NE(BmpPixel(mouth, 0, 0), (Rgb24{255, 0, 0}));
  for (const char* nb : {"p_Mouth_NB_3.bmp", "p_Eyes_NB_0.bmp"}) {
    const std::string frame = ReadFileBytes(dir.Path(nb));
    EXPECT_EQ(BmpPixel(frame, 0, 0), (Rgb24{255, 0, 0})) << nb;
    EXPECT_EQ(BmpPixel(frame, 319, 399), (Rgb24{255, 0, 0})) << nb;
  }
  // The same portrait gives the same files.
  const ToolRun again =
      RunTool({"frames", "--library", "male", "--random", "--out", dir.Path("q.bmp")});
  ASSERT_EQ(again.code, 0) << again.err;
  EXPECT_EQ(ReadFileBytes(dir.Path("q_Eyes_2.bmp")), ReadFileBytes(dir.Path("p_Eyes_2.bmp")));
}

TEST(FramesTool, AFolderThatCannotBeWrittenIsNamedAndGetsNoFile) {
  TempDir dir;
  const std::string out = dir.Path("missing/p.bmp");
  const ToolRun run = RunTool({"frames", "--library", "male", "--random", "--out", out});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("p_Mouth_0.bmp"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir.Path("missing")));
  const ToolRun help = RunTool({"--help"});
  EXPECT_NE(help.out.find("\n  frames   "), std::string::npos) << help.out;
}

}  // namespace
}  // namespace kelvo::cli
