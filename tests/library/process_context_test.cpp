#include "library/process_context.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "archive/pak.h"
#include "foundation/diagnostics.h"
#include "support/test_support.h"

namespace kelvo {
namespace {

TEST(ProcessContext, StartResetsLogsAndShutdownReportsTheArchive) {
  test::TestContext ctx;
  ctx->LogLine(0, "first run");
  ctx->LogLine(1, "u");
  ctx->LogLine(2, "d");
  ctx->LogLine(4, "e");
  ctx->LogLine(5, "m");
  ctx.Start();  // the second start of the program
  for (const char* name : {"Unsorted events.txt", "DX.txt", "Engine.txt"})
    EXPECT_FALSE(ctx.folder.Exists(std::string("LOG_PC1_") + name)) << name;
  EXPECT_EQ("m\r\n", ctx.folder.Read("LOG_PC1_Multi.txt"));
  ctx.folder.Write("data/x.txt", "12345");
  EXPECT_EQ(5u, ctx->Archive().LoadFile("x.txt").size());
  ctx.Stop();
  const std::string base = ctx.folder.Dir() + "data/";
  EXPECT_EQ(
      "Opening:  | data\r\n"
      "FileOpen: x.txt\r\n"
      "Closing:  | " +
          base +
          "\r\n"
          "Total: 5 bytes read.\r\n"
          "PPAK shutdown.\r\n",
      ctx.UsedFilesLog());
}

TEST(ProcessContext, DefaultsComeFromTheRunningProgram) {
  CollectingSink sink;
  test::TestFolder folder;
  ProcessOptions options;
  options.program_dir = folder.Dir();
  ProcessContext context(sink, options);
  EXPECT_FALSE(context.ComputerName().empty());
  EXPECT_EQ(folder.Dir() + "kelvoed/data_big/", context.Archive().BaseDir());
  EXPECT_EQ(folder.Dir() + "kelvoed/data_big/male\\dro", context.Archive().FullName("male\\dro"));
  context.DataWarning("w");
  EXPECT_EQ("Kelvo warning: w", sink.shown.at(0).text);
}

}  // namespace
}  // namespace kelvo

namespace kelvo {
namespace {

// An installed copy: programs in bin/ (read-only), data in share/kelvoed/data_big.
class InstalledContext : public ::testing::Test {
 protected:
  InstalledContext() {
    folder.Write("prefix/share/kelvoed/data_big/x.txt", "12345");
    folder.Write("prefix/bin/kelvo", "");
    setenv("XDG_DATA_HOME", (folder.Dir() + "data").c_str(), 1);
    options.program_dir = folder.Dir() + "prefix/bin/";
    options.computer_name = "PC1";
  }
  ~InstalledContext() override {
    chmod((folder.Dir() + "prefix/bin").c_str(), 0755);
    unsetenv("XDG_DATA_HOME");
  }

  test::TestFolder folder;
  CollectingSink sink;
  ProcessOptions options;
};

TEST_F(InstalledContext, ReadsTheSharedDataAndLogsToTheDataHome) {
  chmod((folder.Dir() + "prefix/bin").c_str(), 0555);
  {
    ProcessContext context(sink, options);
    EXPECT_EQ(folder.Dir() + "prefix/share/kelvoed/data_big/", context.Archive().BaseDir());
    EXPECT_EQ(5u, context.Archive().LoadFile("x.txt").size());
    EXPECT_EQ(folder.Dir() + "data/KelvoEd/", context.UserFilesDir());
    EXPECT_EQ(folder.Dir() + "data/KelvoEd/Mods/", context.ProgramFolder("Mods"));
  }
  EXPECT_TRUE(folder.Exists("data/KelvoEd/LOG_PC1_UsedFiles.txt"));
  EXPECT_FALSE(folder.Exists("prefix/bin/LOG_PC1_UsedFiles.txt"));
}

TEST_F(InstalledContext, GameFoldersBesideTheProgramStayInUse) {
  folder.Write("prefix/bin/UserProfiles/p/x", "");
  chmod((folder.Dir() + "prefix/bin").c_str(), 0555);
  ProcessContext context(sink, options);
  EXPECT_EQ(folder.Dir() + "prefix/bin/UserProfiles/", context.ProgramFolder("UserProfiles"));
  EXPECT_EQ(folder.Dir() + "data/KelvoEd/Mods/", context.ProgramFolder("Mods"));
}

TEST_F(InstalledContext, AWritableProgramFolderKeepsEverything) {
  ProcessContext context(sink, options);
  EXPECT_EQ(folder.Dir() + "prefix/bin/", context.UserFilesDir());
  EXPECT_EQ(folder.Dir() + "prefix/bin/Mods/", context.ProgramFolder("Mods"));
  EXPECT_FALSE(folder.Exists("data"));
}

}  // namespace
}  // namespace kelvo
