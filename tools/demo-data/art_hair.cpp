// Hair styles. Headwear is in art_hats.cpp.
#include <cmath>

#include "art_dress.h"
#include "art_util.h"

namespace kelvo::demo {

HairImages DrawHat(Species sp, HairStyle style, uint32_t seed);

namespace {

constexpr int kHairSlot = 1, kSkinSlot = 2;
const Rect kFrontRect{-140, -170, 280, 340};
const Rect kBackRect{-150, -160, 300, 330};

// A cap of hair: the grown skull from the left side over the top to the right,
// then back along the hairline (given from left to right).
Field Cap(Species sp, float side, float top, const std::vector<Pt>& hairline) {
  std::vector<Pt> line = Spline(hairline, 6, false);
  std::vector<Pt> poly = Crown(sp, side, top, line.front().y, line.back().y);
  poly.insert(poly.end(), line.rbegin(), line.rend());
  return SdfPolygon(kFrontRect, poly);
}

std::vector<Pt> Hairline(Species sp, float front, float temple) {
  const float w = SkullOf(sp).rx - 3;
  return {{-w, -14},       {-w + 3, -36},    {-w + 16, temple}, {-32, front + 2}, {0, front},
          {32, front + 2}, {w - 16, temple}, {w - 3, -36},      {w, -14}};
}

// Strands that hang down beside the face, between the face edge and `outer`.
Field Curtain(Species sp, float inner, float outer, float bottom, float flare) {
  std::vector<Pt> right = {{inner, -60},
                           {inner + 4, -10},
                           {inner + 2, 40},
                           {inner + 10, bottom},
                           {outer + flare, bottom + 4},
                           {outer + flare * 0.5f, 40},
                           {outer, -20},
                           {outer - 6, -60}};
  (void)sp;
  Field f = SdfPolygon(kFrontRect, Spline(right, 6, true));
  std::vector<Pt> left;
  for (const Pt& p : right) left.push_back({-p.x, p.y});
  Union(f, SdfPolygon(kFrontRect, Spline(left, 6, true)));
  return f;
}

Field BackMass(float half_width, float bottom, float top) {
  std::vector<Pt> ctrl = {{0, top},
                          {half_width * 0.8f, top + 20},
                          {half_width, 10},
                          {half_width * 1.05f, bottom - 30},
                          {half_width * 0.7f, bottom},
                          {0, bottom + 6},
                          {-half_width * 0.7f, bottom},
                          {-half_width * 1.05f, bottom - 30},
                          {-half_width, 10},
                          {-half_width * 0.8f, top + 20}};
  return SdfPolygon(kBackRect, Spline(ctrl, 8, true));
}

Image8 Shadow(const Field& front, float amount) {
  return ShadowImage(CastShadow(front, 3, 6, 3, amount), kSkinSlot, 0.85f);
}

HairImages Finish(Species sp, const Field& front, Pt crown, uint32_t seed, float coarse,
                  const Field* back = nullptr, float fuzz = 1.5f) {
  HairImages out;
  Field f = front;
  Fuzz(f, {0, -30}, fuzz, 3, seed);
  Sprite8 img(kFrontRect);
  PaintHair(img, f, sp, crown, seed, coarse, kHairSlot, true);
  out.front = img.Finish();
  out.shadow = Shadow(front, 0.75f);
  if (back != nullptr) {
    Field b = *back;
    Fuzz(b, {0, -30}, fuzz, 3, seed + 1);
    Sprite8 bimg(kBackRect);
    PaintHair(bimg, b, sp, {crown.x, crown.y - 20}, seed + 2, coarse, kHairSlot);
    bimg.Modulate(b, [](int, int y, float) { return Mix(0.75f, 0.55f, Smoothstep(-40, 120, y)); });
    out.back = bimg.Finish();
  }
  return out;
}

}  // namespace

HairImages DrawHair(Species sp, HairStyle style, uint32_t seed) {
  const float w = SkullOf(sp).rx;
  switch (style) {
    case HairStyle::kCrew:
      return Finish(sp, Cap(sp, 4, 4, Hairline(sp, -70, -58)), {0, -80}, seed, 0.5f, nullptr, 1);
    case HairStyle::kSidePart: {
      std::vector<Pt> line = Hairline(sp, -70, -58);
      line[4].y = -66, line[5] = {30, -62};
      Field cap = Cap(sp, 7, 13, line);
      Union(cap, SdfEllipse(kFrontRect, {18, -70}, 40, 10));
      Field part = SdfStroke(kFrontRect, {{-30, -130}, {-28, -92}}, 1.2f, 0.6f);
      Subtract(cap, part);
      return Finish(sp, cap, {-29, -112}, seed, 1.0f);
    }
    case HairStyle::kSlick:
      return Finish(sp, Cap(sp, 5, 9, Hairline(sp, -72, -62)), {0, 30}, seed, 0.8f);
    case HairStyle::kBuzz: {
      HairImages out;
      Field cap = Cap(sp, 1.5f, 1.5f, Hairline(sp, -70, -58));
      Sprite8 img(kFrontRect);
      PaintHair(img, cap, sp, {0, -80}, seed, 0.3f, kHairSlot);
      img.Fade([&](int x, int y) { return Mix(0.35f, 1.1f, Noise(x * 0.9f, y * 0.9f, seed)); });
      out.front = img.Finish();
      return out;
    }
    case HairStyle::kBaldRing: {
      Field cap = Cap(sp, 4, 3, Hairline(sp, -70, -58));
      Field top = SdfEllipse(kFrontRect, SkullOf(sp).centre, w - 6, SkullOf(sp).ry - 4);
      Subtract(cap, top);
      Intersect(cap, BelowLine(kFrontRect, {{-200, -52}, {200, -52}}));
      return Finish(sp, cap, {0, -120}, seed, 0.6f);
    }
    case HairStyle::kCurly: {
      Field cap = Cap(sp, 14, 18, Hairline(sp, -66, -56));
      HairImages out;
      Fuzz(cap, {0, -30}, 4, 4, seed);
      Sprite8 img(kFrontRect);
      PaintHair(img, cap, sp, {0, -80}, seed, 0.4f, kHairSlot);
      // Curls: small shaded rings over the mass.
      for (uint32_t i = 0; i < 160; ++i) {
        float a = (Hash(i, seed) & 0xFFFF) / 65535.0f * 3.3f - 0.08f;
        float rad = 40 + (Hash(i, seed + 1) & 0xFFFF) / 65535.0f * 60;
        Pt c{std::cos(a) * rad * 1.1f, -26 - std::sin(a) * rad};
        if (!img.Covered(static_cast<int>(c.x), static_cast<int>(c.y))) continue;
        Field ring = SdfStroke(
            kFrontRect, Spline({{c.x - 4, c.y + 1}, {c.x, c.y - 3}, {c.x + 4, c.y + 1}}, 4, false),
            1, 0.8f);
        img.Modulate(ring, [](int, int, float) { return 1.35f; });
        Field under = SdfStroke(kFrontRect, {{c.x - 3, c.y + 3}, {c.x + 3, c.y + 3}}, 0.8f, 0.6f);
        img.Modulate(under, [](int, int, float) { return 0.6f; });
      }
      out.front = img.Finish();
      out.shadow = Shadow(cap, 0.75f);
      return out;
    }
    case HairStyle::kLongMale: {
      Field cap = Cap(sp, 7, 10, Hairline(sp, -68, -58));
      Union(cap, Curtain(sp, w - 4, w + 16, 70, 10));
      Field back = BackMass(w + 18, 90, -110);
      return Finish(sp, cap, {0, -100}, seed, 1.2f, &back);
    }
    case HairStyle::kMohawk: {
      HairImages out = DrawHair(sp, HairStyle::kBuzz, seed);
      Field crest = SdfPolygon(
          kFrontRect,
          Spline({{-13, -72}, {-16, -118}, {-6, -140}, {0, -142}, {6, -140}, {16, -118}, {13, -72}},
                 6, true));
      Fuzz(crest, {0, -100}, 3, 2, seed);
      Sprite8 img(kFrontRect);
      PaintHair(img, crest, sp, {0, -60}, seed, 0.7f, kHairSlot);
      Image8 top = img.Finish();
      // The crest lies over the stubble: merge the two images.
      out.front = Overlay(out.front, top);
      out.shadow = Shadow(crest, 0.6f);
      return out;
    }
    case HairStyle::kReceding: {
      std::vector<Pt> line = Hairline(sp, -82, -62);
      line[2] = {-w + 12, -54}, line[3] = {-26, -82}, line[5] = {26, -82}, line[6] = {w - 12, -54};
      line[4].y = -76;
      return Finish(sp, Cap(sp, 3, 4, line), {0, -90}, seed, 0.6f);
    }
    case HairStyle::kLongStraight: {
      std::vector<Pt> line = Hairline(sp, -68, -56);
      Field cap = Cap(sp, 11, 9, line);
      SmoothUnion(cap, Curtain(sp, w - 12, w + 12, 150, 22), 14);
      Field part = SdfStroke(kFrontRect, {{-6, -112}, {-5, -74}}, 1, 0.5f);
      Subtract(cap, part);
      Field back = BackMass(w + 26, 160, -104);
      return Finish(sp, cap, {-6, -104}, seed, 1.4f, &back, 1.2f);
    }
    case HairStyle::kBob: {
      std::vector<Pt> line = {{-w + 2, 20}, {-w + 6, -30}, {-w + 18, -40}, {-30, -40}, {0, -38},
                              {30, -40},    {w - 18, -40}, {w - 6, -30},   {w - 2, 20}};
      Field cap = Cap(sp, 8, 10, line);
      Union(cap, Curtain(sp, w - 14, w + 10, 62, 6));
      Field back = BackMass(w + 14, 64, -104);
      return Finish(sp, cap, {12, -112}, seed, 1.0f, &back, 1.0f);
    }
    case HairStyle::kPonytail: {
      Field cap = Cap(sp, 4, 5, Hairline(sp, -68, -56));
      Field tail = SdfStroke(
          kBackRect, Spline({{40, -100}, {78, -96}, {94, -56}, {96, 0}, {88, 50}}, 8, false),
          {9, 11, 11, 10, 8, 6, 3});
      return Finish(sp, cap, {0, -110}, seed, 0.8f, &tail);
    }
    case HairStyle::kBun: {
      Field cap = Cap(sp, 4, 5, Hairline(sp, -68, -56));
      Union(cap, SdfEllipse(kFrontRect, {0, -114}, 26, 22));
      return Finish(sp, cap, {0, -116}, seed, 0.8f);
    }
    case HairStyle::kPixie: {
      std::vector<Pt> line = Hairline(sp, -56, -50);
      line[3] = {-36, -60}, line[4] = {-6, -50}, line[5] = {28, -48}, line[6] = {w - 16, -44};
      Field cap = Cap(sp, 6, 9, line);
      return Finish(sp, cap, {-40, -100}, seed, 0.7f, nullptr, 2.5f);
    }
    case HairStyle::kLongCurly: {
      Field cap = Cap(sp, 16, 16, Hairline(sp, -66, -56));
      Union(cap, Curtain(sp, w - 8, w + 30, 130, 26));
      Field back = BackMass(w + 40, 140, -112);
      HairImages out = Finish(sp, cap, {0, -90}, seed, 0.45f, &back, 4.5f);
      return out;
    }
    case HairStyle::kBraids: {
      Field cap = Cap(sp, 5, 6, Hairline(sp, -68, -56));
      Field part = SdfStroke(kFrontRect, {{0, -112}, {0, -72}}, 1, 0.5f);
      Subtract(cap, part);
      HairImages out = Finish(sp, cap, {0, -104}, seed, 0.8f);
      Sprite8 img(kFrontRect);
      for (int sgn = -1; sgn <= 1; sgn += 2) {
        // Plaits: short strands leaning left and right in turn.
        for (int i = 0; i < 16; ++i) {
          float t = i / 15.0f;
          Pt c{sgn * (w + 2 + 8 * t), Mix(-4.0f, 132.0f, t)};
          float rad = Mix(7.0f, 5.0f, t), lean = (i % 2) ? 3.0f : -3.0f;
          Field link =
              SdfStroke(kFrontRect, {{c.x - lean, c.y - 5}, {c.x + lean, c.y + 5}}, rad, rad);
          PaintHair(img, link, sp, {c.x - lean * 3, c.y - 15}, seed + static_cast<uint32_t>(i),
                    0.3f, kHairSlot);
        }
        Field tie = SdfEllipse(kFrontRect, {sgn * (w + 10), 138}, 4, 3);
        img.PaintFlat(tie, kHairSlot, 8);
      }
      out.front = Overlay(img.Finish(), out.front);
      return out;
    }
    case HairStyle::kApeCrest: {
      Field crest = SdfEllipse(kFrontRect, {0, -86}, 42, 22);
      Intersect(crest,
                SdfPolygon(kFrontRect, {{-200, -200}, {200, -200}, {200, -78}, {-200, -78}}));
      Union(crest, SdfEllipse(kFrontRect, {0, -96}, 30, 16));
      return Finish(sp, crest, {0, -60}, seed, 0.8f, nullptr, 3);
    }
    case HairStyle::kApeTuft: {
      Field tuft = SdfPolygon(kFrontRect, Spline({{-34, -82},
                                                  {-30, -100},
                                                  {-12, -104},
                                                  {-8, -124},
                                                  {4, -106},
                                                  {18, -122},
                                                  {22, -100},
                                                  {38, -96},
                                                  {34, -80}},
                                                 6, true));
      return Finish(sp, tuft, {0, -70}, seed, 0.6f, nullptr, 3);
    }
    case HairStyle::kApeShaggy: {
      Field cap = Cap(sp, 10, 12, Hairline(sp, -70, -60));
      Union(cap, Curtain(sp, w - 6, w + 22, 80, 20));
      Field back = BackMass(w + 30, 110, -100);
      return Finish(sp, cap, {0, -100}, seed, 1.0f, &back, 4);
    }
    case HairStyle::kApeFlat:
      return Finish(sp, Cap(sp, 5, 3, Hairline(sp, -72, -64)), {0, -80}, seed, 0.5f, nullptr, 2.5f);
    default:
      return DrawHat(sp, style, seed);
  }
}

}  // namespace kelvo::demo
