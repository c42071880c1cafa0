// A console reporter that keeps the real time per iteration of every run, so a benchmark
// program can print the ratios its goals are stated in after the runs.
#pragma once

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace kelvo::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.iterations > 0 && run.run_type == Run::RT_Iteration) {
        times[run.benchmark_name()] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // a / b, or 0 when either did not run.
  double Ratio(const std::string& a, const std::string& b) const {
    const auto ia = times.find(a), ib = times.find(b);
    if (ia == times.end() || ib == times.end() || ib->second <= 0) return 0;
    return ia->second / ib->second;
  }
  void PrintRatio(const std::string& what, double ratio, const std::string& goal) const {
    if (ratio <= 0) return;
    std::cout << what << ": " << ratio << " (goal: " << goal << "; "
              << std::thread::hardware_concurrency() << " cores)\n";
  }
  std::map<std::string, double> times;
};

// Runs the benchmarks with the reporter, then hands it to `ratios`.
template <class Ratios>
int RunWithRatios(int argc, char** argv, Ratios ratios) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  ratios(reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace kelvo::bench
