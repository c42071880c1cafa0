// One libFuzzer target; KELVO_FUZZ_TARGET names the entry of fuzz_entries.h it runs.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz/fuzz_entries.h"

namespace {

kelvo::fuzz::Entry FindEntry() {
  for (const kelvo::fuzz::Target& target : kelvo::fuzz::Targets()) {
    if (std::string_view(target.name) == KELVO_FUZZ_TARGET) return target.run;
  }
  std::fprintf(stderr, "no fuzz entry %s\n", KELVO_FUZZ_TARGET);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const kelvo::fuzz::Entry entry = FindEntry();
  const std::string problem = entry(kelvo::fuzz::Input(data, size));
  if (!problem.empty()) {
    std::fprintf(stderr, "%s: %s\n", KELVO_FUZZ_TARGET, problem.c_str());
    std::abort();
  }
  return 0;
}
