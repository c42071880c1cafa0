#include "foundation/errors.h"

#include <system_error>

#include "foundation/paths.h"

namespace kelvo {

void FatalDataError::SetPlace(const std::string& file, int line) {
  if (HasPlace() || file.empty()) return;
  file_ = file;
  line_ = line;
}

std::string FatalDataText(const FatalDataError& error) {
  std::string text = std::string(kFatalDataPrefix) + error.what();
  if (error.HasPlace()) text += PlaceText(error.File(), error.Line());
  return text;
}

std::string PlaceText(const std::string& file, int line) {
  return "\nin " + file + ", line " + std::to_string(line);
}

std::string ShownToken(std::string_view token) {
  if (token.size() == 1 && token[0] == '\0') return "the end of the file";
  if (token.size() <= kShownTokenLength) return std::string(token);
  return std::string(token.substr(0, kShownTokenLength)) + "... (" + std::to_string(token.size()) +
         " characters)";
}

IoError::IoError(int code, const std::string& file_name, const std::string& action)
    : IoError(code, file_name, action, "") {}

IoError::IoError(int code, const std::string& file_name, const std::string& action,
                 const std::string& reason)
    : KelvoError("Cannot " + action + " file " + ShownName(file_name) + " (I/O error " +
                 std::to_string(code) + (reason.empty() ? "" : ": " + reason) + ")"),
      code_(code),
      file_name_(file_name) {}

IoError IoError::FromSystem(int code, const std::string& file_name, const std::string& action) {
  return IoError(code, file_name, action, std::generic_category().message(code));
}

namespace {

std::string ConversionText(std::string_view token) {
  if (token.size() == 1 && token[0] == '\0') return kNumberMissingText;
  return "'" + ShownToken(token) + "' is not a valid integer value";
}

}  // namespace

ConversionError::ConversionError(std::string_view token, const std::string& place)
    : KelvoError(ConversionText(token) + place) {}

}  // namespace kelvo
