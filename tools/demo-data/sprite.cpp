#include "sprite.h"

#include <algorithm>
#include <cmath>

namespace kelvo::demo {

namespace {

// 4 x 4 ordered dither thresholds, -0.5 .. 0.5.
float Bayer(int x, int y) {
  static constexpr int kTable[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return (kTable[y & 3][x & 3] + 0.5f) / 16.0f - 0.5f;
}

}  // namespace

Rgb MixRgb(Rgb a, Rgb b, float t) {
  return {Mix(a.r, b.r, t), Mix(a.g, b.g, t), Mix(a.b, b.b, t)};
}

Rgb Scale(Rgb a, float k) {
  return {a.r * k, a.g * k, a.b * k};
}

uint16_t Pack565(Rgb c) {
  auto q = [](float v, int bits) {
    int max = (1 << bits) - 1;
    return std::clamp(static_cast<int>(std::lround(v / 255.0f * max)), 0, max);
  };
  return static_cast<uint16_t>(q(c.r, 5) << 11 | q(c.g, 6) << 5 | q(c.b, 5));
}

Sprite8::Sprite8(Rect r)
    : rect_(r),
      level_(static_cast<size_t>(r.w) * r.h, 0),
      cover_(static_cast<size_t>(r.w) * r.h, 0),
      fade_(static_cast<size_t>(r.w) * r.h, 1),
      slot_(static_cast<size_t>(r.w) * r.h, 0) {}

void Sprite8::Put(int x, int y, int slot, float level, float coverage) {
  if (!rect_.Contains(x, y) || coverage <= 0) return;
  size_t i = Index(x, y);
  if (cover_[i] <= 0) {
    level_[i] = level;
    slot_[i] = static_cast<uint8_t>(slot);
    cover_[i] = coverage;
    return;
  }
  level_[i] = Mix(level_[i], level, coverage);
  if (coverage >= 0.5f) slot_[i] = static_cast<uint8_t>(slot);
  cover_[i] = cover_[i] + coverage * (1 - cover_[i]);
}

void Sprite8::PaintFlat(const Field& sdf, int slot, float level) {
  Paint(sdf, slot, [level](int, int, float) { return level; });
}

bool Sprite8::Covered(int x, int y) const {
  return rect_.Contains(x, y) && cover_[Index(x, y)] >= 0.5f;
}

Image8 Sprite8::Finish() const {
  std::vector<uint8_t> full(level_.size(), 0);
  for (int y = rect_.y; y < rect_.Bottom(); ++y) {
    for (int x = rect_.x; x < rect_.Right(); ++x) {
      size_t i = Index(x, y);
      if (cover_[i] < 0.5f || fade_[i] <= Bayer(x + 1, y + 2) + 0.5f) continue;
      int slot = std::clamp<int>(slot_[i], 1, 4);
      int shade = static_cast<int>(std::lround(level_[i] + Bayer(x, y)));
      shade = std::clamp(shade, slot == 1 ? 1 : 0, 63);
      full[i] = static_cast<uint8_t>(64 * (slot - 1) + shade);
    }
  }
  return Crop(std::move(full));
}

Image8 Sprite8::FinishMask() const {
  std::vector<uint8_t> full(level_.size(), 0);
  for (size_t i = 0; i < full.size(); ++i) full[i] = cover_[i] >= 0.5f ? 63 : 0;
  return Crop(std::move(full));
}

Image8 Sprite8::Crop(std::vector<uint8_t> full) const {
  int x0 = rect_.w, y0 = rect_.h, x1 = -1, y1 = -1;
  for (int y = 0; y < rect_.h; ++y) {
    for (int x = 0; x < rect_.w; ++x) {
      if (full[static_cast<size_t>(y) * rect_.w + x] == 0) continue;
      x0 = std::min(x0, x), x1 = std::max(x1, x);
      y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
  }
  Image8 img;
  if (x1 < 0) return img;
  img.x = rect_.x + x0, img.y = rect_.y + y0;
  img.w = x1 - x0 + 1, img.h = y1 - y0 + 1;
  img.px.resize(static_cast<size_t>(img.w) * img.h);
  for (int y = 0; y < img.h; ++y) {
    std::copy_n(full.begin() + static_cast<long>((y0 + y) * rect_.w + x0), img.w,
                img.px.begin() + static_cast<long>(y * img.w));
  }
  return img;
}

Sprite16::Sprite16(Rect r)
    : rect_(r),
      colour_(static_cast<size_t>(r.w) * r.h),
      cover_(static_cast<size_t>(r.w) * r.h, 0) {}

void Sprite16::Put(int x, int y, Rgb c, float coverage) {
  if (!rect_.Contains(x, y) || coverage <= 0) return;
  size_t i = Index(x, y);
  colour_[i] = cover_[i] <= 0 ? c : MixRgb(colour_[i], c, coverage);
  cover_[i] = cover_[i] + coverage * (1 - cover_[i]);
}

Image16 Sprite16::Finish(bool crop) const {
  int x0 = 0, y0 = 0, x1 = rect_.w - 1, y1 = rect_.h - 1;
  if (crop) {
    x0 = rect_.w, y0 = rect_.h, x1 = -1, y1 = -1;
    for (int y = 0; y < rect_.h; ++y) {
      for (int x = 0; x < rect_.w; ++x) {
        if (cover_[static_cast<size_t>(y) * rect_.w + x] < 0.5f) continue;
        x0 = std::min(x0, x), x1 = std::max(x1, x);
        y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
    }
  }
  Image16 img;
  if (x1 < 0) return img;
  img.x = rect_.x + x0, img.y = rect_.y + y0;
  img.w = x1 - x0 + 1, img.h = y1 - y0 + 1;
  img.px.resize(static_cast<size_t>(img.w) * img.h);
  for (int y = 0; y < img.h; ++y) {
    for (int x = 0; x < img.w; ++x) {
      size_t i = static_cast<size_t>(y0 + y) * rect_.w + (x0 + x);
      uint16_t p = kGreenKey;
      if (cover_[i] >= 0.5f) {
        float t = Bayer(x + x0, y + y0);
        Rgb c = colour_[i];
        p = Pack565({c.r + t * 8, c.g + t * 4, c.b + t * 8});
        if (p == kGreenKey) p = 0x07E1;  // painted pure green must not turn transparent
      }
      img.px[static_cast<size_t>(y) * img.w + x] = p;
    }
  }
  return img;
}

}  // namespace kelvo::demo
