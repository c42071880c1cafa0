// Glasses and eye patches.
#include <cmath>

#include "art_dress.h"
#include "art_util.h"

namespace kelvo::demo {

namespace {

constexpr int kFrameSlot = 1, kLensSlot = 2;
const Rect kRect{-100, -40, 200, 110};

struct Lens {
  Field shape;
  float dark = 58;  // shade of the lens: high is clear glass, low is a sunglass
};

void PaintFrame(Sprite8& img, const Field& ring, float base) {
  Shading l = Shade(Dome(ring, 2, 2), 30);
  img.Paint(ring, kFrameSlot, [&](int x, int y, float d) {
    return (base + LitLevel(l, x, y, {0, 14, 22}) - 7) * Mix(0.55f, 1.0f, Rim(d, 0.8f));
  });
}

Field Ring(const Field& shape, float thick) {
  Field outer = shape;
  Offset(outer, thick * 0.5f);
  Field inner = shape;
  Offset(inner, -thick * 0.5f);
  Subtract(outer, inner);
  return outer;
}

void Temples(Sprite8& img, float from, float base, float y = -3) {
  for (int sgn = -1; sgn <= 1; sgn += 2) {
    Field arm = SdfStroke(kRect, {{sgn * from, y}, {sgn * 77.0f, y + 2}}, 1.3f, 1.1f);
    PaintFrame(img, arm, base);
  }
}

void Glint(Sprite8& img, Pt c, float size) {
  Field g = SdfStroke(
      kRect, {{c.x - size * 0.5f, c.y + size * 0.2f}, {c.x + size * 0.2f, c.y - size * 0.5f}}, 1,
      0.6f);
  img.PaintFlat(g, kLensSlot, 62);
}

}  // namespace

GlassesImages DrawGlasses(Species sp, GlassesStyle style, float span) {
  GlassesImages out;
  if (style == GlassesStyle::kNone) return out;
  const float k = sp == Species::kApe ? 1.15f : sp == Species::kFemale ? 0.95f : 1.0f;
  Sprite8 frame(kRect);
  std::vector<Lens> lenses;
  float base = 30;
  auto pair = [&](auto make, float dark) {
    for (int sgn = -1; sgn <= 1; sgn += 2) lenses.push_back({make(sgn * span), dark});
  };
  switch (style) {
    case GlassesStyle::kRound:
      pair([&](float cx) { return SdfEllipse(kRect, {cx, 0}, 14 * k, 14 * k); }, 58);
      Temples(frame, span + 14 * k, base);
      PaintFrame(
          frame,
          SdfStroke(kRect, Spline({{-span + 14 * k, -2}, {0, -6}, {span - 14 * k, -2}}, 6, false),
                    1.2f, 1.2f),
          base);
      break;
    case GlassesStyle::kAviator:
      pair(
          [&](float cx) {
            float s = cx < 0 ? -1.0f : 1.0f;
            return SdfPolygon(kRect, Spline({{cx - s * 14 * k, -9},
                                             {cx + s * 15 * k, -10},
                                             {cx + s * 16 * k, 2},
                                             {cx + s * 6 * k, 15 * k},
                                             {cx - s * 8 * k, 12 * k},
                                             {cx - s * 15 * k, 0}},
                                            6, true));
          },
          14);
      base = 40;
      Temples(frame, span + 16 * k, base, -8);
      PaintFrame(frame, SdfStroke(kRect, {{-span + 14 * k, -9}, {span - 14 * k, -9}}, 1, 1), base);
      PaintFrame(
          frame,
          SdfStroke(kRect, Spline({{-span + 15 * k, 0}, {0, -3}, {span - 15 * k, 0}}, 6, false), 1,
                    1),
          base);
      break;
    case GlassesStyle::kSquare:
    case GlassesStyle::kCatEye:
      pair(
          [&](float cx) {
            if (style == GlassesStyle::kSquare) return SdfBox(kRect, {cx, 0}, 16 * k, 11 * k, 4);
            float s = cx < 0 ? -1.0f : 1.0f;
            return SdfPolygon(kRect, Spline({{cx - s * 14 * k, -6},
                                             {cx + s * 8, -10},
                                             {cx + s * 19 * k, -14},
                                             {cx + s * 14 * k, 6},
                                             {cx - s * 2, 10 * k},
                                             {cx - s * 14 * k, 5}},
                                            6, true));
          },
          56);
      base = 8;
      Temples(frame, span + 16 * k, base, -5);
      PaintFrame(frame, SdfStroke(kRect, {{-span + 15 * k, -3}, {span - 15 * k, -3}}, 2, 2), base);
      break;
    case GlassesStyle::kMonocle:
      lenses.push_back({SdfEllipse(kRect, {span, 0}, 13 * k, 13 * k), 58});
      base = 40;
      PaintFrame(
          frame,
          SdfStroke(kRect,
                    Spline({{span + 9 * k, 9 * k}, {span + 16, 30}, {span + 6, 64}}, 8, false),
                    0.8f, 0.8f),
          base);
      break;
    case GlassesStyle::kGoggles: {
      pair([&](float cx) { return SdfEllipse(kRect, {cx, 0}, 17 * k, 15 * k); }, 40);
      Field strap = SdfBox(kRect, {0, -2}, 90, 5, 2);
      Subtract(strap, SdfBox(kRect, {0, -2}, span + 10, 8, 0));
      Shading sl = Shade(Dome(strap, 3, 3), 4);
      frame.Paint(strap, kFrameSlot, [&](int x, int y, float d) {
        return LitLevel(sl, x, y, {2, 14, 1}) * Mix(0.6f, 1.0f, Rim(d, 1));
      });
      base = 24;
      PaintFrame(frame, SdfStroke(kRect, {{-span + 16 * k, 0}, {span - 16 * k, 0}}, 3, 3), base);
      break;
    }
    case GlassesStyle::kEyePatch: {
      Field patch = SdfEllipse(kRect, {-span, 1}, 16 * k, 13 * k);
      Shading pl = Shade(Dome(patch, 6, 5), 12);
      Field strap = SdfStroke(kRect, {{-span - 14 * k, -4}, {-86, -8}}, 1.5f, 1.5f);
      Union(strap, SdfStroke(kRect, {{-span + 12 * k, -8}, {84, -34}}, 1.5f, 1.5f));
      frame.Paint(strap, kFrameSlot,
                  [](int, int, float d) { return 6 * Mix(0.6f, 1.0f, Rim(d, 1)); });
      frame.Paint(patch, kFrameSlot, [&](int x, int y, float d) {
        return LitLevel(pl, x, y, {1, 12, 8}) * Mix(0.6f, 1.0f, Rim(d, 1.5f));
      });
      out.frame = frame.Finish();
      return out;
    }
    case GlassesStyle::kNone:
      break;
  }
  Sprite8 lens_img(kRect);
  for (const Lens& lens : lenses) {
    PaintFrame(
        frame,
        Ring(lens.shape,
             style == GlassesStyle::kSquare || style == GlassesStyle::kGoggles ? 3.0f : 2.0f),
        base);
    lens_img.Paint(lens.shape, kLensSlot, [&](int, int y, float) { return lens.dark + y * 0.15f; });
  }
  for (int sgn = -1; sgn <= 1; sgn += 2) {
    if (style == GlassesStyle::kMonocle && sgn < 0) continue;
    Glint(frame, {sgn * span - 6 * k, -5 * k}, 7 * k);
  }
  out.frame = frame.Finish();
  out.lens = lens_img.Finish();
  return out;
}

}  // namespace kelvo::demo
