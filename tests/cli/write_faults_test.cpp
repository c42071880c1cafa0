// The tool's writers (gallery, library text and images, BMP and PNG) under a file-size limit
// and into a read-only folder: exit code 2, a message naming the file, the old files intact.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "cli/kelvo_app.h"
#include "cli/tiny_library.h"
#include "support/write_faults.h"

namespace kelvo::cli {
namespace {

using test::FaultRun;
using test::RunUnderWriteFault;
using test::Snapshot;
using test::WriteFault;

TEST(KelvoWriteFaults, EveryWriterKeepsTheOldFileAndExitsWithTwo) {
  TempDir dir;
  WriteTinyLibrary(dir.Path("data"), "tiny");
  const std::string work = dir.Path("work");
  struct Row {
    std::vector<std::string> command;
    std::vector<std::string> old_files;  // under work/, the first is the one named
  };
  const Row rows[] = {
      {{"random", "--count", "2", "--out", work + "/g.xgl"}, {"g.xgl"}},
      {{"resave", "--out", work + "/lib", "--images"},
       {"lib/dro", "lib/dep", "lib/cmp", "lib/col", "lib/ani"}},
      {{"render", "--random", "--out", work + "/p.bmp"}, {"p.bmp"}},
      {{"render", "--random", "--out", work + "/p.png"}, {"p.png"}},
      {{"frames", "--random", "--out", work + "/p.bmp"}, {"p_Mouth_0.bmp"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.command[0] + " " + row.old_files[0]);
    std::filesystem::remove_all(work);
    for (const std::string& file : row.old_files) {
      std::filesystem::create_directories(std::filesystem::path(work + "/" + file).parent_path());
      WriteFileBytes(work + "/" + file, "old " + file);
    }
    std::vector<std::string> args = {"kelvo", "--data", dir.Path("data")};
    args.insert(args.end(), row.command.begin(), row.command.end());
    args.insert(args.end(), {"--library", "tiny"});
    const auto kelvo = [&](std::ostream& messages) {
      std::ostringstream out;
      return RunKelvo(args, out, messages);
    };
    for (const WriteFault fault : {WriteFault::kFileSizeLimit, WriteFault::kReadOnlyFolder}) {
      SCOPED_TRACE(test::FaultName(fault));
      const auto before = Snapshot(work);
      const FaultRun run = RunUnderWriteFault(fault, work, kelvo);
      ASSERT_FALSE(run.skipped) << "the fault could not be set up";
      EXPECT_EQ(run.code, kExitOtherError) << run.messages;
      const std::string named = std::filesystem::path(row.old_files[0]).filename().string();
      EXPECT_NE(run.messages.find(named), std::string::npos) << run.messages;
      EXPECT_EQ(Snapshot(work), before);
    }
    std::ostringstream messages;
    EXPECT_EQ(kelvo(messages), kExitSuccess) << messages.str();
    EXPECT_NE(ReadFileBytes(work + "/" + row.old_files[0]), "old " + row.old_files[0]);
  }
}

}  // namespace
}  // namespace kelvo::cli
