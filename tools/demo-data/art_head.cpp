// Heads, cheek modelling, necks and ears.
#include <cmath>

#include "art.h"
#include "art_util.h"

namespace kelvo::demo {

namespace {

std::vector<Pt> Shifted(std::vector<Pt> pts, float dx, float dy) {
  for (Pt& p : pts) p.x += dx, p.y += dy;
  return pts;
}

}  // namespace

float LitLevel(const Shading& s, int x, int y, Tone t) {
  return t.ambient + t.diffuse * s.diffuse.At(x, y) + t.specular * s.specular.At(x, y);
}

float Rim(float d, float width) {
  return Smoothstep(0.5f, -width, d);
}

HeadImages DrawHead(Species sp, const FaceShape& f, float drop, uint32_t seed) {
  if (drop > 0) {
    // The open jaw is the closed head stretched below the mouth, so that the
    // face above it stays the same to the pixel.
    HeadImages out = DrawHead(sp, f, 0, seed);
    for (Image8* img : {&out.head, &out.mask, &out.shadow})
      *img = Stretch(*img, kJawTop, kJawBottom, drop);
    return out;
  }
  const Rect r{-110, -125, 220, 250};
  const std::vector<Pt> outline = HeadOutline(sp, f, 0);
  Field sdf = SdfPolygon(r, outline);

  Field h = Dome(sdf, 58, 58);
  const bool ape = sp == Species::kApe;
  const float side = ape ? 40 : 31;
  AddBump(h, {0, f.brow_y + 2.0f}, ape ? 46 : 44, ape ? 8 : 6, f.brow + (ape ? 6 : 0));
  AddBump(h, {-side, f.eye_y + 1.0f}, 15, 10, ape ? -10 : -6);
  AddBump(h, {side, f.eye_y + 1.0f}, 15, 10, ape ? -10 : -6);
  AddBump(h, {-44, 14}, 16, 10, f.cheekbone);
  AddBump(h, {44, 14}, 16, 10, f.cheekbone);
  AddBump(h, {-46, 42}, 13, 15, -2 - f.hollow);
  AddBump(h, {46, 42}, 13, 15, -2 - f.hollow);
  AddBump(h, {-66, -34}, 10, 16, -3);
  AddBump(h, {66, -34}, 10, 16, -3);
  AddBump(h, {0, f.nose_y - 8.0f}, 9, 22, 6);
  AddBump(h, {0, f.mouth_y - 2.0f}, ape ? 40 : 26, ape ? 26 : 18, ape ? 14 : 5);
  AddBump(h, {0, f.chin_y - 14}, 18, 9, 4);
  Blur(h, 1.5f);
  Shading light = Shade(h, 18);

  HeadImages out;
  Sprite8 head(r);
  Tone tone{11, 36, 7};
  const float skull_top = outline[0].y;
  head.Paint(sdf, 1, [&](int x, int y, float d) {
    float level = LitLevel(light, x, y, tone);
    // Warmer, darker cast of a face in the shade of the hair and at the jaw.
    level -= 3 * Smoothstep(skull_top + 30, skull_top, static_cast<float>(y));
    return level * Mix(0.4f, 1.0f, Rim(d, 3));
  });
  if (ape) {
    // Fur covers the head except the bare face around the eyes and the muzzle.
    Field face = SdfEllipse(r, {0, f.eye_y + 6.0f}, 58, 38);
    SmoothUnion(face, SdfEllipse(r, {0, f.mouth_y - 8.0f}, 46, 40), 14);
    Field fur = sdf;
    Subtract(fur, face);
    head.Paint(fur, 2, [&](int x, int y, float d) {
      float strand = Fbm(x * 0.35f, y * 0.12f, seed, 3);
      float level = LitLevel(light, x, y, {6, 36, 10}) * Mix(0.7f, 1.15f, strand);
      return level * Mix(0.45f, 1.0f, Rim(d, 3));
    });
  }
  out.head = head.Finish();

  Sprite8 mask(r);
  mask.PaintFlat(sdf, 1, 63);
  out.mask = mask.FinishMask();

  // Shadow of the jaw on the neck, falling down and to the right. It ends inside the narrowest
  // neck: a shadow darkens with the skin's own tint, which beside a dark neck shows as a halo.
  Field jaw = SdfPolygon(r, Shifted(outline, 5, 12));
  Field strength(r, 0);
  const float neck = NarrowestNeck(sp) - 1;
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) {
      if (y < f.jaw_y - 10) continue;
      float d = jaw.At(x, y);
      float s = Smoothstep(8, -8, d) * Smoothstep(neck, neck - 12, std::abs(static_cast<float>(x)));
      strength.At(x, y) = s;
    }
  }
  out.shadow = ShadowImage(strength, 1, 0.85f);
  return out;
}

Image8 DrawCheeks(Species sp, int style, float drop, bool shadow_part) {
  if (drop > 0) return Stretch(DrawCheeks(sp, style, 0, shadow_part), kJawTop, kJawBottom, drop);
  const Rect r{-90, -80, 180, 190};
  Field s(r, 0);
  Sprite8 overlay(r);
  const float k = sp == Species::kFemale ? 0.7f : 1.0f;
  auto fold = [&](std::vector<Pt> pts, float width, float amount) {
    Field line = SdfStroke(r, Spline(pts, 6, false), width, width * 0.3f);
    AddSoft(s, line, width * 1.5f, amount);
    Field other = SdfStroke(r, Spline(Mirror(pts), 6, false), width * 0.3f, width);
    AddSoft(s, other, width * 1.5f, amount * 1.15f);
  };
  auto patch = [&](Pt c, float rx, float ry, float amount) {
    AddSoft(s, SdfEllipse(r, c, rx, ry), 0.5f * rx, amount);
    AddSoft(s, SdfEllipse(r, {-c.x, c.y}, rx, ry), 0.5f * rx, amount * 1.2f);
  };
  // Laugh lines from the nose wings to beside the mouth.
  auto laugh = [&](float amount) {
    fold({{-15, 28}, {-24, 42}, {-29, 58}, {-27, 70}}, 2, amount * k);
  };
  switch (style) {
    case 0:  // smooth
      laugh(0.25f);
      break;
    case 1:  // hollow
      laugh(0.45f);
      patch({-46, 40}, 10, 16, 0.55f);
      break;
    case 2:  // round and full
      fold({{-56, 30}, {-44, 50}, {-28, 60}}, 3, 0.35f);
      laugh(0.3f);
      break;
    case 3:  // high cheekbones
      patch({-52, 30}, 8, 5, 0.5f);
      laugh(0.4f);
      break;
    case 4:  // weathered and old
      laugh(0.75f);
      fold({{-62, -14}, {-56, -8}}, 1.2f, 0.5f);
      fold({{-63, -4}, {-56, -2}}, 1.2f, 0.45f);
      fold({{-40, 8}, {-30, 12}, {-20, 11}}, 1.4f, 0.45f);
      if (sp != Species::kApe) {
        fold({{-30, -52}, {-10, -55}, {10, -54}, {30, -51}}, 1.3f, 0.35f * k);
        fold({{-26, -44}, {-8, -46}, {8, -46}, {26, -43}}, 1.3f, 0.3f * k);
      }
      fold({{-34, 72}, {-40, 84}}, 1.6f, 0.45f);
      break;
    case 5:  // dimples
      laugh(0.3f);
      patch({-33, 60}, 2.5f, 3.5f, 0.7f);
      break;
    case 6:  // scarred
      laugh(0.35f);
      if (!shadow_part) {
        Field scar = SdfStroke(r, Spline({{38, -2}, {46, 14}, {50, 32}}, 6, false), 1.6f, 1.0f);
        overlay.PaintFlat(scar, 1, 46);
        Field edge = SdfStroke(r, Spline({{40, -2}, {48, 14}, {52, 32}}, 6, false), 0.9f, 0.6f);
        overlay.PaintFlat(edge, 1, 22);
      }
      break;
    case 7:  // blushed: a thin veil of colour over both cheeks
      laugh(0.2f);
      if (!shadow_part) {
        for (int sgn = -1; sgn <= 1; sgn += 2) {
          Field cheek = SdfEllipse(r, {sgn * 42.0f, 28}, 14, 9);
          overlay.Paint(cheek, 2, [](int, int, float) { return 38; });
          overlay.Fade([&](int x, int y) {
            float d = cheek.Get(x, y);
            return d > 8 ? 1.0f : 0.55f * Smoothstep(6, -6, d);
          });
        }
      }
      break;
    case 8:  // freckles
      laugh(0.2f);
      if (!shadow_part) Freckles(overlay, r);
      break;
    default:
      break;
  }
  if (!shadow_part) return overlay.Finish();
  return ShadowImage(s, 1, 0.8f);
}

Image8 DrawNeck(Species sp, const NeckShape& n) {
  const Rect r{-170, -125, 340, 235};
  const float w = n.half_width;
  std::vector<Pt> right = {{w * 0.92f, -120}, {w * 0.95f, -40}, {w, 0},    {w * 1.35f, 22},
                           {w * 2.6f, 46},    {165, 70},        {165, 110}};
  std::vector<Pt> ctrl = right;
  for (size_t i = right.size(); i-- > 0;) ctrl.push_back({-right[i].x, right[i].y});
  Field sdf = SdfPolygon(r, Spline(ctrl, 6, true));
  Field h(r, 0);
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) {
      // A cylinder for the neck widening into the chest.
      float half = y < 0 ? w : Mix(w, 150, Smoothstep(0, 60, static_cast<float>(y)));
      float u = Clamp(x / (half + 2), -1, 1);
      h.At(x, y) = half * std::sqrt(1 - u * u) * 0.8f;
    }
  }
  AddBump(h, {0, 30}, 9, 6, -6);  // notch between the collar bones
  AddBump(h, {-40, 38}, 28, 4, 4);
  AddBump(h, {40, 38}, 28, 4, 4);
  if (n.apple > 0) AddBump(h, {0, -14}, 5, 8, n.apple);
  Field tendon = SdfStroke(r, {{-w * 0.8f, -70}, {-9, 26}}, 4, 3);
  Union(tendon, SdfStroke(r, {{w * 0.8f, -70}, {9, 26}}, 4, 3));
  Add(h, Dome(tendon, 6, 4), 1);
  Blur(h, 2);
  Shading light = Shade(h, 12);
  Sprite8 img(r);
  const bool ape = sp == Species::kApe;
  img.Paint(sdf, ape ? 2 : 1, [&](int x, int y, float d) {
    float level = LitLevel(light, x, y, {8, 34, 4});
    if (ape) level *= Mix(0.75f, 1.1f, Fbm(x * 0.3f, y * 0.1f, 77, 3));
    // Darker under the head.
    level *= Mix(0.72f, 1.0f, Smoothstep(-70, -20, static_cast<float>(y)));
    return level * Mix(0.5f, 1.0f, Rim(d, 2.5f));
  });
  return img.Finish();
}

Image8 DrawEar(Species sp, int style, int side) {
  const Rect r{-30, -40, 60, 80};
  const float sx = static_cast<float>(side);  // -1: left ear, drawn outwards to the left
  float height = sp == Species::kFemale ? 36 : 42, width = 15;
  float top = -height * 0.55f;
  if (style == 1) width += 4, height += 4;
  if (style == 2) width -= 3, height -= 6;
  if (sp == Species::kApe) width += 3, height = 34, top = -22;
  std::vector<Pt> half = {{0, top},
                          {sx * width * 0.9f, top + 2 + (style == 3 ? -8.0f : 0.0f)},
                          {sx * width * 1.1f, top + height * 0.35f},
                          {sx * width * 0.7f, top + height * 0.75f},
                          {sx * 4, top + height + (style == 5 ? 6.0f : 0.0f)},
                          {-sx * 8, top + height * 0.8f},
                          {-sx * 10, top + height * 0.3f}};
  Field sdf = SdfPolygon(r, Spline(half, 8, true));
  Field h = Dome(sdf, 6, 5);
  Field hollow =
      SdfEllipse(r, {sx * width * 0.35f, top + height * 0.45f}, width * 0.35f, height * 0.25f);
  Add(h, Dome(hollow, 4, 4), -1);
  if (style == 4) {
    for (int i = 0; i < 5; ++i) {
      AddBump(h, {sx * (width * 0.6f + (i % 2) * 3), top + 6 + i * 6.0f}, 3, 3, 2.5f);
    }
  }
  Blur(h, 0.8f);
  Shading light = Shade(h, 10);
  Sprite8 img(r);
  img.Paint(sdf, 1, [&](int x, int y, float d) {
    return LitLevel(light, x, y, {7, 36, 5}) * Mix(0.45f, 1.0f, Rim(d, 2));
  });
  if (sp == Species::kFemale && style >= 6) {
    Pt lobe = {sx * 3, top + height - 3};
    Field ring =
        style == 6
            ? SdfEllipse(r, lobe, 2.5f, 2.5f)
            : SdfStroke(
                  r, Spline({lobe, {lobe.x + sx * 3, lobe.y + 8}, {lobe.x, lobe.y + 15}}, 6, false),
                  1.3f, 1.3f);
    if (style == 8) Union(ring, SdfEllipse(r, {lobe.x, lobe.y + 17}, 3.5f, 4.5f));
    Field rh = Dome(ring, 2, 2);
    Shading rl = Shade(rh, 30);
    img.Paint(ring, 2, [&](int x, int y, float d) {
      return (LitLevel(rl, x, y, {6, 34, 22})) * Mix(0.5f, 1.0f, Rim(d, 1));
    });
  }
  return img.Finish();
}

}  // namespace kelvo::demo
