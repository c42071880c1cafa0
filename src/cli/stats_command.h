// `kelvo stats`: draws portraits of the random sequence and prints, per category, how often
// each component was chosen against the share its frequency (and with a nation its property
// values) intends, flagging components that can never be chosen. Artists check weights with it.
#pragma once

#include <array>
#include <ostream>
#include <vector>

#include "cli/cli_options.h"

namespace kelvo {
class ProcessContext;
class TKelvoKompKontejner;
}  // namespace kelvo

namespace kelvo::cli {

// The share each component of a container is meant to get, 0 for those never chosen.
// weights: the portrait's property weights 1..5 ([0] unused), or null for frequencies alone.
std::vector<double> IntendedShares(const TKelvoKompKontejner& container,
                                   const std::array<int, 6>* weights);

class StatsCommand {
 public:
  StatsCommand(ProcessContext& context, const StatsOptions& options, std::ostream& out)
      : context_(context), options_(options), out_(out) {}
  int Run();

 private:
  ProcessContext& context_;
  StatsOptions options_;
  std::ostream& out_;
};

}  // namespace kelvo::cli
