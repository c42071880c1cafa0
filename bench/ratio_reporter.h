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
    // With repetitions the median stands for the run.
    for (const Run& run : runs) {
      if (run.iterations <= 0) continue;
      if (run.run_type == Run::RT_Iteration) {
        times[run.benchmark_name()] = run.GetAdjustedRealTime();
        cpu_times[run.benchmark_name()] = run.GetAdjustedCPUTime();
      } else if (run.aggregate_name == "median") {
        times[run.run_name.str()] = run.GetAdjustedRealTime();
        cpu_times[run.run_name.str()] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // a / b in real time (or CPU time of the main thread), 0 when either did not run.
  double Ratio(const std::string& a, const std::string& b, bool cpu = false) const {
    const auto& of = cpu ? cpu_times : times;
    const auto ia = of.find(a), ib = of.find(b);
    if (ia == of.end() || ib == of.end() || ib->second <= 0) return 0;
    return ia->second / ib->second;
  }
  // Both ratios of one-thread benchmarks: on a loaded machine the CPU one is the steadier.
  void PrintRatios(const std::string& what, const std::string& a, const std::string& b,
                   const std::string& goal) const {
    PrintRatio(what + " [real]", Ratio(a, b), goal);
    PrintRatio(what + " [cpu]", Ratio(a, b, true), goal);
  }
  void PrintRatio(const std::string& what, double ratio, const std::string& goal) const {
    if (ratio <= 0) return;
    std::cout << what << ": " << ratio << " (goal: " << goal << "; "
              << std::thread::hardware_concurrency() << " cores)\n";
  }
  std::map<std::string, double> times;
  std::map<std::string, double> cpu_times;
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
