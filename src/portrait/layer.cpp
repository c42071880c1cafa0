#include "portrait/layer.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "portrait/pixel.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kelvo {

namespace {

int32_t StrideFor(int32_t width) {
  return ((width + 1) / 2) * 4;
}

// Sums the factor x factor block at (sx, sy) and returns the averaged pixel. Factor is a
// template argument for the common sizes so the block loops unroll.
template <int32_t kFixed>
inline uint16_t AverageBlock(const Layer& src, int32_t sx, int32_t sy, int32_t factor, int shift) {
  const int32_t f = kFixed > 0 ? kFixed : factor;
  uint32_t sum_r = 0;
  uint32_t sum_g = 0;
  uint32_t sum_b = 0;
  for (int32_t by = 0; by < f; ++by) {
    const uint16_t* p = src.Row(sy + by) + sx;
    for (int32_t bx = 0; bx < f; ++bx) {
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

template <int32_t kFixed>
void ReduceBlocksWith(int32_t factor, int shift, int32_t first_x, int32_t first_y, int32_t w,
                      int32_t h, const Layer& src, Layer& dst) {
  for (int32_t y = 0; y < h; ++y) {
    uint16_t* out = dst.Row(y);
    const int32_t sy = (first_y + y) * factor;
    for (int32_t x = 0; x < w; ++x) {
      out[x] = AverageBlock<kFixed>(src, (first_x + x) * factor, sy, factor, shift);
    }
  }
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

// Box averages for the factors 2, 4 and 8 (log2 given) with their usual shifts: the channels
// of `factor` rows summed column by column, then adjacent columns summed pairwise. The sums
// stay below 32768, and averaging each channel on its own gives the masked-sum result.
void ReduceBlocksBySums(int32_t factor, int log2, int32_t first_x, int32_t first_y, int32_t w,
                        int32_t h, const Layer& src, Layer& dst) {
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

void ReduceBlocks(int32_t factor, int shift, int32_t first_x, int32_t first_y, int32_t w, int32_t h,
                  const Layer& src, Layer& dst) {
#if defined(__SSE2__)
  for (const int log2 : {1, 2, 3}) {
    if (factor == 1 << log2 && shift == 2 * log2) {
      return ReduceBlocksBySums(factor, log2, first_x, first_y, w, h, src, dst);
    }
  }
#endif
  switch (factor) {
    case 2:
      return ReduceBlocksWith<2>(factor, shift, first_x, first_y, w, h, src, dst);
    case 4:
      return ReduceBlocksWith<4>(factor, shift, first_x, first_y, w, h, src, dst);
    case 8:
      return ReduceBlocksWith<8>(factor, shift, first_x, first_y, w, h, src, dst);
    default:
      return ReduceBlocksWith<0>(factor, shift, first_x, first_y, w, h, src, dst);
  }
}

}  // namespace

Bitmap16::Bitmap16(int32_t width, int32_t height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bytes_per_line_(StrideFor(width_)),
      words_(static_cast<size_t>(height_) * (bytes_per_line_ / 2), 0) {}

std::unique_ptr<Layer> create_layer(int32_t width, int32_t height, std::string_view /*label*/) {
  auto layer = std::make_unique<Layer>();
  layer->width = std::max(width, 0);
  layer->height = std::max(height, 0);
  layer->stride = StrideFor(layer->width);
  layer->pixels.assign(static_cast<size_t>(layer->height) * layer->WordsPerRow(), 0);
  layer->is565 = true;
  return layer;
}

void free_layer(std::unique_ptr<Layer>& layer) {
  layer.reset();
}

std::unique_ptr<Bitmap16> create_bitmap16(int32_t width, int32_t height) {
  return std::make_unique<Bitmap16>(width, height);
}

std::unique_ptr<Window> create_window(Bitmap16& bitmap) {
  return create_window(bitmap.Width(), bitmap.Height(), bitmap.Bits(), bitmap.BytesPerLine());
}

std::unique_ptr<Window> create_window(int32_t width, int32_t height, uint8_t* first_row,
                                      std::ptrdiff_t bytes_per_line) {
  auto window = std::make_unique<Window>();
  window->width = std::max(width, 0);
  window->height = first_row ? std::max(height, 0) : 0;
  window->rows.reserve(static_cast<size_t>(window->height));
  for (int32_t y = 0; y < window->height; ++y) {
    window->rows.push_back(reinterpret_cast<uint16_t*>(first_row + y * bytes_per_line));
  }
  return window;
}

void free_window(std::unique_ptr<Window>& window) {
  window.reset();
}

void paste_layer2win(const Layer* layer, Window* window) {
  if (!layer) throw ELayerException("paste_layer2win: layer=nil");
  if (!window) throw ELayerException("paste_layer2win: win=nil");
  const int32_t window_rows = std::min<int32_t>(window->height, int32_t(window->rows.size()));
  const int32_t rows = std::min(layer->height, window_rows);
  const int32_t pairs = std::min(layer->width, window->width) / 2;
  if (pairs <= 0) throw ELayerException("paste_layer2win: len=0");
  for (int32_t i = 0; i < rows; ++i) {
    std::memcpy(window->rows[i], layer->Row(i), static_cast<size_t>(pairs) * 4);
  }
}

void paste_layer2layer_rect(const Rect& src_rect, const Layer* src, const Rect& dst_rect,
                            Layer* dst) {
  if (!src) throw ELayerException("paste_layer2layer_rect: srclayer=nil");
  if (!dst) throw ELayerException("paste_layer2layer_rect: destlayer=nil");
  if (src_rect.Width() != dst_rect.Width() || src_rect.Height() != dst_rect.Height()) {
    throw ELayerException("!!!!!!!! a ze prej to nemuze nastat");
  }
  const int32_t w = src_rect.Width();
  const int32_t h = src_rect.Height();
  if (h <= 0 || w <= 0) return;
  auto inside = [](const Rect& r, const Layer& l) {
    return r.left >= 0 && r.top >= 0 && r.right <= l.width && r.bottom <= l.height;
  };
  // Rows are copied without per-pixel tests, so a rectangle reaching outside is refused.
  if (!inside(src_rect, *src) || !inside(dst_rect, *dst)) {
    throw ELayerException("paste_layer2layer_rect: rectangle outside layer");
  }
  for (int32_t row = 0; row < h; ++row) {
    std::memmove(dst->Row(dst_rect.top + row) + dst_rect.left,
                 src->Row(src_rect.top + row) + src_rect.left, static_cast<size_t>(w) * 2);
  }
}

void reduce_layer(int32_t factor, const Layer& src, Layer& dst) {
  if (factor < 1) return;
  const int32_t w = src.width / factor;
  const int32_t h = src.height / factor;
  if (dst.width < w || dst.height < h) return;
  int shift = 2;
  switch (factor) {
    case 4:
      shift = 4;
      break;
    case 6:
      shift = 5;
      break;
    case 8:
      shift = 6;
      break;
    default:
      break;
  }
  ReduceBlocks(factor, shift, 0, 0, w, h, src, dst);
}

void reduce_layer_rect(int32_t factor, const Rect& rect, const Layer& src, Layer& dst) {
  if (factor < 1) return;
  const int32_t w = rect.Width() / factor;
  const int32_t h = rect.Height() / factor;
  if (w <= 0 || h <= 0) return;
  if (dst.width < w || dst.height < h) return;
  const int32_t first_x = rect.left / factor;
  const int32_t first_y = rect.top / factor;
  const int64_t last_x = (int64_t{first_x} + w) * factor;
  const int64_t last_y = (int64_t{first_y} + h) * factor;
  if (first_x < 0 || first_y < 0 || last_x > src.width || last_y > src.height) {
    throw ELayerException("reduce_layer_rect: rectangle outside layer");
  }
  int shift = 2;
  switch (factor) {
    case 4:
      shift = 4;
      break;
    case 8:
      shift = 6;
      break;
    default:
      break;
  }
  ReduceBlocks(factor, shift, first_x, first_y, w, h, src, dst);
}

}  // namespace kelvo
