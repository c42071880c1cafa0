// Loading a 200-portrait gallery with its thumbnails (read, images, thumbnails on every core)
// against 200 single-thread renders of the same portraits, and against 200 single-thread
// thumbnails; the file alone too. Runs on the bundled "male" data set beside the program.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "cli/random_portraits.h"
#include "foundation/diagnostics.h"
#include "foundation/paths.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"
#include "portrait/thumbnails.h"

#include "bundled_data.h"
#include "ratio_reporter.h"

namespace kelvo {
namespace {

// The library and a gallery file of 200 random portraits, made once.
struct Fixture {
  Fixture() : context(sink) {
    library = bench::LoadBundledLibrary(context, "male");
    const auto folder = std::filesystem::temp_directory_path() / "kelvo-bench-gallery";
    std::filesystem::create_directories(folder);
    path = (folder / "two_hundred.xgl").string();
    TKelvoGallery gallery(context, *library, path, path);
    for (int i = 0; i < kMaxGalleryPortraits; ++i) {
      gallery.Add(*cli::NextRandomPortrait(*library, context.Random(), std::nullopt));
    }
    gallery.Save(path);
    loaded = Load();
  }
  // The file read and parsed anew, its images loaded: what opening the gallery does.
  std::unique_ptr<TKelvoGallery> Load() {
    auto gallery = std::make_unique<TKelvoGallery>(context, *library, path, path);
    gallery->Load();
    gallery->LoadImages();
    return gallery;
  }
  CollectingSink sink;
  ProcessContext context;
  std::unique_ptr<TKelvoTyp> library;
  std::string path;
  std::unique_ptr<TKelvoGallery> loaded;
};

std::vector<TKelvoPortret*> PortraitsOf(TKelvoGallery& gallery) {
  std::vector<TKelvoPortret*> portraits;
  for (int n = 1; n <= gallery.Count(); ++n) portraits.push_back(&gallery.Portrait(n));
  return portraits;
}

Fixture* Shared() {
  static const std::unique_ptr<Fixture> fixture =
      bench::HaveBundledData() ? std::make_unique<Fixture>() : nullptr;
  return fixture.get();
}

void BM_LoadGalleryWithThumbnails(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  for (auto _ : state) {
    const std::unique_ptr<TKelvoGallery> gallery = f->Load();
    std::vector<Layer> thumbnails = RenderThumbnails(PortraitsOf(*gallery), 0);
    benchmark::DoNotOptimize(thumbnails.data());
  }
}
BENCHMARK(BM_LoadGalleryWithThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime();

// Thumbnails of a freshly loaded gallery on every core, the load itself not timed.
void BM_FreshThumbnailsOnEveryCore(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<TKelvoGallery> gallery = f->Load();
    const std::vector<TKelvoPortret*> portraits = PortraitsOf(*gallery);
    state.ResumeTiming();
    std::vector<Layer> thumbnails = RenderThumbnails(portraits, 0);
    benchmark::DoNotOptimize(thumbnails.data());
    state.PauseTiming();
    thumbnails.clear();
    gallery.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FreshThumbnailsOnEveryCore)->Unit(benchmark::kMillisecond)->UseRealTime();

// 200 full renders of the same portraits on one thread and one reused canvas.
void BM_TwoHundredRenders(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  for (int n = 1; n <= f->loaded->Count(); ++n) f->loaded->Portrait(n).ComputePositions();
  TKelvoPortret::RenderBuffers buffers;
  for (auto _ : state) {
    for (int n = 1; n <= f->loaded->Count(); ++n) {
      TKelvoPortret& p = f->loaded->Portrait(n);
      p.LendRenderBuffers(buffers);
      p.PripravPortret(false);
      p.ReturnRenderBuffers(buffers);
    }
    benchmark::DoNotOptimize(buffers.canvas->pixels.data());
  }
}
BENCHMARK(BM_TwoHundredRenders)->Unit(benchmark::kMillisecond)->UseRealTime();

// 200 thumbnails of the same portraits (render and 4 x 4 average) on one thread.
void BM_TwoHundredThumbnails(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  TKelvoPortret::RenderBuffers buffers;
  for (auto _ : state) {
    for (int n = 1; n <= f->loaded->Count(); ++n) {
      Layer thumbnail = RenderThumbnail(f->loaded->Portrait(n), buffers);
      benchmark::DoNotOptimize(thumbnail.pixels.data());
    }
  }
}
BENCHMARK(BM_TwoHundredThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same thumbnails on every core, as the gallery makes them after loading.
void BM_TwoHundredThumbnailsOnEveryCore(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  const std::vector<TKelvoPortret*> portraits = PortraitsOf(*f->loaded);
  for (auto _ : state) {
    std::vector<Layer> thumbnails = RenderThumbnails(portraits, 0);
    benchmark::DoNotOptimize(thumbnails.data());
  }
}
BENCHMARK(BM_TwoHundredThumbnailsOnEveryCore)->Unit(benchmark::kMillisecond)->UseRealTime();

// The file alone: reading and parsing the 200 portraits and loading their images.
void BM_LoadGalleryOnly(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  for (auto _ : state) {
    const std::unique_ptr<TKelvoGallery> gallery = f->Load();
    benchmark::DoNotOptimize(gallery->Count());
  }
}
BENCHMARK(BM_LoadGalleryOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kelvo

int main(int argc, char** argv) {
  return kelvo::bench::RunWithRatios(argc, argv, [](const kelvo::bench::RatioReporter& r) {
    r.PrintRatio(
        "200-portrait gallery loaded with thumbnails / 200 renders",
        r.Ratio("BM_LoadGalleryWithThumbnails/real_time", "BM_TwoHundredRenders/real_time"),
        "at most 0.75");
    r.PrintRatio(
        "the same / 200 single-thread thumbnails",
        r.Ratio("BM_LoadGalleryWithThumbnails/real_time", "BM_TwoHundredThumbnails/real_time"),
        "none");
  });
}
