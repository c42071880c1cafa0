// A library whose PATH or PICFILE name leads out of its folder: the commands that write a
// library refuse to load it (exit 1, naming the file and the name) and write nothing at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "cli/cli_test_support.h"
#include "cli/tiny_library.h"

namespace kelvo::cli {
namespace {

namespace fs = std::filesystem;

std::set<std::string> Tree(const std::string& root) {
  std::set<std::string> names;
  for (const auto& item : fs::recursive_directory_iterator(root))
    names.insert(fs::relative(item.path(), root).string());
  return names;
}

void Replace(const std::string& path, const std::string& from, const std::string& to) {
  std::string text = ReadFileBytes(path);
  const size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  WriteFileBytes(path, text.replace(at, from.size(), to));
}

TEST(OutsideNames, LibraryWritersRefuseANameThatLeavesItsFolderAndWriteNothing) {
  struct Row {
    const char* from;
    const char* to;
    const char* name;
  };
  // The images lie where the hostile names lead, so a load that followed them would succeed.
  const Row rows[] = {
      {"PICFILE 1 face_a.img", "PICFILE 1 ..\\..\\..\\escaped", "..\\..\\..\\escaped"},
      {"PATH obl", "PATH ..\\..\\obl", "..\\..\\obl"}};
  for (const Row& row : rows) {
    for (const char* command : {"resave", "mirror"}) {
      TempDir dir;
      WriteTinyLibrary(dir.Path("data"), "tiny");
      fs::copy(dir.Path("data/tiny/obl"), dir.Path("obl"));
      fs::copy_file(dir.Path("data/tiny/obl/face_a.img"), dir.Path("escaped"));
      Replace(dir.Path("data/tiny/cmp"), row.from, row.to);
      const std::set<std::string> before = Tree(dir.Root());

      std::vector<std::string> args = {"--data", dir.Path("data"),   command, "--library", "tiny",
                                       "--out",  dir.Path("a/b/out")};
      if (std::string(command) == "resave") args.push_back("--images");
      const ToolRun run = RunTool(args);
      EXPECT_EQ(run.code, 1) << command << " " << row.name << ": " << run.err;
      EXPECT_NE(run.err.find(row.name), std::string::npos) << run.err;
      EXPECT_NE(run.err.find(dir.Path("data/tiny/cmp")), std::string::npos) << run.err;
      EXPECT_EQ(Tree(dir.Root()), before) << command << " " << row.name;
    }
  }
}

}  // namespace
}  // namespace kelvo::cli
