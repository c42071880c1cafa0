#include "portrait/reduce_blocks.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvo::reduce_blocks {
namespace {

std::string Name(Kernel kernel) {
  switch (kernel) {
    case Kernel::kPlain:
      return "plain";
    case Kernel::kSse2:
      return "sse2";
    case Kernel::kAvx2:
      return "avx2";
    case Kernel::kWide:
      return "wide";
  }
  return "?";
}

// Every loop this processor runs gives the plain loop's pixels: whole groups, partial
// groups and block offsets, for each factor and its usual shift, and for shifts the wide
// loops do not handle.
TEST(ReduceBlocks, EveryKernelMatchesTheBlockAtATimeLoop) {
  uint32_t seed = 99;
  const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  auto src = create_layer(1040, 72);
  for (uint16_t& p : src->pixels) p = static_cast<uint16_t>(next() >> 12);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 64; ++x) src->At(x, y) = 0xFFFF;  // the largest sums
  }
  for (const Kernel kernel : {Kernel::kSse2, Kernel::kAvx2, Kernel::kWide}) {
    if (!Available(kernel)) continue;
    for (const int factor : {2, 4, 8}) {
      for (const int shift : {factor == 2 ? 2 : factor == 4 ? 4 : 6, 3}) {
        // w: under one group, 8 + a tail, one 16-group, 32 + 16 (+ 8) + a tail, a whole row.
        for (const int w : {5, 13, 16, 53, 61, 1040 / factor}) {
          for (const int first_x : {0, 3}) {
            if ((first_x + w) * factor > src->width) continue;
            const int h = 72 / factor - 1;
            auto expected = create_layer(w, h);
            auto actual = create_layer(w, h);
            Reduce(factor, shift, first_x, 1, w, h, *src, *expected, Kernel::kPlain);
            Reduce(factor, shift, first_x, 1, w, h, *src, *actual, kernel);
            ASSERT_EQ(expected->pixels, actual->pixels)
                << Name(kernel) << " factor " << factor << " shift " << shift << " w " << w
                << " first_x " << first_x;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace kelvo::reduce_blocks
