// Headwear of the Hair category: helmets, caps, fur hats and head cloths.
#include <cmath>

#include "art_dress.h"
#include "art_util.h"

namespace kelvo::demo {

namespace {

constexpr int kSkinSlot = 2, kTrimSlot = 3, kUniformSlot = 4;
const Rect kRect{-150, -170, 300, 340};

std::vector<Pt> WithBrim(std::vector<Pt> crown, const std::vector<Pt>& brim_right_to_left) {
  crown.insert(crown.end(), brim_right_to_left.begin(), brim_right_to_left.end());
  return crown;
}

// The face opening of a hood or scarf, from `top` down to below the chin.
Field FaceOpening(Species sp, float top, float inset) {
  FaceShape f;
  if (sp == Species::kFemale) f.cheek_w = 70, f.jaw_w = 54, f.chin_w = 20, f.chin_y = 94;
  Field face = SdfPolygon(kRect, HeadOutline(sp, f, 0));
  Offset(face, -inset);
  Intersect(
      face,
      BelowLine(kRect, {{-200, top}, {-40, top - 4}, {0, top - 5}, {40, top - 4}, {200, top}}));
  return face;
}

void Checks(Sprite8& img, const Field& sdf, float pitch) {
  img.Modulate(sdf, [pitch](int x, int y, float) {
    int a = static_cast<int>(std::floor((x + y) / pitch)),
        b = static_cast<int>(std::floor((x - y) / pitch));
    return ((a + b) & 1) ? 0.84f : 1.03f;
  });
}

HairImages Helmet(Species sp, uint32_t seed) {
  const float w = SkullOf(sp).rx;
  std::vector<Pt> brim = Spline(
      {{w + 10, -14}, {w - 8, -28}, {36, -38}, {0, -40}, {-36, -38}, {-w + 8, -28}, {-w - 10, -14}},
      6, false);
  Field shell = SdfPolygon(kRect, WithBrim(Crown(sp, 10, 15, -14, -14), brim));
  Sprite8 img(kRect);
  for (int sgn = -1; sgn <= 1; sgn += 2) {
    Field strap = SdfStroke(
        kRect, Spline({{sgn * (w + 4), -16}, {sgn * (w + 2), 10}, {sgn * (w - 6), 30}}, 6, false),
        2, 2);
    img.Paint(strap, kTrimSlot, [](int, int, float d) { return 16 * Mix(0.6f, 1.0f, Rim(d, 1)); });
  }
  PaintCloth(img, shell, kUniformSlot, 40, 0.25f, seed);
  img.Modulate(shell, [seed](int x, int y, float) {
    return Fbm(x * 0.05f, y * 0.05f, seed, 2) > 0.56f ? 0.72f : 1.0f;
  });
  Field lip = SdfStroke(kRect, brim, 2.5f, 2.5f);
  img.Paint(lip, kUniformSlot,
            [](int x, int, float d) { return (30 - x * 0.06f) * Mix(0.5f, 1.0f, Rim(d, 1)); });
  HairImages out;
  out.front = img.Finish();
  out.shadow = ShadowImage(CastShadow(shell, 3, 15, 7, 0.95f), kSkinSlot, 0.9f);
  return out;
}

HairImages Beret(Species sp, uint32_t seed) {
  HairImages out = DrawHair(sp, HairStyle::kCrew, seed);
  const float w = SkullOf(sp).rx;
  std::vector<Pt> shape = Spline({{-w - 2, -50},
                                  {-w - 4, -80},
                                  {-50, -108},
                                  {0, -118},
                                  {64, -114},
                                  {w + 26, -94},
                                  {w + 30, -74},
                                  {w, -60},
                                  {40, -64},
                                  {0, -66},
                                  {-40, -60}},
                                 6, true);
  Field beret = SdfPolygon(kRect, shape);
  Sprite8 img(kRect);
  PaintCloth(img, beret, kTrimSlot, 14, 0.4f, seed);
  Field band = SdfStroke(
      kRect, Spline({{-w - 2, -52}, {-40, -62}, {0, -66}, {40, -64}, {w, -60}}, 6, false), 3, 3);
  img.Paint(band, kTrimSlot, [](int, int, float d) { return 14 * Mix(0.6f, 1.0f, Rim(d, 1)); });
  Field badge = SdfPolygon(kRect, {{-50, -86}, {-34, -86}, {-34, -74}, {-42, -68}, {-50, -74}});
  img.Paint(badge, kTrimSlot, [](int x, int y, float d) {
    return (54 - (x + y + 120) * 0.3f) * Mix(0.6f, 1.0f, Rim(d, 1.2f));
  });
  out.front = Overlay(out.front, img.Finish());
  Field s = CastShadow(beret, 3, 8, 4, 0.8f);
  out.shadow = ShadowImage(s, kSkinSlot, 0.85f);
  return out;
}

HairImages Cap(Species sp, uint32_t seed) {
  HairImages out = DrawHair(sp, HairStyle::kCrew, seed);
  const float w = SkullOf(sp).rx;
  Field crown = SdfPolygon(kRect, Spline({{-w - 1, -54},
                                          {-w + 2, -100},
                                          {-w + 14, -120},
                                          {w - 14, -120},
                                          {w - 2, -100},
                                          {w + 1, -54},
                                          {40, -62},
                                          {0, -64},
                                          {-40, -62}},
                                         6, true));
  Sprite8 img(kRect);
  PaintCloth(img, crown, kUniformSlot, 24, 0.3f, seed);
  Field visor = SdfEllipse(kRect, {0, -60}, 56, 14);
  Intersect(visor, BelowLine(kRect, {{-200, -62}, {200, -62}}));
  img.Paint(visor, kUniformSlot, [](int x, int y, float d) {
    return (14 + (y + 62) * 0.4f - x * 0.03f) * Mix(0.5f, 1.0f, Rim(d, 1.5f));
  });
  out.front = Overlay(out.front, img.Finish());
  out.shadow = ShadowImage(CastShadow(visor, 2, 10, 6, 1.0f), kSkinSlot, 0.9f);
  return out;
}

HairImages Ushanka(Species sp, uint32_t seed) {
  const float w = SkullOf(sp).rx;
  Sprite8 img(kRect);
  Field crown =
      SdfPolygon(kRect, WithBrim(Crown(sp, 14, 16, -60, -60), {{w + 14, -60}, {-w - 14, -60}}));
  PaintCloth(img, crown, kUniformSlot, 30, 0.5f, seed);
  Field fur = SdfBox(kRect, {0, -64}, w + 18, 16, 10);
  for (int sgn = -1; sgn <= 1; sgn += 2) {
    Union(fur, SdfBox(kRect, {sgn * (w + 10), -14}, 17, 50, 12));
  }
  Fuzz(fur, {0, -30}, 3.5f, 2, seed);
  PaintHair(img, fur, sp, {0, -40}, seed, 0.35f, kTrimSlot);
  Field star = SdfPolygon(kRect, {{0, -78},
                                  {4, -68},
                                  {14, -68},
                                  {6, -61},
                                  {9, -51},
                                  {0, -57},
                                  {-9, -51},
                                  {-6, -61},
                                  {-14, -68},
                                  {-4, -68}});
  img.PaintFlat(star, kUniformSlot, 58);
  HairImages out;
  out.front = img.Finish();
  out.shadow = ShadowImage(CastShadow(fur, 3, 7, 4, 0.8f), kSkinSlot, 0.85f);
  return out;
}

HairImages Keffiyeh(Species sp, uint32_t seed) {
  const float w = SkullOf(sp).rx;
  std::vector<Pt> edge = Spline({{w + 7, 10},
                                 {w, -30},
                                 {w - 14, -58},
                                 {34, -68},
                                 {0, -70},
                                 {-34, -68},
                                 {-w + 14, -58},
                                 {-w, -30},
                                 {-w - 7, 10}},
                                6, false);
  Field cloth = SdfPolygon(kRect, WithBrim(Crown(sp, 8, 10, 10, 10), edge));
  for (int sgn = -1; sgn <= 1; sgn += 2) {
    std::vector<Pt> drape = {{sgn * (w + 2), -40},  {sgn * (w + 16), -10}, {sgn * (w + 26), 60},
                             {sgn * (w + 46), 150}, {sgn * 52.0f, 160},    {sgn * 58.0f, 100},
                             {sgn * (w - 10), 62},  {sgn * (w + 3), 10}};
    Union(cloth, SdfPolygon(kRect, Spline(drape, 6, true)));
  }
  Sprite8 img(kRect);
  PaintCloth(img, cloth, kTrimSlot, 12, 0.9f, seed);
  Checks(img, cloth, 5);
  for (float y : {-84.0f, -94.0f}) {
    Field cord = SdfStroke(
        kRect,
        Spline({{-w - 8, y + 26}, {-50, y + 4}, {0, y}, {50, y + 4}, {w + 8, y + 26}}, 6, false),
        3.2f, 3.2f);
    Shading l = Shade(Dome(cord, 3, 3), 20);
    img.Paint(cord, kTrimSlot, [&](int x, int yy, float d) {
      return LitLevel(l, x, yy, {1, 10, 8}) * Mix(0.5f, 1.0f, Rim(d, 1));
    });
  }
  HairImages out;
  out.front = img.Finish();
  Field back = SdfPolygon(
      kRect, Spline({{-w - 10, -30}, {w + 10, -30}, {w + 60, 150}, {-w - 60, 150}}, 2, true));
  Sprite8 bimg(kRect);
  PaintCloth(bimg, back, kTrimSlot, 20, 1.0f, seed + 3);
  Checks(bimg, back, 5);
  bimg.Modulate(back, [](int, int, float) { return 0.75f; });
  out.back = bimg.Finish();
  out.shadow = ShadowImage(CastShadow(cloth, 3, 7, 4, 0.8f), kSkinSlot, 0.85f);
  return out;
}

HairImages Scarf(Species sp, uint32_t seed, bool hijab) {
  const float w = SkullOf(sp).rx;
  const float side = hijab ? 40.0f : 30.0f;
  Field cloth =
      SdfPolygon(kRect, WithBrim(Crown(sp, 10, 12, side, side), {{w + 10, side}, {-w - 10, side}}));
  if (hijab) {
    // Falls from the head over the neck and spreads on the shoulders.
    Field drape = SdfPolygon(kRect, Spline({{-w - 10, 0},
                                            {-w - 6, 60},
                                            {-w - 2, 104},
                                            {-w - 34, 140},
                                            {-w - 40, 172},
                                            {w + 40, 172},
                                            {w + 34, 140},
                                            {w + 2, 104},
                                            {w + 6, 60},
                                            {w + 10, 0}},
                                           8, true));
    SmoothUnion(cloth, drape, 16);
  } else {
    for (int sgn = -1; sgn <= 1; sgn += 2) {
      Union(cloth,
            SdfStroke(kRect, {{sgn * (w - 2), 20}, {sgn * 46.0f, 92}, {sgn * 10.0f, 112}}, 12, 8));
    }
    Union(cloth, SdfEllipse(kRect, {0, 114}, 12, 9));
  }
  Subtract(cloth, FaceOpening(sp, hijab ? -62.0f : -66.0f, hijab ? 3.0f : 1.0f));
  Sprite8 img(kRect);
  PaintCloth(img, cloth, kTrimSlot, 18, 0.8f, seed);
  if (!hijab) {
    img.Modulate(cloth, [seed](int x, int y, float) {
      return Noise(x * 0.18f, y * 0.18f, seed) > 0.72f ? 1.35f : 1.0f;
    });
  }
  HairImages out;
  out.front = img.Finish();
  if (hijab) {
    Field back = SdfPolygon(kRect, Spline({{-w - 14, -30},
                                           {w + 14, -30},
                                           {w + 30, 60},
                                           {w + 56, 160},
                                           {-w - 56, 160},
                                           {-w - 30, 60}},
                                          8, true));
    Sprite8 bimg(kRect);
    PaintCloth(bimg, back, kTrimSlot, 24, 1.0f, seed + 3);
    bimg.Modulate(back, [](int, int, float) { return 0.7f; });
    out.back = bimg.Finish();
  }
  out.shadow = ShadowImage(CastShadow(cloth, 3, 7, 4, 0.75f), kSkinSlot, 0.85f);
  return out;
}

}  // namespace

HairImages DrawHat(Species sp, HairStyle style, uint32_t seed) {
  switch (style) {
    case HairStyle::kHelmet:
      return Helmet(sp, seed);
    case HairStyle::kBeret:
      return Beret(sp, seed);
    case HairStyle::kCap:
      return Cap(sp, seed);
    case HairStyle::kUshanka:
      return Ushanka(sp, seed);
    case HairStyle::kKeffiyeh:
      return Keffiyeh(sp, seed);
    case HairStyle::kHijab:
      return Scarf(sp, seed, true);
    case HairStyle::kBabushka:
      return Scarf(sp, seed, false);
    default:
      return {};
  }
}

}  // namespace kelvo::demo
