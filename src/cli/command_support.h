// What the commands share: loading the library named on the command line, writing one into
// an output folder and the diagnostics sink that puts warnings on the tool's error stream.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "foundation/diagnostics.h"

namespace kelvo {
class ProcessContext;
class TKelvoTyp;
}  // namespace kelvo

namespace kelvo::cli {

// Each diagnostic as one line on the given stream ("Kelvo warning: ..." and the like).
class StreamSink : public DiagnosticsSink {
 public:
  explicit StreamSink(std::ostream& err) : err_(err) {}
  void Show(const Diagnostic& diagnostic) override;

 private:
  std::ostream& err_;
};

// The library `name` (relative names under the data directory) with all its images; errors of
// the library's readers propagate.
std::unique_ptr<TKelvoTyp> LoadLibraryWithImages(ProcessContext& context, const std::string& name);

// Writes the library's text files, and with `images` its images, into the folder named on the
// command line (made with its parents); returns the folder as written. Throws when the folder
// cannot be made.
std::string WriteLibraryTo(TKelvoTyp& library, const std::string& out, bool images);

}  // namespace kelvo::cli
