#include "foundation/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

#include "foundation/atomic_file.h"
#include "foundation/errors.h"

namespace kelvo {
namespace fs = std::filesystem;

namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNameChar(char a, char b) {
  if (IsSeparator(a) && IsSeparator(b)) return true;
  return LowerAscii(a) == LowerAscii(b);
}

std::string LowerName(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = LowerAscii(c);
  return lower;
}

// The entry of folder whose name equals component without regard to case.
bool FindIgnoringCase(const fs::path& folder, const std::string& component, std::string& found) {
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
  if (ec) return false;
  std::vector<std::string> matches;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::string name = it->path().filename().string();
    if (EqualsIgnoringCase(name, component)) matches.push_back(std::move(name));
  }
  if (matches.empty()) return false;
  found = *std::min_element(matches.begin(), matches.end());
  return true;
}

}  // namespace

bool IsAbsoluteName(std::string_view name) {
  if (!name.empty() && name[0] == '/') return true;
  if (name.size() >= 2 && name[0] == '\\' && name[1] == '\\') return true;
  return name.size() >= 3 && name[1] == ':' && name[2] == '\\';
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

bool StartsWithNameIgnoringCase(std::string_view a, std::string_view prefix) {
  if (a.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (!SameNameChar(a[i], prefix[i])) return false;
  return true;
}

std::string ToOsForm(std::string_view name) {
  if (name.size() >= 2 && name[1] == ':' &&
      ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z')))
    name.remove_prefix(2);
  std::string result(name);
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

std::string_view WhyNameLeavesFolder(std::string_view name) {
  const bool letter =
      !name.empty() && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
  if (letter && name.size() >= 2 && name[1] == ':') return "it starts with a drive letter";
  if (!name.empty() && IsSeparator(name[0])) return "it is an absolute name";
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = start;
    while (end < name.size() && !IsSeparator(name[end])) ++end;
    if (name.substr(start, end - start) == "..") return "it has a \"..\" part";
    start = end + 1;
  }
  return {};
}

std::string WithoutTrailingBackslash(std::string_view name) {
  if (!name.empty() && name.back() == '\\') name.remove_suffix(1);
  return std::string(name);
}

std::string ShownFolder(std::string_view name) {
  std::string shown = ToOsForm(name);
  while (shown.size() > 1 && shown.back() == '/') shown.pop_back();
  return shown;
}

std::string NormalizeName(std::string_view name) {
  const std::string os = ToOsForm(name);
  const bool absolute = !os.empty() && os[0] == '/';
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= os.size()) {
    size_t end = os.find('/', start);
    if (end == std::string::npos) end = os.size();
    std::string part = os.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty() && parts.back() != "..")
        parts.pop_back();
      else if (!absolute)
        parts.push_back(part);
    } else if (!part.empty() && part != ".") {
      parts.push_back(std::move(part));
    }
    start = end + 1;
  }
  std::string result = absolute ? "/" : "";
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) result += '/';
    result += parts[i];
  }
  if (!os.empty() && os.back() == '/' && !parts.empty()) result += '/';
  return result;
}

FolderListings::Listing& FolderListings::ListingOf(const std::string& folder) {
  auto it = folders_.find(folder);
  if (it != folders_.end()) return it->second;
  Listing& listing = folders_[folder];
  std::error_code ec;
  fs::directory_iterator entry(folder.empty() ? fs::path(".") : fs::path(folder), ec);
  for (; !ec && entry != fs::directory_iterator(); entry.increment(ec)) {
    std::string name = entry->path().filename().string();
    auto [slot, added] = listing.try_emplace(LowerName(name), name);
    if (!added && name < slot->second) slot->second = std::move(name);
  }
  return listing;
}

bool FolderListings::Find(const fs::path& folder, const std::string& component,
                          std::string& found) {
  std::lock_guard lock(mutex_);
  const Listing& listing = ListingOf(folder.string());
  const auto it = listing.find(LowerName(component));
  if (it == listing.end()) return false;
  found = it->second;
  return true;
}

void FolderListings::Add(const fs::path& folder, const std::string& name) {
  std::lock_guard lock(mutex_);
  const auto it = folders_.find(folder.string());
  if (it == folders_.end()) return;  // read in full when first needed
  auto [slot, added] = it->second.try_emplace(LowerName(name), name);
  if (!added && name < slot->second) slot->second = name;
}

fs::path OsPath(std::string_view name, FolderListings* listings) {
  const std::string os = ToOsForm(name);
  fs::path exact(os);
  std::error_code ec;
  if (os.empty() || fs::exists(fs::symlink_status(exact, ec))) return exact;

  // Most often only the last name is missing, a new file in a folder that is there: one
  // lookup in that folder instead of a check of every folder on the way.
  const fs::path parent = exact.parent_path();
  if (os.back() != '/' && !parent.empty() && os.find("//") == std::string::npos &&
      fs::exists(fs::symlink_status(parent, ec))) {
    const std::string last = exact.filename().string();
    if (last != "." && last != "..") {
      std::string found;
      const bool matched =
          listings ? listings->Find(parent, last, found) : FindIgnoringCase(parent, last, found);
      return matched ? parent / found : exact;
    }
  }

  fs::path result = (os[0] == '/') ? fs::path("/") : fs::path();
  bool resolving = true;
  size_t start = (os[0] == '/') ? 1 : 0;
  while (start < os.size()) {
    size_t end = os.find('/', start);
    if (end == std::string::npos) end = os.size();
    std::string part = os.substr(start, end - start);
    start = end + 1;
    if (part.empty()) continue;
    if (resolving && part != "." && part != "..") {
      fs::path candidate = result / part;
      if (!fs::exists(fs::symlink_status(candidate, ec))) {
        std::string found;
        const bool matched =
            listings ? listings->Find(result, part, found) : FindIgnoringCase(result, part, found);
        if (matched)
          part = found;
        else
          resolving = false;
      }
    }
    result /= part;
  }
  if (os.back() == '/') result /= "";
  return result;
}

std::string ProgramDirectory() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  std::string dir = exe.parent_path().string();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

std::string ComputerName() {
  std::vector<char> buffer(256, '\0');
  if (gethostname(buffer.data(), buffer.size() - 1) != 0) return "";
  std::string name(buffer.data());
  if (name.size() > 250) name.resize(250);
  return name;
}

void WriteFileAtomically(std::string_view name, std::span<const uint8_t> bytes,
                         const WriteOptions& options) {
  AtomicFileWriter writer(name, options);
  writer.Write(bytes);
  writer.Commit();
}

void WriteFileAtomically(std::string_view name, std::string_view bytes,
                         const WriteOptions& options) {
  WriteFileAtomically(
      name, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()),
      options);
}

}  // namespace kelvo
