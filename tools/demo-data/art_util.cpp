#include "art_util.h"

#include <algorithm>
#include <cmath>

#include "art.h"

namespace kelvo::demo {

// Outline of the whole head, clockwise from the crown. The skull is the same
// for every face of a species so that hair fits all of them.
std::vector<Pt> HeadOutline(Species sp, const FaceShape& f, float drop) {
  std::vector<Pt> right;
  switch (sp) {
    case Species::kMale:
      right = {{0, -100}, {42, -93}, {68, -68}, {78, -32}};
      break;
    case Species::kFemale:
      right = {{0, -97}, {41, -90}, {66, -65}, {75, -31}};
      break;
    case Species::kApe:
      right = {{0, -90}, {48, -86}, {76, -62}, {84, -30}};
      break;
  }
  float jaw_mid = 0.5f * (f.cheek_w + f.jaw_w) + 2;
  right.push_back({f.cheek_w, 12});
  right.push_back({jaw_mid, 40});
  right.push_back({f.jaw_w, f.jaw_y});
  right.push_back({f.chin_w + 6, f.chin_y - 7});
  std::vector<Pt> ctrl = right;
  ctrl.push_back({0, f.chin_y});
  for (size_t i = right.size() - 1; i >= 1; --i) ctrl.push_back({-right[i].x, right[i].y});
  std::vector<Pt> outline = Spline(ctrl, 8, true);
  for (Pt& p : outline) p.y += drop * Smoothstep(kJawTop, kJawBottom, p.y);
  return outline;
}

void Fuzz(Field& sdf, Pt centre, float amount, float scale, uint32_t seed) {
  const Rect& r = sdf.rect();
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) {
      float& d = sdf.At(x, y);
      if (d > amount * 2 + 2 || d < -amount * 2 - 2) continue;
      float a = std::atan2(y - centre.y, x - centre.x);
      float dist = std::sqrt((x - centre.x) * (x - centre.x) + (y - centre.y) * (y - centre.y));
      d += amount * (Fbm(a * dist / scale, dist / (scale * 3), seed, 2) - 0.5f) * 2;
    }
  }
}

void AddSoft(Field& strength, const Field& sdf, float softness, float amount) {
  for (size_t i = 0; i < strength.values().size(); ++i) {
    float d = sdf.values()[i];
    if (d > 3 * softness) continue;
    float t = d <= 0 ? 1 : std::exp(-(d / softness) * (d / softness));
    strength.values()[i] += amount * t;
  }
}

Image8 ShadowImage(const Field& strength, int slot, float max_strength) {
  const Rect& r = strength.rect();
  Sprite8 img(r);
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) {
      float s = std::min(strength.At(x, y), max_strength);
      if (s < 0.06f) continue;
      img.Put(x, y, slot, 56 - 40 * s, 1);
    }
  }
  return img.Finish();
}

void AddBlush(Field& strength, Rect r) {
  AddSoft(strength, SdfEllipse(r, {-42, 30}, 12, 7), 9, 0.45f);
  AddSoft(strength, SdfEllipse(r, {42, 30}, 12, 7), 9, 0.45f);
}

void Freckles(Sprite8& img, Rect r) {
  for (uint32_t i = 0; i < 70; ++i) {
    float u = (Hash(i, 11) & 0xFFFF) / 65535.0f, v = (Hash(i, 12) & 0xFFFF) / 65535.0f;
    float x = (u - 0.5f) * 104, y = 4 + v * 34 - std::abs(x) * 0.1f;
    if (std::abs(x) < 9 && y > 14) continue;  // not on the nose tip
    float rad = 0.7f + ((Hash(i, 13) & 0xFF) / 255.0f) * 0.7f;
    img.PaintFlat(SdfEllipse(r, {x, y}, rad, rad), 1, 24 + (Hash(i, 14) & 7));
  }
}

float StrandLevel(const Shading& light, int x, int y, Pt crown, uint32_t seed, float coarse) {
  float dx = x - crown.x, dy = y - crown.y;
  float len = std::sqrt(dx * dx + dy * dy) + 1e-3f;
  // Along the strand (u) the noise is stretched, across it (v) it is fine.
  float u = len, v = std::atan2(dy, dx) * std::max(len, 40.0f);
  float strand = Fbm(u * 0.05f / coarse, v * 0.45f / coarse, seed, 3);
  float fine = Noise(u * 0.1f, v * 1.1f / coarse, seed + 7);
  float diffuse = light.diffuse.At(x, y);
  float spec = light.specular.At(x, y);
  float level = 5 + 36 * diffuse * Mix(0.65f, 1.2f, strand) + 16 * spec * Mix(0.3f, 1.4f, fine);
  return level * Mix(0.8f, 1.05f, fine);
}

Image8 Overlay(const Image8& bottom, const Image8& top) {
  if (bottom.px.empty()) return top;
  if (top.px.empty()) return bottom;
  int x0 = std::min(bottom.x, top.x), y0 = std::min(bottom.y, top.y);
  int x1 = std::max(bottom.x + bottom.w, top.x + top.w);
  int y1 = std::max(bottom.y + bottom.h, top.y + top.h);
  Image8 out;
  out.x = x0, out.y = y0, out.w = x1 - x0, out.h = y1 - y0;
  out.px.assign(static_cast<size_t>(out.w) * out.h, 0);
  for (const Image8* img : {&bottom, &top}) {
    for (int y = 0; y < img->h; ++y) {
      for (int x = 0; x < img->w; ++x) {
        uint8_t v = img->px[static_cast<size_t>(y) * img->w + x];
        if (v != 0) out.px[static_cast<size_t>(y + img->y - y0) * out.w + (x + img->x - x0)] = v;
      }
    }
  }
  return out;
}

void PaintCloth(Sprite8& img, const Field& sdf, int slot, float radius, float folds,
                uint32_t seed) {
  const Rect& r = sdf.rect();
  Field h = Dome(sdf, radius, radius * 0.8f);
  if (folds > 0) {
    for (int y = r.y; y < r.Bottom(); ++y) {
      for (int x = r.x; x < r.Right(); ++x) {
        if (sdf.At(x, y) > 0) continue;
        h.At(x, y) += folds * Fbm(x * 0.035f, y * 0.018f, seed, 3) * 12;
      }
    }
  }
  Blur(h, 1.5f);
  Shading light = Shade(h, 6);
  img.Paint(sdf, slot, [&](int x, int y, float d) {
    return LitLevel(light, x, y, {9, 34, 3}) * Mix(0.5f, 1.0f, Rim(d, 2.5f));
  });
}

Image8 Stretch(const Image8& img, float y0, float y1, float drop) {
  if (img.px.empty() || drop <= 0) return img;
  Image8 out = img;
  const int extra = static_cast<int>(std::ceil(drop));
  out.h = img.h + extra;
  out.px.assign(static_cast<size_t>(out.w) * out.h, 0);
  for (int y = 0; y < out.h; ++y) {
    // Find the source row: invert y_out = y_in + drop * s(y_in) by a few steps.
    float yo = static_cast<float>(y + out.y), yi = yo;
    for (int i = 0; i < 6; ++i) yi = yo - drop * Smoothstep(y0, y1, yi);
    int sy = static_cast<int>(std::lround(yi)) - img.y;
    if (sy < 0 || sy >= img.h) continue;
    std::copy_n(img.px.begin() + static_cast<long>(sy) * img.w, img.w,
                out.px.begin() + static_cast<long>(y) * out.w);
  }
  return out;
}

Skull SkullOf(Species sp) {
  switch (sp) {
    case Species::kFemale:
      return {{0, -26}, 76, 71};
    case Species::kApe:
      return {{0, -24}, 86, 66};
    default:
      return {{0, -26}, 79, 74};
  }
}

std::vector<Pt> Crown(Species sp, float side, float top, float y_left, float y_right) {
  const Skull k = SkullOf(sp);
  // Below the skull's widest line the sides go straight down.
  auto angle_at = [&](float y) {
    return y >= k.centre.y ? 0.0f : std::asin(Clamp((k.centre.y - y) / (k.ry + side), -1, 1));
  };
  const float pi = 3.14159265f;
  float a0 = pi - angle_at(y_left), a1 = angle_at(y_right);
  std::vector<Pt> out;
  if (y_left > k.centre.y) out.push_back({k.centre.x - k.rx - side, y_left});
  const int n = 40;
  for (int i = 0; i <= n; ++i) {
    float a = Mix(a0, a1, static_cast<float>(i) / n);
    float s = std::sin(a);
    float extra = s > 0 ? top * s * s : 0;
    out.push_back(
        {k.centre.x + (k.rx + side) * std::cos(a), k.centre.y - (k.ry + side + extra) * s});
  }
  if (y_right > k.centre.y) out.push_back({k.centre.x + k.rx + side, y_right});
  return out;
}

void PaintHair(Sprite8& img, const Field& sdf, Species sp, Pt crown, uint32_t seed, float coarse,
               int slot, bool hairline) {
  const Rect& r = sdf.rect();
  const Skull k = SkullOf(sp);
  Field h(r, 0);
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) {
      // The head's roundness plus a roll-off at the hair's own edge.
      float u = (x - k.centre.x) / (k.rx + 30), v = (y - k.centre.y) / (k.ry + 60);
      float round = 70 * std::sqrt(std::max(0.0f, 1 - u * u - v * v));
      float d = sdf.At(x, y);
      float e = 1 - std::min(-d / 8, 1.0f);
      float edge = d < 0 ? 8 * std::sqrt(1 - e * e) : 0;
      h.At(x, y) = round + edge;
    }
  }
  Blur(h, 1.5f);
  Shading light = Shade(h, 24);
  auto on_skull = [&](int x, int y) {
    if (!hairline) return false;
    float u = (x - k.centre.x) / (k.rx - 3), v = (y - k.centre.y) / (k.ry - 3);
    return u * u + v * v < 1 && y > k.centre.y - k.ry + 12;
  };
  img.Paint(sdf, slot, [&](int x, int y, float d) {
    float rim = on_skull(x, y) ? Mix(0.8f, 1.0f, Rim(d, 2)) : Mix(0.55f, 1.0f, Rim(d, 2.5f));
    return StrandLevel(light, x, y, crown, seed, coarse) * rim;
  });
  if (hairline) {
    img.Fade([&](int x, int y) {
      return on_skull(x, y) ? Smoothstep(0.5f, -5, sdf.Get(x, y)) * 0.85f + 0.15f : 1.0f;
    });
  }
}

Field CastShadow(const Field& sdf, float dx, float dy, float soft, float amount) {
  const Rect& r = sdf.rect();
  Field s(r, 0);
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) {
      float d = sdf.Sample(x - dx, y - dy);
      s.At(x, y) = amount * Smoothstep(soft, -soft, d);
    }
  }
  return s;
}

Field BelowLine(Rect r, const std::vector<Pt>& line) {
  std::vector<Pt> poly = line;
  poly.push_back({line.back().x, 1000});
  poly.push_back({line.front().x, 1000});
  return SdfPolygon(r, poly);
}

}  // namespace kelvo::demo
