#include "foundation/paths.h"

#include <gtest/gtest.h>

#include "foundation/errors.h"
#include "support/param_names.h"
#include "support/test_support.h"

namespace kelvo {
namespace {

struct NameRow {
  const char* what;
  std::string name;
  bool absolute;
  std::string os_form;
  std::string normalized;
};

class NameFormTest : public ::testing::TestWithParam<NameRow> {};

TEST_P(NameFormTest, MapsWindowsNames) {
  const NameRow& row = GetParam();
  EXPECT_EQ(row.absolute, IsAbsoluteName(row.name)) << row.name;
  EXPECT_EQ(row.os_form, ToOsForm(row.name)) << row.name;
  EXPECT_EQ(row.normalized, NormalizeName(row.name)) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NameFormTest,
    ::testing::Values(
        NameRow{"relative folder", "kelvoed\\data_big", false, "kelvoed/data_big",
                "kelvoed/data_big"},
        NameRow{"relative file", "male\\dro", false, "male/dro", "male/dro"},
        NameRow{"drive letter dropped", "C:\\Games\\x.xgl", true, "/Games/x.xgl", "/Games/x.xgl"},
        NameRow{"network name", "\\\\server\\share\\a", true, "//server/share/a",
                "/server/share/a"},
        NameRow{"dot parts resolved", "/home/u/a\\..\\b\\.\\c\\", true, "/home/u/a/../b/./c/",
                "/home/u/b/c/"},
        NameRow{"rooted without drive", "\\rooted", false, "/rooted", "/rooted"},
        NameRow{"drive relative", "C:x", false, "x", "x"}, NameRow{"empty name", "", false, "", ""},
        NameRow{"parent parts stop at the root", "/..\\..\\x", true, "/../../x", "/x"}),
    test::NameBy(&NameRow::what));

TEST(NameStaysInFolder, RefusesParentPartsAbsoluteNamesAndDriveLetters) {
  struct Row {
    const char* name;
    const char* why;  // "" when the name stays inside its folder
  };
  const char* const parent = "it has a \"..\" part";
  for (const Row& row :
       {Row{"..", parent}, Row{"a\\..\\..\\b", parent}, Row{"a/..", parent},
        Row{"..\\..\\..\\escaped", parent}, Row{"\\abs", "it is an absolute name"},
        Row{"/abs", "it is an absolute name"}, Row{"\\\\server\\x", "it is an absolute name"},
        Row{"C:\\x", "it starts with a drive letter"}, Row{"c:x", "it starts with a drive letter"},
        Row{"sub\\dir\\ok", ""}, Row{"ok..name", ""}, Row{"...", ""}, Row{"a\\.\\b", ""},
        Row{"", ""}}) {
    EXPECT_EQ(WhyNameLeavesFolder(row.name), row.why) << row.name;
    EXPECT_EQ(NameStaysInFolder(row.name), *row.why == '\0') << row.name;
  }
}

TEST(ShownFolder, WritesFoldersThePlatformsWayWithoutTrailingSeparators) {
  const std::pair<std::string, std::string> rows[] = {
      {"male\\", "male"},
      {"/tmp\\audit\\lib2", "/tmp/audit/lib2"},
      {"/tmp/audit/lib2\\", "/tmp/audit/lib2"},
      {"C:\\Games\\female\\\\", "/Games/female"},
      {"C:\\", "/"},
      {"/", "/"},
      {"", ""},
  };
  for (const auto& [name, shown] : rows) EXPECT_EQ(shown, ShownFolder(name)) << name;
}

TEST(OsPath, FindsMixedCaseNamesComponentByComponent) {
  test::TestFolder folder;
  folder.Write("Data_Big/Male/DRO", "x");
  const std::string found = (folder.Path() / "Data_Big/Male/DRO").string();
  EXPECT_EQ(found, OsPath(folder.Dir() + "data_big\\male\\dro").string());
  EXPECT_EQ(found, OsPath(folder.Dir() + "DATA_BIG/MALE/dro").string());
  EXPECT_EQ(found, OsPath(folder.Dir() + "Data_Big/Male/dro").string());  // only the last differs
  EXPECT_EQ((folder.Path() / "Data_Big/Male/fresh").string(),
            OsPath(folder.Dir() + "Data_Big/Male/fresh").string());
  // Parts that do not exist stay as written after the last part found.
  EXPECT_EQ((folder.Path() / "Data_Big/Male/new/File").string(),
            OsPath(folder.Dir() + "data_big\\male\\new\\File").string());
}

TEST(OsPath, PrefersTheExactName) {
  test::TestFolder folder;
  folder.Write("abc", "lower");
  folder.Write("ABC", "upper");
  EXPECT_EQ("upper", test::TestFolder::ReadFile(OsPath(folder.Dir() + "ABC")));
  EXPECT_EQ("lower", test::TestFolder::ReadFile(OsPath(folder.Dir() + "abc")));
}

TEST(WriteFileAtomically, ReplacesTheWholeFileAndLeavesNoTemporary) {
  test::TestFolder folder;
  folder.Write("Out.txt", "old contents that are longer");
  WriteFileAtomically(folder.Dir() + "out.txt", std::string_view("new"));
  EXPECT_EQ("new", folder.Read("Out.txt"));
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder.Path()),
                             std::filesystem::directory_iterator()));
}

TEST(WriteFileAtomically, FailureNamesTheFile) {
  test::TestFolder folder;
  const std::string name = folder.Dir() + "no\\such\\dir\\x.bmp";
  try {
    WriteFileAtomically(name, std::string_view("x"));
    FAIL() << "the folder is missing";
  } catch (const IoError& e) {
    EXPECT_EQ(name, e.FileName());
    EXPECT_NE(std::string(e.what()).find(ToOsForm(name)), std::string::npos) << e.what();
  }
}

// A batch's listings give the same paths as reading the folders each time, and see the files
// the batch itself writes.
TEST(FolderListings, LookUpLikeTheFolderAndLearnNewFiles) {
  test::TestFolder folder;
  folder.Write("Out/Name.BMP", "old");
  folder.Write("Out/name.bmp.txt", "other");
  FolderListings listings;
  for (const char* name : {"out\\name.bmp", "OUT\\NAME.BMP", "out\\fresh.bmp", "Out\\Name.BMP"}) {
    EXPECT_EQ(OsPath(folder.Dir() + name).string(), OsPath(folder.Dir() + name, &listings).string())
        << name;
  }
  WriteFileAtomically(folder.Dir() + "out\\name.bmp", std::string_view("new"),
                      {.sync = false, .listings = &listings});
  EXPECT_EQ("new", folder.Read("Out/Name.BMP"));
  WriteFileAtomically(folder.Dir() + "Out\\Fresh.bmp", std::string_view("1"),
                      {.sync = false, .listings = &listings});
  // The file just made is found under another case, as the folder now shows it.
  WriteFileAtomically(folder.Dir() + "out\\FRESH.BMP", std::string_view("2"),
                      {.sync = true, .listings = &listings});
  EXPECT_EQ("2", folder.Read("Out/Fresh.bmp"));
  EXPECT_EQ(3, std::distance(std::filesystem::directory_iterator(folder.Path() / "Out"),
                             std::filesystem::directory_iterator()));
}

TEST(ProgramDirectory, IsTheFolderOfTheTestProgram) {
  const std::string dir = ProgramDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ('/', dir.back());
  EXPECT_TRUE(std::filesystem::exists(dir + "test_foundation"));
}

}  // namespace
}  // namespace kelvo
