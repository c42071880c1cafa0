#include "gui/message_box_sink.h"

#include <exception>

namespace kelvo {

bool RunReported(Prompter& prompter, const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const std::exception& error) {
    ReportError(prompter, error);
  }
  return false;
}

void MessageBoxSink::Show(const Diagnostic& diagnostic) {
  const MessageKind kind = diagnostic.kind == DiagnosticKind::kArchiveWarning ? MessageKind::Warning
                                                                              : MessageKind::Error;
  const std::string caption = diagnostic.caption.empty()
                                  ? (kind == MessageKind::Warning ? "Warning" : "Error")
                                  : diagnostic.caption;
  prompter_.Message(kind, caption, diagnostic.text, MessageButtons::Ok);
}

}  // namespace kelvo
