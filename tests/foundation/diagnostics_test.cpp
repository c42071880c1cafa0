#include "foundation/diagnostics.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>
#include <thread>

#include "foundation/errors.h"
#include "foundation/log_channels.h"
#include "support/test_support.h"

namespace kelvo {
namespace {

TEST(Diagnostics, WarningsCarryTheirPrefixAndCaption) {
  CollectingSink sink;
  DataWarning(sink, "odd colour");
  EXPECT_TRUE(ArchiveWarning(sink, true, "pack gone"));
  EXPECT_FALSE(ArchiveWarning(sink, false, "not shown"));
  ASSERT_EQ(2u, sink.shown.size());
  EXPECT_EQ(DiagnosticKind::kDataWarning, sink.shown[0].kind);
  EXPECT_EQ("Kelvo warning: odd colour", sink.shown[0].text);
  EXPECT_EQ(DiagnosticKind::kArchiveWarning, sink.shown[1].kind);
  EXPECT_EQ("Warning", sink.shown[1].caption);
  EXPECT_EQ("WARNING: pack gone", sink.shown[1].text);
}

TEST(Diagnostics, TopLevelTurnsFailuresIntoMessagesAndExitCodes) {
  CollectingSink sink;
  EXPECT_EQ(0, RunReportingErrors(sink, [] { return 0; }));
  EXPECT_EQ(1, RunReportingErrors(sink, []() -> int { throw FatalDataError("bad TYP"); }));
  EXPECT_EQ(2, RunReportingErrors(sink, []() -> int { throw ConversionError("x1"); }));
  EXPECT_EQ(2, RunReportingErrors(sink, []() -> int { throw IoError(5, "male\\dro"); }));
  EXPECT_EQ(2, RunReportingErrors(sink, []() -> int {
              throw IoError::FromSystem(ENOENT, "out/p1.png", "create");
            }));
  EXPECT_EQ((std::vector<std::string>{"Kelvo ERROR: bad TYP", "'x1' is not a valid integer value",
                                      "Cannot open file male/dro (I/O error 5)",
                                      "Cannot create file out/p1.png (I/O error 2: No such file "
                                      "or directory)"}),
            sink.Texts());
}

TEST(LogChannels, ChannelFilesAreNamedAfterProgramDirAndComputer) {
  test::TestFolder folder;
  LogChannels log(folder.Dir(), "PC1");
  log.LogLine(0, "first");
  log.LogLine(0, "second");
  log.LogLine(7, "seven");
  log.LogLine(-1, "minus");
  log.LogLine(2, "dx");
  log.LogLine(4, "engine");
  log.LogLine(5, "multi");
  EXPECT_EQ("first\r\nsecond\r\n", folder.Read("LOG_PC1_UsedFiles.txt"));
  EXPECT_EQ("seven\r\nminus\r\n", folder.Read("LOG_PC1_Unsorted events.txt"));
  EXPECT_EQ("dx\r\n", folder.Read("LOG_PC1_DX.txt"));
  EXPECT_EQ("engine\r\n", folder.Read("LOG_PC1_Engine.txt"));
  EXPECT_EQ("multi\r\n", folder.Read("LOG_PC1_Multi.txt"));
}

TEST(LogChannels, Channel3IsIgnoredAndCode255Deletes) {
  test::TestFolder folder;
  LogChannels log(folder.Dir(), "PC1");
  log.LogLine(3, "tick");
  log.Reset(3);
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
  log.LogLine(1, "x");
  log.LogLine(1, std::string(1, '\xFF'));
  EXPECT_FALSE(folder.Exists("LOG_PC1_Unsorted events.txt"));
  log.Reset(1);  // already missing: no error
}

// The channel's file stays open between lines: a reset still starts a new file, and two
// writers of one file append in turn.
TEST(LogChannels, LinesAfterAResetStartANewFileAndWritersShareIt) {
  test::TestFolder folder;
  LogChannels log(folder.Dir(), "PC1");
  log.LogLine(0, "a");
  log.Reset(0);
  log.LogLine(0, "b");
  LogChannels other(folder.Dir(), "PC1");
  other.LogLine(0, "c");
  log.LogLine(0, "d");
  EXPECT_EQ("b\r\nc\r\nd\r\n", folder.Read("LOG_PC1_UsedFiles.txt"));
}

// A batch holds its thread's lines and writes them in order when the outermost batch closes,
// also when an exception leaves it; a reset inside drops what it held for that channel.
TEST(LogChannels, BatchesWriteTheirLinesWhenTheyClose) {
  test::TestFolder folder;
  LogChannels log(folder.Dir(), "PC1");
  log.LogLine(0, "before");
  {
    const LogChannels::Batch outer(log);
    log.LogLine(0, "one");
    {
      const LogChannels::Batch inner(log);
      log.LogLine(0, "two");
      log.LogLine(2, "dx");
    }
    EXPECT_EQ("before\r\n", folder.Read("LOG_PC1_UsedFiles.txt"));
    std::thread([&log] { log.LogLine(0, "other thread"); }).join();
    EXPECT_EQ("before\r\nother thread\r\n", folder.Read("LOG_PC1_UsedFiles.txt"));
  }
  EXPECT_EQ("before\r\nother thread\r\none\r\ntwo\r\n", folder.Read("LOG_PC1_UsedFiles.txt"));
  EXPECT_EQ("dx\r\n", folder.Read("LOG_PC1_DX.txt"));

  try {
    const LogChannels::Batch batch(log);
    log.LogLine(2, "lost with the file");
    log.Reset(2);
    log.LogLine(2, "after the reset");
    log.LogLine(0, "three");
    throw std::runtime_error("load failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ("before\r\nother thread\r\none\r\ntwo\r\nthree\r\n",
            folder.Read("LOG_PC1_UsedFiles.txt"));
  EXPECT_EQ("after the reset\r\n", folder.Read("LOG_PC1_DX.txt"));

  // A batch of another log on the same thread leaves this one writing at once.
  LogChannels other(folder.Dir(), "PC2");
  const LogChannels::Batch batch(other);
  {
    const LogChannels::Batch second(log);
    log.LogLine(0, "four");
    EXPECT_EQ("before\r\nother thread\r\none\r\ntwo\r\nthree\r\nfour\r\n",
              folder.Read("LOG_PC1_UsedFiles.txt"));
  }
  other.LogLine(0, "held");
  EXPECT_FALSE(folder.Exists("LOG_PC2_UsedFiles.txt"));
}

TEST(LogChannels, FailuresAreSwallowed) {
  test::TestFolder folder;
  LogChannels log(folder.Dir() + "missing/", "PC1");
  log.LogLine(0, "lost");
  log.Reset(0);
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

}  // namespace
}  // namespace kelvo
