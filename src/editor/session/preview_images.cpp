#include "editor/session/preview_images.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "portrait/pixel.h"

namespace kelvo {

namespace {

void CheckWindow(int window) {
  if (window < 1 || window > PreviewImages::kWindowCount) {
    throw std::out_of_range("PreviewImages: no window " + std::to_string(window));
  }
}

}  // namespace

PreviewImages::PreviewImages() {
  for (int w = 1; w <= kWindowCount; ++w) {
    Layer& image = images_[w - 1];
    image.width = kFullWidth / Factor(w);
    image.height = kFullHeight / Factor(w);
    image.stride = ((image.width * 2 + 3) / 4) * 4;
    image.pixels.assign(image.WordsPerRow() * static_cast<std::size_t>(image.height), 0);
  }
}

void PreviewImages::ShowFull(const Layer& canvas) {
  Layer& image = images_[0];
  const int width = std::min(image.width, canvas.width);
  const int height = std::min(image.height, canvas.height);
  for (int y = 0; y < height; ++y) std::copy_n(canvas.Row(y), width, image.Row(y));
}

void PreviewImages::ShowReduced(int window, const Layer& canvas) {
  CheckWindow(window);
  if (window < 2) return;
  reduce_layer(Factor(window), canvas, images_[window - 1]);
}

void PreviewImages::DrawCross(std::int64_t x, std::int64_t y, std::uint32_t colour) {
  const Rgb rgb = split_color(colour);
  const std::uint16_t pixel = pack_rgb16(rgb.r, rgb.g, rgb.b);
  fill_rect(images_[0], x - 1, y - 3, x + 2, y + 4, pixel);
  fill_rect(images_[0], x - 3, y - 1, x + 4, y + 2, pixel);
}

ImageView ViewOf(const Layer& layer) {
  return ImageView{layer.pixels.empty() ? nullptr : layer.pixels.data(), layer.width, layer.height,
                   static_cast<int>(layer.WordsPerRow())};
}

ImageView PreviewImages::View(int window) const {
  CheckWindow(window);
  return ViewOf(images_[window - 1]);
}

}  // namespace kelvo
