#include "portrait/transparent_render.h"

#include <stdexcept>

#include "portrait/pixel.h"
#include "portrait/portrait.h"

namespace kelvo {

namespace {

void CheckScale(int scale) {
  if (scale != 1 && scale != 2 && scale != 4 && scale != 8) {
    throw std::invalid_argument("RenderTransparent: the scale must be 1, 2, 4 or 8");
  }
}

}  // namespace

RgbaImage RenderTransparent(TKelvoPortret& portrait, int scale) {
  CheckScale(scale);
  // A pixel the coverage renders leave at their different fills is one nothing covers.
  TKelvoPortret::RenderBuffers dark, light, full;
  portrait.RenderCoverage(0x0000, dark);
  portrait.RenderCoverage(0xFFFF, light);
  portrait.LendRenderBuffers(full);
  struct GiveBack {
    TKelvoPortret& portrait;
    TKelvoPortret::RenderBuffers& buffers;
    ~GiveBack() { portrait.ReturnRenderBuffers(buffers); }
  } give_back{portrait, full};
  portrait.PripravPortret(false);
  return CoveredPicture(*portrait.RenderLayer, *dark.canvas, *light.canvas, scale);
}

RgbaImage CoveredPicture(const Layer& colours, const Layer& a, const Layer& b, int scale) {
  CheckScale(scale);
  if (a.width != colours.width || b.width != colours.width || a.height != colours.height ||
      b.height != colours.height) {
    throw std::invalid_argument("CoveredPicture: the three renders differ in size");
  }
  RgbaImage image(colours.width / scale, colours.height / scale);
  const uint32_t block = static_cast<uint32_t>(scale * scale);
  for (int32_t y = 0; y < image.height; ++y) {
    for (int32_t x = 0; x < image.width; ++x) {
      uint32_t covered = 0, r = 0, g = 0, bl = 0;
      for (int32_t by = y * scale; by < (y + 1) * scale; ++by) {
        for (int32_t bx = x * scale; bx < (x + 1) * scale; ++bx) {
          if (a.At(bx, by) != b.At(bx, by)) continue;
          const uint16_t p = colours.At(bx, by);
          ++covered;
          r += p >> 11;
          g += (p >> 5) & 0x3F;
          bl += p & 0x1F;
        }
      }
      if (covered == 0) continue;
      const Rgb c = split_rgb16(
          static_cast<uint16_t>(((r / covered) << 11) | ((g / covered) << 5) | (bl / covered)));
      uint8_t* out = image.At(x, y);
      out[0] = c.r;
      out[1] = c.g;
      out[2] = c.b;
      out[3] = static_cast<uint8_t>((255 * covered + block / 2) / block);
    }
  }
  return image;
}

}  // namespace kelvo
