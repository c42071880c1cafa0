// 512-bit loops: the 256-entry ramp sits in eight vector registers and 32 pixels are looked up
// at once with word permutes, or, where the processor has byte permutes, 64 at once from the
// ramp's low and high bytes; masked stores leave undrawn pixels untouched. Built for x86-64
// with GCC or Clang and used only where the processor reports the instructions.
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
#define KELVO_BYTES __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi")))

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
KELVO_WIDE void WideRows8(const Rows8& r) {
  // Slot s (index bits 7..6) is a 64-entry table in two registers.
  const uint16_t* ramp = r.ramp;
  const __m512i t0 = _mm512_loadu_si512(ramp), t1 = _mm512_loadu_si512(ramp + 32);
  const __m512i t2 = _mm512_loadu_si512(ramp + 64), t3 = _mm512_loadu_si512(ramp + 96);
  const __m512i t4 = _mm512_loadu_si512(ramp + 128), t5 = _mm512_loadu_si512(ramp + 160);
  const __m512i t6 = _mm512_loadu_si512(ramp + 192), t7 = _mm512_loadu_si512(ramp + 224);
  const __m512i bit6 = _mm512_set1_epi16(0x40);
  const __m512i bit7 = _mm512_set1_epi16(0x80);
  for (int32_t y = 0; y < r.h; ++y) {
    const uint8_t* src = r.src + y * r.src_stride;
    const uint8_t* mask = Masked ? r.mask + y * r.mask_stride : nullptr;
    uint16_t* dst = r.dst + y * r.dst_stride;
    for (int32_t i = 0; i < r.w; i += 32) {
      const __mmask32 lanes = Lanes(r.w - i);
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
      const __m512i low =
          _mm512_mask_blend_epi16(odd_slot, _mm512_permutex2var_epi16(t0, index, t1),
                                  _mm512_permutex2var_epi16(t2, index, t3));
      const __m512i high =
          _mm512_mask_blend_epi16(odd_slot, _mm512_permutex2var_epi16(t4, index, t5),
                                  _mm512_permutex2var_epi16(t6, index, t7));
      __m512i shade = _mm512_mask_blend_epi16(_mm512_test_epi16_mask(index, bit7), low, high);
      if constexpr (Shadow) shade = Darken32(_mm512_maskz_loadu_epi16(draw, dst + i), shade);
      _mm512_mask_storeu_epi16(dst + i, draw, shade);
    }
  }
}

// The ramp split into its low and its high bytes, each 256 bytes in four registers, so 64
// pixels are looked up with four byte permutes per half and put back together with two more.
struct ByteTable {
  __m512i t0, t1, t2, t3;
};

// Byte `byte` (0 low, 1 high) of each ramp word.
KELVO_BYTES inline ByteTable SplitRamp(const uint16_t* ramp, int byte) {
  // Byte 2k + byte of a pair of registers holding 64 words belongs to word k.
  alignas(64) uint8_t pick[64];
  for (int k = 0; k < 64; ++k) pick[k] = static_cast<uint8_t>(2 * k + byte);
  const __m512i select = _mm512_load_si512(pick);
  __m512i t[4];
  for (int j = 0; j < 4; ++j) {
    t[j] = _mm512_permutex2var_epi8(_mm512_loadu_si512(ramp + 64 * j), select,
                                    _mm512_loadu_si512(ramp + 64 * j + 32));
  }
  return ByteTable{t[0], t[1], t[2], t[3]};
}

// 64 table entries for 64 indices: bit 7 picks the register pair, bits 6..0 the byte in it.
KELVO_BYTES inline __m512i LookUp64(const ByteTable& table, __m512i index, __mmask64 upper) {
  return _mm512_mask_blend_epi8(upper, _mm512_permutex2var_epi8(table.t0, index, table.t1),
                                _mm512_permutex2var_epi8(table.t2, index, table.t3));
}

template <bool Masked, bool Outside, bool Shadow>
KELVO_BYTES void WideByteRows8(const Rows8& r) {
  const ByteTable low_bytes = SplitRamp(r.ramp, 0), high_bytes = SplitRamp(r.ramp, 1);
  // Words 0..31 and 32..63 from the 64 low and 64 high bytes.
  alignas(64) uint8_t first[64], second[64];
  for (int k = 0; k < 32; ++k) {
    first[2 * k] = static_cast<uint8_t>(k);
    first[2 * k + 1] = static_cast<uint8_t>(64 + k);
    second[2 * k] = static_cast<uint8_t>(32 + k);
    second[2 * k + 1] = static_cast<uint8_t>(96 + k);
  }
  const __m512i join_first = _mm512_load_si512(first), join_second = _mm512_load_si512(second);
  // Locals, as the stores through dst could otherwise alias the block's fields.
  const int32_t w = r.w, h = r.h;
  const ptrdiff_t src_stride = r.src_stride, dst_stride = r.dst_stride;
  const ptrdiff_t mask_stride = r.mask_stride;
  const __mmask64 last_lanes = w % 64 == 0 ? ~__mmask64{0} : (__mmask64{1} << (w % 64)) - 1;
  const uint8_t* src = r.src;
  const uint8_t* mask = r.mask;
  uint16_t* dst = r.dst;
  for (int32_t y = 0; y < h; ++y, src += src_stride, dst += dst_stride) {
    for (int32_t i = 0; i < w; i += 64) {
      const __mmask64 lanes = w - i >= 64 ? ~__mmask64{0} : last_lanes;
      const __m512i index = _mm512_maskz_loadu_epi8(lanes, src + i);
      __mmask64 draw = _mm512_test_epi8_mask(index, index);
      if constexpr (Masked) {
        const __m512i m = _mm512_maskz_loadu_epi8(lanes, mask + i);
        const __mmask64 inside = _mm512_test_epi8_mask(m, m);
        draw = Outside ? (draw & ~inside) : (draw & inside);
      }
      if (draw == 0) continue;
      const __mmask64 upper = _mm512_movepi8_mask(index);
      const __m512i low = LookUp64(low_bytes, index, upper);
      const __m512i high = LookUp64(high_bytes, index, upper);
      const auto draw_first = static_cast<__mmask32>(draw);
      const auto draw_second = static_cast<__mmask32>(draw >> 32);
      if (draw_first) {
        __m512i shade = _mm512_permutex2var_epi8(low, join_first, high);
        if constexpr (Shadow)
          shade = Darken32(_mm512_maskz_loadu_epi16(draw_first, dst + i), shade);
        _mm512_mask_storeu_epi16(dst + i, draw_first, shade);
      }
      if (draw_second) {
        __m512i shade = _mm512_permutex2var_epi8(low, join_second, high);
        if constexpr (Shadow) {
          shade = Darken32(_mm512_maskz_loadu_epi16(draw_second, dst + i + 32), shade);
        }
        _mm512_mask_storeu_epi16(dst + i + 32, draw_second, shade);
      }
    }
    if constexpr (Masked) mask += mask_stride;
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

bool ProcessorHasBytePermutes() {
  __builtin_cpu_init();
  return ProcessorHasWideRows() && __builtin_cpu_supports("avx512vbmi");
}

}  // namespace

const RowKernels* WideKernels() {
  static const RowKernels kernels{WideImage16,
                                  WideRows8<false, false, false>,
                                  WideRows8<true, false, false>,
                                  WideRows8<true, true, false>,
                                  WideRows8<false, false, true>,
                                  WideRows8<true, false, true>,
                                  WideRows8<true, true, true>};
  static const bool available = ProcessorHasWideRows();
  return available ? &kernels : nullptr;
}

const RowKernels* WideByteKernels() {
  static const RowKernels kernels{WideImage16,
                                  WideByteRows8<false, false, false>,
                                  WideByteRows8<true, false, false>,
                                  WideByteRows8<true, true, false>,
                                  WideByteRows8<false, false, true>,
                                  WideByteRows8<true, false, true>,
                                  WideByteRows8<true, true, true>};
  static const bool available = ProcessorHasBytePermutes();
  return available ? &kernels : nullptr;
}

#else

const RowKernels* WideKernels() {
  return nullptr;
}

const RowKernels* WideByteKernels() {
  return nullptr;
}

#endif

}  // namespace kelvo::draw_rows
