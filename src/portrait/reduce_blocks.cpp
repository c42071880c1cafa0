#include "portrait/reduce_blocks.h"

#include <array>
#include <vector>

#include "portrait/pixel.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define KELVO_WIDE_REDUCE 1
#include <immintrin.h>
#define KELVO_AVX2 __attribute__((target("avx2")))
#define KELVO_AVX512 __attribute__((target("avx2,avx512f,avx512bw")))
#endif

namespace kelvo::reduce_blocks {

namespace {

// The averaged pixel of one block: each channel summed under its mask, then shifted.
inline uint16_t AverageBlock(const uint16_t* const* rows, int32_t factor, int32_t sx, int shift) {
  uint32_t sum_r = 0;
  uint32_t sum_g = 0;
  uint32_t sum_b = 0;
  for (int32_t by = 0; by < factor; ++by) {
    const uint16_t* p = rows[by] + sx;
    for (int32_t bx = 0; bx < factor; ++bx) {
      const uint32_t v = p[bx];
      sum_r += v & kRedMask565;
      sum_g += v & kGreenMask565;
      sum_b += v & kBlueMask565;
    }
  }
  return static_cast<uint16_t>(((sum_r >> shift) & kRedMask565) |
                               ((sum_g >> shift) & kGreenMask565) |
                               ((sum_b >> shift) & kBlueMask565));
}

// Output pixels [from, w) of one row of blocks, a block at a time.
void PlainRow(const uint16_t* const* rows, int32_t factor, int shift, int32_t from, int32_t w,
              uint16_t* out) {
  for (int32_t x = from; x < w; ++x) out[x] = AverageBlock(rows, factor, x * factor, shift);
}

using RowLoop = void (*)(const uint16_t* const* rows, int32_t factor, int shift, int32_t w,
                         uint16_t* out);

void EachRow(int32_t factor, int shift, int32_t first_x, int32_t first_y, int32_t w, int32_t h,
             const Layer& src, Layer& dst, RowLoop loop) {
  std::vector<const uint16_t*> rows(static_cast<size_t>(factor));
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t k = 0; k < factor; ++k) {
      rows[static_cast<size_t>(k)] = src.Row((first_y + y) * factor + k) + first_x * factor;
    }
    loop(rows.data(), factor, shift, w, dst.Row(y));
  }
}

void PlainLoop(const uint16_t* const* rows, int32_t factor, int shift, int32_t w, uint16_t* out) {
  PlainRow(rows, factor, shift, 0, w, out);
}

int Log2Of(int32_t factor, int shift) {
  for (const int log2 : {1, 2, 3}) {
    if (factor == 1 << log2 && shift == 2 * log2) return log2;
  }
  return 0;
}

#if defined(__SSE2__)
// Sums of adjacent pairs: n (a multiple of 16) 16-bit sums become n / 2 in place.
inline void AddPairs(uint16_t* sums, size_t n) {
  const __m128i ones = _mm_set1_epi16(1);
  for (size_t i = 0; i < n; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + i + 8));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(sums + i / 2),
                     _mm_packs_epi32(_mm_madd_epi16(a, ones), _mm_madd_epi16(b, ones)));
  }
}

// The channels of `factor` rows summed column by column, then adjacent columns summed
// pairwise. The sums stay below 32768, and averaging each channel on its own gives the
// masked-sum result.
void Sse2Reduce(int32_t factor, int log2, int32_t first_x, int32_t first_y, int32_t w, int32_t h,
                const Layer& src, Layer& dst) {
  const size_t columns = static_cast<size_t>(w) * factor;
  const size_t padded = (columns + 15) / 16 * 16;  // AddPairs works on 16 at a time
  std::vector<uint16_t> sums(3 * padded);
  uint16_t* red = sums.data();
  uint16_t* green = red + padded;
  uint16_t* blue = green + padded;
  const int shift = 2 * log2;
  const __m128i six = _mm_set1_epi16(0x3F), five = _mm_set1_epi16(0x1F);
  std::vector<const uint16_t*> rows(static_cast<size_t>(factor));
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t k = 0; k < factor; ++k) {
      rows[static_cast<size_t>(k)] = src.Row((first_y + y) * factor + k) + first_x * factor;
    }
    size_t x = 0;
    for (; x + 8 <= columns; x += 8) {
      __m128i r = _mm_setzero_si128(), g = r, b = r;
      for (const uint16_t* row : rows) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
        r = _mm_add_epi16(r, _mm_srli_epi16(v, 11));
        g = _mm_add_epi16(g, _mm_and_si128(_mm_srli_epi16(v, 5), six));
        b = _mm_add_epi16(b, _mm_and_si128(v, five));
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(red + x), r);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(green + x), g);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(blue + x), b);
    }
    for (; x < padded; ++x) {
      red[x] = green[x] = blue[x] = 0;
      for (const uint16_t* row : rows) {
        if (x >= columns) break;
        red[x] = static_cast<uint16_t>(red[x] + (row[x] >> 11));
        green[x] = static_cast<uint16_t>(green[x] + ((row[x] >> 5) & 0x3F));
        blue[x] = static_cast<uint16_t>(blue[x] + (row[x] & 0x1F));
      }
    }
    size_t n = padded;
    for (int step = 0; step < log2; ++step, n = (n / 2 + 15) / 16 * 16) {
      AddPairs(red, n);
      AddPairs(green, n);
      AddPairs(blue, n);
    }
    uint16_t* out = dst.Row(y);
    for (int32_t x = 0; x < w; ++x) {
      out[x] = static_cast<uint16_t>((red[x] >> shift) << 11 | (green[x] >> shift) << 5 |
                                     (blue[x] >> shift));
    }
  }
}
#endif

#if defined(KELVO_WIDE_REDUCE)
// The wide loops keep every sum in registers: per channel, `factor` vectors of column sums
// over the block's rows, then halved log2 times by adding neighbouring lanes. The packs work
// within 128-bit lanes, so each halving ends with a permute that restores the order.

KELVO_AVX2 inline __m128i PairSums(__m128i a, __m128i b) {
  const __m128i ones = _mm_set1_epi16(1);
  return _mm_packs_epi32(_mm_madd_epi16(a, ones), _mm_madd_epi16(b, ones));
}

KELVO_AVX2 inline __m256i PairSums(__m256i a, __m256i b) {
  const __m256i ones = _mm256_set1_epi16(1);
  return _mm256_permute4x64_epi64(
      _mm256_packs_epi32(_mm256_madd_epi16(a, ones), _mm256_madd_epi16(b, ones)), 0xD8);
}

KELVO_AVX512 inline __m512i PairSums(__m512i a, __m512i b) {
  const __m512i ones = _mm512_set1_epi16(1);
  const __m512i order = _mm512_setr_epi64(0, 2, 4, 6, 1, 3, 5, 7);
  // The zero-masked form: the plain one trips GCC's uninitialised-value warning.
  return _mm512_maskz_permutexvar_epi64(
      0xFF, order, _mm512_packs_epi32(_mm512_madd_epi16(a, ones), _mm512_madd_epi16(b, ones)));
}

// 8 output pixels from the 8 << kLog2 columns of each row starting at column x: the tail of a
// row, where a block at a time would cost as much as the wide groups before it.
template <int kLog2>
KELVO_AVX2 inline __m128i Group8(const uint16_t* const* rows, int32_t x) {
  constexpr int kFactor = 1 << kLog2;
  const __m128i six = _mm_set1_epi16(0x3F), five = _mm_set1_epi16(0x1F);
  __m128i r[kFactor], g[kFactor], b[kFactor];
  for (int v = 0; v < kFactor; ++v) {
    r[v] = g[v] = b[v] = _mm_setzero_si128();
    for (int k = 0; k < kFactor; ++k) {
      const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k] + x + 8 * v));
      r[v] = _mm_add_epi16(r[v], _mm_srli_epi16(p, 11));
      g[v] = _mm_add_epi16(g[v], _mm_and_si128(_mm_srli_epi16(p, 5), six));
      b[v] = _mm_add_epi16(b[v], _mm_and_si128(p, five));
    }
  }
  for (int n = kFactor; n > 1; n /= 2) {
    for (int i = 0; i < n / 2; ++i) {
      r[i] = PairSums(r[2 * i], r[2 * i + 1]);
      g[i] = PairSums(g[2 * i], g[2 * i + 1]);
      b[i] = PairSums(b[2 * i], b[2 * i + 1]);
    }
  }
  constexpr int kShift = 2 * kLog2;
  return _mm_or_si128(_mm_or_si128(_mm_slli_epi16(_mm_srli_epi16(r[0], kShift), 11),
                                   _mm_slli_epi16(_mm_srli_epi16(g[0], kShift), 5)),
                      _mm_srli_epi16(b[0], kShift));
}

// 16 output pixels from the 16 << kLog2 columns of each row starting at column x.
template <int kLog2>
KELVO_AVX2 inline __m256i Group16(const uint16_t* const* rows, int32_t x) {
  constexpr int kFactor = 1 << kLog2;
  const __m256i six = _mm256_set1_epi16(0x3F), five = _mm256_set1_epi16(0x1F);
  __m256i r[kFactor], g[kFactor], b[kFactor];  // sized by the factor, not by the input
  for (int v = 0; v < kFactor; ++v) {
    r[v] = g[v] = b[v] = _mm256_setzero_si256();
    for (int k = 0; k < kFactor; ++k) {
      const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[k] + x + 16 * v));
      r[v] = _mm256_add_epi16(r[v], _mm256_srli_epi16(p, 11));
      g[v] = _mm256_add_epi16(g[v], _mm256_and_si256(_mm256_srli_epi16(p, 5), six));
      b[v] = _mm256_add_epi16(b[v], _mm256_and_si256(p, five));
    }
  }
  for (int n = kFactor; n > 1; n /= 2) {
    for (int i = 0; i < n / 2; ++i) {
      r[i] = PairSums(r[2 * i], r[2 * i + 1]);
      g[i] = PairSums(g[2 * i], g[2 * i + 1]);
      b[i] = PairSums(b[2 * i], b[2 * i + 1]);
    }
  }
  constexpr int kShift = 2 * kLog2;
  return _mm256_or_si256(_mm256_or_si256(_mm256_slli_epi16(_mm256_srli_epi16(r[0], kShift), 11),
                                         _mm256_slli_epi16(_mm256_srli_epi16(g[0], kShift), 5)),
                         _mm256_srli_epi16(b[0], kShift));
}

// 32 output pixels, the same way in 512-bit registers.
template <int kLog2>
KELVO_AVX512 inline __m512i Group32(const uint16_t* const* rows, int32_t x) {
  constexpr int kFactor = 1 << kLog2;
  const __m512i six = _mm512_set1_epi16(0x3F), five = _mm512_set1_epi16(0x1F);
  __m512i r[kFactor], g[kFactor], b[kFactor];
  for (int v = 0; v < kFactor; ++v) {
    r[v] = g[v] = b[v] = _mm512_setzero_si512();
    for (int k = 0; k < kFactor; ++k) {
      const __m512i p = _mm512_loadu_si512(rows[k] + x + 32 * v);
      r[v] = _mm512_add_epi16(r[v], _mm512_srli_epi16(p, 11));
      g[v] = _mm512_add_epi16(g[v], _mm512_and_si512(_mm512_srli_epi16(p, 5), six));
      b[v] = _mm512_add_epi16(b[v], _mm512_and_si512(p, five));
    }
  }
  for (int n = kFactor; n > 1; n /= 2) {
    for (int i = 0; i < n / 2; ++i) {
      r[i] = PairSums(r[2 * i], r[2 * i + 1]);
      g[i] = PairSums(g[2 * i], g[2 * i + 1]);
      b[i] = PairSums(b[2 * i], b[2 * i + 1]);
    }
  }
  constexpr int kShift = 2 * kLog2;
  return _mm512_or_si512(_mm512_or_si512(_mm512_slli_epi16(_mm512_srli_epi16(r[0], kShift), 11),
                                         _mm512_slli_epi16(_mm512_srli_epi16(g[0], kShift), 5)),
                         _mm512_srli_epi16(b[0], kShift));
}

template <int kLog2>
KELVO_AVX2 void Avx2Loop(const uint16_t* const* rows, int32_t factor, int shift, int32_t w,
                         uint16_t* out) {
  int32_t x = 0;
  for (; x + 16 <= w; x += 16) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), Group16<kLog2>(rows, x << kLog2));
  }
  for (; x + 8 <= w; x += 8) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), Group8<kLog2>(rows, x << kLog2));
  }
  PlainRow(rows, factor, shift, x, w, out);
}

template <int kLog2>
KELVO_AVX512 void WideLoop(const uint16_t* const* rows, int32_t factor, int shift, int32_t w,
                           uint16_t* out) {
  int32_t x = 0;
  for (; x + 32 <= w; x += 32) _mm512_storeu_si512(out + x, Group32<kLog2>(rows, x << kLog2));
  for (; x + 16 <= w; x += 16) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), Group16<kLog2>(rows, x << kLog2));
  }
  for (; x + 8 <= w; x += 8) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), Group8<kLog2>(rows, x << kLog2));
  }
  PlainRow(rows, factor, shift, x, w, out);
}

constexpr std::array<RowLoop, 4> kAvx2Loops{nullptr, Avx2Loop<1>, Avx2Loop<2>, Avx2Loop<3>};
constexpr std::array<RowLoop, 4> kWideLoops{nullptr, WideLoop<1>, WideLoop<2>, WideLoop<3>};
#endif

}  // namespace

bool Available(Kernel kernel) {
  switch (kernel) {
    case Kernel::kPlain:
      return true;
    case Kernel::kSse2:
#if defined(__SSE2__)
      return true;
#else
      return false;
#endif
    case Kernel::kAvx2: {
#if defined(KELVO_WIDE_REDUCE)
      static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
      }();
      return has;
#else
      return false;
#endif
    }
    case Kernel::kWide: {
#if defined(KELVO_WIDE_REDUCE)
      static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("avx512f") &&
               __builtin_cpu_supports("avx512bw");
      }();
      return has;
#else
      return false;
#endif
    }
  }
  return false;
}

Kernel Best() {
  static const Kernel best = [] {
    for (const Kernel k : {Kernel::kWide, Kernel::kAvx2, Kernel::kSse2}) {
      if (Available(k)) return k;
    }
    return Kernel::kPlain;
  }();
  return best;
}

void Reduce(int32_t factor, int shift, int32_t first_x, int32_t first_y, int32_t w, int32_t h,
            const Layer& src, Layer& dst, Kernel kernel) {
  if (factor < 1 || w <= 0 || h <= 0) return;
  const int log2 = Log2Of(factor, shift);
  if (log2 == 0 || !Available(kernel)) kernel = Kernel::kPlain;
  switch (kernel) {
#if defined(KELVO_WIDE_REDUCE)
    case Kernel::kWide:
      return EachRow(factor, shift, first_x, first_y, w, h, src, dst, kWideLoops[log2]);
    case Kernel::kAvx2:
      return EachRow(factor, shift, first_x, first_y, w, h, src, dst, kAvx2Loops[log2]);
#endif
#if defined(__SSE2__)
    case Kernel::kSse2:
      return Sse2Reduce(factor, log2, first_x, first_y, w, h, src, dst);
#endif
    default:
      return EachRow(factor, shift, first_x, first_y, w, h, src, dst, PlainLoop);
  }
}

}  // namespace kelvo::reduce_blocks
