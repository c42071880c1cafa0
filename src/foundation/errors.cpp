#include "foundation/errors.h"

#include "foundation/paths.h"

namespace kelvo {

void FatalDataError::SetPlace(const std::string& file, int line) {
  if (HasPlace() || file.empty()) return;
  file_ = file;
  line_ = line;
}

std::string FatalDataText(const FatalDataError& error) {
  std::string text = std::string(kFatalDataPrefix) + error.what();
  if (error.HasPlace()) text += "\nin " + error.File() + ", line " + std::to_string(error.Line());
  return text;
}

IoError::IoError(int code, const std::string& file_name, const std::string& action)
    : KelvoError("Cannot " + action + " file " + ShownName(file_name) + " (I/O error " +
                 std::to_string(code) + ")"),
      code_(code),
      file_name_(file_name) {}

ConversionError::ConversionError(const std::string& token)
    : KelvoError("'" + token + "' is not a valid integer value") {}

}  // namespace kelvo
