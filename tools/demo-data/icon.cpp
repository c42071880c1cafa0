#include "icon.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace kelvo::demo {
namespace {

// Source pixel s of a side-long row covers [s * size, (s + 1) * size) and icon pixel o covers
// [o * side, (o + 1) * side) in units of 1 / (side * size): the length both share.
int64_t Overlap(int64_t s, int64_t o, int64_t side, int64_t size) {
  const int64_t low = std::max(s * size, o * side);
  const int64_t high = std::min((s + 1) * size, (o + 1) * side);
  return std::max<int64_t>(0, high - low);
}

}  // namespace

RgbImage IconImage(const RgbImage& picture, int size) {
  if (picture.width < 1 || picture.height < 1 || size < 1)
    throw std::invalid_argument("IconImage: empty picture or size");
  const int side = std::min(picture.width, picture.height);
  const int left = (picture.width - side) / 2;
  const int top = (picture.height - side) / 2;
  RgbImage icon(size, size);
  const int64_t area = static_cast<int64_t>(side) * side;
  for (int oy = 0; oy < size; ++oy) {
    const int y0 = static_cast<int>(static_cast<int64_t>(oy) * side / size);
    const int y1 = static_cast<int>(std::min<int64_t>(side - 1, (oy + 1) * int64_t{side} / size));
    for (int ox = 0; ox < size; ++ox) {
      const int x0 = static_cast<int>(static_cast<int64_t>(ox) * side / size);
      const int x1 = static_cast<int>(std::min<int64_t>(side - 1, (ox + 1) * int64_t{side} / size));
      int64_t r = 0, g = 0, b = 0;
      for (int sy = y0; sy <= y1; ++sy) {
        const int64_t wy = Overlap(sy, oy, side, size);
        if (wy == 0) continue;
        for (int sx = x0; sx <= x1; ++sx) {
          const int64_t w = wy * Overlap(sx, ox, side, size);
          const Rgb& p = picture.At(left + sx, top + sy);
          r += w * p.r;
          g += w * p.g;
          b += w * p.b;
        }
      }
      // The weights of one icon pixel add up to side * side; round halves up.
      Rgb& out = icon.At(ox, oy);
      out.r = static_cast<uint8_t>((r + area / 2) / area);
      out.g = static_cast<uint8_t>((g + area / 2) / area);
      out.b = static_cast<uint8_t>((b + area / 2) / area);
    }
  }
  return icon;
}

}  // namespace kelvo::demo
