// Mouths and their talking steps.
#include <cmath>

#include "art.h"
#include "art_util.h"

namespace kelvo::demo {

namespace {

// Mouth slots: 1 lips, 2 whites (teeth), 3 skin.
constexpr int kLipSlot = 1, kTeethSlot = 2;

struct MouthGeometry {
  std::vector<Pt> upper_outer, upper_inner, lower_inner, lower_outer;
};

MouthGeometry Geometry(Species sp, const MouthShape& m, int step) {
  float w = m.width, smile = m.smile, gap = 0;
  switch (step) {
    case 1:
      gap = 3;
      break;
    case 2:
      gap = 10, w *= 0.62f;
      break;
    case 3:
      gap = 6, w *= 1.08f, smile += 2;
      break;
    case 4:
      gap = 13 + kJawDrop;
      w *= 0.9f;
      break;
    default:
      break;
  }
  const float up = sp == Species::kFemale ? m.upper * 1.2f : m.upper;
  const float low = sp == Species::kFemale ? m.lower * 1.2f : m.lower;
  MouthGeometry g;
  const int n = 24;
  for (int i = 0; i <= n; ++i) {
    float t = -1 + 2.0f * i / n;  // -1 .. 1 across the mouth
    float x = t * w;
    float bell = 1 - t * t;
    float line = 0.8f * bell - (smile + (t > 0 ? m.asym : 0)) * (t * t);
    if (step == 2) bell = std::sqrt(std::max(bell, 0.0f));
    float bow = std::exp(-std::pow((std::abs(t) - 0.33f) / 0.3f, 2.0f));
    float top = line - gap * 0.3f * bell - up * (0.55f * bell + 0.45f * bow * bell);
    float lower_top = line + gap * 0.7f * bell;
    g.upper_outer.push_back({x, top});
    g.upper_inner.push_back({x, line - gap * 0.3f * bell});
    g.lower_inner.push_back({x, lower_top});
    g.lower_outer.push_back(
        {x * 0.96f, lower_top + low * std::pow(std::max(bell, 0.0f), 0.7f) + 0.5f});
  }
  return g;
}

std::vector<Pt> Between(const std::vector<Pt>& top, const std::vector<Pt>& bottom) {
  std::vector<Pt> out = top;
  out.insert(out.end(), bottom.rbegin(), bottom.rend());
  return out;
}

}  // namespace

Image8 DrawMouth(Species sp, const MouthShape& m, int step) {
  const Rect r{-48, -24, 96, 50};
  MouthGeometry g = Geometry(sp, m, step);
  Sprite8 img(r);
  Field upper = SdfPolygon(r, Between(g.upper_outer, g.upper_inner));
  Field lower = SdfPolygon(r, Between(g.lower_inner, g.lower_outer));
  Field lips = upper;
  Union(lips, lower);
  Field h = Dome(lips, 3, 3);
  Shading light = Shade(h, 25);
  const bool ape = sp == Species::kApe;
  img.Paint(upper, kLipSlot, [&](int x, int y, float d) {
    return (LitLevel(light, x, y, {10, 24, 4}) - 3) * Mix(0.75f, 1.0f, Rim(d, 1.5f));
  });
  img.Paint(lower, kLipSlot, [&](int x, int y, float d) {
    float level = LitLevel(light, x, y, {14, 28, ape ? 6.0f : 16.0f});
    return level * Mix(0.7f, 1.0f, Rim(d, 1.5f));
  });
  // The lip edges melt into the face, except along the mouth line.
  img.Fade([&](int x, int y) {
    float d = lips.At(x, y);
    return Smoothstep(0.6f, -1.2f, d) * 0.5f + 0.5f;
  });
  if (step > 0) {
    Field opening = SdfPolygon(r, Between(g.upper_inner, g.lower_inner));
    img.Paint(opening, kLipSlot,
              [&](int, int y, float) { return 3 + 3 * Smoothstep(0, 8, static_cast<float>(y)); });
    float top = g.upper_inner[12].y, bottom = g.lower_inner[12].y;
    float half = std::abs(g.upper_inner.back().x);
    Field teeth = SdfBox(r, {0, top + 1.5f}, half * 0.55f, step == 3 ? 3.5f : 2.5f, 1);
    if (step == 3) Union(teeth, SdfBox(r, {0, bottom - 1.5f}, half * 0.5f, 2.5f, 1));
    if (ape) {
      Union(teeth, SdfStroke(r, {{-half * 0.4f, top}, {-half * 0.38f, top + 6}}, 2.2f, 0.4f));
      Union(teeth, SdfStroke(r, {{half * 0.4f, top}, {half * 0.38f, top + 6}}, 2.2f, 0.4f));
    }
    Intersect(teeth, opening);
    img.Paint(teeth, kTeethSlot, [&](int x, int, float d) {
      float gapline = std::abs(std::fmod(std::abs(x) + 2.5f, 5.0f) - 2.5f) < 0.5f ? 0.8f : 1.0f;
      return (44 - 8 * std::abs(x) / (half + 1)) * gapline * Mix(0.8f, 1.0f, Rim(d, 1));
    });
    if (step == 4 || step == 2) {
      Field tongue = SdfEllipse(r, {0, bottom + 2}, half * 0.5f, (bottom - top) * 0.35f);
      Intersect(tongue, opening);
      img.Paint(tongue, kLipSlot, [&](int, int y, float) { return 18 + (y - bottom) * 0.5f; });
    }
  } else {
    Field line = SdfStroke(r, g.upper_inner, 0.7f, 0.7f);
    img.PaintFlat(line, kLipSlot, 4);
  }
  // Corners of the mouth.
  for (int sgn = -1; sgn <= 1; sgn += 2) {
    const Pt& c = sgn < 0 ? g.upper_inner.front() : g.upper_inner.back();
    img.PaintFlat(SdfEllipse(r, {c.x + sgn * 0.3f, c.y}, 1.0f, 0.7f), kLipSlot, 10);
  }
  return img.Finish();
}

Image8 DrawMouthMask(Species sp, const MouthShape& m, int step) {
  const Rect r{-48, -24, 96, 50};
  MouthGeometry g = Geometry(sp, m, step);
  Field lips = SdfPolygon(r, Between(g.upper_outer, g.lower_outer));
  Offset(lips, 1);
  Sprite8 img(r);
  img.PaintFlat(lips, 1, 63);
  return img.FinishMask();
}

}  // namespace kelvo::demo
