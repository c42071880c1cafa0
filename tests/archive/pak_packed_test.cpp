// Packed mode of TPak and the pack file: reading, building and the checks that keep
// a damaged or hostile pack from being read out of bounds.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <string>
#include <vector>

#include "archive/pak.h"
#include "archive/pak_file.h"
#include "archive/pak_prompter.h"
#include "archive/pak_unit.h"
#include "archive/pak_vfs.h"
#include "support/test_support.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;

class ScriptedPrompter : public PackPrompter {
 public:
  MissingPackAnswer AskMissingPack(const std::string& text) override {
    questions.push_back(text);
    return missing;
  }
  CreateFailedAnswer AskCreateFailed(const std::string& text) override {
    questions.push_back(text);
    if (create_answers.empty()) return CreateFailedAnswer::kIgnore;
    CreateFailedAnswer answer = create_answers.front();
    create_answers.erase(create_answers.begin());
    return answer;
  }
  void Progress(const std::string& text) override { progress.push_back(text); }

  MissingPackAnswer missing = MissingPackAnswer::kCancel;
  std::vector<CreateFailedAnswer> create_answers;
  std::vector<std::string> questions;
  std::vector<std::string> progress;
};

std::string Text(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

void PutLE(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(value >> (8 * i));
}

// A pack of the given files (name, bytes) laid out as a build lays it out.
std::string PackBytes(const std::vector<std::pair<std::string, std::string>>& files) {
  std::string data;
  std::string directory;
  for (const auto& [name, bytes] : files) {
    TPakEntry entry;
    entry.Marker = TPakEntry::kPackMarker;
    entry.SetName(name);
    entry.Size = static_cast<uint32_t>(bytes.size());
    entry.Offset = static_cast<uint32_t>(data.size());
    data += bytes;
    const auto record = entry.ToBytes();
    directory.append(record.begin(), record.end());
  }
  std::string pack = data + directory;
  PutLE(pack, static_cast<uint32_t>(files.size()));
  return pack;
}

class PackedMode : public testing::Test {
 protected:
  void SetUp() override { ctx->ArchiveUnit().SetPrompter(&prompter); }
  void TearDown() override { ctx->ArchiveUnit().SetPrompter(nullptr); }

  std::string PackPath() const { return ctx.folder.Dir() + "data.VXP"; }
  std::unique_ptr<TPak> Open() {
    return std::make_unique<TPak>(ctx->ArchiveUnit(), ctx.folder.Dir() + "data", PackPath());
  }
  void WritePack(const std::string& bytes) { ctx.folder.Write("data.VXP", bytes); }

  test::TestContext ctx;
  ScriptedPrompter prompter;
};

TEST_F(PackedMode, ReadsPackedFilesCaseInsensitivelyAndDiskFilesWin) {
  WritePack(PackBytes({{"data\\a.bmp", "packed a"}, {"same.txt", "from pack"}}));
  ctx.folder.Write("data/same.txt", "from disk");
  auto pak = Open();
  EXPECT_TRUE(prompter.questions.empty());
  EXPECT_EQ("packed a", Text(pak->LoadFile("Data\\A.BMP")));
  EXPECT_EQ("packed a", Text(pak->LoadFile("DATA/a.bmp")));
  EXPECT_EQ("from disk", Text(pak->LoadFile("same.txt")));
  EXPECT_EQ("from disk", Text(pak->LoadFile(ctx.folder.Dir() + "data/same.txt")));
  auto entry = pak->FindEntry("data\\A.bmp");
  ASSERT_TRUE(entry);
  EXPECT_EQ(TPakEntry::kPackMarker, entry->Marker);
  pak->ReleaseEntry(entry);
  EXPECT_TRUE(pak->OpenNames().empty());
  EXPECT_TRUE(ctx.sink.shown.empty());
}

TEST_F(PackedMode, PackedDataIsReadInPiecesUpToItsSize) {
  WritePack(PackBytes({{"x", "ignored"}, {"ten.bin", "0123456789"}}));
  auto pak = Open();
  TPakVFS& files = pak->Files();
  const int32_t handle = files.FileOpen("ten.bin");
  ASSERT_NE(TPakVFS::kNoHandle, handle);
  EXPECT_EQ(10, files.FileSize(handle));
  std::vector<uint8_t> buffer(100);
  EXPECT_EQ(3, files.FileRead(handle, std::span<uint8_t>(buffer.data(), 3)));
  EXPECT_EQ(7, files.FileRead(handle, buffer));
  EXPECT_EQ('3', buffer[0]);
  EXPECT_EQ(0, files.FileRead(handle, buffer));
  files.FileClose(handle);
}

TEST_F(PackedMode, NamesAreStoredAndComparedByTheirFirst60Characters) {
  const std::string long_name = "dir\\" + std::string(57, 'n');  // 61 characters
  test::TestFolder source;
  source.Write("dir/" + std::string(57, 'n'), "long one");
  ASSERT_TRUE(BuildPackFile(source.Dir(), PackPath(), false, {}).complete);
  auto pak = Open();
  auto entry = pak->FindEntry(long_name);
  ASSERT_TRUE(entry);
  EXPECT_EQ(long_name.substr(0, 60), entry->Name);
  pak->ReleaseEntry(entry);
  EXPECT_EQ("long one", Text(pak->LoadFile(long_name)));
  EXPECT_EQ("long one", Text(pak->LoadFile(long_name.substr(0, 60) + "other")));
}

TEST_F(PackedMode, AnEmptyPackIsExactlyItsZeroCount) {
  struct Row {
    std::string bytes;
    bool corrupt;
  };
  for (const Row& row : {Row{std::string(4, '\0'), false}, Row{std::string(8, '\0'), true},
                         Row{std::string(84, '\0'), true}, Row{"", true}, Row{"ab", true}}) {
    ctx.sink.shown.clear();
    fs::remove(PackPath() + ".corrupt");
    WritePack(row.bytes);
    auto pak = Open();
    EXPECT_EQ(0u, pak->PackIndexSize()) << row.bytes.size();
    EXPECT_EQ(row.corrupt, !ctx.folder.Exists("data.VXP")) << row.bytes.size();
    EXPECT_EQ(row.corrupt, ctx.folder.Exists("data.VXP.corrupt")) << row.bytes.size();
    ASSERT_EQ(row.corrupt ? 1u : 0u, ctx.sink.shown.size()) << row.bytes.size();
    if (row.corrupt) {
      EXPECT_EQ(row.bytes, ctx.folder.Read("data.VXP.corrupt"));
      EXPECT_EQ("WARNING: File " + PackPath() + " was corrupted and has been moved to " +
                    PackPath() + ".corrupt, new file will be created at next time you run this " +
                    "program.",
                ctx.sink.shown[0].text);
      EXPECT_EQ("Warning", ctx.sink.shown[0].caption);
    }
  }
}

TEST_F(PackedMode, DamagedPacksAreReportedAndNeverReadOutOfBounds) {
  const std::string good = PackBytes({{"a.txt", "aaaa"}, {"b.txt", "bbbbbb"}});
  std::string huge = good;
  huge.replace(huge.size() - 4, 4, std::string("\x00\xCA\x9A\x3B", 4));  // 10^9 entries
  std::string negative = good;
  negative.replace(negative.size() - 4, 4, std::string("\xFF\xFF\xFF\xFF", 4));
  std::string past_end = good;
  // Second entry's size (at 12 + 80 + 8) made larger than the data.
  past_end[10 + 80 + 8] = static_cast<char>(0xFF);
  std::string offset_wrap = good;
  offset_wrap.replace(10 + 80 + 12, 4, std::string("\xF0\xFF\xFF\xFF", 4));
  std::string no_marker = good;
  no_marker[10 + 80] = 'X';
  std::string truncated = good.substr(0, 10 + 80 + 40) + good.substr(good.size() - 4);
  struct Row {
    const char* what;
    std::string bytes;
    size_t kept;  // entries read before the bad one
  };
  for (const Row& row :
       {Row{"huge count", huge, 0}, Row{"negative count", negative, 0},
        Row{"size past the end", past_end, 1}, Row{"offset past the end", offset_wrap, 1},
        Row{"no marker", no_marker, 1}, Row{"truncated entry", truncated, 0}}) {
    ctx.sink.shown.clear();
    WritePack(row.bytes);
    auto pak = Open();
    EXPECT_EQ(row.kept, pak->PackIndexSize()) << row.what;
    ASSERT_EQ(1u, ctx.sink.shown.size()) << row.what;
    EXPECT_NE(std::string::npos, ctx.sink.shown[0].text.find("was corrupted")) << row.what;
    EXPECT_EQ(row.bytes, ctx.folder.Read("data.VXP.corrupt")) << row.what;  // replaced
    // The pack is closed: what was kept yields no bytes.
    EXPECT_TRUE(pak->LoadFile("a.txt").empty()) << row.what;
    EXPECT_TRUE(pak->LoadFile("b.txt").empty()) << row.what;
  }
  EXPECT_NE(std::string::npos, ctx.UsedFilesLog().find("lies outside the data"));
}

TEST_F(PackedMode, AFolderUnderThePackNameIsNeitherReadNorMoved) {
  fs::create_directories(PackPath());
  ctx.folder.Write("data/a.txt", "disk");
  auto pak = Open();
  EXPECT_EQ("disk", Text(pak->LoadFile("a.txt")));
  EXPECT_TRUE(fs::is_directory(PackPath()));
  EXPECT_TRUE(ctx.sink.shown.empty());
  EXPECT_TRUE(prompter.questions.empty());
}

TEST_F(PackedMode, TheMissingPackQuestionBuildsMakesEmptyOrEnds) {
  ctx.folder.Write("data/male/dro", "dro");
  prompter.missing = MissingPackAnswer::kCancel;
  try {
    Open();
    FAIL() << "Cancel ends the program";
  } catch (const ProgramEnd& end) {
    EXPECT_EQ(1, end.Code());
  }
  ASSERT_EQ(1u, prompter.questions.size());
  EXPECT_EQ("Packed file " + PackPath() +
                " doesn't exist, select YES to build new file, or NO to create only empty file.",
            prompter.questions[0]);
  EXPECT_FALSE(ctx.folder.Exists("data.VXP"));

  prompter.missing = MissingPackAnswer::kEmpty;
  Open();
  EXPECT_EQ(std::string(4, '\0'), ctx.folder.Read("data.VXP"));
  EXPECT_TRUE(prompter.progress.empty());

  fs::remove(PackPath());
  prompter.missing = MissingPackAnswer::kBuild;
  auto pak = Open();
  EXPECT_EQ(std::vector<std::string>{"Adding: " + ctx.folder.Dir() + "data/male/dro"},
            prompter.progress);
  fs::remove(ctx.folder.Path() / "data/male/dro");
  EXPECT_EQ("dro", Text(Open()->LoadFile("male\\dro")));  // now from the pack
}

TEST_F(PackedMode, APackThatCannotBeCreatedAsksAbortRetryIgnore) {
  prompter.missing = MissingPackAnswer::kBuild;
  prompter.create_answers = {CreateFailedAnswer::kRetry, CreateFailedAnswer::kIgnore};
  const std::string pack = ctx.folder.Dir() + "no such folder/p.VXP";
  TPak pak(ctx->ArchiveUnit(), ctx.folder.Dir() + "data", pack);
  ASSERT_EQ(3u, prompter.questions.size());  // missing, then twice unable
  EXPECT_EQ(
      "Unable to create file:\"" + pack + "\", file may be in use or drive is write protected...",
      prompter.questions[1]);
  prompter.create_answers = {CreateFailedAnswer::kAbort};
  try {
    TPak again(ctx->ArchiveUnit(), ctx.folder.Dir() + "data", pack);
    FAIL() << "Abort ends the program";
  } catch (const ProgramEnd& end) {
    EXPECT_EQ(0, end.Code());
  }
}

TEST_F(PackedMode, AShortWriteLeavesAnEmptyPackAndWarns) {
  ctx.folder.Write("data/big.bin", std::string(8192, 'b'));
  prompter.missing = MissingPackAnswer::kBuild;
  // Past the limit a write comes short (EFBIG) instead of raising SIGXFSZ.
  rlimit old{};
  ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &old));
  rlimit small = old;
  small.rlim_cur = 2048;
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
  std::unique_ptr<TPak> pak = Open();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, handler);
  EXPECT_EQ(std::string(4, '\0'), ctx.folder.Read("data.VXP"));
  ASSERT_EQ(1u, ctx.sink.shown.size());
  EXPECT_EQ("WARNING: Disk full, cannot add " + ctx.folder.Dir() + "data/big.bin to " + PackPath() +
                "\r\nAn empty VXP file has been created. ",
            ctx.sink.shown[0].text);
  EXPECT_EQ(8192u, pak->LoadFile("big.bin").size());  // from disk
}

TEST(PackFile, BuildWalksFilesBeforeFoldersInNameOrderAndIsRepeatable) {
  test::TestFolder source;
  for (const char* name : {"b.txt", "A.txt", "sub/z.bin", "Sub2/y", "c/deep/x", "a2.txt"})
    source.Write(name, std::string("bytes of ") + name);
  std::vector<std::string> names;
  for (const PackSource& s : ListPackSources(source.Dir())) names.push_back(s.name);
  EXPECT_EQ(
      (std::vector<std::string>{"A.txt", "a2.txt", "b.txt", "c\\deep\\x", "sub\\z.bin", "Sub2\\y"}),
      names);

  test::TestFolder out;
  std::vector<std::string> added;
  PackBuildEvents events;
  events.adding = [&](const std::string& path) { added.push_back(path); };
  const PackBuildResult first = BuildPackFile(source.Dir(), out.Dir() + "one.VXP", false, events);
  ASSERT_TRUE(first.complete) << first.error;
  EXPECT_EQ(6, first.files);
  EXPECT_EQ(6u, added.size());
  ASSERT_TRUE(BuildPackFile(source.Dir(), out.Dir() + "two.VXP", false, {}).complete);
  EXPECT_EQ(out.Read("one.VXP"), out.Read("two.VXP"));

  const int fd = ::open((out.Dir() + "one.VXP").c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  const PackDirectory directory = ReadPackDirectory(fd);
  EXPECT_EQ("", directory.problem);
  ASSERT_EQ(6u, directory.entries.size());
  uint32_t offset = 0;
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(names[i], directory.entries[i].Name);
    EXPECT_EQ(offset, directory.entries[i].Offset);
    offset += directory.entries[i].Size;
    std::string path = names[i];
    std::replace(path.begin(), path.end(), '\\', '/');
    EXPECT_EQ(source.Read(path), Text(ReadPackData(fd, directory.entries[i])));
  }
  ::close(fd);
}

TEST(PackFile, ThePackItselfIsLeftOutOfItsOwnBuild) {
  test::TestFolder source;
  source.Write("a", "a");
  source.Write("self.VXP", "old pack");
  ASSERT_TRUE(BuildPackFile(source.Dir(), source.Dir() + "self.VXP", false, {}).complete);
  const int fd = ::open((source.Dir() + "self.VXP").c_str(), O_RDONLY);
  const PackDirectory directory = ReadPackDirectory(fd);
  ::close(fd);
  ASSERT_EQ(1u, directory.entries.size());
  EXPECT_EQ("a", directory.entries[0].Name);
}

TEST(PackFile, NamesThatCouldLeaveTheTargetAreUnsafe) {
  struct Row {
    const char* name;
    bool safe;
  };
  for (const Row& row :
       {Row{"male\\dro", true}, Row{"a..b\\c", true}, Row{"..\\x", false},
        Row{"a\\..\\..\\x", false}, Row{"a/../x", false}, Row{"..", false},
        Row{"\\etc\\passwd", false}, Row{"/etc/passwd", false}, Row{"C:\\x", false},
        Row{"c:x", false}, Row{"\\\\srv\\x", false}, Row{"", false}}) {
    EXPECT_EQ(row.safe, IsSafePackName(row.name)) << row.name;
  }
}

}  // namespace
}  // namespace kelvo
