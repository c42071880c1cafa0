// The program's one 24-bit bitmap writer (54-byte header, rows bottom-up, blue-green-red),
// used by every bitmap export. An RgbImage is a plain top-down picture owned by its maker.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "portrait/layer.h"
#include "portrait/pixel.h"

namespace kelvo {

struct RgbImage {
  RgbImage() = default;
  RgbImage(int32_t w, int32_t h)
      : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h)) {}
  int32_t width = 0;
  int32_t height = 0;
  std::vector<Rgb> pixels;  // row-major, top row first

  Rgb& At(int32_t x, int32_t y) { return pixels[static_cast<size_t>(y) * width + x]; }
  const Rgb& At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline constexpr size_t kBmpHeaderSize = 54;

// The whole file image: header, then rows of (3 * width + 3) rounded down to 4 bytes.
std::vector<uint8_t> EncodeBmp24(const RgbImage& image);
// The same bytes as EncodeBmp24(LayerToRgb(layer)), made in one pass into `out`, whose
// storage is reused from call to call.
void EncodeBmp24(const Layer& layer, std::string& out);
// Writes the file at a path in Windows form, through a temporary file renamed when complete;
// throws IoError naming the file.
void WriteBmp24(const std::string& path, const RgbImage& image);
// Every layer pixel as split_rgb16 of it.
RgbImage LayerToRgb(const Layer& layer);

}  // namespace kelvo
