#include "editor/preview_images.h"

#include <cstddef>

namespace kelvo {

PreviewImages::PreviewImages() {
  for (int w = 1; w <= kWindowCount; ++w) {
    Image& image = images_[w - 1];
    image.Width = kFullWidth / Factor(w);
    image.Height = kFullHeight / Factor(w);
    image.Pixels.assign(static_cast<std::size_t>(image.Width) * image.Height, 0);
  }
}

void PreviewImages::ShowFull(ImageView /*canvas*/) {}
void PreviewImages::ShowReduced(int /*window*/, ImageView /*canvas*/) {}
void PreviewImages::DrawCross(int /*x*/, int /*y*/, std::uint32_t /*colour*/) {}

ImageView PreviewImages::View(int window) const {
  const Image& image = images_[window - 1];
  return ImageView{image.Pixels.data(), image.Width, image.Height, image.Width};
}

}  // namespace kelvo
