// `kelvo import` on a copy of a bundled data set: the written library loads again with the new
// component; the warning, the unknown category and a bad bitmap give their exit codes.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_options.h"
#include "cli/cli_test_support.h"
#include "foundation/diagnostics.h"
#include "library/categories.h"
#include "library/component.h"
#include "library/container.h"
#include "library/library_test_support.h"
#include "library/process_context.h"
#include "library/type_library.h"

namespace kelvo::cli {
namespace {

using test::MakeBitmap;
using test::Rgb;

class ImportTool : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_.Path("data"));
    std::filesystem::copy(std::string(KELVO_PROGRAM_DIR) + "/kelvoed/data_big/male",
                          dir_.Path("data/male"), std::filesystem::copy_options::recursive);
    std::filesystem::create_directories(dir_.Path("art"));
  }

  // The library `name` under `data` (relative to the temporary folder), images loaded.
  std::unique_ptr<TKelvoTyp> Load(const std::string& data, const std::string& name) {
    ProcessOptions options;
    options.program_dir = dir_.Root();
    options.data_base = dir_.Path(data);
    options.computer_name = "test";
    context_ = std::make_unique<ProcessContext>(sink_, options);
    auto library = std::make_unique<TKelvoTyp>(context_->Archive(), name);
    library->LoadAll();
    library->LoadImages();
    return library;
  }
  // Bitmaps for every name the category's settings expect; returns the file to pick.
  std::string WriteSet(const TKelvoKompKontejner& container, const std::string& name) {
    const std::string bitmap = MakeBitmap(8, 6, [](int x, int y) {
      return x > 1 && y > 1 ? Rgb{120, 120, 120} : test::kKeyGreen;
    });
    std::vector<std::string> files;
    if (container.Usual == 1) {
      files = {name};
    } else {
      files = {name + "_z", name + "_p"};
      if (container.Usual == 3) files.push_back(name + "_s");
    }
    for (const std::string& file : files) WriteFileBytes(dir_.Path("art/" + file + ".bmp"), bitmap);
    return dir_.Path("art/" + files.front() + ".bmp");
  }
  ToolRun Import(std::vector<std::string> more) const {
    std::vector<std::string> args = {"--data", dir_.Path("data"), "import", "--library", "male"};
    args.insert(args.end(), more.begin(), more.end());
    return RunTool(args);
  }

  TempDir dir_;
  CollectingSink sink_;
  std::unique_ptr<ProcessContext> context_;
};

TEST_F(ImportTool, WritesTheLibraryWithTheNewComponent) {
  const auto original = Load("data", "male");
  const TKelvoKompKontejner& noses = original->Container(kNoses);
  const std::string like = noses.Komp(noses.ComponentCount()).Name;
  const std::string picked = WriteSet(noses, "new nose");
  const int count = noses.ComponentCount();

  const ToolRun run = Import({"--category", "Noses", "--like", like, "--animation", picked, "--out",
                              dir_.Path("out/male")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("To group Noses will be imported:\nnew nose"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Added the component new nose"), std::string::npos) << run.out;

  const auto written = Load("out", "male");
  const TKelvoKompKontejner& again = written->Container(kNoses);
  ASSERT_EQ(again.ComponentCount(), count + 1);
  const TKelvoKomp& added = again.Komp(count + 1);
  EXPECT_EQ(added.Name, "new nose");
  EXPECT_TRUE(added.IsFrame);
  EXPECT_EQ(added.Points, noses.Komp(noses.FindByName(like)).Points);
  ASSERT_NE(added.Sub(1), nullptr);
  EXPECT_EQ(added.Sub(1)->Width, 6);
  EXPECT_EQ(added.Sub(1)->Height, 4);
  // The rest of the library is as it was.
  EXPECT_TRUE(written->Container(kFaces).SameContent(original->Container(kFaces)));
}

TEST_F(ImportTool, CategoryByDirectoryNameOrNumberAndTheFailures) {
  const auto original = Load("data", "male");
  const std::string picked = WriteSet(original->Container(kNoses), "n2");
  for (const char* category : {"NOSY", "6"}) {
    const ToolRun run = Import({"--category", category, picked, "--out", dir_.Path("out2")});
    EXPECT_EQ(run.code, 0) << category << run.err;
  }

  const ToolRun nothing =
      Import({"--category", "6", dir_.Path("art/none.bmp"), "--out", dir_.Path("out3")});
  EXPECT_EQ(nothing.code, 2);
  EXPECT_EQ(nothing.err.rfind("Kelvo warning: Nothing will be imported! I expected:\n", 0), 0u)
      << nothing.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.Path("out3")));

  const ToolRun unknown = Import({"--category", "Feet", picked, "--out", dir_.Path("out3")});
  EXPECT_EQ(unknown.code, 2);
  EXPECT_NE(unknown.err.find("Unknown category 'Feet'"), std::string::npos) << unknown.err;

  WriteFileBytes(picked, "BMnot really");
  const ToolRun bad = Import({"--category", "6", picked, "--out", dir_.Path("out4")});
  EXPECT_EQ(bad.code, 2);
  EXPECT_NE(bad.err.find(picked), std::string::npos) << bad.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.Path("out4")));
}

TEST(ImportOptionsTest, FlagsAndTheFileAreRead) {
  const ParseOutcome parsed =
      ParseCommandLine({"kelvo", "import", "--category", "NOSY", "--use-shift", "--place-clip-mask",
                        "a b.bmp", "--out", "o"});
  ASSERT_EQ(parsed.kind, ParseOutcome::Kind::kRun) << parsed.text;
  const auto& o = std::get<ImportOptions>(parsed.commandLine.command);
  EXPECT_EQ(o.category, "NOSY");
  EXPECT_EQ(o.file, "a b.bmp");
  EXPECT_EQ(o.out, "o");
  EXPECT_TRUE(o.useShift);
  EXPECT_TRUE(o.placeClipMask);
  EXPECT_FALSE(o.animation);
  EXPECT_EQ(o.lib.library, "male");
  EXPECT_EQ(ParseCommandLine({"kelvo", "import", "--category", "6", "--out", "o"}).kind,
            ParseOutcome::Kind::kUsageError);
  EXPECT_EQ(ParseCommandLine({"kelvo", "import", "x.bmp", "--out", "o"}).kind,
            ParseOutcome::Kind::kUsageError);
  EXPECT_NE(ParseCommandLine({"kelvo", "--help"}).text.find("  import   "), std::string::npos);
}

}  // namespace
}  // namespace kelvo::cli
