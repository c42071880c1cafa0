#include "portrait/bmp_writer.h"

#include <algorithm>

#include "foundation/paths.h"

namespace kelvo {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const RgbImage& image) {
  const uint32_t width = static_cast<uint32_t>(std::max(image.width, 0));
  const uint32_t height = static_cast<uint32_t>(std::max(image.height, 0));
  const size_t row_size = (3 * size_t{width} + 3) / 4 * 4;
  std::vector<uint8_t> out;
  out.reserve(kBmpHeaderSize + row_size * height);
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<uint32_t>(kBmpHeaderSize + row_size * height));
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, kBmpHeaderSize);
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 3149);
  Put32(out, 3149);
  Put32(out, 0);
  Put32(out, 0);
  for (uint32_t r = height; r-- > 0;) {
    const size_t row_start = out.size();
    for (uint32_t x = 0; x < width; ++x) {
      const Rgb& p = image.At(static_cast<int32_t>(x), static_cast<int32_t>(r));
      out.push_back(p.b);
      out.push_back(p.g);
      out.push_back(p.r);
    }
    out.resize(row_start + row_size, 0);
  }
  return out;
}

void WriteBmp24(const std::string& path, const RgbImage& image) {
  WriteFileAtomically(path, EncodeBmp24(image));
}

RgbImage LayerToRgb(const Layer& layer) {
  RgbImage image(layer.width, layer.height);
  for (int32_t y = 0; y < layer.height; ++y) {
    const uint16_t* row = layer.Row(y);
    for (int32_t x = 0; x < layer.width; ++x) image.At(x, y) = split_rgb16(row[x]);
  }
  return image;
}

}  // namespace kelvo
