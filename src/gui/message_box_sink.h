// Shows the core's warnings and error texts in message boxes through the prompter.
// Holds a reference to the prompter, which outlives it.
#pragma once

#include "editor/prompter.h"
#include "foundation/diagnostics.h"

namespace kelvo {

class MessageBoxSink : public DiagnosticsSink {
 public:
  explicit MessageBoxSink(Prompter& prompter) : prompter_(prompter) {}
  void Show(const Diagnostic& diagnostic) override;

 private:
  Prompter& prompter_;
};

}  // namespace kelvo
