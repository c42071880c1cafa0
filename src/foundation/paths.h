// File names in their Windows form ("kelvoed\data_big", "C:\x", "\\server\x") and
// their mapping to the Linux file system: at the operating-system boundary "\"
// becomes "/", a drive letter is dropped, and a name not found with its exact
// letter case is looked up case-insensitively, component by component.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace kelvo {

// True for "C:\...", "\\..." and, on this platform, "/...".
bool IsAbsoluteName(std::string_view name);

// True for "\" and "/".
inline bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// The name with "/" separators and no drive letter; no file-system access.
std::string ToOsForm(std::string_view name);

// The file-system path for a name: ToOsForm, then each component that does not
// exist with its exact case is replaced by the first entry of its folder (in name
// order) that matches without regard to case. Components after the first one
// that cannot be found are kept as written.
std::filesystem::path OsPath(std::string_view name);

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

// Writes the bytes to a temporary file in the target's folder and renames it over
// the target when complete, so a failure never leaves a truncated file.
// Throws IoError naming the file.
void WriteFileAtomically(std::string_view name, std::span<const uint8_t> bytes);
void WriteFileAtomically(std::string_view name, std::string_view bytes);

}  // namespace kelvo
