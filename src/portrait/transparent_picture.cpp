#include "portrait/transparent_picture.h"

#include <algorithm>
#include <optional>

#include "portrait/pixel.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

// Two canvas colours that differ in every channel, so no drawn pixel can equal both.
constexpr uint16_t kFirstCanvas = 0x0000;
constexpr uint16_t kSecondCanvas = 0xFFFF;

// Puts the background selection and the canvas back however the drawing ends: the next
// render draws over the canvas as it finds it.
class BackgroundsLeftOut {
 public:
  explicit BackgroundsLeftOut(TKelvoPortret& portrait)
      : portrait_(portrait), saved_(portrait.Selected[1]) {
    if (portrait.RenderLayer) canvas_ = *portrait.RenderLayer;
    portrait_.Selected[1] = nullptr;
  }
  ~BackgroundsLeftOut() {
    portrait_.Selected[1] = saved_;
    if (canvas_) {
      *portrait_.RenderLayer = std::move(*canvas_);
    } else {
      portrait_.RenderLayer.reset();
    }
  }
  BackgroundsLeftOut(const BackgroundsLeftOut&) = delete;
  BackgroundsLeftOut& operator=(const BackgroundsLeftOut&) = delete;

 private:
  TKelvoPortret& portrait_;
  TKelvoKomp* saved_;
  std::optional<Layer> canvas_;
};

Layer DrawOver(TKelvoPortret& portrait, uint16_t canvas,
               const std::function<void(TKelvoPortret&)>& draw) {
  if (!portrait.RenderLayer || portrait.RenderLayer->width != kCanvasWidth ||
      portrait.RenderLayer->height != kCanvasHeight) {
    portrait.RenderLayer = create_layer(kCanvasWidth, kCanvasHeight, "TransparentPicture");
  }
  std::fill(portrait.RenderLayer->pixels.begin(), portrait.RenderLayer->pixels.end(), canvas);
  draw(portrait);
  return *portrait.RenderLayer;
}

}  // namespace

RgbaImage OpaqueRgba(const Layer& layer) {
  RgbaImage image(layer.width, layer.height);
  for (int32_t y = 0; y < layer.height; ++y) {
    for (int32_t x = 0; x < layer.width; ++x) {
      const Rgb c = split_rgb16(layer.At(x, y));
      uint8_t* p = image.At(x, y);
      p[0] = c.r;
      p[1] = c.g;
      p[2] = c.b;
      p[3] = 255;
    }
  }
  return image;
}

RgbaImage RenderTransparentPicture(TKelvoPortret& portrait,
                                   const std::function<void(TKelvoPortret&)>& draw) {
  const BackgroundsLeftOut guard(portrait);
  const Layer first = DrawOver(portrait, kFirstCanvas, draw);
  const Layer& second = DrawOver(portrait, kSecondCanvas, draw);
  RgbaImage image = OpaqueRgba(second);
  for (int32_t y = 0; y < image.height; ++y) {
    for (int32_t x = 0; x < image.width; ++x) {
      if (first.At(x, y) == second.At(x, y)) continue;
      std::fill_n(image.At(x, y), 4, uint8_t{0});
    }
  }
  return image;
}

RgbaImage ReduceRgba(const RgbaImage& image, int32_t factor) {
  if (factor < 2) return image;
  RgbaImage out(image.width / factor, image.height / factor);
  const uint32_t cells = static_cast<uint32_t>(factor) * static_cast<uint32_t>(factor);
  for (int32_t y = 0; y < out.height; ++y) {
    for (int32_t x = 0; x < out.width; ++x) {
      uint32_t sum[4] = {0, 0, 0, 0};
      for (int32_t dy = 0; dy < factor; ++dy) {
        for (int32_t dx = 0; dx < factor; ++dx) {
          const uint8_t* p = image.At(x * factor + dx, y * factor + dy);
          for (int i = 0; i < 3; ++i) sum[i] += static_cast<uint32_t>(p[i]) * p[3];
          sum[3] += p[3];
        }
      }
      uint8_t* q = out.At(x, y);
      for (int i = 0; i < 3; ++i) q[i] = sum[3] == 0 ? 0 : static_cast<uint8_t>(sum[i] / sum[3]);
      q[3] = static_cast<uint8_t>(sum[3] / cells);
    }
  }
  return out;
}

}  // namespace kelvo
