#include "foundation/program_places.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "foundation/paths.h"

namespace kelvo {
namespace fs = std::filesystem;

namespace {

bool IsFolder(const std::string& name) {
  std::error_code ec;
  return fs::is_directory(OsPath(name), ec);
}

std::string WithSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

std::string PasswordHome() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
      !found->pw_dir)
    return "";
  return found->pw_dir;
}

}  // namespace

std::string FindDataBase(const std::string& program_dir, const std::string& data_base) {
  if (data_base.empty() || IsAbsoluteName(data_base)) return data_base;
  if (IsFolder(program_dir + data_base)) return data_base;
  const std::string installed = NormalizeName(program_dir + "../share/" + data_base);
  if (IsFolder(installed)) return installed;
  return data_base;
}

bool IsWritableFolder(const std::string& folder) {
  const std::string os = OsPath(folder).string();
  struct stat info {};
  if (::stat(os.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  if (::access(os.c_str(), W_OK | X_OK) != 0) return false;
  mode_t bit = S_IWOTH;
  if (info.st_uid == ::geteuid()) {
    bit = S_IWUSR;
  } else if (info.st_gid == ::getegid()) {
    bit = S_IWGRP;
  }
  return (info.st_mode & bit) != 0;
}

std::string HomeFolder() {
  const char* home_env = std::getenv("HOME");
  std::string home = (home_env != nullptr && home_env[0] == '/') ? home_env : PasswordHome();
  return home.empty() ? "" : WithSlash(home);
}

std::string XdgDataHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return WithSlash(xdg);
  const std::string home = HomeFolder();
  return home.empty() ? "" : home + ".local/share/";
}

std::string UserFilesFolder(const std::string& program_dir) {
  if (IsWritableFolder(program_dir)) return WithSlash(program_dir);
  const std::string data_home = XdgDataHome();
  if (data_home.empty()) return WithSlash(program_dir);
  const std::string folder = data_home + "KelvoEd/";
  std::error_code ec;
  fs::create_directories(folder, ec);  // a log that cannot be written is silent
  return folder;
}

}  // namespace kelvo
