#include "portrait/draw_routines.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "portrait/pixel.h"

namespace kelvo {

namespace {

constexpr int64_t kWidth = 320;
constexpr int64_t kHeight = 400;

// Calls op(source row, canvas row, mask row, width) for each visible row.
template <class Op>
inline void ForEachRow(const uint8_t* source, int32_t source_width, int32_t bytes_per_pixel,
                       const Placement& p, DrawTarget& t, Op op) {
  const size_t source_row = static_cast<size_t>(source_width) * bytes_per_pixel;
  const uint8_t* src = source + static_cast<size_t>(p.skip_y) * source_row +
                       static_cast<size_t>(p.skip_x) * bytes_per_pixel;
  for (int32_t row = 0; row < p.h; ++row) {
    const int32_t y = p.y + row;
    op(src, t.canvas.Row(y) + p.x, t.mask + static_cast<size_t>(y) * kWidth + p.x, p.w);
    src += source_row;
  }
}

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
inline void Row8(const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w,
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

}  // namespace

std::optional<Placement> PlaceImage(int32_t x0, int32_t y0, int32_t width, int32_t height,
                                    Rect* clip_rect) {
  int64_t left = 0, top = 0, right = kWidth, bottom = kHeight;
  if (clip_rect) {
    Rect& r = *clip_rect;
    if (r.left < 0) r.left = 0;
    if (r.right > kWidth) r.right = kWidth;
    if (r.top < 0) r.top = 0;
    if (r.bottom > kHeight) r.bottom = kHeight;
    // A rectangle lying beyond the canvas must still not lead outside it.
    left = std::min<int64_t>(r.left, kWidth);
    top = std::min<int64_t>(r.top, kHeight);
    right = std::max<int64_t>(r.right, 0);
    bottom = std::max<int64_t>(r.bottom, 0);
  }
  int64_t x = x0, y = y0, w = width, h = height, skip_x = 0, skip_y = 0;
  if (x < left) {
    skip_x = left - x;
    w -= skip_x;
    x = left;
  }
  if (y < top) {
    skip_y = top - y;
    h -= skip_y;
    y = top;
  }
  if (x + w > right) w = right - x;
  if (y + h > bottom) h = bottom - y;
  if (w < 1 || h < 1) return std::nullopt;
  return Placement{static_cast<int32_t>(x),      static_cast<int32_t>(y),
                   static_cast<int32_t>(w),      static_cast<int32_t>(h),
                   static_cast<int32_t>(skip_x), static_cast<int32_t>(skip_y)};
}

void DrawImage16(const uint8_t* source, int32_t source_width, const Placement& p, DrawTarget& t) {
  ForEachRow(source, source_width, 2, p, t,
             [](const uint8_t* src, uint16_t* dst, const uint8_t*, int32_t w) {
               int32_t i = 0;
#if defined(__SSE2__)
               if constexpr (std::endian::native == std::endian::little) {
                 // Eight pixels at a time: keep the canvas where the source is the key.
                 const __m128i key = _mm_set1_epi16(static_cast<short>(kTransparent565));
                 for (; i + 8 <= w; i += 8) {
                   const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 2 * i));
                   const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
                   const __m128i keep = _mm_cmpeq_epi16(v, key);
                   _mm_storeu_si128(
                       reinterpret_cast<__m128i*>(dst + i),
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
             });
}

void DrawColoured(const uint8_t* source, int32_t source_width, const Placement& p, DrawTarget& t) {
  const uint16_t* ramp = t.ramp;
  ForEachRow(source, source_width, 1, p, t,
             [ramp](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               Row8<false, false, false>(src, dst, mask, w, ramp);
             });
}

void DrawColouredInside(const uint8_t* source, int32_t source_width, const Placement& p,
                        DrawTarget& t) {
  const uint16_t* ramp = t.ramp;
  ForEachRow(source, source_width, 1, p, t,
             [ramp](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               Row8<true, false, false>(src, dst, mask, w, ramp);
             });
}

void DrawColouredOutside(const uint8_t* source, int32_t source_width, const Placement& p,
                         DrawTarget& t) {
  const uint16_t* ramp = t.ramp;
  ForEachRow(source, source_width, 1, p, t,
             [ramp](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               Row8<true, true, false>(src, dst, mask, w, ramp);
             });
}

void DrawShadow(const uint8_t* source, int32_t source_width, const Placement& p, DrawTarget& t) {
  const uint16_t* ramp = t.ramp;
  ForEachRow(source, source_width, 1, p, t,
             [ramp](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               Row8<false, false, true>(src, dst, mask, w, ramp);
             });
}

void DrawShadowInside(const uint8_t* source, int32_t source_width, const Placement& p,
                      DrawTarget& t) {
  const uint16_t* ramp = t.ramp;
  ForEachRow(source, source_width, 1, p, t,
             [ramp](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               Row8<true, false, true>(src, dst, mask, w, ramp);
             });
}

void DrawShadowOutside(const uint8_t* source, int32_t source_width, const Placement& p,
                       DrawTarget& t) {
  const uint16_t* ramp = t.ramp;
  ForEachRow(source, source_width, 1, p, t,
             [ramp](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               Row8<true, true, true>(src, dst, mask, w, ramp);
             });
}

void BuildClipMask(const uint8_t* source, int32_t source_width, const std::optional<Placement>& p,
                   uint8_t* mask) {
  std::memset(mask, 0, static_cast<size_t>(kWidth * kHeight));
  if (!p) return;
  const uint8_t* src = source + static_cast<size_t>(p->skip_y) * source_width + p->skip_x;
  for (int32_t row = 0; row < p->h; ++row) {
    std::memcpy(mask + static_cast<size_t>(p->y + row) * kWidth + p->x, src,
                static_cast<size_t>(p->w));
    src += source_width;
  }
}

}  // namespace kelvo
