// The GUI's message boxes for failures: the core's warnings and error texts as they are
// reported, and an exception that ended a user action. Both go through the prompter.
#pragma once

#include <functional>

#include "editor/session/prompter.h"
#include "foundation/diagnostics.h"

namespace kelvo {

// The one wrapper around a user action: an exception that ends it is shown in an "Error" box
// (ReportError: a data error's text names the file and the problem). False when it failed.
bool RunReported(Prompter& prompter, const std::function<void()>& action);

// Holds a reference to the prompter, which outlives it.
class MessageBoxSink : public DiagnosticsSink {
 public:
  explicit MessageBoxSink(Prompter& prompter) : prompter_(prompter) {}
  void Show(const Diagnostic& diagnostic) override;

 private:
  Prompter& prompter_;
};

}  // namespace kelvo
