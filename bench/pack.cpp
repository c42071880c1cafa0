// Pack files on the bundled data sets beside the program: building a pack of the whole data
// folder against copying the same files with `cp -r` (goal: at most 1.5 times as long), and
// reading every file of the "male" library through a pack against reading them from disk
// (goal: at most 1.2 times as long).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "archive/pak.h"
#include "archive/pak_file.h"
#include "archive/pak_unit.h"
#include "foundation/diagnostics.h"
#include "foundation/paths.h"
#include "library/process_context.h"

namespace kelvo {
namespace {

namespace fs = std::filesystem;

std::string DataDir() {
  return ProgramDirectory() + "kelvoed/data_big/";
}

bool HaveData() {
  return fs::exists(DataDir() + "male/dro");
}

// A scratch folder removed at exit.
struct Scratch {
  Scratch() {
    std::string pattern = (fs::temp_directory_path() / "kelvo-bench-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) != nullptr) dir = std::string(buffer.data()) + "/";
  }
  ~Scratch() {
    std::error_code ec;
    if (!dir.empty()) fs::remove_all(dir, ec);
  }
  std::string dir;
};

Scratch& Shared() {
  static Scratch scratch;
  return scratch;
}

void BM_BuildPack(benchmark::State& state) {
  if (!HaveData()) return state.SkipWithError("no bundled data beside the program");
  const std::string pack = Shared().dir + "build.VXP";
  for (auto _ : state) {
    const PackBuildResult result = BuildPackFile(DataDir(), pack, false, {});
    if (!result.complete) return state.SkipWithError(result.error.c_str());
    state.SetBytesProcessed(state.bytes_processed() + static_cast<int64_t>(result.bytes));
  }
}
BENCHMARK(BM_BuildPack)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CopyWithCp(benchmark::State& state) {
  if (!HaveData()) return state.SkipWithError("no bundled data beside the program");
  const std::string copy = Shared().dir + "copy";
  const std::string command = "cp -r '" + DataDir() + "' '" + copy + "'";
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(copy);
    state.ResumeTiming();
    if (std::system(command.c_str()) != 0) return state.SkipWithError("cp -r failed");
  }
}
BENCHMARK(BM_CopyWithCp)->Unit(benchmark::kMillisecond)->UseRealTime();

// A process context over the data folder, or over an empty folder with the pack.
struct Reader {
  explicit Reader(bool packed) {
    const std::string program = Shared().dir + (packed ? "packed/" : "disk/");
    fs::create_directories(program + "empty");
    ProcessOptions options;
    options.program_dir = program;
    options.computer_name = "BENCH";
    if (packed) {
      const std::string pack = Shared().dir + "read.VXP";
      BuildPackFile(DataDir(), pack, false, {});
      options.data_base = program + "empty";
      options.pack_name = pack;
    } else {
      options.data_base = DataDir();
    }
    context = std::make_unique<ProcessContext>(sink, options);
    // The lookups and reads are measured, not the used-files log.
    context->ArchiveUnit().archive_logging = false;
    for (const PackSource& source : ListPackSources(DataDir() + "male/"))
      names.push_back("male\\" + source.name);
  }
  CollectingSink sink;
  std::unique_ptr<ProcessContext> context;
  std::vector<std::string> names;
};

void ReadLibrary(benchmark::State& state, bool packed) {
  if (!HaveData()) return state.SkipWithError("no bundled data beside the program");
  Reader reader(packed);
  for (auto _ : state) {
    int64_t bytes = 0;
    for (const std::string& name : reader.names)
      bytes += static_cast<int64_t>(reader.context->Archive().LoadFile(name).size());
    if (bytes == 0) return state.SkipWithError("nothing read");
    state.SetBytesProcessed(state.bytes_processed() + bytes);
  }
  state.counters["files"] = static_cast<double>(reader.names.size());
}

void BM_ReadLibraryFromDisk(benchmark::State& state) {
  ReadLibrary(state, false);
}
BENCHMARK(BM_ReadLibraryFromDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadLibraryFromPack(benchmark::State& state) {
  ReadLibrary(state, true);
}
BENCHMARK(BM_ReadLibraryFromPack)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kelvo

BENCHMARK_MAIN();
