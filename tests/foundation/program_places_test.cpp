#include "foundation/program_places.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/test_support.h"

namespace kelvo {
namespace {

// Sets or clears an environment variable for one test and restores it afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A folder made read-only for the test and writable again for its removal.
class ReadOnly {
 public:
  explicit ReadOnly(std::string dir) : dir_(std::move(dir)) { chmod(dir_.c_str(), 0555); }
  ~ReadOnly() { chmod(dir_.c_str(), 0755); }
  ReadOnly(const ReadOnly&) = delete;
  ReadOnly& operator=(const ReadOnly&) = delete;

 private:
  std::string dir_;
};

TEST(FindDataBase, PrefersTheDataBesideTheProgramThenTheInstalledShare) {
  test::TestFolder folder;
  const std::string bin = folder.Dir() + "bin/";
  folder.Write("bin/x", "");
  const std::string share = folder.Dir() + "share/kelvoed/data_big";
  // No data anywhere: the base stays as given, so the archive reports it where it was expected.
  EXPECT_EQ("kelvoed\\data_big", FindDataBase(bin, "kelvoed\\data_big"));
  folder.Write("share/kelvoed/data_big/male/dro", "");
  EXPECT_EQ(share, FindDataBase(bin, "kelvoed\\data_big"));
  EXPECT_EQ(share + "/", FindDataBase(bin, "kelvoed/data_big/"));
  // An absolute base (kelvo --data) is never replaced.
  EXPECT_EQ("/elsewhere", FindDataBase(bin, "/elsewhere"));
  folder.Write("bin/kelvoed/data_big/male/dro", "");
  EXPECT_EQ("kelvoed\\data_big", FindDataBase(bin, "kelvoed\\data_big"));
  // Beside the program, found without regard to letter case like every data name.
  EXPECT_EQ("KELVOED\\Data_Big", FindDataBase(bin, "KELVOED\\Data_Big"));
}

TEST(IsWritableFolder, HonoursThePermissionBitsEvenForTheSuperuser) {
  test::TestFolder folder;
  folder.Write("file", "x");
  folder.Write("locked/x", "");
  EXPECT_TRUE(IsWritableFolder(folder.Dir()));
  EXPECT_FALSE(IsWritableFolder(folder.Dir() + "file"));
  EXPECT_FALSE(IsWritableFolder(folder.Dir() + "missing/"));
  ReadOnly locked(folder.Dir() + "locked");
  EXPECT_FALSE(IsWritableFolder(folder.Dir() + "locked/"));
}

struct XdgRow {
  std::optional<std::string> xdg;
  std::optional<std::string> home;
  std::string expected;
};

TEST(XdgDataHome, TakesAnAbsoluteXdgDataHomeElseTheHomeFolder) {
  const XdgRow rows[] = {
      {"/x/data", "/h", "/x/data/"},          {"/x/data/", "/h", "/x/data/"},
      {"relative", "/h", "/h/.local/share/"},  // relative values are to be ignored
      {"", "/h/", "/h/.local/share/"},        {std::nullopt, "/h", "/h/.local/share/"},
  };
  for (const XdgRow& row : rows) {
    ScopedEnv xdg("XDG_DATA_HOME", row.xdg);
    ScopedEnv home("HOME", row.home);
    EXPECT_EQ(row.expected, XdgDataHome()) << row.xdg.value_or("(unset)");
  }
}

TEST(UserFilesFolder, IsTheProgramFolderWhenWritableElseTheDataHome) {
  test::TestFolder folder;
  folder.Write("bin/x", "");
  ScopedEnv xdg("XDG_DATA_HOME", folder.Dir() + "data");
  EXPECT_EQ(folder.Dir() + "bin/", UserFilesFolder(folder.Dir() + "bin/"));
  EXPECT_FALSE(folder.Exists("data"));
  ReadOnly bin(folder.Dir() + "bin");
  EXPECT_EQ(folder.Dir() + "data/KelvoEd/", UserFilesFolder(folder.Dir() + "bin/"));
  EXPECT_TRUE(folder.Exists("data/KelvoEd"));
}

}  // namespace
}  // namespace kelvo
