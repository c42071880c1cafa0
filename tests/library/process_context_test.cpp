#include "library/process_context.h"

#include <gtest/gtest.h>

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
