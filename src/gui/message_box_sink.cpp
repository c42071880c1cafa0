#include "gui/message_box_sink.h"

#include "foundation/errors.h"

namespace kelvo {

void ShowErrorBox(Prompter& prompter, const std::exception& error) {
  const auto* data = dynamic_cast<const FatalDataError*>(&error);
  prompter.Message(MessageKind::Error, "Error",
                   data != nullptr ? FatalDataText(*data) : error.what(), MessageButtons::Ok);
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
