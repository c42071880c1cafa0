// Eyes, eyebrows, noses and mouths.
#include <cmath>

#include "art.h"
#include "art_util.h"

namespace kelvo::demo {

namespace {

// Eye slots: 1 skin (lids), 2 iris, 3 whites, 4 accent (eye shadow).
constexpr int kLidSlot = 1, kIrisSlot = 2, kWhiteSlot = 3, kShadowSlot = 4;

std::vector<Pt> Curve(Pt a, Pt b, Pt c) {
  return Spline({a, b, c}, 8, false);
}

std::vector<Pt> Join(const std::vector<Pt>& a, const std::vector<Pt>& b_reversed) {
  std::vector<Pt> out = a;
  out.insert(out.end(), b_reversed.rbegin(), b_reversed.rend());
  return out;
}

}  // namespace

Image8 DrawEye(Species sp, const EyeShape& e, EyeStep step, int side) {
  const Rect r{-26, -24, 52, 44};
  const float s = static_cast<float>(side);
  const float w = e.width, o = e.open;
  // Corners: inner (towards the nose) and outer; the lids run between them.
  Pt inner{-s * w, 1}, outer{s * w, 1 - e.tilt};
  Pt peak{-s * w * 0.12f, -o + 0.5f * e.tilt * 0.3f};
  Pt low{s * w * 0.1f, o * 0.5f};
  std::vector<Pt> upper = Curve(inner, peak, outer);
  std::vector<Pt> lower = Curve(inner, low, outer);
  Field opening = SdfPolygon(r, Join(upper, lower));

  // Where the upper lid edge is in this step.
  float closed = step == EyeStep::kHalf ? 0.55f : step == EyeStep::kShut ? 1.0f : e.lid * 0.35f;
  Pt lid_peak{peak.x, Mix(peak.y, low.y - 1.0f, closed)};
  std::vector<Pt> lid = Curve(inner, lid_peak, outer);

  Sprite8 img(r);
  const bool ape = sp == Species::kApe;
  // Lid skin above the eye and folded over the eyeball as it closes.
  Field lid_skin =
      SdfPolygon(r, Join(Curve({inner.x - s * 3, inner.y - 2}, {peak.x, peak.y - 4 - e.socket},
                               {outer.x + s * 3, outer.y - 3}),
                         lid));
  Field ball = opening;
  float gaze = step == EyeStep::kLeft ? -w * 0.42f : step == EyeStep::kRight ? w * 0.42f : 0;
  Pt iris{gaze, 0.6f};
  const float ir = ape ? e.iris * 1.25f : e.iris;
  img.Paint(ball, kWhiteSlot, [&](int x, int y, float d) {
    float corner = std::abs(static_cast<float>(x)) / w;
    float level = (ape ? 26 : 44) - 14 * corner * corner + 0 * d;
    // The upper lid shades the top of the eyeball.
    level -= 12 * Smoothstep(peak.y + 5, peak.y, static_cast<float>(y));
    return level;
  });
  Field iris_sdf = SdfEllipse(r, iris, ir, ir);
  Intersect(iris_sdf, opening);
  img.Paint(iris_sdf, kIrisSlot, [&](int x, int y, float) {
    float dx = x - iris.x, dy = y - iris.y;
    float rr = std::sqrt(dx * dx + dy * dy) / ir;
    float level = 30 + 10 * Smoothstep(-0.5f, 0.8f, dy / ir) - 14 * Smoothstep(0.7f, 1.0f, rr);
    level += 4 * (Noise(std::atan2(dy, dx) * 5, rr * 2, 5) - 0.5f);
    return level - 10 * Smoothstep(peak.y + 5, peak.y, static_cast<float>(y));
  });
  Field pupil = SdfEllipse(r, iris, ir * 0.42f, ir * 0.42f);
  Intersect(pupil, opening);
  img.PaintFlat(pupil, kIrisSlot, 1);
  Field glint = SdfEllipse(r, {iris.x - ir * 0.35f, iris.y - ir * 0.4f}, 1.3f, 1.3f);
  Intersect(glint, opening);
  img.PaintFlat(glint, kWhiteSlot, 63);

  // Lid surface, shaded as a small dome.
  Field lid_h = Dome(lid_skin, 4, 3);
  Shading lid_light = Shade(lid_h, 8);
  const bool painted = sp == Species::kFemale && e.lashes > 0;
  img.Paint(lid_skin, painted ? kShadowSlot : kLidSlot, [&](int x, int y, float d) {
    float level = LitLevel(lid_light, x, y, {9, 27, 3}) - e.socket;
    return level * Mix(0.8f, 1.0f, Rim(d, 2));
  });
  img.Fade([&](int, int y) {
    // The top of the lid melts into the face.
    return Smoothstep(peak.y - 8 - e.socket, peak.y - 3 - e.socket, static_cast<float>(y));
  });
  // Crease of the lid and the lash line.
  Field crease = SdfStroke(r,
                           Curve({inner.x - s * 1, inner.y - 3}, {peak.x, peak.y - 3.5f - e.socket},
                                 {outer.x + s * 2, outer.y - 3}),
                           0.6f, 0.9f);
  img.PaintFlat(crease, kLidSlot, ape ? 8 : 18);
  float lash = ape ? 1.2f : 0.9f + 0.5f * e.lashes;
  Field lash_line = SdfStroke(r, lid, lash * 0.6f, lash);
  if (e.lashes > 0) {
    Union(lash_line, SdfStroke(r, {outer, {outer.x + s * 3.5f, outer.y - 3.5f}}, 1.0f, 0.3f));
  }
  img.PaintFlat(lash_line, kLidSlot, 2);
  Field under = SdfStroke(r, Curve(inner, {low.x, low.y + 0.6f}, outer), 0.5f, 0.6f);
  img.PaintFlat(under, kLidSlot, 22);
  if (e.bags > 0) {
    Field bag = SdfStroke(r,
                          Curve({inner.x + s * 2, inner.y + 5}, {low.x, low.y + 4 + e.bags},
                                {outer.x - s * 2, outer.y + 4}),
                          0.4f, 0.7f);
    img.PaintFlat(bag, kLidSlot, 24);
  }
  return img.Finish();
}

Image8 DrawBrow(Species sp, const BrowShape& b, BrowStep step, int side) {
  const Rect r{-30, -20, 60, 36};
  const float s = static_cast<float>(side);
  float lift = step == BrowStep::kRaised ? -5.0f : 0.0f;
  float arch = b.arch + (step == BrowStep::kRaised ? 2.0f : 0.0f);
  float inner_y = step == BrowStep::kFrown ? 4.0f : 0.0f;
  float half = b.length * 0.5f;
  std::vector<Pt> pts = Spline({{-s * half, inner_y + lift + 1},
                                {-s * half * 0.1f, -arch + lift},
                                {s * half * 0.6f, -arch * 0.6f + lift + b.tilt * 0.5f},
                                {s * half * 1.05f, lift + 3 + b.tilt}},
                               8, false);
  std::vector<float> radius(pts.size());
  for (size_t i = 0; i < pts.size(); ++i) {
    float t = static_cast<float>(i) / (pts.size() - 1);
    radius[i] = b.thick * Mix(1.0f, 0.35f, t * t) * (sp == Species::kFemale ? 0.8f : 1.0f);
  }
  Field sdf = SdfStroke(r, pts, radius);
  if (b.bushy > 0) {
    for (float& v : sdf.values()) v -= 0;
    for (int y = r.y; y < r.Bottom(); ++y) {
      for (int x = r.x; x < r.Right(); ++x)
        sdf.At(x, y) -= b.bushy * (Noise(x * 0.6f, y * 0.9f, 3) - 0.3f);
    }
  }
  Field h = Dome(sdf, 2.5f, 2);
  Shading light = Shade(h, 10);
  Sprite8 img(r);
  img.Paint(sdf, 1, [&](int x, int y, float d) {
    float strand = Noise((x - s * y * 0.6f) * 1.3f, y * 0.35f, 9);
    float level = LitLevel(light, x, y, {6, 26, 6}) * Mix(0.6f, 1.2f, strand);
    return level * Mix(0.6f, 1.0f, Rim(d, 1.2f));
  });
  return img.Finish();
}

Image8 DrawNose(Species sp, const NoseShape& n) {
  const Rect r{-36, -60, 72, 76};
  const bool ape = sp == Species::kApe;
  const float k = sp == Species::kFemale ? 0.85f : 1.0f;
  float tip = n.tip * k, wings = n.wings * k, bridge = n.bridge * k;
  Field tip_sdf = SdfEllipse(r, {n.crooked, -2 + n.hook * 0.4f}, tip, tip * 0.85f);
  Field wing_l = SdfEllipse(r, {-wings * 0.72f, 0}, wings * 0.42f, wings * 0.36f);
  Field wing_r = SdfEllipse(r, {wings * 0.72f, 0}, wings * 0.42f, wings * 0.36f);
  Field bridge_sdf = SdfStroke(r,
                               Spline({{0, -n.length},
                                       {n.crooked * 0.4f - n.hook * 0.2f, -n.length * 0.5f},
                                       {n.crooked + n.hook * 0.3f, -n.length * 0.2f - n.hook},
                                       {n.crooked, -4}},
                                      6, false),
                               bridge * 0.8f, bridge);
  Field nose = tip_sdf;
  SmoothUnion(nose, wing_l, 4);
  SmoothUnion(nose, wing_r, 4);
  SmoothUnion(nose, bridge_sdf, 5);
  if (ape) {
    nose = SdfEllipse(r, {0, -4}, wings * 1.2f, wings * 0.75f);
    SmoothUnion(nose, SdfStroke(r, {{0, -n.length}, {0, -8}}, bridge * 1.6f, wings * 0.9f), 6);
  }
  Field h = Dome(nose, 7, 8);
  AddBump(h, {n.crooked, -3}, tip * 0.8f, tip * 0.7f, 3);
  Blur(h, 1);
  Shading light = Shade(h, 20);
  // Above the tip the face's own modelling takes over: the nose melts into it. The pixels the
  // fade leaves there take the shade of a flat face, or the bridge's shaded sides would stay
  // behind as dark specks.
  auto fade = [&](int y) { return Smoothstep(-tip - 9, -tip + 1, static_cast<float>(y)); };
  // Above the top of the tip nothing of the bridge's own modelling stays.
  auto modelled = [&](int y) { return Smoothstep(-tip - 2, -tip + 1, static_cast<float>(y)); };
  const Tone tone{15, 34, 8};
  const Tone kFaceTone{11, 36, 7};  // the head's, see DrawHead
  const Shading flat = Shade(Field(r, 0), 20);
  Sprite8 img(r);
  img.Paint(nose, 1, [&](int x, int y, float d) {
    float level = LitLevel(light, x, y, tone);
    // Only the underside of the nose gets a contour.
    float rim = Mix(1.0f, Mix(0.55f, 1.0f, Rim(d, 2)), Smoothstep(-6, 0, static_cast<float>(y)));
    return Mix(LitLevel(flat, x, y, kFaceTone), level * rim, modelled(y));
  });
  img.Fade([&](int, int y) { return fade(y); });
  for (int sgn = -1; sgn <= 1; sgn += 2) {
    float nx = sgn * wings * (ape ? 0.5f : 0.36f);
    Field nostril =
        SdfEllipse(r, {nx, ape ? 0.0f : 3.0f}, ape ? 4.0f : 2.8f * k, ape ? 3.0f : 1.5f * k);
    img.PaintFlat(nostril, 1, 4);
  }
  return img.Finish();
}

Image8 DrawNoseShadow(Species sp, const NoseShape& n) {
  const Rect r{-36, -60, 72, 90};
  Field s(r, 0);
  const float wings = n.wings * (sp == Species::kFemale ? 0.85f : 1.0f);
  AddSoft(s, SdfEllipse(r, {4, wings * 0.45f + 5}, wings * 0.7f, 3.5f), 4, 0.55f);
  AddSoft(s, SdfStroke(r, {{n.bridge + 3, -n.length + 10}, {wings * 0.8f + 2, -3}}, 1.5f, 3), 4,
          0.45f);
  return ShadowImage(s, 1, 0.8f);
}

}  // namespace kelvo::demo
