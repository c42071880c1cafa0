#include "foundation/errors.h"

namespace kelvo {

std::string FatalDataText(const FatalDataError& error) {
  return std::string(kFatalDataPrefix) + error.what();
}

IoError::IoError(int code, const std::string& file_name, const std::string& action)
    : KelvoError("Cannot " + action + " file " + file_name + " (I/O error " + std::to_string(code) +
                 ")"),
      code_(code),
      file_name_(file_name) {}

ConversionError::ConversionError(const std::string& token)
    : KelvoError("'" + token + "' is not a valid integer value") {}

}  // namespace kelvo
