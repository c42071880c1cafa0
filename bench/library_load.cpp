// Loading data from disk: a bundled library (its text files and every image) against a raw
// read of the files of its folder, and a 200-portrait gallery loaded with the thumbnails of
// its portraits made on every core against 200 full renders on one.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bundled_data.h"
#include "foundation/diagnostics.h"
#include "foundation/paths.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"
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

// The "male" library and a gallery file of 200 of its random portraits, made once.
struct GallerySample {
  GallerySample() : context(sink) {
    library = bench::LoadBundledLibrary(context, "male");
    folder = std::filesystem::temp_directory_path() /
             ("kelvo-bench-gallery-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    path = (folder / "g200.xgl").string();
    TKelvoGallery gallery(context, *library, "bench", path);
    TKelvoPortret p(*library);
    for (int i = 0; i < kMaxGalleryPortraits; ++i) {
      p.RandomComponents(context.Random());
      p.RandomColours(context.Random());
      gallery.Add(p);
    }
    gallery.Save(path);
  }
  ~GallerySample() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  CollectingSink sink;
  ProcessContext context;
  std::unique_ptr<TKelvoTyp> library;
  std::filesystem::path folder;
  std::string path;
};

GallerySample* Gallery() {
  static const std::unique_ptr<GallerySample> sample =
      HaveData() ? std::make_unique<GallerySample>() : nullptr;
  return sample.get();
}

// Full render and 4 x 4 reduction of portraits [0, count) on `workers` threads, each drawing on
// a canvas of its own that it reuses.
void MakeThumbnails(TKelvoGallery& gallery, int workers, std::vector<Layer>& thumbnails) {
  std::atomic<int> next{0};
  auto work = [&] {
    std::unique_ptr<Layer> canvas = create_layer(kCanvasWidth, kCanvasHeight);
    for (int i = next++; i < gallery.Count(); i = next++) {
      TKelvoPortret& p = gallery.Portrait(i + 1);
      std::fill(canvas->pixels.begin(), canvas->pixels.end(), uint16_t{0});
      p.RenderLayer = std::move(canvas);
      p.ComputePositions();
      p.PripravPortret(false);
      reduce_layer(4, *p.RenderLayer, thumbnails[static_cast<size_t>(i)]);
      canvas = std::move(p.RenderLayer);
    }
  };
  std::vector<std::thread> threads;
  for (int t = 1; t < workers; ++t) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
}

void BM_GalleryWithThumbnails(benchmark::State& state) {
  GallerySample* sample = Gallery();
  if (!sample) return state.SkipWithError("no bundled data set beside the program");
  const int workers = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  state.SetLabel(std::to_string(workers) + " threads");
  for (auto _ : state) {
    TKelvoGallery gallery(sample->context, *sample->library, "bench", sample->path);
    gallery.Load();
    gallery.LoadImages();
    std::vector<Layer> thumbnails;
    for (int i = 0; i < gallery.Count(); ++i) thumbnails.push_back(*create_layer(80, 100));
    MakeThumbnails(gallery, workers, thumbnails);
    benchmark::DoNotOptimize(thumbnails.data());
  }
}
BENCHMARK(BM_GalleryWithThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime();

// 200 full renders of gallery portraits on one thread, on one reused canvas.
void BM_TwoHundredRenders(benchmark::State& state) {
  GallerySample* sample = Gallery();
  if (!sample) return state.SkipWithError("no bundled data set beside the program");
  TKelvoGallery gallery(sample->context, *sample->library, "bench", sample->path);
  gallery.Load();
  gallery.LoadImages();
  for (int i = 1; i <= gallery.Count(); ++i) gallery.Portrait(i).ComputePositions();
  std::unique_ptr<Layer> canvas = create_layer(kCanvasWidth, kCanvasHeight);
  for (auto _ : state) {
    for (int i = 1; i <= gallery.Count(); ++i) {
      TKelvoPortret& p = gallery.Portrait(i);
      p.RenderLayer = std::move(canvas);
      p.PripravPortret(false);
      canvas = std::move(p.RenderLayer);
    }
    benchmark::DoNotOptimize(canvas->pixels.data());
  }
}
BENCHMARK(BM_TwoHundredRenders)->Unit(benchmark::kMillisecond)->UseRealTime();

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
    r.PrintRatio("200-portrait gallery loaded with thumbnails / 200 renders",
                 r.Ratio("BM_GalleryWithThumbnails/real_time", "BM_TwoHundredRenders/real_time"),
                 "at most 0.75");
  });
}
