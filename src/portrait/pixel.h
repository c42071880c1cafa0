// 16-bit 5-6-5 pixels and 24-bit colour values (red in the low byte): packing, splitting and
// the per-channel minimum that darkens shadows. Plain value functions, no state.
#pragma once

#include <cstdint>

namespace kelvo {

inline constexpr uint16_t kRedMask565 = 0xF800;
inline constexpr uint16_t kGreenMask565 = 0x07E0;
inline constexpr uint16_t kBlueMask565 = 0x001F;
// Pure green: the transparent key of 16-bit component images.
inline constexpr uint16_t kTransparent565 = 0x07E0;

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr uint16_t pack_rgb16(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<uint16_t>(((r >> 3) << 11) | (((g >> 2) & 0x3F) << 5) | (b >> 3));
}

// The low bits of each channel come back as zero: 0xFFFF splits to 248, 252, 248.
constexpr Rgb split_rgb16(uint16_t p) {
  return Rgb{static_cast<uint8_t>((p >> 11) << 3), static_cast<uint8_t>(((p >> 5) & 0x3F) << 2),
             static_cast<uint8_t>((p & 0x1F) << 3)};
}

constexpr uint32_t rgb16_to_color(uint16_t p) {
  const Rgb c = split_rgb16(p);
  return (uint32_t{c.b} << 16) | (uint32_t{c.g} << 8) | c.r;
}

constexpr Rgb split_color(uint32_t c) {
  return Rgb{static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
             static_cast<uint8_t>((c >> 16) & 0xFF)};
}

// Per-channel minimum; only ever darkens. Comparing the masked fields in place gives the same
// result as splitting and packing again, without the shifts.
constexpr uint16_t min_rgb16(uint16_t a, uint16_t b) {
  const uint16_t r = (a & kRedMask565) < (b & kRedMask565) ? a & kRedMask565 : b & kRedMask565;
  const uint16_t g =
      (a & kGreenMask565) < (b & kGreenMask565) ? a & kGreenMask565 : b & kGreenMask565;
  const uint16_t bl = (a & kBlueMask565) < (b & kBlueMask565) ? a & kBlueMask565 : b & kBlueMask565;
  return static_cast<uint16_t>(r | g | bl);
}

}  // namespace kelvo
