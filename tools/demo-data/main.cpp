// kelvo-demo-data: draws the bundled data sets "male", "female" and "ape".
#include <cstdio>
#include <string>
#include <vector>

#include "foundation/diagnostics.h"
#include "generator.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  kelvo::demo::GeneratorOptions options;
  std::string error;
  if (!kelvo::demo::ParseGeneratorOptions(args, options, error)) {
    std::fprintf(stderr, "kelvo-demo-data: %s\n", error.c_str());
    return 2;
  }
  kelvo::StderrSink sink;
  return kelvo::demo::RunGenerator(options, sink);
}
