// Loading a 200-portrait gallery with its thumbnails (read, images, thumbnails on every core)
// against 200 single-thread thumbnail renders of the same portraits. The goal on two cores is
// a load that takes at most 0.75 times the single-thread renders. Runs on the bundled "male"
// data set beside the program.
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
    loaded = std::make_unique<TKelvoGallery>(context, *library, path, path);
    loaded->Load();
    loaded->LoadImages();
  }
  CollectingSink sink;
  ProcessContext context;
  std::unique_ptr<TKelvoTyp> library;
  std::string path;
  std::unique_ptr<TKelvoGallery> loaded;
};

Fixture* Shared() {
  static const std::unique_ptr<Fixture> fixture =
      bench::HaveBundledData() ? std::make_unique<Fixture>() : nullptr;
  return fixture.get();
}

void BM_LoadGalleryWithThumbnails(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  for (auto _ : state) {
    TKelvoGallery gallery(f->context, *f->library, f->path, f->path);
    gallery.Load();
    gallery.LoadImages();
    std::vector<TKelvoPortret*> portraits;
    for (int n = 1; n <= gallery.Count(); ++n) portraits.push_back(&gallery.Portrait(n));
    std::vector<Layer> thumbnails = RenderThumbnails(portraits, 0);
    benchmark::DoNotOptimize(thumbnails.data());
  }
}
BENCHMARK(BM_LoadGalleryWithThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SingleThreadRenders(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  for (auto _ : state) {
    for (int n = 1; n <= f->loaded->Count(); ++n) {
      Layer thumbnail = RenderThumbnail(f->loaded->Portrait(n));
      benchmark::DoNotOptimize(thumbnail.pixels.data());
    }
  }
}
BENCHMARK(BM_SingleThreadRenders)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kelvo

BENCHMARK_MAIN();
