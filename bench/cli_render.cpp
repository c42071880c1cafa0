// Where the time of `kelvo render --random --count N` goes: rendering a portrait, encoding it
// as BMP or PNG and writing the file, each per portrait, and the whole command on one thread
// and on every core. Runs on the bundled "male" data set beside the program.
#include <optional>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <thread>
#include <vector>

#include "cli/image_output.h"
#include "cli/random_portraits.h"
#include "cli/render_command.h"
#include "cli/render_pipeline.h"
#include "foundation/diagnostics.h"
#include "foundation/paths.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo::cli {
namespace {

bool HaveData() {
  return std::filesystem::exists(ProgramDirectory() + "kelvoed/data_big/male/dro");
}

// The library and a few random portraits, made once.
struct Fixture {
  Fixture() : context(sink) {
    library = std::make_unique<TKelvoTyp>(context.Archive(), "male");
    library->LoadAll();
    library->LoadImages();
    for (int i = 0; i < 16; ++i) {
      portraits.push_back(NextRandomPortrait(*library, context.Random(), std::nullopt));
    }
    image = RenderPortraitImage(*portraits[0], 1);
  }
  CollectingSink sink;
  ProcessContext context;
  std::unique_ptr<TKelvoTyp> library;
  std::vector<std::unique_ptr<TKelvoPortret>> portraits;
  Layer image;
};

Fixture* Shared() {
  static const std::unique_ptr<Fixture> fixture =
      HaveData() ? std::make_unique<Fixture>() : nullptr;
  return fixture.get();
}

std::string TempFolder() {
  const auto folder = std::filesystem::temp_directory_path() / "kelvo-bench-cli";
  std::filesystem::create_directories(folder);
  return folder.string();
}

void BM_RenderPortrait(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  std::size_t i = 0;
  for (auto _ : state) {
    Layer image = RenderPortraitImage(*f->portraits[i++ % f->portraits.size()], 1);
    benchmark::DoNotOptimize(image.pixels.data());
  }
}
BENCHMARK(BM_RenderPortrait)->Unit(benchmark::kMillisecond);

void BM_Encode(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  const auto type = static_cast<ImageFileType>(state.range(0));
  state.SetLabel(type == ImageFileType::kBmp ? "bmp" : "png");
  for (auto _ : state) benchmark::DoNotOptimize(EncodeImage(f->image, type));
}
BENCHMARK(BM_Encode)
    ->Arg(static_cast<int>(ImageFileType::kBmp))
    ->Arg(static_cast<int>(ImageFileType::kPng))
    ->Unit(benchmark::kMillisecond);

void BM_Write(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  const auto type = static_cast<ImageFileType>(state.range(0));
  state.SetLabel(type == ImageFileType::kBmp ? "bmp" : "png");
  const std::string bytes = EncodeImage(f->image, type);
  const std::string path =
      TempFolder() + "/write" + (type == ImageFileType::kBmp ? ".bmp" : ".png");
  for (auto _ : state) WriteOutputFile(path, bytes);
}
BENCHMARK(BM_Write)
    ->Arg(static_cast<int>(ImageFileType::kBmp))
    ->Arg(static_cast<int>(ImageFileType::kPng))
    ->Unit(benchmark::kMillisecond);

// The whole command for 64 portraits; range(0) threads (0 = every core), range(1) PNG or BMP.
void BM_RenderCommand(benchmark::State& state) {
  if (!HaveData()) return state.SkipWithError("no bundled data set beside the program");
  const bool png = state.range(1) == 1;
  const int portraits = 64;
  for (auto _ : state) {
    CollectingSink sink;
    ProcessContext context(sink);
    RenderOptions options;
    options.source.count = portraits;
    options.out = TempFolder() + "/p%d" + (png ? ".png" : ".bmp");
    options.threads = static_cast<int>(state.range(0));
    std::ostringstream out;
    RenderCommand(context, options, out).Run();
  }
  state.SetItemsProcessed(state.iterations() * portraits);
  state.SetLabel(std::string(png ? "png" : "bmp") + ", " +
                 (state.range(0) == 0 ? std::to_string(std::thread::hardware_concurrency())
                                      : std::to_string(state.range(0))) +
                 " threads, 64 portraits");
}
BENCHMARK(BM_RenderCommand)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
}  // namespace kelvo::cli

BENCHMARK_MAIN();
