#include "editor/windows/avatar_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace kelvo {
namespace fs = std::filesystem;

namespace {

bool ValidUtf8(const std::string& text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t more = 0;
    unsigned min = 0;
    unsigned code = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
      more = 3;
      min = 0x10000;
      code = lead & 0x07u;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      more = 2;
      min = 0x800;
      code = lead & 0x0Fu;
    } else if (lead >= 0xC0 && lead < 0xE0) {
      more = 1;
      min = 0x80;
      code = lead & 0x1Fu;
    } else if (lead >= 0x80) {
      return false;
    }
    if (i + more >= text.size()) return false;  // the sequence runs past the end
    for (size_t k = 1; k <= more; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past Unicode's end.
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += more + 1;
  }
  return true;
}

// access() and the permission bits that apply to us, so a folder closed to its owner counts as
// closed for the superuser too.
bool MayList(const fs::path& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0 || ::access(folder.c_str(), R_OK | X_OK) != 0) {
    return false;
  }
  mode_t bits = S_IROTH | S_IXOTH;
  if (info.st_uid == ::geteuid()) {
    bits = S_IRUSR | S_IXUSR;
  } else if (info.st_gid == ::getegid()) {
    bits = S_IRGRP | S_IXGRP;
  }
  return (info.st_mode & bits) == bits;
}

}  // namespace

std::vector<std::string> PlainSubfolders(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(fs::path(folder), ec);
  if (ec) return names;
  for (const fs::directory_entry& entry : it) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    std::error_code status_ec;
    if (!fs::is_directory(entry.symlink_status(status_ec)) || status_ec) continue;
    if (!MayList(entry.path())) continue;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> ListAvatarMods(const std::string& modsFolder) {
  std::vector<std::string> mods{kNormalMod};
  for (std::string& name : PlainSubfolders(modsFolder)) {
    if (name != kNormalMod) mods.push_back(std::move(name));
  }
  return mods;
}

std::vector<std::string> ListAvatarProfiles(const std::string& profilesFolder,
                                            const std::string& mod) {
  if (!IsPlainKeyName(mod)) return {};
  std::string folder = profilesFolder;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return PlainSubfolders(folder + mod);
}

bool IsPlainKeyName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) return false;
  }
  return ValidUtf8(name);
}

std::optional<std::string> AvatarKeyPath(const std::string& mod, const std::string& profile) {
  if (!IsPlainKeyName(mod) || !IsPlainKeyName(profile)) return std::nullopt;
  return std::string(kAvatarKeyRoot) + mod + "\\" + profile;
}

}  // namespace kelvo
