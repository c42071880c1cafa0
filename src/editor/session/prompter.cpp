#include "editor/session/prompter.h"

#include "foundation/errors.h"

namespace kelvo {

std::string FailureText(const std::exception& error) {
  if (const auto* data = dynamic_cast<const FatalDataError*>(&error)) return FatalDataText(*data);
  return error.what();
}

void ReportError(Prompter& p, const std::exception& error) {
  ShowError(p, FailureText(error));
}

}  // namespace kelvo
