#include "portrait/transparent_picture.h"

#include <algorithm>
#include <optional>

#include "portrait/pixel.h"
#include "portrait/portrait.h"
#include "portrait/transparent_render.h"

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
                                   const std::function<void(TKelvoPortret&)>& draw, int scale) {
  const BackgroundsLeftOut guard(portrait);
  const Layer first = DrawOver(portrait, kFirstCanvas, draw);
  const Layer& second = DrawOver(portrait, kSecondCanvas, draw);
  return CoveredPicture(second, first, second, scale);
}

}  // namespace kelvo
