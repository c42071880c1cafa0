// kelvo pack build|list|extract and reading the data sets through --pack.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

#include "archive/pak_entry.h"
#include "cli/cli_options.h"
#include "cli/cli_test_support.h"
#include "cli/commands.h"
#include "cli/tiny_library.h"

namespace kelvo::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kGallery =
    "GALLERY\r\n  PORTRET\r\n    PAK tiny\r\n    PORT_COMPONENTS\r\n      NAZEV \"A\"\r\n"
    "      TYP OBLICEJE\r\n        COMP face_a\r\n"
    "        BARVY 0000FF 85 000000 0 000000 0 000000 0\r\n        POSUN 2 -4\r\n"
    "        ROZESUN 0 0\r\n      END_OF_TYP\r\n    END_OF_PORT_COMPONENTS\r\n"
    "  END_OF_PORTRET\r\nEND_OF_GALLERY\r\nEND\r\n";

class KelvoPack : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_.Path("empty"));
    WriteTinyLibrary(dir_.Path("data"), "tiny");
    fs::create_directories(dir_.Path("data/tiny/deeper/nested"));
    WriteFileBytes(dir_.Path("data/tiny/deeper/nested/n.bin"), std::string("\0\1\2zz", 5));
    WriteFileBytes(dir_.Path("g.xgl"), kGallery);
  }
  ToolRun Build() const {
    return RunTool({"--data", dir_.Path("data"), "pack", "build", "--out", Pack()});
  }
  std::string Pack() const { return dir_.Path("data.VXP"); }

  TempDir dir_;
};

// Every file under root with its bytes, by "/"-separated relative path.
std::map<std::string, std::string> Tree(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& item : fs::recursive_directory_iterator(root))
    if (item.is_regular_file())
      files[fs::relative(item.path(), root).string()] = ReadFileBytes(item.path().string());
  return files;
}

TEST_F(KelvoPack, CheckAndRenderThroughThePackMatchTheFolder) {
  const ToolRun build = Build();
  ASSERT_EQ(build.code, 0) << build.err;
  EXPECT_TRUE(std::regex_match(
      build.out, std::regex("Packed [0-9]+ files, [0-9]+ bytes into " + Pack() + "\n")))
      << build.out;
  EXPECT_EQ(build.err, "");

  const ToolRun disk = RunTool({"--data", dir_.Path("data"), "check", "--library", "tiny"});
  const ToolRun packed =
      RunTool({"--data", dir_.Path("empty"), "--pack", Pack(), "check", "--library", "tiny"});
  ASSERT_EQ(packed.code, 0) << packed.err;
  EXPECT_EQ(disk.out, packed.out);
  EXPECT_EQ(packed.err, "");

  for (const std::string where : {"data", "empty"}) {
    std::vector<std::string> args = {"--data", dir_.Path(where)};
    if (where == "empty") args.insert(args.end(), {"--pack", Pack()});
    args.insert(args.end(), {"render", "--library", "tiny", "--gallery", dir_.Path("g.xgl"),
                             "--out", dir_.Path(where + ".bmp")});
    ASSERT_EQ(RunTool(args).code, 0) << where;
  }
  EXPECT_EQ(ReadFileBytes(dir_.Path("data.bmp")), ReadFileBytes(dir_.Path("empty.bmp")));
  EXPECT_EQ(Tree(dir_.Path("empty")).size(), 0u);  // nothing written into the data folder
}

TEST_F(KelvoPack, BuildListAndExtractGiveBackTheSameBytes) {
  const ToolRun build =
      RunTool({"--data", dir_.Path("data"), "pack", "build", "--out", Pack(), "--verbose"});
  ASSERT_EQ(build.code, 0) << build.err;
  EXPECT_NE(build.err.find("Adding: " + dir_.Path("data/tiny/deeper/nested/n.bin") + "\n"),
            std::string::npos)
      << build.err;
  const ToolRun list = RunTool({"pack", "list", Pack()});
  ASSERT_EQ(list.code, 0) << list.err;
  EXPECT_TRUE(std::regex_search(
      list.out,
      std::regex("tiny\\\\deeper\\\\nested\\\\n\\.bin +5 +[0-9]+ 20[0-9-]{8} [0-9:]{8}\n")))
      << list.out;
  const ToolRun extract = RunTool({"pack", "extract", Pack(), "--out", dir_.Path("out")});
  ASSERT_EQ(extract.code, 0) << extract.err;
  EXPECT_EQ(Tree(dir_.Path("data")), Tree(dir_.Path("out")));
  // A second build of the same folder is the same file.
  const std::string first = ReadFileBytes(Pack());
  ASSERT_EQ(Build().code, 0);
  EXPECT_EQ(first, ReadFileBytes(Pack()));
}

// A pack file of the given entries, each holding its name's bytes.
void WritePack(const std::string& path, const std::vector<std::string>& names) {
  std::string data;
  std::string index;
  for (const std::string& name : names) {
    TPakEntry entry;
    entry.Marker = TPakEntry::kPackMarker;
    entry.SetName(name);
    entry.Size = static_cast<uint32_t>(name.size());
    entry.Offset = static_cast<uint32_t>(data.size());
    data += name;
    const auto record = entry.ToBytes();
    index.append(record.begin(), record.end());
  }
  const auto count = static_cast<uint32_t>(names.size());
  for (int shift = 0; shift < 32; shift += 8) index += static_cast<char>(count >> shift & 0xFF);
  WriteFileBytes(path, data + index);
}

TEST_F(KelvoPack, ExtractGoesOnPastEntriesItCannotWrite) {
  WritePack(dir_.Path("bad.VXP"), {"a.txt", "dir\\", "x", "x\\y", "z\\last.txt"});
  const ToolRun run = RunTool({"pack", "extract", dir_.Path("bad.VXP"), "--out", dir_.Path("o")});
  EXPECT_EQ(run.code, 2);
  EXPECT_EQ(Tree(dir_.Path("o")),
            (std::map<std::string, std::string>{
                {"a.txt", "a.txt"}, {"x", "x"}, {"z/last.txt", "z\\last.txt"}}));
  // Each entry left out is named; the run still writes every later one.
  EXPECT_NE(run.err.find("dir\\"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Cannot extract x\\y: "), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "Extracted 3 files, 16 bytes into " + dir_.Path("o") + "\n");
}

TEST_F(KelvoPack, ExtractKeepsHostileNamesInsideTheTarget) {
  std::string data =
      "evil"
      "fine";
  std::string pack = data;
  const char* names[] = {"..\\escaped.txt", "ok\\fine.txt"};
  for (int i = 0; i < 2; ++i) {
    TPakEntry entry;
    entry.Marker = TPakEntry::kPackMarker;
    entry.SetName(names[i]);
    entry.Size = 4;
    entry.Offset = static_cast<uint32_t>(4 * i);
    const auto record = entry.ToBytes();
    pack.append(record.begin(), record.end());
  }
  pack += std::string("\2\0\0\0", 4);
  WriteFileBytes(dir_.Path("hostile.VXP"), pack);
  const ToolRun run =
      RunTool({"pack", "extract", dir_.Path("hostile.VXP"), "--out", dir_.Path("x/target")});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("Skipped ..\\escaped.txt"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(dir_.Path("x/escaped.txt")));
  EXPECT_EQ(ReadFileBytes(dir_.Path("x/target/ok/fine.txt")), "fine");
}

TEST_F(KelvoPack, FaultsAreReportedWithTheirExitCodes) {
  WriteFileBytes(dir_.Path("bad.VXP"), std::string("\0\xCA\x9A\x3B", 4));
  struct Row {
    std::vector<std::string> args;
    int code;
    std::string message;
  };
  for (const Row& row : {
           Row{{"--data", dir_.Path("empty"), "--pack", dir_.Path("none.VXP"), "check"},
               1,
               "doesn't exist"},
           Row{{"pack", "list", dir_.Path("bad.VXP")}, 2, "is corrupt"},
           Row{{"pack", "list", dir_.Path("none.VXP")}, 2, "none.VXP"},
           Row{{"--data", dir_.Path("nowhere"), "pack", "build", "--out", Pack()},
               2,
               "does not exist"},
           Row{{"--data", dir_.Path("data"), "pack", "build", "--out", dir_.Path("no/p.VXP")},
               2,
               "no/p.VXP"},
       }) {
    const ToolRun run = RunTool(row.args);
    EXPECT_EQ(run.code, row.code) << row.message << " " << run.err;
    EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadFileBytes(dir_.Path("bad.VXP")).size(), 4u);  // a list never moves a pack
  EXPECT_FALSE(fs::exists(dir_.Path("none.VXP")));
}

TEST(PackOptions, ParsesEachActionAndRejectsMisuse) {
  auto parse = [](std::vector<std::string> args) {
    args.insert(args.begin(), "kelvo");
    return ParseCommandLine(args);
  };
  const ParseOutcome build = parse({"--data", "d", "pack", "build", "--out", "p.VXP", "--verbose"});
  ASSERT_EQ(build.kind, ParseOutcome::Kind::kRun) << build.text;
  const auto& b = std::get<PackOptions>(build.commandLine.command);
  EXPECT_EQ(b.action, PackOptions::Action::kBuild);
  EXPECT_EQ(b.out, "p.VXP");
  EXPECT_TRUE(b.verbose);
  const ParseOutcome extract = parse({"pack", "extract", "p.VXP", "--out", "dir"});
  ASSERT_EQ(extract.kind, ParseOutcome::Kind::kRun) << extract.text;
  EXPECT_EQ(std::get<PackOptions>(extract.commandLine.command).pack, "p.VXP");
  const ParseOutcome packed = parse({"--pack", "p.VXP", "check"});
  ASSERT_EQ(packed.kind, ParseOutcome::Kind::kRun);
  EXPECT_EQ(packed.commandLine.packFile, "p.VXP");
  EXPECT_EQ(parse({"pack", "--help"}).kind, ParseOutcome::Kind::kHelp);
  struct Row {
    std::vector<std::string> args;
    std::string message;
  };
  for (const Row& row :
       {Row{{"pack"}, "Give build, list or extract"}, Row{{"pack", "zip"}, "not 'zip'"},
        Row{{"pack", "list"}, "Give the pack file"},
        Row{{"pack", "list", "a.VXP", "b.VXP"}, "Unexpected argument 'b.VXP'"},
        Row{{"pack", "list", "a.VXP", "--out", "d"}, "not with pack list"},
        Row{{"pack", "extract", "a.VXP"}, "--out is required"},
        Row{{"pack", "build", "--out", "p", "--library", "x"}, "library"},
        Row{{"--pack", "p.VXP", "pack", "list", "a"}, "does not go with"},
        Row{{"--pack", "", "check"}, "--pack needs a value"}}) {
    const ParseOutcome outcome = parse(row.args);
    EXPECT_EQ(outcome.kind, ParseOutcome::Kind::kUsageError) << row.message;
    EXPECT_NE(outcome.text.find(row.message), std::string::npos) << outcome.text;
  }
}

TEST(PackListing, DosTimesPrintAsDates) {
  const uint32_t date = (44u << 9) | (5u << 5) | 6u;  // 2024-05-06
  const uint32_t time = (7u << 11) | (8u << 5) | 5u;  // 07:08:10
  EXPECT_EQ(DosTimeText(date << 16 | time), "2024-05-06 07:08:10");
}

}  // namespace
}  // namespace kelvo::cli
