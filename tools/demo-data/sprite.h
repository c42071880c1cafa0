// Painting surfaces for one subcomponent image: Sprite8 keeps a float shade, a
// colour slot and a coverage per pixel; Sprite16 keeps a float colour and a
// coverage. Finish() turns them into the library's pixel values, cropped to what
// was painted, with the offset of the first pixel from the component's position.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster.h"

namespace kelvo::demo {

struct Image8 {
  int x = 0, y = 0, w = 0, h = 0;
  std::vector<uint8_t> px;
};

struct Image16 {
  int x = 0, y = 0, w = 0, h = 0;
  std::vector<uint16_t> px;
};

struct Rgb {
  float r = 0, g = 0, b = 0;
};
Rgb MixRgb(Rgb a, Rgb b, float t);
Rgb Scale(Rgb a, float k);
uint16_t Pack565(Rgb c);

constexpr uint16_t kGreenKey = 0x07E0;

class Sprite8 {
 public:
  explicit Sprite8(Rect r);
  const Rect& rect() const { return rect_; }

  // Paints a shape (signed distance over this sprite's rectangle) in `slot` with
  // the shade level(x, y, d), anti-aliased against what lies below in the sprite.
  template <class LevelFn>
  void Paint(const Field& sdf, int slot, LevelFn level) {
    for (int y = rect_.y; y < rect_.Bottom(); ++y) {
      for (int x = rect_.x; x < rect_.Right(); ++x) {
        float d = sdf.Get(x, y);
        if (d >= 0.5f) continue;
        Put(x, y, slot, level(x, y, d), Clamp(0.5f - d, 0, 1));
      }
    }
  }
  void PaintFlat(const Field& sdf, int slot, float level);
  // Multiplies the shade of painted pixels inside the shape by factor(x, y, d).
  template <class FactorFn>
  void Modulate(const Field& sdf, FactorFn factor) {
    for (int y = rect_.y; y < rect_.Bottom(); ++y) {
      for (int x = rect_.x; x < rect_.Right(); ++x) {
        size_t i = Index(x, y);
        float d = sdf.Get(x, y);
        if (cover_[i] <= 0 || d >= 0.5f) continue;
        float k = Clamp(0.5f - d, 0, 1);
        level_[i] = Mix(level_[i], level_[i] * factor(x, y, d), k);
      }
    }
  }
  // Thins painted pixels out by an ordered dither where fade(x, y) < 1, so that
  // an image can melt into whatever lies below it.
  template <class FadeFn>
  void Fade(FadeFn fade) {
    for (int y = rect_.y; y < rect_.Bottom(); ++y) {
      for (int x = rect_.x; x < rect_.Right(); ++x) fade_[Index(x, y)] *= fade(x, y);
    }
  }
  void Put(int x, int y, int slot, float level, float coverage);
  bool Covered(int x, int y) const;

  // Library pixels: 64 * (slot - 1) + shade, dithered; 0 where not covered.
  Image8 Finish() const;
  // A clipping mask: 63 (non-zero) where covered.
  Image8 FinishMask() const;

 private:
  size_t Index(int x, int y) const {
    return static_cast<size_t>(y - rect_.y) * rect_.w + (x - rect_.x);
  }
  Image8 Crop(std::vector<uint8_t> full) const;
  Rect rect_;
  std::vector<float> level_, cover_, fade_;
  std::vector<uint8_t> slot_;
};

class Sprite16 {
 public:
  explicit Sprite16(Rect r);
  const Rect& rect() const { return rect_; }
  template <class ColourFn>
  void Paint(const Field& sdf, ColourFn colour) {
    for (int y = rect_.y; y < rect_.Bottom(); ++y) {
      for (int x = rect_.x; x < rect_.Right(); ++x) {
        float d = sdf.Get(x, y);
        if (d >= 0.5f) continue;
        Put(x, y, colour(x, y, d), Clamp(0.5f - d, 0, 1));
      }
    }
  }
  template <class ColourFn>
  void Fill(ColourFn colour) {
    for (int y = rect_.y; y < rect_.Bottom(); ++y) {
      for (int x = rect_.x; x < rect_.Right(); ++x) Put(x, y, colour(x, y), 1);
    }
  }
  void Put(int x, int y, Rgb c, float coverage);
  // 5-6-5 pixels, dithered; the green key where not covered. `crop` trims
  // uncovered borders, otherwise the image keeps the whole rectangle.
  Image16 Finish(bool crop) const;

 private:
  size_t Index(int x, int y) const {
    return static_cast<size_t>(y - rect_.y) * rect_.w + (x - rect_.x);
  }
  Rect rect_;
  std::vector<Rgb> colour_;
  std::vector<float> cover_;
};

}  // namespace kelvo::demo
