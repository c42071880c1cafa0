// File names in their Windows form ("kelvoed\data_big", "C:\x", "\\server\x") and
// their mapping to the Linux file system: at the operating-system boundary "\"
// becomes "/", a drive letter is dropped, and a name not found with its exact
// letter case is looked up case-insensitively, component by component.
#pragma once

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kelvo {

// True for "C:\...", "\\..." and, on this platform, "/...".
bool IsAbsoluteName(std::string_view name);

// True for "\" and "/".
inline bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// The name with "/" separators and no drive letter; no file-system access.
std::string ToOsForm(std::string_view name);
// A file name as messages show it: the way this platform writes it (ToOsForm).
inline std::string ShownName(std::string_view name) {
  return ToOsForm(name);
}
// A folder (a data set, a library) as messages, captions and the status bar show it: ShownName
// without trailing separators; the root stays "/".
std::string ShownFolder(std::string_view name);
// The name without one final "\" (a library folder as galleries name it).
std::string WithoutTrailingBackslash(std::string_view name);

// Folder listings read once and kept for a batch of lookups in the same folders, so
// writing n new files into one folder reads it once instead of n times. Entries made
// by others after a folder was read are not seen. Safe to share between threads.
class FolderListings {
 public:
  // The entry of the folder that matches component without regard to case (the first
  // in name order); false when there is none or the folder cannot be read.
  bool Find(const std::filesystem::path& folder, const std::string& component, std::string& found);
  // Records an entry made in a folder that may already be listed.
  void Add(const std::filesystem::path& folder, const std::string& name);

 private:
  using Listing = std::unordered_map<std::string, std::string>;  // lower case -> first name
  Listing& ListingOf(const std::string& folder);
  std::mutex mutex_;
  std::unordered_map<std::string, Listing> folders_;
};

// The file-system path for a name: ToOsForm, then each component that does not
// exist with its exact case is replaced by the first entry of its folder (in name
// order) that matches without regard to case. Components after the first one
// that cannot be found are kept as written. Folders are read only when a component
// is missing, and through `listings` when given.
std::filesystem::path OsPath(std::string_view name, FolderListings* listings = nullptr);

// Why `name`, taken relative to a folder, could lead out of it: "it has a \"..\" part", "it is
// an absolute name" (also "\x", rooted on the current drive) or "it starts with a drive
// letter"; empty when it stays inside. Subfolders ("sub\dir\x") and dots inside a part ("ok..name")
// stay inside.
std::string_view WhyNameLeavesFolder(std::string_view name);
inline bool NameStaysInFolder(std::string_view name) {
  return WhyNameLeavesFolder(name).empty();
}

// "." and ".." parts resolved without touching the disk; separators become "/".
std::string NormalizeName(std::string_view name);

// a starts with prefix, ignoring ASCII letter case and treating "\" and "/" alike.
bool StartsWithNameIgnoringCase(std::string_view a, std::string_view prefix);

// ASCII case-insensitive equality.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The directory of the running program (from /proc/self/exe), ending in "/".
std::string ProgramDirectory();

// The computer name, at most 250 characters; "" when it cannot be read.
std::string ComputerName();

struct WriteOptions {
  // Flush the file to the disk before it replaces the target: for files the user
  // edits; batch outputs that can be made again may leave it to the system.
  bool sync = true;
  FolderListings* listings = nullptr;  // for the case-insensitive lookup of the target
};

// Writes the bytes to a temporary file in the target's folder and renames it over
// the target when complete, so a failure never leaves a truncated file.
// Throws IoError naming the file.
void WriteFileAtomically(std::string_view name, std::span<const uint8_t> bytes,
                         const WriteOptions& options = {});
void WriteFileAtomically(std::string_view name, std::string_view bytes,
                         const WriteOptions& options = {});

}  // namespace kelvo
