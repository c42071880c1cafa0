// Small text routines for file names in their Windows form (backslash separators).
#pragma once

#include <string>
#include <string_view>

namespace kelvo {

struct PathParts {
  std::string directory;  // with its trailing backslash, empty if none
  std::string base;
  std::string extension;  // without the dot
  friend bool operator==(const PathParts&, const PathParts&) = default;
};

std::string add_backslash(std::string_view path);
// The text preceded by pad characters up to length; unchanged if already that long.
std::string pad_left(std::string_view text, char pad, size_t length);
// Up to and including the first occurrence of ch; the whole text if it does not occur.
std::string cut_after_char(std::string_view text, char ch);
// A path ending in a backslash names its last directory component as the base name.
PathParts split_path(std::string_view path);

}  // namespace kelvo
