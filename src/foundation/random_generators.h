// The process's two random sources. The common generator is seeded from the clock at start-up
// and serves spread draws and animation counters. The portrait sequence starts at seed 0 in every
// run, so the same library gives the same random portraits; each of its draws runs on the common
// generator and leaves it at the sequence's state. Owned by the process context.
#pragma once

#include <chrono>
#include <cstdint>

namespace kelvo {

class RandomGenerators {
 public:
  // 0 .. n - 1 from the common generator (0 for n = 0; the state still advances).
  uint32_t CommonBelow(uint32_t n) {
    common_seed_ = common_seed_ * 134775813u + 1u;
    return static_cast<uint32_t>((uint64_t{common_seed_} * n) >> 32);
  }
  // A value in [0, 1) from the common generator.
  double CommonUniform() {
    common_seed_ = common_seed_ * 134775813u + 1u;
    return common_seed_ / 4294967296.0;
  }
  void SeedCommonFromClock() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    common_seed_ = static_cast<uint32_t>(ticks) ^ static_cast<uint32_t>(uint64_t(ticks) >> 32);
  }
  void SetCommonSeed(uint32_t seed) { common_seed_ = seed; }
  uint32_t CommonSeed() const { return common_seed_; }

  // The portrait sequence's draw: 0 .. n - 1, and 0 for n = 0; the first draw of a run is 0.
  uint32_t PortraitBelow(uint32_t n) {
    common_seed_ = portrait_seed_;
    const uint32_t result = CommonBelow(n);
    portrait_seed_ = common_seed_;
    return result;
  }
  void SetPortraitSeed(uint32_t seed) { portrait_seed_ = seed; }
  uint32_t PortraitSeed() const { return portrait_seed_; }

 private:
  uint32_t common_seed_ = 0;
  uint32_t portrait_seed_ = 0;
};

}  // namespace kelvo
