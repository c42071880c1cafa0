#include "archive/pak.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/pak_unit.h"
#include "archive/pak_vfs.h"
#include "foundation/errors.h"
#include "foundation/log_channels.h"
#include "support/test_support.h"

namespace kelvo {
namespace {

std::vector<std::string> LogLines(const std::string& log) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < log.size()) {
    size_t end = log.find("\r\n", start);
    if (end == std::string::npos) end = log.size();
    lines.push_back(log.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

bool HasLine(const std::string& log, const std::string& line) {
  for (const std::string& l : LogLines(log))
    if (l == line) return true;
  return false;
}

int CountPrefix(const std::string& log, const std::string& prefix) {
  int n = 0;
  for (const std::string& l : LogLines(log)) n += l.rfind(prefix, 0) == 0;
  return n;
}

TEST(TPak, RelativeNamesResolveUnderTheBaseDirectory) {
  test::TestContext ctx;
  ctx.folder.Write("data/male/x.txt", "male x");
  TPak& pak = ctx->Archive();
  EXPECT_EQ(ctx.folder.Dir() + "data/", pak.BaseDir());
  std::string bytes;
  for (uint8_t b : pak.LoadFile("male\\x.txt")) bytes += static_cast<char>(b);
  EXPECT_EQ("male x", bytes);
  EXPECT_EQ(6u, pak.LoadFile(ctx.folder.Dir() + "data/male/x.txt").size());  // absolute
  EXPECT_EQ("C:\\x\\y", pak.FullName("C:\\x\\y"));
  EXPECT_EQ("\\\\srv\\share\\y", pak.FullName("\\\\srv\\share\\y"));
}

TEST(TPak, MapsPrefixFindsTheSameFile) {
  test::TestContext ctx("data\\base");
  ctx.folder.Write("data/base/maps/m1.txt", "map");
  TPak& pak = ctx->Archive();
  EXPECT_EQ(3u, pak.LoadFile("..\\MAPS\\m1.txt").size());
  EXPECT_EQ(3u, pak.LoadFile("maps\\m1.txt").size());
}

TEST(TPak, MixedCaseNamesAreFoundOnACaseSensitiveFileSystem) {
  test::TestContext ctx;
  ctx.folder.Write("data/Male/OBLICEJE/Obl01.KMP", "abc");
  TPak& pak = ctx->Archive();
  EXPECT_EQ(3u, pak.LoadFile("male\\obliceje\\obl01.kmp").size());
  EXPECT_TRUE(pak.Files().FileExists("MALE\\Obliceje\\OBL01.kmp"));
}

TEST(TPak, RelativeNameIgnoresLetterCase) {
  test::TestContext ctx;
  TPak& pak = ctx->Archive();
  std::string upper = pak.BaseDir();
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ("male\\dro", pak.RelativeName(upper + "male\\dro"));
  EXPECT_EQ("male\\dro", pak.RelativeName(pak.FullName("male\\dro")));
  EXPECT_EQ("/elsewhere/dro", pak.RelativeName("/elsewhere/dro"));
}

TEST(TPak, EmptyBaseMeansTheProgramDirectory) {
  test::TestContext ctx("");
  ctx.folder.Write("top.txt", "t");
  EXPECT_EQ("\\", ctx->Archive().BaseDir());
  EXPECT_EQ(ctx.folder.Dir() + "a\\b", ctx->Archive().FullName("a\\b"));
  EXPECT_EQ(1u, ctx->Archive().LoadFile("top.txt").size());
}

TEST(TPak, EntriesNotReleasedAreReportedOnce) {
  test::TestContext ctx;
  ctx.folder.Write("data/a.txt", "a");
  {
    TPak pak(ctx->ArchiveUnit(), ctx.folder.Dir() + "data");
    auto first = pak.FindEntry("a.txt");
    auto second = pak.FindEntry("A.TXT");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(0, first->Marker);
    EXPECT_EQ(1u, first->Size);
    EXPECT_EQ(pak.FullName("a.txt"), first->Name);
    pak.ReleaseEntry(first);
    pak.ReleaseEntry(std::nullopt);
  }
  const std::string log = ctx.UsedFilesLog();
  EXPECT_EQ(1, CountPrefix(log, "NOT CLOSED: "));
  EXPECT_TRUE(HasLine(log, "NOT CLOSED: " + ctx.folder.Dir() + "data/A.TXT"));
  EXPECT_TRUE(HasLine(log, "Opening:  | " + ctx.folder.Dir() + "data"));
  EXPECT_TRUE(HasLine(log, "Closing:  | " + ctx.folder.Dir() + "data/"));
}

TEST(TPak, LongNamesAreCutInTheEntryOnly) {
  test::TestContext ctx;
  const std::string name(70, 'n');
  ctx.folder.Write("data/" + name, "long");
  auto entry = ctx->Archive().FindEntry(name);
  ASSERT_TRUE(entry);
  EXPECT_EQ(60u, entry->Name.size());
  ctx->Archive().ReleaseEntry(entry);
  EXPECT_TRUE(ctx->Archive().OpenNames().empty());
}

TEST(TPak, MissesAreLoggedAndLoadFileOrFailNamesTheFile) {
  test::TestContext ctx;
  TPak& pak = ctx->Archive();
  EXPECT_TRUE(pak.LoadFile("none.txt").empty());
  EXPECT_FALSE(pak.Files().FileExists("gone.txt"));
  try {
    pak.LoadFileOrFail("male\\none");
    FAIL() << "nothing to load";
  } catch (const KelvoError& e) {
    EXPECT_STREQ("Cannot load male/none", e.what());
  }
  ctx.folder.Write("data/empty.txt", "");
  EXPECT_THROW(pak.LoadFileOrFail("empty.txt"), KelvoError);
  const std::string log = ctx.UsedFilesLog();
  EXPECT_TRUE(
      HasLine(log, "*********** WARNING *********: Cannot open: " + pak.FullName("none.txt")));
  EXPECT_TRUE(HasLine(log, "NEGATIVE result for FileExists: " + pak.FullName("gone.txt")));
  EXPECT_EQ(0, CountPrefix(log, "NEGATIVE result for FileExists: " + pak.FullName("none")));
}

TEST(TPakVFS, HandlesCountFromAMillionAndAreNeverReused) {
  test::TestContext ctx;
  ctx.folder.Write("data/a.txt", "0123456789");
  TPakVFS& files = ctx->Archive().Files();
  const int32_t first = files.FileOpen("a.txt");
  EXPECT_EQ(1000000, first);
  files.FileClose(first);
  const int32_t second = files.FileOpen("a.txt");
  EXPECT_EQ(1000001, second);
  EXPECT_EQ(-1, files.FileOpen("missing.txt"));
  EXPECT_EQ(1000002, files.FileOpen("a.txt"));
  files.FileClose(1000002);
  files.FileClose(first);  // no longer open: ignored
  EXPECT_EQ(-1, files.FileSize(first));
  EXPECT_EQ(-1, files.FileTime(first));
  EXPECT_EQ(10, files.FileSize(second));

  std::vector<uint8_t> buffer(100);
  EXPECT_EQ(0, files.FileRead(second, std::span<uint8_t>(buffer.data(), 0)));
  EXPECT_EQ(0, files.FileRead(first, buffer));
  EXPECT_EQ(4, files.FileRead(second, std::span<uint8_t>(buffer.data(), 4)));
  EXPECT_EQ(6, files.FileRead(second, buffer));
  EXPECT_EQ(0, files.FileRead(second, buffer));
  EXPECT_EQ('4', buffer[0]);
  EXPECT_EQ(10, ctx->ArchiveUnit().TotalRead());
  files.FileClose(second);
  EXPECT_TRUE(ctx->Archive().OpenNames().empty());
  EXPECT_TRUE(HasLine(ctx.UsedFilesLog(), "FileOpen: a.txt"));
}

TEST(TPakVFS, FileTimeIsMsDosPackedLocalTime) {
  setenv("TZ", "UTC", 1);
  tzset();
  test::TestContext ctx;
  const auto file = ctx.folder.Write("data/t.txt", "t");
  // 2001-02-03 04:05:06 UTC
  const auto when = std::chrono::sys_seconds(std::chrono::seconds(981173106));
  std::filesystem::last_write_time(file, std::chrono::file_clock::from_sys(when));
  TPakVFS& files = ctx->Archive().Files();
  const int32_t handle = files.FileOpen("t.txt");
  const uint32_t date = (21u << 9) | (2u << 5) | 3u;
  const uint32_t time = (4u << 11) | (5u << 5) | 3u;
  EXPECT_EQ(static_cast<int64_t>(date << 16 | time), files.FileTime(handle));
  files.FileClose(handle);
}

TEST(TPakVFS, FileExistsLeavesNothingOpen) {
  test::TestContext ctx;
  ctx.folder.Write("data/here.txt", "h");
  EXPECT_TRUE(ctx->Archive().Files().FileExists("here.txt"));
  ctx.Stop();
  const std::string log = ctx.UsedFilesLog();
  EXPECT_EQ(0, CountPrefix(log, "NOT CLOSED: "));
  EXPECT_EQ(0, CountPrefix(log, "NEGATIVE result"));
}

TEST(TextDevice, LoadsTheWholeFileAndEndsWithTheEndOfTextMark) {
  test::TestContext ctx;
  ctx.folder.Write("data/t.txt", "ab");
  ctx.folder.Write("data/empty.txt", "");
  TPak& pak = ctx->Archive();
  auto device = pak.AssignText("t.txt");
  device->Open();
  EXPECT_EQ(1u, pak.OpenNames().size());  // the loading handle is closed already
  EXPECT_EQ('a', device->Read());
  EXPECT_EQ('b', device->Read());
  EXPECT_TRUE(device->Eof());
  EXPECT_EQ(26, device->Read());
  EXPECT_EQ(26, device->Read());
  device->Close();
  EXPECT_TRUE(pak.OpenNames().empty());

  auto empty = pak.AssignText("empty.txt");
  empty->Open();
  EXPECT_TRUE(empty->Eof());
  auto missing = pak.AssignText("missing.txt");  // assigning succeeds; opening fails
  EXPECT_THROW(missing->Open(), IoError);
  auto unnamed = pak.AssignText("");
  EXPECT_THROW(unnamed->Open(), IoError);
}

TEST(PakUnit, ShutdownReportsArchivesStillOpen) {
  test::TestContext ctx;
  PakUnit& unit = ctx->ArchiveUnit();
  unit.AddRead(7);
  unit.Shutdown();
  unit.Shutdown();  // once only
  const std::string log = ctx.UsedFilesLog();
  EXPECT_TRUE(HasLine(log, "Total: 7 bytes read."));
  EXPECT_TRUE(HasLine(log, "WARNING: PAK file not closed: | data"));
  EXPECT_EQ(1, CountPrefix(log, "PPAK shutdown."));
}

TEST(TPakEntry, RoundTripsThe80ByteRecord) {
  TPakEntry entry;
  entry.Marker = TPakEntry::kPackMarker;
  entry.Time = 0x2A435C83;
  entry.Size = 1234;
  entry.Offset = 0x01020304;
  entry.SetName(std::string(61, 'q'));
  const auto bytes = entry.ToBytes();
  EXPECT_EQ(0x0D, bytes[0]);
  EXPECT_EQ(0x0A, bytes[1]);
  EXPECT_EQ(0x83, bytes[4]);
  EXPECT_EQ(0x04, bytes[12]);
  EXPECT_EQ(60, bytes[16]);
  EXPECT_EQ(0, bytes[77]);
  const TPakEntry back = TPakEntry::FromBytes(bytes);
  EXPECT_EQ(entry.Marker, back.Marker);
  EXPECT_EQ(entry.Time, back.Time);
  EXPECT_EQ(entry.Size, back.Size);
  EXPECT_EQ(entry.Offset, back.Offset);
  EXPECT_EQ(std::string(60, 'q'), back.Name);
}

}  // namespace
}  // namespace kelvo
