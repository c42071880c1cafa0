// `kelvo mirror` on a bundled data set: twice gives the files of a resave, once differs; an
// output that cannot be written fails with exit code 2.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "cli/cli_test_support.h"

namespace kelvo::cli {
namespace {

const std::string kData = std::string(KELVO_PROGRAM_DIR) + "/kelvoed/data_big";

std::map<std::string, std::string> Files(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    if (entry.is_regular_file()) {
      files[std::filesystem::relative(entry.path(), dir).string()] =
          ReadFileBytes(entry.path().string());
    }
  }
  return files;
}

TEST(MirrorTool, TwiceWritesTheFilesOfAResave) {
  TempDir dir;
  const ToolRun once = RunTool({"--data", kData, "mirror", "--out", dir.Path("once")});
  ASSERT_EQ(once.code, 0) << once.err;
  EXPECT_NE(once.out.find("mirrored to"), std::string::npos) << once.out;
  const ToolRun twice = RunTool(
      {"--data", kData, "mirror", "--library", dir.Path("once"), "--out", dir.Path("twice")});
  ASSERT_EQ(twice.code, 0) << twice.err;
  const ToolRun resave = RunTool(
      {"--data", kData, "resave", "--library", "male", "--out", dir.Path("resaved"), "--images"});
  ASSERT_EQ(resave.code, 0) << resave.err;

  const auto resaved = Files(dir.Path("resaved"));
  EXPECT_GE(resaved.size(), 5u + 7u);
  EXPECT_TRUE(Files(dir.Path("twice")) == resaved);
  EXPECT_FALSE(Files(dir.Path("once")) == resaved);
}

TEST(MirrorTool, AnOutputThatCannotBeMadeFailsWithTwo) {
  TempDir dir;
  WriteFileBytes(dir.Path("plain"), "x");
  const ToolRun run = RunTool({"--data", kData, "mirror", "--out", dir.Path("plain/out")});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find(dir.Path("plain/out")), std::string::npos) << run.err;
  EXPECT_EQ(dir.FileNames(), std::vector<std::string>{"plain"});
}

}  // namespace
}  // namespace kelvo::cli
