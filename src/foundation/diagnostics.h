// Warnings and error boxes. The core never shows anything itself: it hands a
// Diagnostic to the sink the program supplies (a message box in the editor, stderr
// in the command-line tool, a CollectingSink in tests).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "foundation/errors.h"

namespace kelvo {

enum class DiagnosticKind {
  kFatalError,   // "Kelvo ERROR: " + text, error box; the program then ends or drops the operation
  kDataWarning,  // "Kelvo warning: " + text, error box, work goes on
  kArchiveWarning,  // "WARNING: " + text, caption "Warning"
  kError,           // the message of any other failure, error box
};

struct Diagnostic {
  DiagnosticKind kind;
  std::string caption;  // "Error" or "Warning"
  std::string text;     // full text, prefix included
};

class DiagnosticsSink {
 public:
  virtual ~DiagnosticsSink() = default;
  // Shows the message and returns when the user has seen it.
  virtual void Show(const Diagnostic& diagnostic) = 0;
};

// Writes each text as one line on stderr.
class StderrSink : public DiagnosticsSink {
 public:
  void Show(const Diagnostic& diagnostic) override;
};

// Keeps every diagnostic; for tests and for batch work that reports later.
class CollectingSink : public DiagnosticsSink {
 public:
  void Show(const Diagnostic& diagnostic) override { shown.push_back(diagnostic); }
  std::vector<std::string> Texts() const;
  std::vector<Diagnostic> shown;
};

// "Kelvo warning: " + text through the sink.
void DataWarning(DiagnosticsSink& sink, const std::string& text);

// When show is true, "WARNING: " + text with caption "Warning"; returns show.
bool ArchiveWarning(DiagnosticsSink& sink, bool show, const std::string& text);

// Shows "Kelvo ERROR: " + the error's text; returns the exit code 1 for the top level.
int ReportFatalDataError(DiagnosticsSink& sink, const FatalDataError& error);

// A program's top level: runs body and returns its exit code; a FatalDataError
// is shown and gives 1, any other KelvoError is shown and gives 2.
int RunReportingErrors(DiagnosticsSink& sink, const std::function<int()>& body);

}  // namespace kelvo
