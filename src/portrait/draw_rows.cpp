// Row loops of the drawing routines: portable C++ with SSE2 where the build has it, and the
// run-time choice between these and the 512-bit ones.
#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "portrait/draw_rows.h"
#include "portrait/pixel.h"

namespace kelvo::draw_rows {

namespace {

inline uint16_t Darken(uint16_t a, uint16_t b) {
  const uint16_t r = std::min<uint16_t>(a & kRedMask565, b & kRedMask565);
  const uint16_t g = std::min<uint16_t>(a & kGreenMask565, b & kGreenMask565);
  const uint16_t bl = std::min<uint16_t>(a & kBlueMask565, b & kBlueMask565);
  return static_cast<uint16_t>(r | g | bl);
}

constexpr uint64_t kLowBits = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;

inline uint64_t Load8(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

inline bool HasZeroByte(uint64_t v) {
  return ((v - kLowBits) & ~v & kHighBits) != 0;
}

#if defined(__SSE2__)
// Per-channel minimum of eight pixels; red needs an unsigned compare.
inline __m128i Darken8(__m128i a, __m128i b) {
  const __m128i red = _mm_set1_epi16(static_cast<short>(kRedMask565));
  const __m128i green = _mm_set1_epi16(kGreenMask565);
  const __m128i blue = _mm_set1_epi16(kBlueMask565);
  const __m128i flip = _mm_set1_epi16(static_cast<short>(0x8000));
  const __m128i r = _mm_xor_si128(_mm_min_epi16(_mm_xor_si128(_mm_and_si128(a, red), flip),
                                                _mm_xor_si128(_mm_and_si128(b, red), flip)),
                                  flip);
  const __m128i g = _mm_min_epi16(_mm_and_si128(a, green), _mm_and_si128(b, green));
  const __m128i bl = _mm_min_epi16(_mm_and_si128(a, blue), _mm_and_si128(b, blue));
  return _mm_or_si128(r, _mm_or_si128(g, bl));
}
#endif

// One row of an 8-bit routine: where the source byte v is not 0 and, when Masked, the mask
// allows it (non-zero; zero when Outside), the canvas gets ramp[v], or with Shadow the darker of
// the two per channel. Eight pixels at a time: transparent runs cost one test, the others one
// table lookup per pixel and a vector blend.
template <bool Masked, bool Outside, bool Shadow>
void PortableRow8(const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w,
                  const uint16_t* ramp) {
  int32_t i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  for (; i + 8 <= w; i += 8) {
    const uint64_t chunk = Load8(src + i);
    if (chunk == 0) continue;
    __m128i keep = _mm_cmpeq_epi8(_mm_cvtsi64_si128(static_cast<long long>(chunk)), zero);
    if constexpr (Masked) {
      const uint64_t m = Load8(mask + i);
      if (Outside ? !HasZeroByte(m) : m == 0) continue;
      const __m128i mask_zero = _mm_cmpeq_epi8(_mm_cvtsi64_si128(static_cast<long long>(m)), zero);
      keep = Outside ? _mm_or_si128(keep, _mm_andnot_si128(mask_zero, _mm_set1_epi8(-1)))
                     : _mm_or_si128(keep, mask_zero);
    }
    keep = _mm_unpacklo_epi8(keep, keep);  // one 16-bit lane per pixel
    const __m128i shade =
        _mm_setr_epi16(static_cast<short>(ramp[src[i]]), static_cast<short>(ramp[src[i + 1]]),
                       static_cast<short>(ramp[src[i + 2]]), static_cast<short>(ramp[src[i + 3]]),
                       static_cast<short>(ramp[src[i + 4]]), static_cast<short>(ramp[src[i + 5]]),
                       static_cast<short>(ramp[src[i + 6]]), static_cast<short>(ramp[src[i + 7]]));
    const __m128i under = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i drawn = Shadow ? Darken8(under, shade) : shade;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i),
                     _mm_or_si128(_mm_and_si128(keep, under), _mm_andnot_si128(keep, drawn)));
  }
#endif
  for (; i < w; ++i) {
    const uint8_t v = src[i];
    bool draw = v != 0;
    if constexpr (Masked) draw = draw && ((mask[i] != 0) != Outside);
    if (draw) dst[i] = Shadow ? Darken(dst[i], ramp[v]) : ramp[v];
  }
}

void PortableImage16(const uint8_t* src, uint16_t* dst, int32_t w) {
  int32_t i = 0;
#if defined(__SSE2__)
  if constexpr (std::endian::native == std::endian::little) {
    // Eight pixels at a time: keep the canvas where the source is the key.
    const __m128i key = _mm_set1_epi16(static_cast<short>(kTransparent565));
    for (; i + 8 <= w; i += 8) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 2 * i));
      const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
      const __m128i keep = _mm_cmpeq_epi16(v, key);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i),
                       _mm_or_si128(_mm_and_si128(keep, d), _mm_andnot_si128(keep, v)));
    }
  }
#endif
  for (; i < w; ++i) {
    uint16_t v;
    std::memcpy(&v, src + 2 * i, 2);
    if constexpr (std::endian::native == std::endian::big) {
      v = static_cast<uint16_t>((v >> 8) | (v << 8));
    }
    if (v != kTransparent565) dst[i] = v;
  }
}

}  // namespace

const RowKernels& PortableKernels() {
  static const RowKernels kernels{PortableImage16,
                                  EachRow<PortableRow8<false, false, false>>,
                                  EachRow<PortableRow8<true, false, false>>,
                                  EachRow<PortableRow8<true, true, false>>,
                                  EachRow<PortableRow8<false, false, true>>,
                                  EachRow<PortableRow8<true, false, true>>,
                                  EachRow<PortableRow8<true, true, true>>};
  return kernels;
}

namespace {

const RowKernels& ChooseKernels() {
  const char* asked = std::getenv("KELVO_ROW_KERNELS");
  const std::string_view name = asked ? asked : "";
  if (name == "portable") return PortableKernels();
  if (name == "avx2" && Avx2Kernels()) return *Avx2Kernels();
  if (name != "wide" && WideByteKernels()) return *WideByteKernels();
  if (WideKernels()) return *WideKernels();
  // Not by default: on the processors measured, the AVX2 gathers lose to the SSE2 loops.
  return PortableKernels();
}

}  // namespace

const RowKernels& Kernels() {
  static const RowKernels& chosen = ChooseKernels();
  return chosen;
}

}  // namespace kelvo::draw_rows
