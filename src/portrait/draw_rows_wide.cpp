// 512-bit row loops: the 256-entry ramp sits in eight vector registers and 32 pixels are
// looked up at once with word permutes; masked stores leave undrawn pixels untouched. Built for
// x86-64 with GCC or Clang and used only where the processor reports the instructions.
#include "portrait/draw_rows.h"
#include "portrait/pixel.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define KELVO_WIDE_ROWS 1
#include <immintrin.h>
#endif

namespace kelvo::draw_rows {

#if defined(KELVO_WIDE_ROWS)

namespace {

#define KELVO_WIDE __attribute__((target("avx512f,avx512bw,avx512vl")))

KELVO_WIDE inline __m512i Darken32(__m512i a, __m512i b) {
  const __m512i red = _mm512_set1_epi16(static_cast<short>(kRedMask565));
  const __m512i green = _mm512_set1_epi16(kGreenMask565);
  const __m512i blue = _mm512_set1_epi16(kBlueMask565);
  const __m512i r = _mm512_min_epu16(_mm512_and_si512(a, red), _mm512_and_si512(b, red));
  const __m512i g = _mm512_min_epu16(_mm512_and_si512(a, green), _mm512_and_si512(b, green));
  const __m512i bl = _mm512_min_epu16(_mm512_and_si512(a, blue), _mm512_and_si512(b, blue));
  return _mm512_or_si512(r, _mm512_or_si512(g, bl));
}

// The lanes of the last, partial group; masked-off lanes are neither read nor written.
inline __mmask32 Lanes(int32_t left) {
  return left >= 32 ? ~__mmask32{0} : static_cast<__mmask32>((1u << left) - 1);
}

template <bool Masked, bool Outside, bool Shadow>
KELVO_WIDE void WideRow8(const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w,
                         const uint16_t* ramp) {
  // Slot s (index bits 7..6) is a 64-entry table in two registers.
  const __m512i t0 = _mm512_loadu_si512(ramp), t1 = _mm512_loadu_si512(ramp + 32);
  const __m512i t2 = _mm512_loadu_si512(ramp + 64), t3 = _mm512_loadu_si512(ramp + 96);
  const __m512i t4 = _mm512_loadu_si512(ramp + 128), t5 = _mm512_loadu_si512(ramp + 160);
  const __m512i t6 = _mm512_loadu_si512(ramp + 192), t7 = _mm512_loadu_si512(ramp + 224);
  const __m512i bit6 = _mm512_set1_epi16(0x40);
  const __m512i bit7 = _mm512_set1_epi16(0x80);
  for (int32_t i = 0; i < w; i += 32) {
    const __mmask32 lanes = Lanes(w - i);
    const __m512i index = _mm512_cvtepu8_epi16(_mm256_maskz_loadu_epi8(lanes, src + i));
    __mmask32 draw = _mm512_test_epi16_mask(index, index);
    if (draw == 0) continue;
    if constexpr (Masked) {
      const __m512i m = _mm512_cvtepu8_epi16(_mm256_maskz_loadu_epi8(lanes, mask + i));
      const __mmask32 inside = _mm512_test_epi16_mask(m, m);
      draw = Outside ? (draw & ~inside) : (draw & inside);
      if (draw == 0) continue;
    }
    const __mmask32 odd_slot = _mm512_test_epi16_mask(index, bit6);
    const __m512i low = _mm512_mask_blend_epi16(odd_slot, _mm512_permutex2var_epi16(t0, index, t1),
                                                _mm512_permutex2var_epi16(t2, index, t3));
    const __m512i high = _mm512_mask_blend_epi16(odd_slot, _mm512_permutex2var_epi16(t4, index, t5),
                                                 _mm512_permutex2var_epi16(t6, index, t7));
    __m512i shade = _mm512_mask_blend_epi16(_mm512_test_epi16_mask(index, bit7), low, high);
    if constexpr (Shadow) shade = Darken32(_mm512_maskz_loadu_epi16(draw, dst + i), shade);
    _mm512_mask_storeu_epi16(dst + i, draw, shade);
  }
}

KELVO_WIDE void WideImage16(const uint8_t* src, uint16_t* dst, int32_t w) {
  const __m512i key = _mm512_set1_epi16(static_cast<short>(kTransparent565));
  for (int32_t i = 0; i < w; i += 32) {
    const __mmask32 lanes = Lanes(w - i);
    const __m512i v = _mm512_maskz_loadu_epi16(lanes, src + 2 * i);
    _mm512_mask_storeu_epi16(dst + i, lanes & _mm512_cmpneq_epi16_mask(v, key), v);
  }
}

bool ProcessorHasWideRows() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
         __builtin_cpu_supports("avx512vl");
}

}  // namespace

const RowKernels* WideKernels() {
  static const RowKernels kernels{WideImage16,
                                  WideRow8<false, false, false>,
                                  WideRow8<true, false, false>,
                                  WideRow8<true, true, false>,
                                  WideRow8<false, false, true>,
                                  WideRow8<true, false, true>,
                                  WideRow8<true, true, true>};
  static const bool available = ProcessorHasWideRows();
  return available ? &kernels : nullptr;
}

#else

const RowKernels* WideKernels() {
  return nullptr;
}

#endif

}  // namespace kelvo::draw_rows
