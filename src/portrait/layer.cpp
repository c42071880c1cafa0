#include "portrait/layer.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "portrait/pixel.h"
#include "portrait/reduce_blocks.h"

namespace kelvo {

namespace {

int32_t StrideFor(int32_t width) {
  return ((width + 1) / 2) * 4;
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

void fill_rect(Layer& layer, int64_t left, int64_t top, int64_t right, int64_t bottom,
               uint16_t pixel) {
  left = std::max<int64_t>(left, 0);
  top = std::max<int64_t>(top, 0);
  right = std::min<int64_t>(right, layer.width);
  bottom = std::min<int64_t>(bottom, layer.height);
  if (left >= right || top >= bottom) return;
  for (int64_t y = top; y < bottom; ++y) {
    uint16_t* row = layer.Row(static_cast<int32_t>(y));
    std::fill(row + left, row + right, pixel);
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

namespace {

// The right shift that turns a block's channel sums into the average (4 x 4 and 8 x 8 exactly;
// 6 x 6 divides by 32, not 36, as these reductions always have).
int AverageShift(int32_t factor, bool six_by_six) {
  if (factor == 4) return 4;
  if (factor == 8) return 6;
  if (factor == 6 && six_by_six) return 5;
  return 2;
}

}  // namespace

void reduce_layer(int32_t factor, const Layer& src, Layer& dst) {
  if (factor < 1) return;
  const int32_t w = src.width / factor;
  const int32_t h = src.height / factor;
  if (dst.width < w || dst.height < h) return;
  reduce_blocks::Reduce(factor, AverageShift(factor, /*six_by_six=*/true), 0, 0, w, h, src, dst);
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
  // The frames' reduction has no 6 x 6 case: a factor of 6 keeps the shift of 2.
  reduce_blocks::Reduce(factor, AverageShift(factor, /*six_by_six=*/false), first_x, first_y, w, h,
                        src, dst);
}

}  // namespace kelvo
