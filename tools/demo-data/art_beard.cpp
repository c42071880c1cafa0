// Beards, and the face marks that take their place in the female data set.
#include <cmath>

#include "art_dress.h"
#include "art_util.h"

namespace kelvo::demo {

namespace {

constexpr int kHairSlot = 1, kAccentSlot = 3, kLipSlot = 4;
const Rect kRect{-120, -110, 240, 240};

// The jaw in mouth coordinates (the mouth centre is the origin).
Field Jaw(Species sp, float grow) {
  FaceShape f;
  if (sp == Species::kApe) f.cheek_w = 84, f.jaw_w = 72, f.chin_w = 34;
  std::vector<Pt> outline = HeadOutline(sp, f, 0);
  for (Pt& p : outline) p.y -= f.mouth_y;
  Field jaw = SdfPolygon(kRect, outline);
  Offset(jaw, grow);
  return jaw;
}

Field Moustache(float width, float droop, float thick) {
  std::vector<Pt> pts = {{-width, 2 + droop},
                         {-width * 0.7f, -3 - thick * 0.3f},
                         {-width * 0.3f, -6 - thick},
                         {0, -5 - thick},
                         {width * 0.3f, -6 - thick},
                         {width * 0.7f, -3 - thick * 0.3f},
                         {width, 2 + droop},
                         {width * 0.6f, -2},
                         {0, -3.5f},
                         {-width * 0.6f, -2}};
  return SdfPolygon(kRect, Spline(pts, 6, true));
}

// The bare cheeks above a beard line running from the sideburns to the mouth.
Field Cheeks(Species sp) {
  const float w = sp == Species::kApe ? 90.0f : 82.0f;
  return SdfPolygon(kRect, Spline({{-w - 20, -140},
                                   {w + 20, -140},
                                   {w + 20, -64},
                                   {w - 14, -58},
                                   {44, -30},
                                   {26, -12},
                                   {0, -9},
                                   {-26, -12},
                                   {-44, -30},
                                   {-w + 14, -58},
                                   {-w - 20, -64}},
                                  6, true));
}

Field BelowY(float y) {
  return BelowLine(kRect, {{-300, y}, {300, y}});
}

Image8 Hairy(Species sp, Field sdf, uint32_t seed, float coarse, float fuzz) {
  Fuzz(sdf, {0, -40}, fuzz, 2, seed);
  Sprite8 img(kRect);
  // Strands fall from under the nose outwards and down.
  PaintHair(img, sdf, sp, {0, -40}, seed, coarse, kHairSlot);
  return img.Finish();
}

}  // namespace

Image8 DrawBeard(Species sp, BeardStyle style, float drop, uint32_t seed) {
  Image8 img;
  const Field jaw = Jaw(sp, 0);
  auto mouth_hole = [&](Field& f, float w, float h) {
    Subtract(f, SdfEllipse(kRect, {0, 1}, w, h));
  };
  switch (style) {
    case BeardStyle::kStubble: {
      Field area = jaw;
      Intersect(area, BelowY(-26));
      Offset(area, -2);
      Sprite8 s(kRect);
      s.Paint(area, kHairSlot,
              [&](int x, int y, float) { return 10 + 10 * Noise(x * 0.7f, y * 0.7f, seed); });
      s.Fade([&](int x, int y) {
        float n = Noise(x * 1.3f, y * 1.3f, seed + 3);
        float edge = Smoothstep(-26, -14, static_cast<float>(y));
        return (n > 0.5f ? 0.75f : 0.1f) * edge;
      });
      img = s.Finish();
      break;
    }
    case BeardStyle::kMoustache:
      img = Hairy(sp, Moustache(27, 2, 3), seed, 0.5f, 1);
      break;
    case BeardStyle::kGoatee: {
      Field f = Moustache(24, 5, 2);
      Field chin = SdfEllipse(kRect, {0, 26}, 19, 20);
      Intersect(chin, jaw);
      Union(f, chin);
      Union(f, SdfStroke(kRect, {{-22, 4}, {-16, 18}}, 3, 5));
      Union(f, SdfStroke(kRect, {{22, 4}, {16, 18}}, 3, 5));
      mouth_hole(f, 18, 7);
      img = Hairy(sp, f, seed, 0.5f, 1.5f);
      break;
    }
    case BeardStyle::kFull:
    case BeardStyle::kLong:
    case BeardStyle::kApeGrey: {
      Field f = Jaw(sp, style == BeardStyle::kLong ? 8 : 5);
      Subtract(f, Cheeks(sp));
      Union(f, Moustache(28, 6, 3));
      if (style == BeardStyle::kLong) {
        Union(
            f,
            SdfPolygon(
                kRect,
                Spline({{-50, 20}, {50, 20}, {40, 80}, {14, 118}, {0, 122}, {-14, 118}, {-40, 80}},
                       6, true)));
      }
      mouth_hole(f, 17, 6);
      img = Hairy(sp, f, seed, 0.6f, 2.5f);
      break;
    }
    case BeardStyle::kChinstrap: {
      Field f = jaw;
      Subtract(f, Jaw(sp, -7));
      Intersect(f, BelowY(-40));
      img = Hairy(sp, f, seed, 0.4f, 1);
      break;
    }
    case BeardStyle::kMutton:
    case BeardStyle::kApeWhiskers: {
      const bool ape = style == BeardStyle::kApeWhiskers;
      // A band along the face edge from the sideburns down to the jaw.
      Field f = Jaw(sp, ape ? 8.0f : 3.0f);
      Subtract(f, Jaw(sp, ape ? -18.0f : -15.0f));
      // The top runs on into the sideburns of the hair; the bottom ends at the jaw.
      Intersect(
          f,
          BelowLine(kRect,
                    Spline({{-130, -80}, {-88, -74}, {-52, -44}, {52, -44}, {88, -74}, {130, -80}},
                           6, false)));
      Subtract(f, BelowY(ape ? 30.0f : 18.0f));
      Subtract(f, SdfBox(kRect, {0, 0}, 30, 200, 0));
      for (int sgn = -1; sgn <= 1; sgn += 2) {
        Field chop = SdfEllipse(kRect, {sgn * (ape ? 60.0f : 54.0f), 2}, 13, 17);
        Intersect(chop, Jaw(sp, 3));
        Union(f, chop);
      }
      if (!ape) Union(f, Moustache(30, 8, 2));
      img = Hairy(sp, f, seed, 0.6f, ape ? 4.0f : 1.5f);
      break;
    }
    case BeardStyle::kWalrus:
      img = Hairy(sp, Moustache(31, 10, 6), seed, 0.6f, 2);
      break;
    case BeardStyle::kApeMane: {
      Field f = Jaw(sp, 18);
      Subtract(f, Jaw(sp, -4));
      Intersect(f, BelowY(-70));
      Subtract(f, Cheeks(sp));
      Union(f, SdfEllipse(kRect, {0, 48}, 40, 24));
      Subtract(f, SdfEllipse(kRect, {0, 0}, 36, 24));
      img = Hairy(sp, f, seed, 0.8f, 5);
      break;
    }
    case BeardStyle::kApeChin: {
      Field f = SdfEllipse(kRect, {0, 42}, 22, 18);
      Union(f, SdfPolygon(kRect, {{-12, 50}, {12, 50}, {0, 76}}));
      img = Hairy(sp, f, seed, 0.5f, 3);
      break;
    }
    case BeardStyle::kBeautyMark: {
      Sprite8 s(kRect);
      s.PaintFlat(SdfEllipse(kRect, {-30, -14}, 1.8f, 1.8f), kHairSlot, 6);
      img = s.Finish();
      break;
    }
    case BeardStyle::kFreckles: {
      Sprite8 s(Rect{-90, -110, 180, 120});
      Freckles(s, s.rect());
      img = s.Finish();
      img.y -= 56;  // the freckles are drawn in head coordinates
      break;
    }
    case BeardStyle::kWarPaint: {
      // Two stripes under each eye and one across the mouth and cheeks.
      Sprite8 s(kRect);
      Field paint = SdfStroke(kRect, Spline({{-58, -12}, {-20, -4}, {20, -4}, {58, -12}}, 6, false),
                              3.5f, 3.5f);
      for (int sgn = -1; sgn <= 1; sgn += 2) {
        for (int i = 0; i < 2; ++i) {
          Union(paint,
                SdfStroke(kRect, {{sgn * 30.0f, -46.0f + i * 8}, {sgn * 58.0f, -40.0f + i * 8}},
                          2.5f, 1.2f));
        }
      }
      Intersect(paint, Jaw(sp, -2));
      s.Paint(paint, kAccentSlot, [](int x, int y, float d) {
        return (28 + 6 * Noise(x * 0.3f, y * 0.3f, 5)) * Mix(0.8f, 1.0f, Rim(d, 1));
      });
      img = s.Finish();
      break;
    }
    case BeardStyle::kBlush: {
      Field sdf = SdfEllipse(kRect, {-40, -28}, 11, 6);
      Union(sdf, SdfEllipse(kRect, {40, -28}, 11, 6));
      Sprite8 s(kRect);
      s.Paint(sdf, kLipSlot, [](int, int, float) { return 44; });
      s.Fade([&](int x, int y) { return 0.45f * Smoothstep(4, -8, sdf.At(x, y)); });
      img = s.Finish();
      break;
    }
  }
  return FollowJaw(img, drop);
}

Image8 FollowJaw(const Image8& beard, float drop) {
  // Beards sit at the mouth, 56 rows below the head centre.
  return Stretch(beard, kJawTop - 56, kJawBottom - 56, drop);
}

}  // namespace kelvo::demo
