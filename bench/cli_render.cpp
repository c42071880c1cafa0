// Where the time of `kelvo render --random --count N` goes: rendering a portrait, encoding it
// as BMP or PNG and writing the file, each per portrait; the whole command for 1000 portraits
// on one and on two workers, beside plain writes on one and two threads; writing 1000 and
// 10,000 new files into one fresh folder, through the writer and with plain calls; BMP, PNG and
// libdeflate's bare compression on each bundled data set. Runs on the bundled data sets beside
// the program.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <thread>
#include <vector>

#include "bundled_data.h"
#include "cli/commands.h"
#include "cli/image_output.h"
#include "cli/random_portraits.h"
#include "cli/render_pipeline.h"
#include "foundation/diagnostics.h"
#include "foundation/paths.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/portrait.h"
#include "ratio_reporter.h"

#include <libdeflate.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

namespace kelvo::cli {
namespace {

constexpr const char* kDataSets[] = {"male", "female", "ape"};

// The library and a few random portraits, made once.
struct Fixture {
  Fixture() : context(sink) {
    library = bench::LoadBundledLibrary(context, "male");
    for (int i = 0; i < 16; ++i) {
      portraits.push_back(NextRandomPortrait(*library, context.Random(), std::nullopt));
    }
    image = RenderPortraitImage(*portraits[0], 1);
    EncodeImage(image, ImageFileType::kBmp, kDefaultPngLevel, bmp);
  }
  CollectingSink sink;
  ProcessContext context;
  std::unique_ptr<TKelvoTyp> library;
  std::vector<std::unique_ptr<TKelvoPortret>> portraits;
  Layer image;
  std::string bmp;
};

Fixture* Shared() {
  static const std::unique_ptr<Fixture> fixture =
      bench::HaveBundledData() ? std::make_unique<Fixture>() : nullptr;
  return fixture.get();
}

// Scratch files go to KELVO_BENCH_FOLDER, else to memory (/dev/shm) where there is one: on a
// disk the file system's own costs (inode allocation skipping the files just deleted) swamp
// what the writer does, and vary from run to run.
std::filesystem::path ScratchBase() {
  if (const char* asked = std::getenv("KELVO_BENCH_FOLDER")) return asked;
  std::error_code ignored;
  if (std::filesystem::is_directory("/dev/shm", ignored)) return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

std::string TempFolder() {
  const auto folder = ScratchBase() / ("kelvo-bench-cli-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  return folder.string();
}

void BM_RenderPortrait(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  std::size_t i = 0;
  RenderScratch scratch;
  for (auto _ : state) {
    const Layer& image = RenderPortraitImage(*f->portraits[i++ % f->portraits.size()], 1, scratch);
    benchmark::DoNotOptimize(image.pixels.data());
  }
}
BENCHMARK(BM_RenderPortrait)->Unit(benchmark::kMillisecond);

// One-pass BMP, and PNG at the default level, into a reused buffer; and the BMP encoder
// through a 24-bit picture it replaced.
void BM_Encode(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  const auto type = static_cast<ImageFileType>(state.range(0));
  state.SetLabel(type == ImageFileType::kBmp ? "bmp" : "png");
  std::string out;
  for (auto _ : state) {
    EncodeImage(f->image, type, kDefaultPngLevel, out);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_Encode)
    ->Arg(static_cast<int>(ImageFileType::kBmp))
    ->Arg(static_cast<int>(ImageFileType::kPng))
    ->Unit(benchmark::kMillisecond);

// Encoding on each bundled data set: a few portraits each, rendered once.

struct DataSetImages {
  std::vector<Layer> images;
  std::size_t png_bytes = 0;     // at the default level, summed over the images
  std::size_t qt_png_bytes = 0;  // the same through Qt's writer at zlib level 1 (the old default)
};

std::string QtLevelOnePng(const Layer& layer) {
  QImage image(layer.width, layer.height, QImage::Format_RGB888);
  for (int y = 0; y < layer.height; ++y) {
    for (int x = 0; x < layer.width; ++x) {
      const Rgb p = split_rgb16(layer.At(x, y));
      uchar* at = image.scanLine(y) + 3 * x;
      at[0] = p.r, at[1] = p.g, at[2] = p.b;
    }
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG", 89);  // Qt's quality 89 is zlib level 1
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

const DataSetImages& ImagesOf(int set) {
  static std::map<int, DataSetImages> made;
  DataSetImages& d = made[set];
  if (!d.images.empty()) return d;
  CollectingSink sink;
  ProcessContext context(sink);
  auto library = bench::LoadBundledLibrary(context, kDataSets[set]);
  for (int i = 0; i < 8; ++i) {
    auto portrait = NextRandomPortrait(*library, context.Random(), std::nullopt);
    d.images.push_back(RenderPortraitImage(*portrait, 1));
    d.png_bytes += EncodeImage(d.images.back(), ImageFileType::kPng).size();
    d.qt_png_bytes += QtLevelOnePng(d.images.back()).size();
  }
  return d;
}

// range(0): the data set; range(1): 0 BMP, 1 PNG at the default level, 2 libdeflate's bare
// level-1 compression of the PNG's filtered rows (what the PNG costs beyond is filtering and
// chunks), 3 the PNG the tool wrote before, through Qt's writer at zlib level 1.
void BM_EncodeDataSet(benchmark::State& state) {
  if (!bench::HaveBundledData())
    return state.SkipWithError("no bundled data set beside the program");
  const int set = static_cast<int>(state.range(0));
  const int kind = static_cast<int>(state.range(1));
  const DataSetImages& d = ImagesOf(set);
  static constexpr const char* kKinds[] = {" bmp", " png", " deflate", " qt png"};
  state.SetLabel(std::string(kDataSets[set]) + kKinds[kind]);
  std::vector<std::vector<std::uint8_t>> rows(d.images.size());
  for (std::size_t i = 0; i < rows.size(); ++i) FilterPngRows(d.images[i], rows[i]);
  libdeflate_compressor* compressor = libdeflate_alloc_compressor(1);
  std::vector<char> packed(libdeflate_zlib_compress_bound(compressor, rows[0].size()));
  std::string out;
  std::size_t i = 0;
  for (auto _ : state) {
    const std::size_t n = i++ % d.images.size();
    if (kind == 3) {
      benchmark::DoNotOptimize(QtLevelOnePng(d.images[n]));
    } else if (kind == 2) {
      benchmark::DoNotOptimize(libdeflate_zlib_compress(compressor, rows[n].data(), rows[n].size(),
                                                        packed.data(), packed.size()));
    } else {
      EncodeImage(d.images[n], kind == 0 ? ImageFileType::kBmp : ImageFileType::kPng,
                  kDefaultPngLevel, out);
      benchmark::DoNotOptimize(out.data());
    }
  }
  libdeflate_free_compressor(compressor);
}
BENCHMARK(BM_EncodeDataSet)->ArgsProduct({{0, 1, 2}, {0, 1, 2, 3}})->Unit(benchmark::kMicrosecond);

void BM_EncodeBmpThroughRgb(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  for (auto _ : state) benchmark::DoNotOptimize(EncodeBmp24(LayerToRgb(f->image)));
}
BENCHMARK(BM_EncodeBmpThroughRgb)->Unit(benchmark::kMillisecond);

void BM_Write(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  const std::string path = TempFolder() + "/write.bmp";
  for (auto _ : state) WriteOutputFile(path, f->bmp);
}
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);

// open, write, close of the same bytes, the floor of any writer.
void BM_PlainWrite(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  const std::string path = TempFolder() + "/plain.bmp";
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, f->bmp.data(), f->bmp.size()) != ssize_t(f->bmp.size())) {
      return state.SkipWithError("cannot write");
    }
    ::close(fd);
  }
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond);

// 1000 plain writes of a portrait-sized file on range(0) threads, each its own files: how
// far the system's file writing itself scales with threads.
void BM_PlainWritesOnThreads(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  const int threads = static_cast<int>(state.range(0));
  const std::string folder = TempFolder();
  for (auto _ : state) {
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
      workers.emplace_back([&, t] {
        for (int n = t; n < 1000; n += threads) {
          const std::string path = folder + "/threads" + std::to_string(n) + ".bmp";
          const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
          if (fd < 0) continue;
          if (::write(fd, f->bmp.data(), f->bmp.size()) < 0) n = 1000;
          ::close(fd);
        }
      });
    }
    for (std::thread& worker : workers) worker.join();
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_PlainWritesOnThreads)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// The whole command for 1000 portraits in-process; range(0) workers, range(1) PNG or BMP,
// range(2) the data set.
void BM_RenderCommand(benchmark::State& state) {
  if (!bench::HaveBundledData())
    return state.SkipWithError("no bundled data set beside the program");
  const bool png = state.range(1) == 1;
  const int portraits = 1000;
  for (auto _ : state) {
    CollectingSink sink;
    ProcessContext context(sink);
    RenderOptions options;
    options.lib.library = kDataSets[state.range(2)];
    options.source.count = portraits;
    options.out = TempFolder() + "/p%d" + (png ? ".png" : ".bmp");
    options.jobs = static_cast<int>(state.range(0));
    std::ostringstream out;
    Command<RenderOptions>(context, options, out, out).Run();
  }
  state.SetItemsProcessed(state.iterations() * portraits);
  state.SetLabel(std::string(kDataSets[state.range(2)]) + (png ? " png, " : " bmp, ") +
                 std::to_string(state.range(0)) + " jobs, 1000 portraits");
}
BENCHMARK(BM_RenderCommand)
    ->Args({1, 0, 0})
    ->Args({2, 0, 0})
    ->Args({1, 1, 0})
    ->Args({2, 1, 0})
    ->Args({1, 0, 1})
    ->Args({1, 1, 1})
    ->Args({1, 0, 2})
    ->Args({1, 1, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// The first portrait reduced by 8, as a BMP file.
std::string SmallThumbnailBmp(const Fixture& f) {
  Layer small = std::move(*create_layer(40, 50));
  reduce_layer(8, f.image, small);
  return EncodeImage(small, ImageFileType::kBmp);
}

// An empty scratch folder of its own for a round, made outside the timing.
std::string FreshFolder(benchmark::State& state, const std::string& stem, int round) {
  state.PauseTiming();
  const std::string folder = TempFolder() + stem + std::to_string(round);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  state.ResumeTiming();
  return folder;
}

// range(0) new files of a small thumbnail written into a fresh folder, as a batch writes them.
void BM_WriteNewFiles(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  const std::string bytes = SmallThumbnailBmp(*f);
  const int files = static_cast<int>(state.range(0));
  int round = 0;
  for (auto _ : state) {
    const std::string folder = FreshFolder(state, "/fresh", round++);
    FolderListings listings;
    for (int n = 1; n <= files; ++n) {
      WriteOutputFile(folder + "/t" + std::to_string(n) + ".bmp", bytes,
                      {.sync = false, .listings = &listings});
    }
    state.PauseTiming();
    std::filesystem::remove_all(folder);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * files);
}
BENCHMARK(BM_WriteNewFiles)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// The same files with nothing but the system calls of a temporary file renamed into place:
// what the file system itself costs as the folder grows.
void BM_PlainNewFiles(benchmark::State& state) {
  Fixture* f = Shared();
  if (!f) return state.SkipWithError("no bundled data set beside the program");
  const std::string bytes = SmallThumbnailBmp(*f);
  const int files = static_cast<int>(state.range(0));
  int round = 0;
  for (auto _ : state) {
    const std::string folder = FreshFolder(state, "/plain", round++);
    for (int n = 1; n <= files; ++n) {
      const std::string temp = folder + "/.kelvo-" + std::to_string(n);
      const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
      if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        return state.SkipWithError("cannot write the scratch folder");
      ::close(fd);
      const std::string target = folder + "/t" + std::to_string(n) + ".bmp";
      if (std::rename(temp.c_str(), target.c_str()) != 0)
        return state.SkipWithError("cannot rename in the scratch folder");
    }
    state.PauseTiming();
    std::filesystem::remove_all(folder);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * files);
}
BENCHMARK(BM_PlainNewFiles)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
}  // namespace kelvo::cli

int main(int argc, char** argv) {
  using kelvo::bench::RatioReporter;
  struct RemoveScratch {
    ~RemoveScratch() {
      std::error_code ignored;
      std::filesystem::remove_all(kelvo::cli::TempFolder(), ignored);
    }
  } remove_scratch;
  return kelvo::bench::RunWithRatios(argc, argv, [](const RatioReporter& r) {
    r.PrintRatio("render --count 1000 (bmp): --jobs 1 / --jobs 2",
                 r.Ratio("BM_RenderCommand/1/0/0/iterations:3/real_time",
                         "BM_RenderCommand/2/0/0/iterations:3/real_time"),
                 "at least 1.8");
    r.PrintRatio("1000 plain writes, 1 thread / 2 threads (the system's own scaling)",
                 r.Ratio("BM_PlainWritesOnThreads/1/iterations:3/real_time",
                         "BM_PlainWritesOnThreads/2/iterations:3/real_time"),
                 "none");
    const auto find = [&](const std::string& name) {
      const auto it = r.times.find(name);
      return it == r.times.end() ? 0.0 : it->second;
    };
    // Benchmark times are in milliseconds here.
    const double parts = find("BM_RenderPortrait") + find("BM_Encode/0") + find("BM_PlainWrite");
    const double command = find("BM_RenderCommand/1/0/0/iterations:3/real_time") / 1000;
    if (parts > 0) {
      r.PrintRatio(
          "render --count 1000 --jobs 1 (bmp) per portrait / render + one-pass encode "
          "+ plain write",
          command / parts, "at most 1.3");
    }
    const double writer_growth = r.Ratio("BM_WriteNewFiles/10000/iterations:3/real_time",
                                         "BM_WriteNewFiles/1000/iterations:3/real_time") /
                                 10;
    const double plain_growth = r.Ratio("BM_PlainNewFiles/10000/iterations:3/real_time",
                                        "BM_PlainNewFiles/1000/iterations:3/real_time") /
                                10;
    r.PrintRatio("per-file cost, 10,000 new files / 1,000 new files", writer_growth, "within 1.1");
    r.PrintRatio("the same with plain system calls (the file system's own growth)", plain_growth,
                 "none");
    if (plain_growth > 0) {
      r.PrintRatio("per-file growth through the writer / plain system calls",
                   writer_growth / plain_growth, "within 1.1");
    }
    for (int set = 0; set < 3; ++set) {
      const std::string prefix = "BM_EncodeDataSet/" + std::to_string(set) + "/";
      const std::string name = kelvo::cli::kDataSets[set];
      const std::string command = "BM_RenderCommand/1/";
      const std::string tail = "/" + std::to_string(set) + "/iterations:3/real_time";
      r.PrintRatios("render --count 1000 --jobs 1 per portrait, PNG / BMP, " + name,
                    command + "1" + tail, command + "0" + tail, "at most 2.5");
      r.PrintRatios("PNG / BMP encoding alone, " + name, prefix + "1", prefix + "0", "none");
      r.PrintRatios("PNG / bare libdeflate level 1 of the filtered rows, " + name, prefix + "1",
                    prefix + "2", "at most 1.3");
      r.PrintRatios("Qt's zlib level-1 PNG / this PNG encoding, " + name, prefix + "3",
                    prefix + "1", "none");
      const auto& d = kelvo::cli::ImagesOf(set);
      r.PrintRatio("PNG bytes / Qt zlib level-1 PNG bytes, " + name,
                   static_cast<double>(d.png_bytes) / static_cast<double>(d.qt_png_bytes),
                   "at most 1");
    }
    r.PrintRatios("one-pass BMP encode speed-up over the 24-bit picture path",
                  "BM_EncodeBmpThroughRgb", "BM_Encode/0", "same bytes");
    r.PrintRatios("write through the atomic writer / plain open-write-close", "BM_Write",
                  "BM_PlainWrite", "none");
  });
}
