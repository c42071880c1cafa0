// How long the generator takes to draw the bundled data sets: all three should
// take a few seconds together (they are drawn side by side at build time).
#include <benchmark/benchmark.h>

#include "dataset.h"

namespace {

void BM_DrawScenery(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelvo::demo::DrawScenery());
}
BENCHMARK(BM_DrawScenery)->Unit(benchmark::kMillisecond);

void BM_DrawDataSet(benchmark::State& state) {
  const kelvo::demo::Scenery scenery = kelvo::demo::DrawScenery();
  const auto species = static_cast<kelvo::demo::Species>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(kelvo::demo::BuildDataSet(species, scenery));
}
BENCHMARK(BM_DrawDataSet)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
