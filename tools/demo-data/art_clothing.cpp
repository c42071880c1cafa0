// Clothing: uniforms, civilian wear and the collar behind the neck.
#include <cmath>

#include "art_dress.h"
#include "art_util.h"

namespace kelvo::demo {

namespace {

constexpr int kMain = 1, kShirtSlot = 2, kMetalSlot = 3, kTrimSlot = 4;
const Rect kRect{-170, -60, 340, 160};

struct Body {
  float shoulder = 150;  // half width at the shoulder points
  float collar = 44;     // half width where the neckline starts
};

Body BodyOf(Species sp) {
  switch (sp) {
    case Species::kFemale:
      return {136, 40};
    case Species::kApe:
      return {168, 52};
    default:
      return {152, 46};
  }
}

// The garment's outline with the given neckline, from the left collar point
// down and round to the right collar point.
Field Garment(const Body& b, const std::vector<Pt>& neckline) {
  std::vector<Pt> pts = {{b.collar, -16},        {b.collar + 46, 0},     {b.shoulder - 16, 22},
                         {b.shoulder + 12, 50},  {b.shoulder + 26, 110}, {-b.shoulder - 26, 110},
                         {-b.shoulder - 12, 50}, {-b.shoulder + 16, 22}, {-b.collar - 46, 0}};
  std::vector<Pt> outline = Spline(pts, 6, false);
  outline.insert(outline.end(), neckline.begin(), neckline.end());
  return SdfPolygon(kRect, outline);
}

std::vector<Pt> VNeck(const Body& b, float depth) {
  return Spline({{-b.collar, -16},
                 {-b.collar * 0.5f, depth * 0.4f},
                 {0, depth},
                 {b.collar * 0.5f, depth * 0.4f},
                 {b.collar, -16}},
                6, false);
}

std::vector<Pt> RoundNeck(const Body& b, float depth) {
  return Spline({{-b.collar, -16},
                 {-b.collar * 0.7f, depth * 0.6f},
                 {0, depth},
                 {b.collar * 0.7f, depth * 0.6f},
                 {b.collar, -16}},
                6, false);
}

void Seams(Sprite8& img, const Body& b) {
  for (int sgn = -1; sgn <= 1; sgn += 2) {
    Field seam = SdfStroke(kRect,
                           Spline({{sgn * (b.shoulder - 18), 6},
                                   {sgn * (b.shoulder - 30), 40},
                                   {sgn * (b.shoulder - 30), 110}},
                                  6, false),
                           0.8f, 1.2f);
    img.Modulate(seam, [](int, int, float) { return 0.6f; });
  }
}

void Button(Sprite8& img, Pt c, float r) {
  Field b = SdfEllipse(kRect, c, r, r);
  Shading l = Shade(Dome(b, r, r), 30);
  img.Paint(b, kMetalSlot, [&](int x, int y, float d) {
    return LitLevel(l, x, y, {6, 34, 20}) * Mix(0.5f, 1.0f, Rim(d, 1));
  });
}

void Pocket(Sprite8& img, Pt c, float w, float h, bool buttons) {
  Field outline = SdfBox(kRect, c, w, h, 3);
  Field inner = outline;
  Offset(inner, -1.5f);
  Field seam = outline;
  Subtract(seam, inner);
  img.Modulate(seam, [](int, int, float) { return 0.7f; });
  Field flap = SdfPolygon(kRect, {{c.x - w - 1, c.y - h - 2},
                                  {c.x + w + 1, c.y - h - 2},
                                  {c.x + w + 1, c.y - h + 8},
                                  {c.x, c.y - h + 12},
                                  {c.x - w - 1, c.y - h + 8}});
  Field under = SdfPolygon(kRect, {{c.x - w, c.y - h + 9},
                                   {c.x, c.y - h + 14},
                                   {c.x + w, c.y - h + 9},
                                   {c.x + w, c.y - h + 11},
                                   {c.x, c.y - h + 16},
                                   {c.x - w, c.y - h + 11}});
  img.Modulate(under, [](int, int, float) { return 0.7f; });
  img.Modulate(flap, [&](int, int y, float d) {
    return Mix(0.75f, 1.12f, Smoothstep(c.y - h + 10, c.y - h - 2, static_cast<float>(y))) *
           Mix(0.75f, 1.0f, Rim(d, 1.2f));
  });
  if (buttons) Button(img, {c.x, c.y - h + 8}, 2.2f);
}

// A board lying along the slope of the shoulder.
Field ShoulderBoard(const Body& b, int sgn) {
  float s = static_cast<float>(sgn);
  return SdfStroke(kRect, {{s * (b.collar + 8), -11}, {s * (b.collar + 54), 5}}, 5.5f, 5.5f);
}

void Camouflage(Sprite8& img, const Field& sdf, uint32_t seed) {
  img.Modulate(sdf, [seed](int x, int y, float) {
    float a = Fbm(x * 0.025f, y * 0.035f, seed, 3), b = Fbm(x * 0.03f + 9, y * 0.03f, seed + 5, 3);
    if (a > 0.58f) return 0.55f;
    if (b > 0.6f) return 1.25f;
    return 1.0f;
  });
}

// A collar flap lying along a V neckline of the given depth.
Field CollarFlap(int sgn, const Body& b, float depth) {
  float s = static_cast<float>(sgn);
  return SdfPolygon(kRect, {{s * (b.collar - 2), -19},
                            {s * (b.collar + 17), -9},
                            {s * (b.collar * 0.5f + 12), depth * 0.72f},
                            {s * b.collar * 0.3f, depth * 0.78f},
                            {s * b.collar * 0.55f, depth * 0.3f}});
}

void Flap(Sprite8& img, const Field& flap, int slot, uint32_t seed) {
  Field shadow = flap;
  Offset(shadow, 2);
  img.Modulate(shadow, [](int, int, float) { return 0.75f; });
  PaintCloth(img, flap, slot, 5, 0.2f, seed);
}

}  // namespace

ClothingImages DrawClothing(Species sp, ClothingStyle style, uint32_t seed) {
  const Body b = BodyOf(sp);
  Sprite8 img(kRect);
  Sprite8 back(kRect);
  Field back_collar = SdfPolygon(kRect, Spline({{-b.collar - 2, -10},
                                                {-b.collar + 4, -26},
                                                {0, -32},
                                                {b.collar - 4, -26},
                                                {b.collar + 2, -10},
                                                {0, -12}},
                                               6, true));
  int back_slot = kMain;
  switch (style) {
    case ClothingStyle::kUsSoldier: {
      Field shirt = Garment(b, RoundNeck(b, -6));
      PaintCloth(img, shirt, kShirtSlot, 30, 0.5f, seed + 1);
      Field jacket = Garment(b, VNeck(b, 44));
      PaintCloth(img, jacket, kMain, 40, 1.0f, seed);
      Camouflage(img, jacket, seed);
      Seams(img, b);
      Pocket(img, {-62, 58}, 22, 20, true);
      Pocket(img, {62, 58}, 22, 20, true);
      Field tape = SdfBox(kRect, {62, 26}, 22, 4.5f, 1);
      img.Paint(tape, kTrimSlot, [](int x, int, float) {
        return std::fmod(std::abs(x * 1.0f), 5.0f) < 2.5f ? 18.0f : 34.0f;
      });
      for (int sgn = -1; sgn <= 1; sgn += 2) Flap(img, CollarFlap(sgn, b, 44), kMain, seed + 2);
      Button(img, {0, 54}, 2.4f);
      Button(img, {0, 82}, 2.4f);
      img.PaintFlat(SdfBox(kRect, {-36, 10}, 4, 4, 1), kMetalSlot, 44);
      break;
    }
    case ClothingStyle::kRuSoldier: {
      Field tunic = Garment(b, RoundNeck(b, -8));
      PaintCloth(img, tunic, kMain, 40, 0.9f, seed);
      Seams(img, b);
      Field placket = SdfBox(kRect, {0, 34}, 7, 50, 1);
      img.Modulate(placket, [](int x, int, float) { return x > 5 ? 0.75f : 1.05f; });
      for (int i = 0; i < 3; ++i) Button(img, {0, 6.0f + i * 22}, 2.4f);
      Pocket(img, {-64, 56}, 21, 18, true);
      Pocket(img, {64, 56}, 21, 18, true);
      for (int sgn = -1; sgn <= 1; sgn += 2) {
        Field board = ShoulderBoard(b, sgn);
        PaintCloth(img, board, kTrimSlot, 4, 0, seed);
        Button(img, {sgn * (b.collar + 14), -9}, 2);
      }
      Field collar = SdfBox(kRect, {0, -20}, b.collar + 2, 8, 4);
      Subtract(collar, SdfBox(kRect, {0, -20}, 3, 12, 0));
      PaintCloth(img, collar, kMain, 5, 0, seed);
      break;
    }
    case ClothingStyle::kArRobe: {
      Field robe = Garment(b, RoundNeck(b, 2));
      PaintCloth(img, robe, kMain, 40, 1.2f, seed);
      Field placket = SdfBox(kRect, {0, 30}, 5, 34, 2);
      img.Modulate(placket, [](int x, int, float) { return x > 3 ? 0.8f : 1.05f; });
      Field cloak = Garment(b, VNeck(b, 130));
      Subtract(cloak, SdfBox(kRect, {0, 60}, b.collar + 20, 80, 30));
      PaintCloth(img, cloak, kTrimSlot, 20, 1.0f, seed + 4);
      Field edge = cloak;
      Field inner = cloak;
      Offset(inner, -3);
      Subtract(edge, inner);
      img.Paint(edge, kMetalSlot, [](int, int y, float) { return 40 + 6 * std::sin(y * 0.8f); });
      break;
    }
    case ClothingStyle::kSuit:
    case ClothingStyle::kOfficer: {
      Field shirt = Garment(b, RoundNeck(b, -6));
      PaintCloth(img, shirt, kShirtSlot, 30, 0.3f, seed + 1);
      Field tie =
          SdfPolygon(kRect, {{-6, -10}, {6, -10}, {4, 0}, {9, 80}, {0, 92}, {-9, 80}, {-4, 0}});
      PaintCloth(img, tie, kTrimSlot, 4, 0.1f, seed);
      for (int sgn = -1; sgn <= 1; sgn += 2) {
        float s = static_cast<float>(sgn);
        Field c = SdfPolygon(
            kRect,
            {{s * 2, -8}, {s * (b.collar - 2), -24}, {s * (b.collar + 2), -12}, {s * 14, 8}});
        Flap(img, c, kShirtSlot, seed);
      }
      Field jacket = Garment(b, VNeck(b, 86));
      PaintCloth(img, jacket, kMain, 40, 0.6f, seed);
      Seams(img, b);
      for (int sgn = -1; sgn <= 1; sgn += 2) {
        float s = static_cast<float>(sgn);
        Field lapel = SdfPolygon(kRect, {{s * (b.collar - 2), -14},
                                         {s * (b.collar + 14), 8},
                                         {s * 40, 26},
                                         {s * 30, 52},
                                         {s * 6, 86},
                                         {s * 14, 40},
                                         {s * 28, 0}});
        Flap(img, lapel, kMain, seed + 3);
      }
      Button(img, {-14, 92}, 3);
      if (style == ClothingStyle::kOfficer) {
        for (int i = 0; i < 3; ++i) {
          Field ribbon = SdfBox(kRect, {-66.0f + i * 10, 40}, 4.5f, 3, 0.5f);
          img.Paint(ribbon, i == 1 ? kMetalSlot : kTrimSlot,
                    [](int, int y, float) { return 30.0f + (y - 40) * -2; });
        }
        Button(img, {-56, 56}, 4);
        for (int sgn = -1; sgn <= 1; sgn += 2) {
          Field board = ShoulderBoard(b, sgn);
          img.Paint(board, kMetalSlot, [](int, int y, float d) {
            return (34 - y * 1.0f) * Mix(0.6f, 1.0f, Rim(d, 1));
          });
        }
      }
      back_slot = kShirtSlot;
      break;
    }
    case ClothingStyle::kTshirt:
    case ClothingStyle::kTankTop: {
      bool tank = style == ClothingStyle::kTankTop;
      Body tb = b;
      if (tank) tb.collar += 14;
      Field shirt = Garment(tb, RoundNeck(tb, tank ? 40.0f : 8.0f));
      if (tank) {
        for (int sgn = -1; sgn <= 1; sgn += 2) {
          Subtract(shirt, SdfEllipse(kRect, {sgn * (b.shoulder + 4), 10}, 62, 60));
        }
      }
      PaintCloth(img, shirt, kMain, 34, 1.2f, seed);
      Field hem = SdfStroke(kRect, RoundNeck(tb, tank ? 40.0f : 8.0f), 2.5f, 2.5f);
      img.Modulate(hem, [](int, int, float) { return 0.85f; });
      if (!tank) {
        Field chain = SdfStroke(
            kRect,
            Spline({{-b.collar + 6, -12}, {-14, 40}, {0, 52}, {14, 40}, {b.collar - 6, -12}}, 8,
                   false),
            0.9f, 0.9f);
        img.PaintFlat(chain, kMetalSlot, 40);
        Field tag = SdfBox(kRect, {0, 58}, 6, 9, 3);
        Shading l = Shade(Dome(tag, 3, 2), 30);
        img.Paint(tag, kMetalSlot, [&](int x, int y, float d) {
          return LitLevel(l, x, y, {10, 30, 20}) * Mix(0.5f, 1.0f, Rim(d, 1));
        });
      }
      break;
    }
    case ClothingStyle::kFlightJacket:
    case ClothingStyle::kVest: {
      Field shirt = Garment(b, RoundNeck(b, -6));
      PaintCloth(img, shirt, kShirtSlot, 30, 0.8f, seed + 1);
      Field jacket = Garment(b, VNeck(b, 70));
      if (style == ClothingStyle::kVest) {
        for (int sgn = -1; sgn <= 1; sgn += 2) {
          Subtract(jacket, SdfEllipse(kRect, {sgn * (b.shoulder + 10), 40}, 50, 90));
        }
      }
      PaintCloth(img, jacket, kTrimSlot, 30, 1.4f, seed);
      img.Modulate(jacket, [seed](int x, int y, float) {
        return Mix(0.85f, 1.1f, Fbm(x * 0.08f, y * 0.08f, seed, 2));
      });
      if (style == ClothingStyle::kFlightJacket) {
        for (int sgn = -1; sgn <= 1; sgn += 2) {
          Field fur = CollarFlap(sgn, b, 70);
          Offset(fur, 3);
          Fuzz(fur, {0, 0}, 2, 1.5f, seed);
          PaintHair(img, fur, sp, {sgn * 10.0f, -40}, seed, 0.3f, kShirtSlot);
        }
        Seams(img, b);
      } else {
        Pocket(img, {-60, 60}, 18, 14, false);
        Pocket(img, {60, 60}, 18, 14, false);
      }
      back_slot = kShirtSlot;
      break;
    }
    case ClothingStyle::kSweater: {
      Field sweater = Garment(b, RoundNeck(b, -12));
      PaintCloth(img, sweater, kMain, 40, 1.0f, seed);
      img.Modulate(sweater, [](int x, int, float) {
        return std::fmod(std::abs(x + 200.0f), 6.0f) < 2 ? 0.88f : 1.0f;
      });
      Field collar = SdfPolygon(kRect, Spline({{-b.collar - 4, -8},
                                               {-b.collar + 2, -36},
                                               {-b.collar + 6, -58},
                                               {b.collar - 6, -58},
                                               {b.collar - 2, -36},
                                               {b.collar + 4, -8},
                                               {0, -4}},
                                              6, true));
      Field tube(kRect, 0);
      for (int y = kRect.y; y < kRect.Bottom(); ++y) {
        for (int x = kRect.x; x < kRect.Right(); ++x) {
          float u = Clamp(x / (b.collar + 4), -1, 1);
          tube.At(x, y) = 30 * std::sqrt(1 - u * u);
        }
      }
      Shading tl = Shade(tube, 4);
      img.Paint(collar, kMain, [&](int x, int y, float d) {
        return LitLevel(tl, x, y, {8, 34, 2}) * Mix(0.5f, 1.0f, Rim(d, 2));
      });
      img.Modulate(collar, [](int, int y, float) {
        return std::fmod(std::abs(y + 200.0f), 4.0f) < 1.5f ? 0.85f : 1.0f;
      });
      break;
    }
    case ClothingStyle::kBlouse:
    case ClothingStyle::kDress: {
      bool dress = style == ClothingStyle::kDress;
      Field top = Garment(b, VNeck(b, dress ? 48.0f : 30.0f));
      PaintCloth(img, top, kMain, 34, dress ? 0.8f : 1.4f, seed);
      if (!dress) {
        for (int sgn = -1; sgn <= 1; sgn += 2) Flap(img, CollarFlap(sgn, b, 30), kMain, seed + 2);
        Button(img, {0, 42}, 2.2f);
        Button(img, {0, 70}, 2.2f);
      } else {
        Field chain = SdfStroke(
            kRect,
            Spline({{-b.collar + 4, -14}, {-20, 18}, {0, 28}, {20, 18}, {b.collar - 4, -14}}, 8,
                   false),
            0.9f, 0.9f);
        img.PaintFlat(chain, kMetalSlot, 42);
        Field pendant = SdfEllipse(kRect, {0, 33}, 4, 5);
        Shading l = Shade(Dome(pendant, 4, 3), 30);
        img.Paint(pendant, kTrimSlot, [&](int x, int y, float d) {
          return LitLevel(l, x, y, {8, 30, 22}) * Mix(0.5f, 1.0f, Rim(d, 1));
        });
      }
      back_slot = kMain;
      break;
    }
  }
  PaintCloth(back, back_collar, back_slot, 4, 0, seed);
  back.Modulate(back_collar, [](int, int, float) { return 0.6f; });
  return {img.Finish(), back.Finish()};
}

}  // namespace kelvo::demo
