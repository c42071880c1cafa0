// Backgrounds and foreground items: 16-bit images in canvas coordinates.
#include <cmath>

#include "art_dress.h"
#include "art_util.h"

namespace kelvo::demo {

namespace {

const Rect kCanvas{0, 0, 320, 400};

Rgb Vertical(const std::vector<std::pair<float, Rgb>>& stops, float y) {
  if (y <= stops.front().first) return stops.front().second;
  for (size_t i = 1; i < stops.size(); ++i) {
    if (y <= stops[i].first) {
      float t = (y - stops[i - 1].first) / (stops[i].first - stops[i - 1].first);
      return MixRgb(stops[i - 1].second, stops[i].second, Smoothstep(0, 1, t));
    }
  }
  return stops.back().second;
}

float Vignette(int x, int y) {
  float dx = (x - 160) / 200.0f, dy = (y - 180) / 260.0f;
  return 1 - 0.45f * Smoothstep(0.3f, 1.1f, std::sqrt(dx * dx + dy * dy));
}

// A ridge line of hills or tree tops at height y, roughness r.
float Ridge(float x, float y, float amp, float scale, uint32_t seed) {
  return y - amp * Fbm(x / scale, 0.5f, seed, 4);
}

void Trees(Sprite16& img, float x, float width, Rgb bark, uint32_t seed) {
  Field trunk = SdfPolygon(kCanvas, {{x - width * 0.5f, -10},
                                     {x + width * 0.5f, -10},
                                     {x + width * 0.7f, 410},
                                     {x - width * 0.7f, 410}});
  img.Paint(trunk, [&](int px, int py, float) {
    float u = (px - x) / width;
    float shade = 0.6f + 0.5f * Clamp(-u + 0.3f, 0, 1);
    float bark_lines = 0.85f + 0.3f * Noise(px * 0.5f, py * 0.05f, seed);
    return Scale(bark, shade * bark_lines);
  });
}

void Foliage(Sprite16& img, Pt c, float r, Rgb leaf, uint32_t seed) {
  Field blob = SdfEllipse(kCanvas, c, r, r * 0.7f);
  Fuzz(blob, c, 10, 4, seed);
  img.Paint(blob, [&](int x, int y, float d) {
    float n = Fbm(x * 0.08f, y * 0.08f, seed, 3);
    float light =
        0.55f + 0.7f * n * Smoothstep(r, -r, static_cast<float>(x - c.x + y - c.y) * 0.7f + d);
    return Scale(leaf, light);
  });
}

}  // namespace

SceneImages DrawScene(SceneStyle style) {
  Sprite16 back(kCanvas), over(kCanvas);
  bool overlay = false;
  switch (style) {
    case SceneStyle::kStudio:
      back.Fill([](int x, int y) {
        float dx = (x - 130) / 220.0f, dy = (y - 150) / 300.0f;
        float t = Smoothstep(0, 1, std::sqrt(dx * dx + dy * dy));
        Rgb c = MixRgb({150, 160, 172}, {62, 72, 88}, t);
        return Scale(c, 0.94f + 0.12f * Fbm(x * 0.012f, y * 0.012f, 41, 4));
      });
      break;
    case SceneStyle::kForest:
      back.Fill([](int x, int y) {
        Rgb sky = Vertical({{0, {172, 196, 190}}, {230, {200, 210, 190}}}, static_cast<float>(y));
        float far = Ridge(x, 170, 70, 40, 5), near = Ridge(x, 240, 60, 30, 7);
        if (y > near) return Scale(Rgb{70, 96, 66}, 0.9f + 0.2f * Fbm(x * 0.05f, y * 0.05f, 3, 3));
        if (y > far) return MixRgb({120, 148, 128}, sky, 0.35f);
        return sky;
      });
      Trees(over, 22, 26, {74, 60, 48}, 3);
      Trees(over, 296, 34, {66, 54, 44}, 4);
      Foliage(over, {20, 20}, 70, {60, 96, 52}, 5);
      Foliage(over, {310, 40}, 60, {54, 88, 50}, 6);
      overlay = true;
      break;
    case SceneStyle::kDesert:
      back.Fill([](int x, int y) {
        Rgb sky = Vertical({{0, {96, 146, 200}}, {200, {210, 214, 206}}}, static_cast<float>(y));
        float sun = std::exp(-std::pow(std::hypot(x - 250.0f, y - 70.0f) / 40.0f, 2.0f));
        sky = MixRgb(sky, {255, 248, 220}, sun);
        float dune = Ridge(x, 250, 50, 90, 11);
        if (y > dune) {
          float t = Smoothstep(dune, dune + 80, static_cast<float>(y));
          return Scale(Rgb{214, 178, 128},
                       0.85f + 0.15f * t + 0.05f * Noise(x * 0.2f, y * 0.6f, 3));
        }
        return sky;
      });
      {
        // A ruined mud-brick wall at the left.
        Field wall = SdfPolygon(
            kCanvas, {{-10, 150}, {30, 140}, {38, 170}, {60, 176}, {64, 410}, {-10, 410}});
        over.Paint(wall, [](int x, int y, float d) {
          float brick =
              (static_cast<int>(y / 9.0f) % 2 == 0 ? x : x + 7) % 15 < 1 || y % 9 < 1 ? 0.8f : 1.0f;
          return Scale(Rgb{176, 136, 96}, brick * (0.8f + 0.2f * Smoothstep(-8, 0, d) * 0) *
                                              (0.85f + 0.2f * Noise(x * 0.3f, y * 0.3f, 9)));
        });
        overlay = true;
      }
      break;
    case SceneStyle::kCity:
      back.Fill([](int x, int y) {
        return Vertical({{0, {58, 48, 92}}, {150, {176, 96, 92}}, {260, {238, 170, 100}}},
                        y + 6 * Noise(x * 0.02f, 0, 3));
      });
      for (int i = 0; i < 14; ++i) {
        float x0 = i * 26.0f - 10 + (Hash(i, 1) % 10), w = 22.0f + (Hash(i, 2) % 18);
        float top = 150.0f + (Hash(i, 3) % 110);
        Field block =
            SdfBox(kCanvas, {x0 + w * 0.5f, (top + 420) * 0.5f}, w * 0.5f, (420 - top) * 0.5f, 0);
        uint32_t seed = static_cast<uint32_t>(i);
        over.Paint(block, [seed, x0, top](int x, int y, float) {
          bool window = (x - static_cast<int>(x0)) % 6 < 3 && (y - static_cast<int>(top)) % 8 < 4 &&
                        Hash(Hash(x / 6, y / 8), seed) % 5 == 0;
          return window ? Rgb{250, 210, 120} : Rgb{40.0f + seed % 3 * 6, 36, 52};
        });
      }
      overlay = true;
      break;
    case SceneStyle::kBrick:
      back.Fill([](int x, int y) {
        int row = y / 14;
        int off = (row % 2) * 16;
        bool mortar = y % 14 < 2 || (x + off) % 32 < 2;
        uint32_t brick = Hash((x + off) / 32, row);
        Rgb c =
            mortar ? Rgb{150, 140, 128} : Scale(Rgb{150, 72, 56}, 0.8f + (brick % 100) / 400.0f);
        c = Scale(c, 0.9f + 0.15f * Noise(x * 0.4f, y * 0.4f, 4));
        return Scale(c, Vignette(x, y));
      });
      break;
    case SceneStyle::kSky:
      back.Fill([](int x, int y) {
        Rgb sky = Vertical({{0, {60, 110, 190}}, {400, {170, 200, 230}}}, static_cast<float>(y));
        float cloud = Smoothstep(0.5f, 0.75f, Fbm(x * 0.008f, y * 0.014f, 21, 5));
        return MixRgb(sky, Rgb{245, 245, 250}, cloud * 0.9f);
      });
      break;
    case SceneStyle::kSnow:
      back.Fill([](int x, int y) {
        Rgb c = Vertical({{0, {150, 160, 172}}, {260, {214, 218, 224}}, {400, {236, 238, 242}}},
                         static_cast<float>(y));
        float trees = Ridge(x, 230, 80, 14, 31);
        if (y > trees && y < 300) c = MixRgb(c, Rgb{90, 100, 104}, 0.45f);
        if (Hash(Hash(x, y), 77) % 97 == 0) c = {250, 250, 252};
        return c;
      });
      break;
    case SceneStyle::kTent:
      back.Fill([](int x, int y) {
        float fold = 0.85f + 0.15f * std::sin(x * 0.045f + Fbm(x * 0.01f, y * 0.01f, 5, 2) * 3);
        bool seam = std::abs(x - 100) < 2 || std::abs(x - 230) < 2;
        Rgb c = Scale(Rgb{136, 130, 92}, fold * (seam ? 0.75f : 1.0f));
        return Scale(c, 0.7f + 0.45f * Smoothstep(320, 0, x * 0.8f + y * 0.4f));
      });
      break;
  }
  SceneImages out;
  out.backdrop = back.Finish(false);
  if (overlay) out.overlay = over.Finish(true);
  return out;
}

Image16 DrawForeground(ForegroundStyle style) {
  Sprite16 img(kCanvas);
  switch (style) {
    case ForegroundStyle::kNone:
      return {};
    case ForegroundStyle::kSandbags:
      for (int row = 0; row < 2; ++row) {
        for (int i = -1; i < 7; ++i) {
          Pt c{i * 56.0f + row * 28, 392.0f - row * 30};
          if (row == 1 && (i < 0 || (i > 0 && i < 5))) continue;
          Field bag = SdfBox(kCanvas, c, 30, 17, 14);
          Shading l = Shade(Dome(bag, 12, 12), 6);
          img.Paint(bag, [&](int x, int y, float d) {
            float n = 0.85f + 0.2f * Noise(x * 0.3f, y * 0.3f, 8);
            float lit = 0.35f + 0.9f * l.diffuse.At(x, y);
            return Scale(Rgb{160, 146, 104}, lit * n * (d > -1.5f ? 0.6f : 1.0f));
          });
        }
      }
      break;
    case ForegroundStyle::kFrame: {
      Field frame = SdfBox(kCanvas, {160, 200}, 170, 210, 0);
      Subtract(frame, SdfBox(kCanvas, {160, 200}, 148, 188, 6));
      img.Paint(frame, [](int x, int y, float) {
        float grain = 0.8f + 0.25f * Noise(x * 0.08f, y * 0.9f, 3) * Noise(x * 0.9f, y * 0.08f, 4);
        float bevel = (x < 12 || y < 12) ? 1.15f : (x > 308 || y > 388) ? 0.75f : 0.95f;
        return Scale(Rgb{122, 80, 48}, grain * bevel);
      });
      break;
    }
    case ForegroundStyle::kWire:
      for (int strand = 0; strand < 2; ++strand) {
        std::vector<Pt> pts;
        for (int i = 0; i <= 16; ++i) {
          float x = i * 20.0f;
          pts.push_back({x, 352.0f + strand * 22 + 6 * std::sin(x * 0.03f + strand * 2)});
        }
        Field wire = SdfStroke(kCanvas, pts, 1.2f, 1.2f);
        for (int i = 0; i < 16; ++i) {
          Pt c = pts[static_cast<size_t>(i)];
          c.x += 10;
          Union(wire, SdfStroke(kCanvas, {{c.x - 5, c.y - 5}, {c.x + 5, c.y + 5}}, 1, 1));
          Union(wire, SdfStroke(kCanvas, {{c.x - 5, c.y + 5}, {c.x + 5, c.y - 5}}, 1, 1));
        }
        img.Paint(wire, [](int x, int y, float d) {
          return Scale(Rgb{110, 104, 96}, (d < -0.4f ? 1.0f : 0.6f) * (0.8f + 0.002f * (x - y)));
        });
      }
      break;
    case ForegroundStyle::kVignette:
      for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 320; ++x) {
          float dx = (x - 160) / 170.0f, dy = (y - 200) / 215.0f;
          float t = Smoothstep(0.82f, 1.15f, std::sqrt(dx * dx + dy * dy));
          float threshold = (Hash(x, y) & 0xFF) / 255.0f;
          if (t > threshold) img.Put(x, y, {12, 10, 8}, 1);
        }
      }
      break;
    case ForegroundStyle::kSmoke:
      for (int y = 200; y < 400; ++y) {
        for (int x = 0; x < 320; ++x) {
          float n = Fbm(x * 0.015f, y * 0.02f - x * 0.004f, 13, 4);
          float t = Smoothstep(0.5f, 0.75f, n) * Smoothstep(220, 380, static_cast<float>(y)) *
                    Smoothstep(300, 60, static_cast<float>(x));
          float threshold = ((Hash(x, y) & 0xFF) / 255.0f) * 0.9f + 0.05f;
          if (t > threshold) img.Put(x, y, {200, 200, 196}, 1);
        }
      }
      break;
  }
  return img.Finish(true);
}

}  // namespace kelvo::demo
