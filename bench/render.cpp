// Renderer speed: a full render of a 25-entry portrait, and of 16 random portraits of each
// bundled data set, against a plain copy of the pixels each touches (from one buffer, and
// from each image's own rows); each drawing routine per
// megapixel, and the box-averaging reductions. Also counts heap allocations inside renders
// after the first (the goal is none).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <new>
#include <vector>

#include "foundation/diagnostics.h"
#include "foundation/paths.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/colour_ramp.h"
#include "portrait/draw_routines.h"
#include "portrait/portrait.h"
#include "ratio_reporter.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

// Counting replacements of the global allocation functions.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
#pragma GCC diagnostic pop

namespace kelvo {
namespace {

// An elliptic blob of shades 1..63 in colour slot `slot`; transparent outside.
std::vector<uint8_t> Blob(int w, int h, int slot) {
  std::vector<uint8_t> pixels(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
      const double d = dx * dx + dy * dy;
      pixels[static_cast<size_t>(y) * w + x] =
          d < 1 ? static_cast<uint8_t>(64 * (slot - 1) + 1 + static_cast<int>(62 * (1 - d))) : 0;
    }
  }
  return pixels;
}

struct Sample {
  Sample()
      : folder(std::filesystem::temp_directory_path() /
               ("kelvo-bench-render-" + std::to_string(getpid()))),
        context(sink, Options(folder)) {
    library = std::make_unique<TKelvoTyp>(context.Archive(), "bench\\");
    for (int c = 1; c <= kCategoryCount; ++c) library->Container(c).NewComponent("c");
    TDruhBarvy& skin = library->ColourType(1);
    ColourEntry entry = ColourEntry::WithDefaultProperties();
    entry.Colour() = 0x6090C0;
    entry.Contrast() = 85;
    skin.Entries.push_back(entry);
    skin.Selected = 1;
    for (int c = 1; c <= kCategoryCount; ++c) library->Container(c).ColourSlots = {1, 1, 0, 1};

    // 16-bit background with a keyed hole.
    auto& bg = library->Container(1).Komp(1).SetSub(1, "bg");
    bg.Width = 320;
    bg.Height = 400;
    bg.Bits = 16;
    bg.Pixels.resize(320 * 400 * 2);
    for (int i = 0; i < 320 * 400; ++i) {
      const uint16_t v = (i % 97 == 0) ? 0x07E0 : static_cast<uint16_t>(i * 7);
      bg.Pixels[2 * i] = static_cast<uint8_t>(v);
      bg.Pixels[2 * i + 1] = static_cast<uint8_t>(v >> 8);
    }
    Add8(2, 1, 100, 250, 120, 150, 1);  // neck
    Add8(3, 1, 60, 60, 200, 260, 1);    // face
    Add8(3, 2, 60, 80, 200, 240, 1);    // face shadow
    library->Container(3).Shadow = 2;
    Add8(4, 1, 70, 180, 180, 100, 2);  // cheeks
    Add8(5, 2, 80, 140, 160, 50, 1);   // eye mask
    Add8(5, 1, 80, 140, 160, 50, 2);   // eyes, clipped
    Add8(5, 3, 80, 130, 160, 40, 1);   // eye shadow, clipped
    library->Container(5).Shadow = 3;
    Add8(6, 1, 135, 170, 50, 70, 1);  // nose
    Add8(6, 2, 140, 200, 50, 50, 1);  // nose shadow
    library->Container(6).Shadow = 2;
    Add8(7, 1, 115, 250, 90, 40, 2);  // mouth
    Add8(7, 2, 115, 255, 90, 30, 3).Clip = true;
    Add8(8, 1, 30, 140, 60, 90, 1);  // ears
    Add8(8, 2, 230, 140, 60, 90, 1);
    Add8(9, 1, 80, 115, 160, 30, 3);    // eyebrows
    Add8(10, 1, 40, 20, 240, 200, 3);   // hair
    Add8(10, 2, 40, 20, 240, 120, 3);   // hair mask
    Add8(11, 1, 90, 240, 140, 130, 3);  // beard
    Add8(12, 1, 0, 300, 320, 100, 4);   // clothing
    Add8(12, 2, 0, 300, 320, 100, 4);   // clothing shadow
    library->Container(12).Shadow = 2;
    Add8(13, 1, 70, 130, 180, 60, 4);   // glasses
    Add8(14, 1, -20, 350, 360, 80, 4);  // foreground, reaching past the canvas
    library->Container(10).InvertMask = true;

    const std::vector<DrawOrderEntry> order = {
        {1, 1, 'N'},  {2, 1, 'N'},  {12, 1, 'N'}, {12, 2, 'N'}, {3, 1, 'N'},
        {3, 2, 'N'},  {4, 1, 'N'},  {8, 1, 'N'},  {8, 2, 'N'},  {5, 2, 'M'},
        {5, 1, 'O'},  {5, 3, 'O'},  {6, 1, 'N'},  {6, 2, 'N'},  {7, 1, 'N'},
        {7, 2, 'C'},  {9, 1, 'N'},  {11, 1, 'N'}, {10, 2, 'M'}, {10, 1, 'O'},
        {13, 1, 'N'}, {14, 1, 'N'}, {3, 1, 'C'},  {9, 1, 'O'},  {2, 1, 'O'}};
    library->DrawOrder = order;

    portrait = std::make_unique<TKelvoPortret>(*library);
    for (int c = 1; c <= kCategoryCount; ++c)
      portrait->Selected[c] = &library->Container(c).Komp(1);
    portrait->ComputePositions();
    portrait->ApplyColours();
  }

  ~Sample() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  static ProcessOptions Options(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "data");
    ProcessOptions options;
    options.program_dir = folder.string() + "/";
    options.data_base = "data";
    options.computer_name = "BENCH";
    return options;
  }

  TKelvoSubKomp& Add8(int c, int s, int x, int y, int w, int h, int slot) {
    TKelvoKomp& komp = library->Container(c).Komp(1);
    TKelvoSubKomp& sub = komp.SetSub(s, "img");
    sub.X = x;
    sub.Y = y;
    sub.Width = static_cast<int16_t>(w);
    sub.Height = static_cast<int16_t>(h);
    sub.Bits = 8;
    sub.Pixels = Blob(w, h, slot);
    komp.ImagesLoaded = 1;
    return sub;
  }

  // Pixels the render visits: the visible area of every drawn entry.
  long VisitedPixels() const {
    long total = 0;
    for (const DrawOrderEntry& e : library->DrawOrder) {
      const TKelvoSubKomp* sub = portrait->Selected[e.Category]->Sub(e.Subcomponent);
      const auto at = portrait->PripravParametry(e.Category, e.Subcomponent);
      const auto place = PlaceImage(at->x, at->y, sub->Width, sub->Height, nullptr);
      if (place) total += long{place->w} * place->h;
    }
    return total;
  }

  std::filesystem::path folder;
  CollectingSink sink;
  ProcessContext context;
  std::unique_ptr<TKelvoTyp> library;
  std::unique_ptr<TKelvoPortret> portrait;
};

Sample& TheSample() {
  static Sample sample;
  return sample;
}

void BM_FullRender(benchmark::State& state) {
  Sample& sample = TheSample();
  sample.portrait->PripravPortret(false);  // the first render makes the canvas
  const long before = g_allocations.load();
  for (auto _ : state) {
    sample.portrait->PripravPortret(false);
    benchmark::DoNotOptimize(sample.portrait->RenderLayer->pixels.data());
  }
  state.counters["allocs_per_render"] =
      double(g_allocations.load() - before) / double(state.iterations());
  state.SetItemsProcessed(state.iterations() * sample.VisitedPixels());
}
BENCHMARK(BM_FullRender);

void BM_PlainCopy(benchmark::State& state) {
  const long pixels = TheSample().VisitedPixels();
  // Copied in canvas-sized pieces, as the render's images land on one canvas.
  std::vector<uint16_t> source(320 * 400, 0x1234), target(320 * 400);
  for (auto _ : state) {
    for (long left = pixels; left > 0; left -= 320 * 400) {
      const size_t n = static_cast<size_t>(std::min<long>(left, 320 * 400));
      std::memcpy(target.data(), source.data(), n * 2);
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * pixels);
}
BENCHMARK(BM_PlainCopy);

// Pixels an entry's image covers on the canvas, as the renderer clips it.
long VisitedPixels(TKelvoPortret& portrait) {
  long total = 0;
  for (const DrawOrderEntry& e : portrait.Library().DrawOrder) {
    if (e.Category < 1 || e.Category > kCategoryCount) continue;
    const TKelvoKomp* komp = portrait.Selected[e.Category];
    const TKelvoSubKomp* sub = komp ? komp->Sub(e.Subcomponent) : nullptr;
    if (!sub || !sub->HasPixels() || komp->ImagesLoaded <= 0) continue;
    const auto at = portrait.PripravParametry(e.Category, e.Subcomponent);
    if (!at) continue;
    const auto place = PlaceImage(at->x, at->y, sub->Width, sub->Height, nullptr);
    if (place) total += long{place->w} * place->h;
  }
  return total;
}

// 16 random portraits of a bundled data set, positioned and rendered once.
struct DataSetSample {
  explicit DataSetSample(const std::string& name) : context(sink) {
    library = std::make_unique<TKelvoTyp>(context.Archive(), name);
    library->LoadAll();
    library->LoadImages();
    for (int i = 0; i < 16; ++i) {
      auto p = std::make_unique<TKelvoPortret>(*library);
      p->RandomComponents(context.Random());
      p->RandomColours(context.Random());
      p->ComputePositions();
      p->PripravPortret(false);
      visited += VisitedPixels(*p);
      portraits.push_back(std::move(p));
    }
  }
  CollectingSink sink;
  ProcessContext context;
  std::unique_ptr<TKelvoTyp> library;
  std::vector<std::unique_ptr<TKelvoPortret>> portraits;
  long visited = 0;  // by all 16
};

const char* const kDataSets[] = {"male", "female", "ape"};

DataSetSample* DataSet(int index) {
  static std::map<int, std::unique_ptr<DataSetSample>> samples;
  if (!std::filesystem::exists(ProgramDirectory() + "kelvoed/data_big/male")) return nullptr;
  auto& sample = samples[index];
  if (!sample) sample = std::make_unique<DataSetSample>(kDataSets[index]);
  return sample.get();
}

void BM_DataSetRender(benchmark::State& state) {
  DataSetSample* sample = DataSet(static_cast<int>(state.range(0)));
  if (!sample) return state.SkipWithError("no bundled data set beside the program");
  state.SetLabel(kDataSets[state.range(0)]);
  for (auto _ : state) {
    for (const auto& p : sample->portraits) {
      p->PripravPortret(false);
      benchmark::DoNotOptimize(p->RenderLayer->pixels.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * sample->visited);
}
BENCHMARK(BM_DataSetRender)->DenseRange(0, 2);

void BM_DataSetCopy(benchmark::State& state) {
  DataSetSample* sample = DataSet(static_cast<int>(state.range(0)));
  if (!sample) return state.SkipWithError("no bundled data set beside the program");
  state.SetLabel(kDataSets[state.range(0)]);
  std::vector<uint16_t> source(320 * 400, 0x1234), target(320 * 400);
  for (auto _ : state) {
    for (long left = sample->visited; left > 0; left -= 320 * 400) {
      const size_t n = static_cast<size_t>(std::min<long>(left, 320 * 400));
      std::memcpy(target.data(), source.data(), n * 2);
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * sample->visited);
}
BENCHMARK(BM_DataSetCopy)->DenseRange(0, 2);

// Each drawn entry's visible rows copied as they are from its image onto one canvas: the
// same memory the render reads and writes, with no per-pixel work.
void BM_DataSetImageCopy(benchmark::State& state) {
  DataSetSample* sample = DataSet(static_cast<int>(state.range(0)));
  if (!sample) return state.SkipWithError("no bundled data set beside the program");
  state.SetLabel(kDataSets[state.range(0)]);
  struct Rows {
    const uint8_t* source;
    size_t source_stride, bytes;
    int32_t x, y, h;
  };
  std::vector<Rows> copies;
  for (const auto& p : sample->portraits) {
    for (const DrawOrderEntry& e : p->Library().DrawOrder) {
      if (e.Category < 1 || e.Category > kCategoryCount) continue;
      const TKelvoKomp* komp = p->Selected[e.Category];
      const TKelvoSubKomp* sub = komp ? komp->Sub(e.Subcomponent) : nullptr;
      if (!sub || !sub->HasPixels() || komp->ImagesLoaded <= 0) continue;
      const auto at = p->PripravParametry(e.Category, e.Subcomponent);
      const auto place =
          at ? PlaceImage(at->x, at->y, sub->Width, sub->Height, nullptr) : std::nullopt;
      if (!place) continue;
      const size_t depth = sub->Bits == 16 ? 2 : 1;
      copies.push_back({sub->Pixels.data() +
                            depth * (size_t(place->skip_y) * sub->Width + size_t(place->skip_x)),
                        depth * size_t(sub->Width), depth * size_t(place->w), place->x, place->y,
                        place->h});
    }
  }
  auto canvas = create_layer(kCanvasWidth, kCanvasHeight);
  for (auto _ : state) {
    for (const Rows& c : copies) {
      const uint8_t* src = c.source;
      for (int32_t row = 0; row < c.h; ++row, src += c.source_stride) {
        std::memcpy(canvas->Row(c.y + row) + c.x, src, c.bytes);
      }
    }
    benchmark::DoNotOptimize(canvas->pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * sample->visited);
}
BENCHMARK(BM_DataSetImageCopy)->DenseRange(0, 2);

using Routine = void (*)(const uint8_t*, int32_t, const Placement&, DrawTarget&);

void RunRoutine(benchmark::State& state, Routine routine, bool wide) {
  auto canvas = create_layer(320, 400);
  std::vector<uint8_t> mask(320 * 400);
  for (size_t i = 0; i < mask.size(); ++i) mask[i] = (i / 7) % 2 ? 255 : 0;
  ColourRampTable ramp{};
  BuildColourRampFor({{{0x6090C0, 85}, {0x3050F0, 60}, {0x808080, 85}, {0x0000FF, 30}}}, ramp);
  std::vector<uint8_t> source = Blob(320, 400, 2);
  if (wide) {
    source.assign(320 * 400 * 2, 0);
    for (size_t i = 0; i < source.size(); i += 2) source[i] = static_cast<uint8_t>(i);
  }
  DrawTarget target{*canvas, mask.data(), ramp.data()};
  const Placement all{0, 0, 320, 400, 0, 0};
  for (auto _ : state) {
    routine(source.data(), 320, all, target);
    benchmark::DoNotOptimize(canvas->pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * 320 * 400);
}

void BM_DrawImage16(benchmark::State& s) {
  RunRoutine(s, DrawImage16, true);
}
void BM_DrawColoured(benchmark::State& s) {
  RunRoutine(s, DrawColoured, false);
}
void BM_DrawColouredInside(benchmark::State& s) {
  RunRoutine(s, DrawColouredInside, false);
}
void BM_DrawColouredOutside(benchmark::State& s) {
  RunRoutine(s, DrawColouredOutside, false);
}
void BM_DrawShadow(benchmark::State& s) {
  RunRoutine(s, DrawShadow, false);
}
void BM_DrawShadowInside(benchmark::State& s) {
  RunRoutine(s, DrawShadowInside, false);
}
void BM_DrawShadowOutside(benchmark::State& s) {
  RunRoutine(s, DrawShadowOutside, false);
}
BENCHMARK(BM_DrawImage16);
BENCHMARK(BM_DrawColoured);
BENCHMARK(BM_DrawColouredInside);
BENCHMARK(BM_DrawColouredOutside);
BENCHMARK(BM_DrawShadow);
BENCHMARK(BM_DrawShadowInside);
BENCHMARK(BM_DrawShadowOutside);

void BM_ReduceLayer(benchmark::State& state) {
  const int factor = static_cast<int>(state.range(0));
  auto source = create_layer(320, 400);
  for (size_t i = 0; i < source->pixels.size(); ++i) source->pixels[i] = static_cast<uint16_t>(i);
  auto target = create_layer(320 / factor, 400 / factor);
  for (auto _ : state) {
    reduce_layer(factor, *source, *target);
    benchmark::DoNotOptimize(target->pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * 320 * 400);
}
BENCHMARK(BM_ReduceLayer)->Arg(2)->Arg(4)->Arg(8);

}  // namespace
}  // namespace kelvo

int main(int argc, char** argv) {
  return kelvo::bench::RunWithRatios(argc, argv, [](const kelvo::bench::RatioReporter& r) {
    r.PrintRatios("Full render of " + std::to_string(kelvo::TheSample().VisitedPixels()) +
                      " synthetic pixels / plain copy of as many",
                  "BM_FullRender", "BM_PlainCopy", "within 3");
    for (int i = 0; i < 3; ++i) {
      const std::string arg = "/" + std::to_string(i);
      r.PrintRatios(std::string("Render of 16 random ") + kelvo::kDataSets[i] +
                        " portraits / plain copy of the pixels they touch",
                    "BM_DataSetRender" + arg, "BM_DataSetCopy" + arg, "at most 2.0");
      r.PrintRatios(std::string("Render of 16 random ") + kelvo::kDataSets[i] +
                        " portraits / their images' visible rows copied onto the canvas",
                    "BM_DataSetRender" + arg, "BM_DataSetImageCopy" + arg, "none");
    }
  });
}
