// Runs the built tool on a small crafted library in a temporary folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>

#include "cli/cli_test_support.h"
#include "cli/tiny_library.h"

namespace kelvo::cli {
namespace {

// A gallery with one portrait of the tiny library: face_a shifted by (2, -4), the mouth, both red.
constexpr const char* kGallery =
    "GALLERY\r\n"
    "  PORTRET\r\n"
    "    PAK tiny\r\n"
    "    VOICE 7\r\n"
    "    PORT_COMPONENTS\r\n"
    "      NAZEV \"Jan K\"\r\n"
    "      TYP OBLICEJE\r\n"
    "        COMP face_a\r\n"
    "        BARVY 0000FF 85 000000 0 000000 0 000000 0\r\n"
    "        POSUN 2 -4\r\n"
    "        ROZESUN 0 0\r\n"
    "      END_OF_TYP\r\n"
    "      TYP PUSY\r\n"
    "        COMP mouth\r\n"
    "        BARVY 0000FF 85 000000 0 000000 0 000000 0\r\n"
    "        POSUN 0 0\r\n"
    "        ROZESUN 0 0\r\n"
    "      END_OF_TYP\r\n"
    "    END_OF_PORT_COMPONENTS\r\n"
    "  END_OF_PORTRET\r\n"
    "END_OF_GALLERY\r\n"
    "END\r\n";

constexpr Rgb24 kBlack{0, 0, 0};
constexpr Rgb24 kRed{248, 0, 0};
constexpr Rgb24 kBackground{16, 68, 160};  // split_rgb16(0x1234)

class KelvoTool : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_.Path("data"));
    std::filesystem::create_directories(dir_.Path("work"));
    WriteTinyLibrary(dir_.Path("data"), "tiny");
    WriteFileBytes(Work("g.xgl"), kGallery);
  }

  std::string Work(const std::string& name) const { return dir_.Path("work/" + name); }

  // kelvo --data <data> <command> --library tiny <more>
  ToolRun Kelvo(const std::string& command, std::vector<std::string> more = {}) const {
    std::vector<std::string> args = {"--data", dir_.Path("data"), command, "--library", "tiny"};
    args.insert(args.end(), more.begin(), more.end());
    return RunTool(args);
  }

  std::vector<std::string> WorkFiles() const { return dir_.FileNames("work"); }

  TempDir dir_;
};

TEST_F(KelvoTool, CheckPrintsTheLibrarySummary) {
  const ToolRun run = Kelvo("check");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Library tiny\n", 0), 0u) << run.out;
  EXPECT_TRUE(
      std::regex_search(run.out, std::regex("Faces +OBLICEJE +4 components, 1 animation step\n")));
  EXPECT_TRUE(std::regex_search(run.out, std::regex("Mouths +PUSY +2 components, 1 animation "
                                                    "step, 1 animation link\n")));
  EXPECT_TRUE(std::regex_search(run.out, std::regex("1 skin +2 entries")));
  EXPECT_NE(run.out.find("Draw order: 3 entries"), std::string::npos);
  EXPECT_NE(run.out.find("Animation links: 1"), std::string::npos);
  EXPECT_EQ(run.err, "");
}

TEST_F(KelvoTool, RendersAGalleryPortraitToBmpAndPng) {
  ASSERT_EQ(Kelvo("render", {"--gallery", Work("g.xgl"), "--out", Work("p.bmp")}).code, 0);
  ASSERT_EQ(Kelvo("render", {"--gallery", Work("g.xgl"), "--out", Work("p.png")}).code, 0);
  const std::string bmp = ReadFileBytes(Work("p.bmp"));
  const std::string png = ReadFileBytes(Work("p.png"));
  ASSERT_EQ(bmp.size(), 54u + 320 * 3 * 400);
  EXPECT_EQ(PngSize(png), std::make_pair(320, 400));
  struct Row {
    int x, y;
    Rgb24 colour;
  };
  // Background image at (0, 0); face_a on point (50, 60) shifted by (2, -4); mouth at (150, 300).
  for (const Row& row :
       {Row{0, 0, kBackground}, Row{9, 9, kBackground}, Row{10, 9, kBlack}, Row{52, 56, kRed},
        Row{55, 59, kRed}, Row{56, 59, kBlack}, Row{51, 56, kBlack}, Row{150, 300, kRed},
        Row{153, 303, kRed}, Row{154, 303, kBlack}, Row{319, 399, kBlack}}) {
    EXPECT_EQ(BmpPixel(bmp, row.x, row.y), row.colour) << row.x << "," << row.y;
    EXPECT_EQ(PngPixel(png, row.x, row.y), row.colour) << row.x << "," << row.y;
  }

  ASSERT_EQ(
      Kelvo("render", {"--gallery", Work("g.xgl"), "--scale", "2", "--out", Work("h.bmp")}).code,
      0);
  const std::string half = ReadFileBytes(Work("h.bmp"));
  ASSERT_EQ(half.size(), 54u + 160 * 3 * 200);
  EXPECT_EQ(BmpPixel(half, 26, 28), kRed);
  EXPECT_EQ(BmpPixel(half, 27, 29), kRed);
  EXPECT_EQ(BmpPixel(half, 25, 28), kBlack);
  EXPECT_EQ(BmpPixel(half, 28, 28), kBlack);
  EXPECT_EQ(BmpPixel(half, 0, 0), kBackground);
}

TEST_F(KelvoTool, RenderRandomMatchesTheRandomGallery) {
  ASSERT_EQ(Kelvo("random", {"--count", "4", "--out", Work("r.xgl")}).code, 0);
  const std::string gallery = ReadFileBytes(Work("r.xgl"));
  EXPECT_EQ(std::count(gallery.begin(), gallery.end(), '\n'),
            std::count(gallery.begin(), gallery.end(), '\r'));
  ASSERT_EQ(Kelvo("render", {"--gallery", Work("r.xgl"), "--all", "--out", Work("g%d.png")}).code,
            0);
  ASSERT_EQ(Kelvo("render", {"--random", "--count", "4", "--out", Work("r%d.png")}).code, 0);
  std::set<std::string> distinct;
  for (int n = 1; n <= 4; ++n) {
    const std::string fromGallery = ReadFileBytes(Work("g" + std::to_string(n) + ".png"));
    EXPECT_EQ(fromGallery, ReadFileBytes(Work("r" + std::to_string(n) + ".png"))) << n;
    distinct.insert(fromGallery);
  }
  EXPECT_GT(distinct.size(), 1u);
  // The same again in another run: the sequence starts at seed 0 every time.
  ASSERT_EQ(Kelvo("random", {"--count", "4", "--out", Work("again.xgl")}).code, 0);
  EXPECT_EQ(ReadFileBytes(Work("again.xgl")), gallery);
}

TEST_F(KelvoTool, ResaveIsByteIdenticalToASecondResave) {
  ASSERT_EQ(Kelvo("resave", {"--out", Work("one"), "--images"}).code, 0);
  const ToolRun second = RunTool({"--data", dir_.Path("data"), "resave", "--library", Work("one"),
                                  "--out", Work("two"), "--images"});
  ASSERT_EQ(second.code, 0) << second.err;
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(Work("one"))) {
    if (entry.is_regular_file()) {
      files.push_back(std::filesystem::relative(entry.path(), Work("one")).string());
    }
  }
  EXPECT_GE(files.size(), 5u + 7u);  // five text files and the images
  for (const std::string& file : files) {
    EXPECT_EQ(ReadFileBytes(Work("one/" + file)), ReadFileBytes(Work("two/" + file))) << file;
  }
}

TEST_F(KelvoTool, SheetDrawsTheGalleryGrid) {
  const ToolRun run = Kelvo("sheet", {"--gallery", Work("g.xgl"), "--out", Work("s.png")});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string png = ReadFileBytes(Work("s.png"));
  EXPECT_EQ(PngSize(png), std::make_pair(704, 108));
  EXPECT_EQ(PngPixel(png, 0, 0), (Rgb24{240, 240, 240}));
  // The face block (52..55, 56..59) is thumbnail pixel (13, 14).
  EXPECT_EQ(PngPixel(png, 4 + 13, 4 + 14), kRed);
  EXPECT_EQ(PngPixel(png, 4 + 12, 4 + 14), kBlack);
  EXPECT_EQ(PngPixel(png, 4 + 40, 4 + 50), kBlack);
}

// The number of workers, the PNG level and --sync change how fast, never what is drawn.
TEST_F(KelvoTool, JobsOneAndThreeWriteIdenticalFiles) {
  for (const char* jobs : {"1", "3"}) {
    const std::string tag = std::string("j") + jobs;
    ToolRun run = Kelvo(
        "render", {"--random", "--count", "7", "--jobs", jobs, "--out", Work(tag + "_%d.bmp")});
    ASSERT_EQ(run.code, 0) << run.err;
    run = Kelvo("render", {"--gallery", Work("g.xgl"), "--all", "--jobs", jobs, "--sync", "--out",
                           Work(tag + "_g%d.png")});
    ASSERT_EQ(run.code, 0) << run.err;
    run = Kelvo("sheet",
                {"--gallery", Work("g.xgl"), "--jobs", jobs, "--out", Work(tag + "_sheet.png")});
    ASSERT_EQ(run.code, 0) << run.err;
  }
  for (const std::string name : {"_1.bmp", "_7.bmp", "_g1.png", "_sheet.png"}) {
    EXPECT_EQ(ReadFileBytes(Work("j1" + name)), ReadFileBytes(Work("j3" + name))) << name;
  }
  const ToolRun smallest =
      Kelvo("sheet", {"--gallery", Work("g.xgl"), "--png-level", "9", "--out", Work("s9.png")});
  ASSERT_EQ(smallest.code, 0) << smallest.err;
  const std::string fast = ReadFileBytes(Work("j1_sheet.png"));
  const std::string small = ReadFileBytes(Work("s9.png"));
  EXPECT_LE(small.size(), fast.size());
  EXPECT_EQ(PngPixel(small, 4 + 13, 4 + 14), PngPixel(fast, 4 + 13, 4 + 14));
  EXPECT_EQ(PngPixel(small, 0, 0), PngPixel(fast, 0, 0));
}

TEST_F(KelvoTool, AnimSheetHasFiveColumnsOfFourRows) {
  const ToolRun run = Kelvo("anim", {"--gallery", Work("g.xgl"), "--out", Work("a.png")});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string png = ReadFileBytes(Work("a.png"));
  ASSERT_EQ(PngSize(png), std::make_pair(400, 400));
  // Block (152..155, 300..303): half the closed mouth at step 0, all the open mouth (8 x 8 of
  // the brightest shade) at step 1; no eye frames, so the eye rows show step 0.
  EXPECT_EQ(PngPixel(png, 38, 75), (Rgb24{120, 0, 0}));
  EXPECT_EQ(PngPixel(png, 80 + 38, 75), (Rgb24{248, 120, 120}));
  EXPECT_EQ(PngPixel(png, 38, 100 + 75), (Rgb24{120, 0, 0}));
  EXPECT_EQ(PngPixel(png, 4 * 80 + 38, 300 + 75), (Rgb24{120, 0, 0}));
  ASSERT_EQ(Kelvo("anim", {"--random", "--out", Work("b.png")}).code, 0);
  EXPECT_EQ(PngSize(ReadFileBytes(Work("b.png"))), std::make_pair(400, 400));
}

TEST_F(KelvoTool, StatsCompareChoicesWithFrequencies) {
  const ToolRun run = Kelvo("stats", {"--count", "4000"});
  ASSERT_EQ(run.code, 0) << run.err;
  std::smatch match;
  ASSERT_TRUE(
      std::regex_search(run.out, match, std::regex("face_a +([0-9]+) +([0-9.]+)% +75\\.00%")))
      << run.out;
  const int faceA = std::stoi(match[1]);
  EXPECT_GT(faceA, 2800);
  EXPECT_LT(faceA, 3200);
  EXPECT_TRUE(std::regex_search(run.out, std::regex("face_b +[0-9]+ +[0-9.]+% +25\\.00%")));
  EXPECT_TRUE(std::regex_search(
      run.out, std::regex("face_zero +0 +0\\.00% +0\\.00%  never chosen: frequency 0")));
  EXPECT_TRUE(std::regex_search(
      run.out, std::regex("face_blink +0 +0\\.00% +0\\.00%  never chosen: animation step")));
  EXPECT_TRUE(std::regex_search(run.out, std::regex("mouth +4000 +100\\.00% +100\\.00%")));

  // face_b has the American value 0: the American weights never choose it.
  const ToolRun american = Kelvo("stats", {"--count", "500", "--nation", "american"});
  ASSERT_EQ(american.code, 0) << american.err;
  EXPECT_TRUE(std::regex_search(american.out, std::regex("face_a +500 +100\\.00% +100\\.00%")));
  EXPECT_TRUE(std::regex_search(
      american.out, std::regex("face_b +0 +0\\.00% +0\\.00%  never chosen: American value 0")));
}

TEST_F(KelvoTool, PortraitsOfAnotherLibraryAreRenderedWithIt) {
  WriteTinyLibrary(dir_.Path("data"), "other");
  std::string gallery = kGallery;
  gallery.replace(gallery.find("PAK tiny"), 8, "PAK other");
  WriteFileBytes(Work("o.xgl"), gallery);
  ASSERT_EQ(Kelvo("render", {"--gallery", Work("g.xgl"), "--out", Work("own.bmp")}).code, 0);
  const ToolRun run = Kelvo("render", {"--gallery", Work("o.xgl"), "--out", Work("other.bmp")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(ReadFileBytes(Work("other.bmp")), ReadFileBytes(Work("own.bmp")));
}

TEST_F(KelvoTool, FatalDataErrorsExitWithOne) {
  WriteFileBytes(dir_.Path("data/tiny/dro"), "DRAWORDER\r\n  XYZ\r\nEND_OF_DRAWORDER\r\n");
  const ToolRun run = Kelvo("render", {"--random", "--out", Work("p.png")});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, "Kelvo ERROR: END_OF_DRAWORDER expected instead of XYZ\nin " +
                         dir_.Path("data/tiny/dro") + ", line 2\n");
  EXPECT_EQ(WorkFiles(), std::vector<std::string>{"g.xgl"});
}

TEST_F(KelvoTool, AMalformedGalleryLeavesTheOldOutputAlone) {
  WriteFileBytes(Work("old.png"), "old");
  WriteFileBytes(Work("bad.xgl"), "GALLERY PORTRET PAK tiny BOGUS");
  for (const char* command : {"render", "sheet", "anim"}) {
    const ToolRun run = Kelvo(command, {"--gallery", Work("bad.xgl"), "--out", Work("old.png")});
    EXPECT_EQ(run.code, 1) << command;
    // The reader's own text stands alone on the first line; the next names the file and line.
    EXPECT_EQ(run.err, "Kelvo ERROR: KelvoPortret: PORT_COMPONENTS expected instead of BOGUS\nin " +
                           Work("bad.xgl") + ", line 1\n");
  }
  EXPECT_EQ(ReadFileBytes(Work("old.png")), "old");
  EXPECT_EQ(WorkFiles(), (std::vector<std::string>{"bad.xgl", "g.xgl", "old.png"}));
}

TEST_F(KelvoTool, OtherErrorsExitWithTwo) {
  struct Row {
    std::vector<std::string> args;
    std::string message;
  };
  const std::string data = dir_.Path("data");
  const std::string out = Work("o.png");
  for (const Row& row : {
           Row{{"render", "--random", "--out", out, "--bogus"}, "Unknown option 'bogus'."},
           Row{{"random", "--library", "tiny"}, "The option --out is required."},
           Row{{"--data", data, "check", "--library", "nothing"}, "nothing"},
           Row{{"--data", data, "render", "--library", "tiny", "--random", "--count", "2", "--out",
                out},
               "must contain %d"},
           Row{{"--data", data, "render", "--library", "tiny", "--gallery", Work("g.xgl"),
                "--index", "2", "--out", out},
               "no portrait 2"},
           Row{{"--data", data, "render", "--library", "tiny", "--random", "--out", Work("o.gif")},
               "must end in .bmp or .png"},
           Row{{"--data", data, "sheet", "--library", "tiny", "--gallery", Work("none.xgl"),
                "--out", out},
               "none.xgl"},
       }) {
    const ToolRun run = RunTool(row.args);
    EXPECT_EQ(run.code, 2) << row.args[0] << " " << run.err;
    EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Kelvo ERROR"), std::string::npos) << run.err;
  }
  EXPECT_EQ(WorkFiles(), std::vector<std::string>{"g.xgl"});
}

TEST_F(KelvoTool, WarningsGoToStderrAndTheCommandGoesOn) {
  std::string gallery = kGallery;
  gallery.replace(gallery.find("COMP face_a"), 11, "COMP face_x");
  WriteFileBytes(Work("w.xgl"), gallery);
  const ToolRun run = Kelvo("render", {"--gallery", Work("w.xgl"), "--out", Work("w.bmp")});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.err.rfind("Kelvo warning: Unknown component face_x.", 0), 0u) << run.err;
  EXPECT_TRUE(std::filesystem::exists(Work("w.bmp")));
}

TEST(KelvoToolStart, HelpAndVersionExitWithZero) {
  const ToolRun help = RunTool({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("render"), std::string::npos);
  const ToolRun version = RunTool({"--version"});
  EXPECT_EQ(version.code, 0);
  EXPECT_EQ(version.out.rfind("kelvo ", 0), 0u);
  const ToolRun none = RunTool({});
  EXPECT_EQ(none.code, 2);
  EXPECT_NE(none.err.find("Usage: kelvo"), std::string::npos);
}

}  // namespace
}  // namespace kelvo::cli
