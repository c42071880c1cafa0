#include "portrait/path_text.h"

namespace kelvo {

std::string add_backslash(std::string_view path) {
  std::string result(path);
  if (result.empty() || result.back() != '\\') result += '\\';
  return result;
}

std::string pad_left(std::string_view text, char pad, size_t length) {
  std::string result;
  if (text.size() < length) result.assign(length - text.size(), pad);
  result += text;
  return result;
}

std::string cut_after_char(std::string_view text, char ch) {
  const size_t at = text.find(ch);
  return std::string(at == std::string_view::npos ? text : text.substr(0, at + 1));
}

namespace {

// "/" as well: names given on this platform's command line keep it.
constexpr std::string_view kSeparators = "\\/";

PathParts SplitOnce(std::string_view path) {
  PathParts parts;
  const size_t slash = path.find_last_of(kSeparators);
  const size_t name_start = slash == std::string_view::npos ? 0 : slash + 1;
  parts.directory = std::string(path.substr(0, name_start));
  const std::string_view name = path.substr(name_start);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) {
    parts.base = std::string(name);
  } else {
    parts.base = std::string(name.substr(0, dot));
    parts.extension = std::string(name.substr(dot + 1));
  }
  return parts;
}

}  // namespace

PathParts split_path(std::string_view path) {
  if (path.empty() || (path.back() != '\\' && path.back() != '/')) return SplitOnce(path);
  // "C:\a\b\" names the folder b in C:\a\.
  const std::string_view folder = path.substr(0, path.size() - 1);
  const size_t slash = folder.find_last_of(kSeparators);
  const size_t name_start = slash == std::string_view::npos ? 0 : slash + 1;
  PathParts parts;
  parts.directory = std::string(folder.substr(0, name_start));
  parts.base = std::string(folder.substr(name_start));
  return parts;
}

}  // namespace kelvo
