#include "foundation/diagnostics.h"

#include <cstdio>

namespace kelvo {

void StderrSink::Show(const Diagnostic& diagnostic) {
  std::fwrite(diagnostic.text.data(), 1, diagnostic.text.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

std::vector<std::string> CollectingSink::Texts() const {
  std::vector<std::string> texts;
  for (const Diagnostic& d : shown) texts.push_back(d.text);
  return texts;
}

void DataWarning(DiagnosticsSink& sink, const std::string& text) {
  sink.Show({DiagnosticKind::kDataWarning, "Error", "Kelvo warning: " + text});
}

bool ArchiveWarning(DiagnosticsSink& sink, bool show, const std::string& text) {
  if (show) sink.Show({DiagnosticKind::kArchiveWarning, "Warning", "WARNING: " + text});
  return show;
}

int ReportFatalDataError(DiagnosticsSink& sink, const FatalDataError& error) {
  sink.Show({DiagnosticKind::kFatalError, "Error", FatalDataText(error)});
  return 1;
}

int RunReportingErrors(DiagnosticsSink& sink, const std::function<int()>& body) {
  try {
    return body();
  } catch (const FatalDataError& error) {
    return ReportFatalDataError(sink, error);
  } catch (const KelvoError& error) {
    sink.Show({DiagnosticKind::kError, "Error", error.what()});
    return 2;
  }
}

}  // namespace kelvo
