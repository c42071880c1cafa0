// Loading a bundled library (its text files and every image) against a raw read of the files
// of its folder. The gallery load is in gallery_load.cpp.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bundled_data.h"
#include "foundation/diagnostics.h"
#include "foundation/paths.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "ratio_reporter.h"

namespace kelvo {
namespace {

const char* const kDataSets[] = {"male", "female", "ape"};

std::string DataFolder(int index) {
  return ProgramDirectory() + "kelvoed/data_big/" + kDataSets[index];
}

bool HaveData() {
  return std::filesystem::exists(DataFolder(0));
}

void BM_LoadLibrary(benchmark::State& state) {
  if (!HaveData()) return state.SkipWithError("no bundled data set beside the program");
  const int index = static_cast<int>(state.range(0));
  state.SetLabel(kDataSets[index]);
  CollectingSink sink;
  ProcessContext context(sink);
  for (auto _ : state) {
    TKelvoTyp library(context.Archive(), kDataSets[index]);
    library.LoadAll();
    library.LoadImages();
    benchmark::DoNotOptimize(library.DrawOrder.data());
  }
}
BENCHMARK(BM_LoadLibrary)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Every file of the data set's folder read whole with open/read/close.
void BM_RawReadLibrary(benchmark::State& state) {
  if (!HaveData()) return state.SkipWithError("no bundled data set beside the program");
  const int index = static_cast<int>(state.range(0));
  state.SetLabel(kDataSets[index]);
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(DataFolder(index))) {
    if (entry.is_regular_file()) files.push_back(entry.path().string());
  }
  std::vector<char> buffer;
  for (auto _ : state) {
    for (const std::string& file : files) {
      const int fd = ::open(file.c_str(), O_RDONLY);
      if (fd < 0) continue;
      const off_t size = ::lseek(fd, 0, SEEK_END);
      ::lseek(fd, 0, SEEK_SET);
      buffer.resize(static_cast<size_t>(size));
      benchmark::DoNotOptimize(::read(fd, buffer.data(), buffer.size()));
      ::close(fd);
    }
  }
  state.counters["files"] = static_cast<double>(files.size());
}
BENCHMARK(BM_RawReadLibrary)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvo

int main(int argc, char** argv) {
  return kelvo::bench::RunWithRatios(argc, argv, [](const kelvo::bench::RatioReporter& r) {
    for (int i = 0; i < 3; ++i) {
      const std::string arg = "/" + std::to_string(i);
      r.PrintRatio(
          std::string("Load of the ") + kelvo::kDataSets[i] + " library / raw read of its files",
          r.Ratio("BM_LoadLibrary" + arg, "BM_RawReadLibrary" + arg), "at most 2");
    }
  });
}
