// The GUI's message boxes for failures: the core's warnings and error texts as they are
// reported, and an exception that ended a user action. Both go through the prompter.
#pragma once

#include <exception>

#include "editor/session/prompter.h"
#include "foundation/diagnostics.h"

namespace kelvo {

// "Error" box with the exception's text (a data error's text names the file and the problem).
void ShowErrorBox(Prompter& prompter, const std::exception& error);

// Holds a reference to the prompter, which outlives it.
class MessageBoxSink : public DiagnosticsSink {
 public:
  explicit MessageBoxSink(Prompter& prompter) : prompter_(prompter) {}
  void Show(const Diagnostic& diagnostic) override;

 private:
  Prompter& prompter_;
};

}  // namespace kelvo
