// The portrait as one picture with a transparent background, for the editor's "Export portrait"
// and the clipboard: backgrounds are not drawn, a pixel no component drew has alpha 0 and every
// other pixel is opaque in its ordinary colour. The batch renderer's transparent render
// (transparent_render.h) makes the same picture type.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "portrait/layer.h"

namespace kelvo {

class TKelvoPortret;

// A top-down picture of red, green, blue, alpha bytes, owned by its maker.
struct RgbaImage {
  RgbaImage() = default;
  RgbaImage(int32_t w, int32_t h)
      : width(w), height(h), bytes(static_cast<size_t>(w) * static_cast<size_t>(h) * 4, 0) {}
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> bytes;

  uint8_t* At(int32_t x, int32_t y) { return &bytes[(static_cast<size_t>(y) * width + x) * 4]; }
  const uint8_t* At(int32_t x, int32_t y) const {
    return &bytes[(static_cast<size_t>(y) * width + x) * 4];
  }
};

// Every pixel of a 5-6-5 layer, opaque.
RgbaImage OpaqueRgba(const Layer& layer);

// Draws the portrait twice with `draw` (which renders into the portrait's RenderLayer as the
// caller's drawing options say, without clearing it or computing positions: the caller has
// computed them with the background chosen), once over each of two canvas colours and
// with no background component; a pixel that came out equal both times was drawn, any other was
// not. Reduced by `scale` (1, 2, 4 or 8) as `kelvo render --transparent --scale` reduces
// (CoveredPicture). The selection of the backgrounds and the RenderLayer's pixels are as before
// afterwards, also when `draw` throws.
RgbaImage RenderTransparentPicture(TKelvoPortret& portrait,
                                   const std::function<void(TKelvoPortret&)>& draw, int scale = 1);

}  // namespace kelvo
