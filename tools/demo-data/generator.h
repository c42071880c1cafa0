// The generator program: its options and the run that draws and writes the
// bundled data sets. main() only parses the command line and calls Run.
#pragma once

#include <string>
#include <vector>

#include "plan.h"

namespace kelvo {
class DiagnosticsSink;
}

namespace kelvo::demo {

struct GeneratorOptions {
  std::string data_dir;       // the data sets go to data_dir/male, /female, /ape
  std::vector<Species> sets;  // which to draw; all three by default
};

// Parses "kelvo-demo-data <data directory> [male|female|ape]...". On a usage
// error returns false and sets `error`.
bool ParseGeneratorOptions(const std::vector<std::string>& args, GeneratorOptions& options,
                           std::string& error);

// Draws and writes the data sets and their sample galleries; returns the exit
// code. Errors go to the sink, a line per written data set to stderr.
int RunGenerator(const GeneratorOptions& options, DiagnosticsSink& sink);

}  // namespace kelvo::demo
