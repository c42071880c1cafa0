// 256-bit row loops for processors with AVX2 but not the 512-bit instructions: 16 pixels at a
// time, the ramp read with masked gathers of the drawn pixels only. Built for x86-64 with GCC
// or Clang; chosen only on request (KELVO_ROW_KERNELS=avx2) where the processor has AVX2, as
// the gathers measured slower than the SSE2 loops.
#include <cstring>

#include "portrait/draw_rows.h"
#include "portrait/pixel.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define KELVO_AVX2_ROWS 1
#include <immintrin.h>
#endif

namespace kelvo::draw_rows {

#if defined(KELVO_AVX2_ROWS)

namespace {

#define KELVO_AVX2 __attribute__((target("avx2")))

KELVO_AVX2 inline __m256i Darken16(__m256i a, __m256i b) {
  const __m256i red = _mm256_set1_epi16(static_cast<short>(kRedMask565));
  const __m256i green = _mm256_set1_epi16(kGreenMask565);
  const __m256i blue = _mm256_set1_epi16(kBlueMask565);
  const __m256i r = _mm256_min_epu16(_mm256_and_si256(a, red), _mm256_and_si256(b, red));
  const __m256i g = _mm256_min_epu16(_mm256_and_si256(a, green), _mm256_and_si256(b, green));
  const __m256i bl = _mm256_min_epu16(_mm256_and_si256(a, blue), _mm256_and_si256(b, blue));
  return _mm256_or_si256(r, _mm256_or_si256(g, bl));
}

// ramp[index] for the eight 32-bit lanes of `draw`. A dword gather at entry 255 would read past
// the table, so that entry comes from a broadcast instead.
KELVO_AVX2 inline __m256i Look8(const uint16_t* ramp, __m256i index, __m256i draw) {
  const __m256i last = _mm256_cmpeq_epi32(index, _mm256_set1_epi32(255));
  const __m256i start = _mm256_and_si256(last, _mm256_set1_epi32(ramp[255]));
  const __m256i fetched = _mm256_mask_i32gather_epi32(start, reinterpret_cast<const int*>(ramp),
                                                      index, _mm256_andnot_si256(last, draw), 2);
  return _mm256_and_si256(fetched, _mm256_set1_epi32(0xFFFF));
}

template <bool Masked, bool Outside, bool Shadow>
KELVO_AVX2 void Avx2Row8(const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w,
                         const uint16_t* ramp) {
  int32_t i = 0;
  const __m128i zero = _mm_setzero_si128();
  for (; i + 16 <= w; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    __m128i draw = _mm_xor_si128(_mm_cmpeq_epi8(v, zero), _mm_set1_epi8(-1));
    if constexpr (Masked) {
      const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask + i));
      const __m128i outside = _mm_cmpeq_epi8(m, zero);
      draw = Outside ? _mm_and_si128(draw, outside) : _mm_andnot_si128(outside, draw);
    }
    if (_mm_testz_si128(draw, draw)) continue;
    const __m256i low = Look8(ramp, _mm256_cvtepu8_epi32(v), _mm256_cvtepi8_epi32(draw));
    const __m256i high = Look8(ramp, _mm256_cvtepu8_epi32(_mm_srli_si128(v, 8)),
                               _mm256_cvtepi8_epi32(_mm_srli_si128(draw, 8)));
    __m256i shade = _mm256_permute4x64_epi64(_mm256_packus_epi32(low, high), 0xD8);
    const __m256i under = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
    if constexpr (Shadow) shade = Darken16(under, shade);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i),
                        _mm256_blendv_epi8(under, shade, _mm256_cvtepi8_epi16(draw)));
  }
  for (; i < w; ++i) {
    const uint8_t v = src[i];
    bool draw = v != 0;
    if constexpr (Masked) draw = draw && ((mask[i] != 0) != Outside);
    if (draw) dst[i] = Shadow ? min_rgb16(dst[i], ramp[v]) : ramp[v];
  }
}

KELVO_AVX2 void Avx2Image16(const uint8_t* src, uint16_t* dst, int32_t w) {
  int32_t i = 0;
  const __m256i key = _mm256_set1_epi16(static_cast<short>(kTransparent565));
  for (; i + 16 <= w; i += 16) {
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + 2 * i));
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i),
                        _mm256_blendv_epi8(v, d, _mm256_cmpeq_epi16(v, key)));
  }
  for (; i < w; ++i) {
    uint16_t v;
    std::memcpy(&v, src + 2 * i, 2);
    if (v != kTransparent565) dst[i] = v;
  }
}

bool ProcessorHasAvx2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}

}  // namespace

const RowKernels* Avx2Kernels() {
  static const RowKernels kernels{Avx2Image16,
                                  EachRow<Avx2Row8<false, false, false>>,
                                  EachRow<Avx2Row8<true, false, false>>,
                                  EachRow<Avx2Row8<true, true, false>>,
                                  EachRow<Avx2Row8<false, false, true>>,
                                  EachRow<Avx2Row8<true, false, true>>,
                                  EachRow<Avx2Row8<true, true, true>>};
  static const bool available = ProcessorHasAvx2();
  return available ? &kernels : nullptr;
}

#else

const RowKernels* Avx2Kernels() {
  return nullptr;
}

#endif

}  // namespace kelvo::draw_rows
