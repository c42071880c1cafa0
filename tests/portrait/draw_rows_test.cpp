// Both sets of row kernels (portable and wide, where the processor has the latter) against a
// plain per-pixel reference, on random rows of every width class.
#include "portrait/draw_rows.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "portrait/pixel.h"
#include "support/param_names.h"

namespace kelvo::draw_rows {
namespace {

enum class Op { kColoured, kInside, kOutside, kShadow, kShadowInside, kShadowOutside };

uint16_t Reference(Op op, uint16_t under, uint8_t v, uint8_t m, const uint16_t* ramp) {
  if (v == 0) return under;
  const bool inside = m != 0;
  switch (op) {
    case Op::kColoured:
      return ramp[v];
    case Op::kInside:
      return inside ? ramp[v] : under;
    case Op::kOutside:
      return inside ? under : ramp[v];
    case Op::kShadow:
      return min_rgb16(under, ramp[v]);
    case Op::kShadowInside:
      return inside ? min_rgb16(under, ramp[v]) : under;
    case Op::kShadowOutside:
      return inside ? under : min_rgb16(under, ramp[v]);
  }
  return under;
}

Block8 Pick(const RowKernels& k, Op op) {
  const Block8 all[] = {k.coloured, k.coloured_inside, k.coloured_outside,
                        k.shadow,   k.shadow_inside,   k.shadow_outside};
  return all[static_cast<int>(op)];
}

const char* Name(const RowKernels* set) {
  if (set == &PortableKernels()) return "portable";
  if (set == Avx2Kernels()) return "avx2";
  return set == WideKernels() ? "wide" : "wide bytes";
}

// The portable set and those the processor has.
std::vector<const RowKernels*> AvailableSets() {
  std::vector<const RowKernels*> sets = {&PortableKernels()};
  for (const RowKernels* set : {Avx2Kernels(), WideKernels(), WideByteKernels()}) {
    if (set) sets.push_back(set);
  }
  return sets;
}

class RowKernelsAgree : public testing::TestWithParam<int> {};

TEST_P(RowKernelsAgree, WithThePerPixelRules) {
  const int w = GetParam();
  std::mt19937 gen(static_cast<unsigned>(w));
  std::vector<uint16_t> ramp(256);
  for (auto& r : ramp) r = static_cast<uint16_t>(gen());
  // Runs of transparent and opaque pixels as well as scattered ones; one extra guard pixel.
  std::vector<uint8_t> src(static_cast<size_t>(w) + 1), mask(static_cast<size_t>(w) + 1);
  for (int i = 0; i < w; ++i) {
    src[static_cast<size_t>(i)] =
        (i / 40) % 3 == 0 ? 0 : static_cast<uint8_t>(gen() % 3 ? gen() : 0);
    mask[static_cast<size_t>(i)] = (i / 17) % 2 ? static_cast<uint8_t>(gen() | 1) : 0;
  }
  std::vector<uint16_t> under(static_cast<size_t>(w) + 1);
  for (auto& u : under) u = static_cast<uint16_t>(gen());
  for (const RowKernels* set : AvailableSets()) {
    for (int o = 0; o < 6; ++o) {
      const Op op = static_cast<Op>(o);
      std::vector<uint16_t> dst = under;
      Pick(*set, op)(Rows8{src.data(), w, dst.data(), w, mask.data(), w, w, 1, ramp.data()});
      for (int i = 0; i < w; ++i) {
        const size_t k = static_cast<size_t>(i);
        ASSERT_EQ(Reference(op, under[k], src[k], mask[k], ramp.data()), dst[k])
            << "op " << o << " pixel " << i << " set " << Name(set);
      }
      ASSERT_EQ(under[static_cast<size_t>(w)], dst[static_cast<size_t>(w)]) << "guard";
    }
    // 16-bit rows: the key leaves the canvas alone.
    std::vector<uint8_t> words(2 * (static_cast<size_t>(w) + 1));
    for (int i = 0; i < w; ++i) {
      const uint16_t v = i % 5 == 0 ? kTransparent565 : static_cast<uint16_t>(gen());
      words[2 * static_cast<size_t>(i)] = static_cast<uint8_t>(v);
      words[2 * static_cast<size_t>(i) + 1] = static_cast<uint8_t>(v >> 8);
    }
    std::vector<uint16_t> dst = under;
    set->image16(words.data(), dst.data(), w);
    for (int i = 0; i < w; ++i) {
      const size_t k = static_cast<size_t>(i);
      const uint16_t v = static_cast<uint16_t>(words[2 * k] | words[2 * k + 1] << 8);
      ASSERT_EQ(v == kTransparent565 ? under[k] : v, dst[k]) << "image16 pixel " << i;
    }
    ASSERT_EQ(under[static_cast<size_t>(w)], dst[static_cast<size_t>(w)]);
  }
}

INSTANTIATE_TEST_SUITE_P(Widths, RowKernelsAgree,
                         testing::Values(1, 7, 8, 9, 31, 32, 33, 63, 64, 65, 100, 127, 129, 320),
                         kelvo::test::ParamName{"width"});

// A block of rows with strides wider than its width: each row drawn by the rules, and the
// bytes between the rows left alone.
TEST(RowKernelBlocks, KeepToTheirRows) {
  constexpr int kW = 70, kH = 5, kSrcStride = 83, kDstStride = 90, kMaskStride = 77;
  std::mt19937 gen(7);
  std::vector<uint16_t> ramp(256);
  for (auto& r : ramp) r = static_cast<uint16_t>(gen());
  std::vector<uint8_t> src(kSrcStride * kH), mask(kMaskStride * kH);
  for (auto& v : src) v = static_cast<uint8_t>(gen() % 4 ? gen() : 0);
  for (auto& m : mask) m = static_cast<uint8_t>(gen() % 2 ? gen() : 0);
  std::vector<uint16_t> under(kDstStride * kH);
  for (auto& u : under) u = static_cast<uint16_t>(gen());
  for (const RowKernels* set : AvailableSets()) {
    for (int o = 0; o < 6; ++o) {
      const Op op = static_cast<Op>(o);
      std::vector<uint16_t> dst = under;
      Pick(*set, op)(Rows8{src.data(), kSrcStride, dst.data(), kDstStride, mask.data(), kMaskStride,
                           kW, kH, ramp.data()});
      for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kDstStride; ++x) {
          const uint16_t was = under[y * kDstStride + x];
          const uint16_t expected = x < kW ? Reference(op, was, src[y * kSrcStride + x],
                                                       mask[y * kMaskStride + x], ramp.data())
                                           : was;
          ASSERT_EQ(expected, dst[y * kDstStride + x])
              << "op " << o << " row " << y << " pixel " << x << " set " << Name(set);
        }
      }
    }
  }
}

}  // namespace
}  // namespace kelvo::draw_rows
