#include "raster.h"

#include <algorithm>
#include <cmath>

namespace kelvo::demo {

namespace {

// Distances are only computed near a shape; this far around its box.
constexpr int kMargin = 64;

// Strokes are thin; their far field is rarely needed.
constexpr int kStrokeMargin = 24;

// The part of r that lies within the box [x0, x1] x [y0, y1] grown by the margin.
Rect Near(Rect r, float x0, float y0, float x1, float y1, int margin = kMargin) {
  int a = std::max(r.x, static_cast<int>(std::floor(x0)) - margin);
  int b = std::max(r.y, static_cast<int>(std::floor(y0)) - margin);
  int c = std::min(r.Right(), static_cast<int>(std::ceil(x1)) + margin);
  int d = std::min(r.Bottom(), static_cast<int>(std::ceil(y1)) + margin);
  return {a, b, std::max(0, c - a), std::max(0, d - b)};
}

}  // namespace

Field::Field(Rect r, float fill)
    : rect_(r), fill_(fill), v_(static_cast<size_t>(r.w) * r.h, fill) {}

float Field::Sample(float x, float y) const {
  int ix = static_cast<int>(std::floor(x));
  int iy = static_cast<int>(std::floor(y));
  float fx = x - ix, fy = y - iy;
  float a = Get(ix, iy), b = Get(ix + 1, iy), c = Get(ix, iy + 1), d = Get(ix + 1, iy + 1);
  return Mix(Mix(a, b, fx), Mix(c, d, fx), fy);
}

Field SdfEllipse(Rect r, Pt c, float rx, float ry) {
  Field f(r, kFar);
  Rect n = Near(r, c.x - rx, c.y - ry, c.x + rx, c.y + ry);
  for (int y = n.y; y < n.Bottom(); ++y) {
    for (int x = n.x; x < n.Right(); ++x) {
      float px = x - c.x, py = y - c.y;
      float k0 = std::sqrt(px * px / (rx * rx) + py * py / (ry * ry));
      float k1 = std::sqrt(px * px / (rx * rx * rx * rx) + py * py / (ry * ry * ry * ry));
      f.At(x, y) = k1 > 1e-6f ? k0 * (k0 - 1.0f) / k1 : -std::min(rx, ry);
    }
  }
  return f;
}

Field SdfBox(Rect r, Pt c, float hw, float hh, float radius) {
  Field f(r, kFar);
  Rect n = Near(r, c.x - hw, c.y - hh, c.x + hw, c.y + hh);
  for (int y = n.y; y < n.Bottom(); ++y) {
    for (int x = n.x; x < n.Right(); ++x) {
      float qx = std::abs(x - c.x) - (hw - radius);
      float qy = std::abs(y - c.y) - (hh - radius);
      float mx = std::max(qx, 0.0f), my = std::max(qy, 0.0f);
      float out = std::sqrt(mx * mx + my * my);
      f.At(x, y) = out + std::min(std::max(qx, qy), 0.0f) - radius;
    }
  }
  return f;
}

Field SdfStroke(Rect r, const std::vector<Pt>& pts, const std::vector<float>& profile) {
  Field f(r, kFar);
  if (pts.empty() || profile.empty()) return f;
  // The profile's values are spread evenly along the stroke, whatever their number.
  std::vector<float> radius(pts.size());
  for (size_t i = 0; i < pts.size(); ++i) {
    float t = pts.size() > 1 ? static_cast<float>(i) / (pts.size() - 1) * (profile.size() - 1) : 0;
    size_t k = std::min(static_cast<size_t>(t), profile.size() - 1);
    radius[i] = k + 1 < profile.size() ? Mix(profile[k], profile[k + 1], t - k) : profile[k];
  }
  float x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0, rmax = 0;
  for (size_t i = 0; i < pts.size(); ++i) {
    x0 = std::min(x0, pts[i].x), x1 = std::max(x1, pts[i].x);
    y0 = std::min(y0, pts[i].y), y1 = std::max(y1, pts[i].y);
    rmax = std::max(rmax, radius[i]);
  }
  Rect n = Near(r, x0 - rmax, y0 - rmax, x1 + rmax, y1 + rmax, kStrokeMargin);
  for (int y = n.y; y < n.Bottom(); ++y) {
    for (int x = n.x; x < n.Right(); ++x) {
      float best = kFar;
      if (pts.size() == 1) {
        float dx = x - pts[0].x, dy = y - pts[0].y;
        best = std::sqrt(dx * dx + dy * dy) - radius[0];
      }
      for (size_t i = 1; i < pts.size(); ++i) {
        float ex = pts[i].x - pts[i - 1].x, ey = pts[i].y - pts[i - 1].y;
        float wx = x - pts[i - 1].x, wy = y - pts[i - 1].y;
        float len2 = ex * ex + ey * ey;
        float t = len2 > 0 ? Clamp((wx * ex + wy * ey) / len2, 0, 1) : 0;
        float dx = wx - ex * t, dy = wy - ey * t;
        float d = std::sqrt(dx * dx + dy * dy) - Mix(radius[i - 1], radius[i], t);
        best = std::min(best, d);
      }
      f.At(x, y) = best;
    }
  }
  return f;
}

Field SdfStroke(Rect r, const std::vector<Pt>& pts, float r0, float r1) {
  return SdfStroke(r, pts, std::vector<float>{r0, r1});
}

namespace {

// One pass of the exact squared distance transform (Felzenszwalb and Huttenlocher).
void DistanceTransform1d(const float* f, int n, int stride, float* out, std::vector<int>& v,
                         std::vector<float>& z) {
  constexpr float kInf = 1e30f;
  auto meet = [&](int q, int p) {
    return ((f[q * stride] + static_cast<float>(q) * q) -
            (f[p * stride] + static_cast<float>(p) * p)) /
           (2.0f * (q - p));
  };
  int k = 0;
  v[0] = 0;
  z[0] = -kInf, z[1] = kInf;
  for (int q = 1; q < n; ++q) {
    float s = meet(q, v[static_cast<size_t>(k)]);
    while (s <= z[static_cast<size_t>(k)]) {
      --k;
      s = meet(q, v[static_cast<size_t>(k)]);
    }
    ++k;
    v[static_cast<size_t>(k)] = q;
    z[static_cast<size_t>(k)] = s;
    z[static_cast<size_t>(k) + 1] = kInf;
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[static_cast<size_t>(k) + 1] < q) ++k;
    const int p = v[static_cast<size_t>(k)];
    out[q * stride] = static_cast<float>(q - p) * (q - p) + f[p * stride];
  }
}

}  // namespace

Field SdfPolygon(Rect r, const std::vector<Pt>& pts) {
  Field f(r, kFar);
  if (pts.size() < 3) return f;
  float x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0;
  for (const Pt& p : pts) {
    x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
    y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  }
  const Rect n = Near(r, x0, y0, x1, y1);
  if (n.w <= 0 || n.h <= 0) return f;
  const size_t count = pts.size();
  const size_t cells = static_cast<size_t>(n.w) * n.h;
  // Exact distances in a band along the outline, one segment box at a time.
  constexpr float kBand = 3;
  std::vector<float> near(cells, 1e20f);
  for (size_t i = 0, j = count - 1; i < count; j = i++) {
    const Pt a = pts[i], b = pts[j];
    int bx0 = std::max(n.x, static_cast<int>(std::floor(std::min(a.x, b.x) - kBand)));
    int bx1 = std::min(n.Right() - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + kBand)));
    int by0 = std::max(n.y, static_cast<int>(std::floor(std::min(a.y, b.y) - kBand)));
    int by1 = std::min(n.Bottom() - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + kBand)));
    const float ex = b.x - a.x, ey = b.y - a.y, len2 = ex * ex + ey * ey + 1e-12f;
    for (int y = by0; y <= by1; ++y) {
      for (int x = bx0; x <= bx1; ++x) {
        float wx = x - a.x, wy = y - a.y;
        float t = Clamp((wx * ex + wy * ey) / len2, 0, 1);
        float dx = wx - ex * t, dy = wy - ey * t;
        float& cell = near[static_cast<size_t>(y - n.y) * n.w + (x - n.x)];
        cell = std::min(cell, dx * dx + dy * dy);
      }
    }
  }
  // Farther away: the distance to the nearest pixel on the outline.
  std::vector<float> seed(cells), edt(cells);
  for (size_t i = 0; i < cells; ++i) seed[i] = near[i] <= 1.0f ? near[i] : 1e20f;
  const int longest = std::max(n.w, n.h);
  std::vector<int> v(static_cast<size_t>(longest) + 1);
  std::vector<float> z(static_cast<size_t>(longest) + 2);
  for (int x = 0; x < n.w; ++x) DistanceTransform1d(&seed[x], n.h, n.w, &edt[x], v, z);
  std::vector<float> rows(edt);
  for (int y = 0; y < n.h; ++y) {
    DistanceTransform1d(&rows[static_cast<size_t>(y) * n.w], n.w, 1,
                        &edt[static_cast<size_t>(y) * n.w], v, z);
  }
  // Inside or outside from the crossings of each row with the outline.
  std::vector<float> crossings;
  for (int y = n.y; y < n.Bottom(); ++y) {
    crossings.clear();
    for (size_t i = 0, j = count - 1; i < count; j = i++) {
      const Pt a = pts[i], b = pts[j];
      if ((a.y <= y) != (b.y <= y))
        crossings.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(crossings.begin(), crossings.end());
    size_t next = 0;
    bool inside = false;
    for (int x = n.x; x < n.Right(); ++x) {
      while (next < crossings.size() && crossings[next] < x) inside = !inside, ++next;
      const size_t cell = static_cast<size_t>(y - n.y) * n.w + (x - n.x);
      float d = near[cell] < kBand * kBand ? std::sqrt(near[cell]) : std::sqrt(edt[cell]);
      d = std::min(d, kFar);
      f.At(x, y) = inside ? -d : d;
    }
  }
  return f;
}

std::vector<Pt> Spline(const std::vector<Pt>& ctrl, int steps, bool closed) {
  std::vector<Pt> out;
  const int n = static_cast<int>(ctrl.size());
  if (n < 2) return ctrl;
  auto at = [&](int i) {
    if (closed) return ctrl[((i % n) + n) % n];
    return ctrl[std::clamp(i, 0, n - 1)];
  };
  const int segments = closed ? n : n - 1;
  for (int i = 0; i < segments; ++i) {
    Pt p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    for (int s = 0; s < steps; ++s) {
      float t = static_cast<float>(s) / steps, t2 = t * t, t3 = t2 * t;
      auto cr = [&](float a, float b, float c, float d) {
        return 0.5f * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                       (-a + 3 * b - 3 * c + d) * t3);
      };
      out.push_back({cr(p0.x, p1.x, p2.x, p3.x), cr(p0.y, p1.y, p2.y, p3.y)});
    }
  }
  if (!closed) out.push_back(ctrl.back());
  return out;
}

std::vector<Pt> Mirror(const std::vector<Pt>& pts) {
  std::vector<Pt> out(pts.rbegin(), pts.rend());
  for (Pt& p : out) p.x = -p.x;
  return out;
}

void Union(Field& a, const Field& b) {
  for (size_t i = 0; i < a.values().size(); ++i) {
    a.values()[i] = std::min(a.values()[i], b.values()[i]);
  }
}

void SmoothUnion(Field& a, const Field& b, float k) {
  for (size_t i = 0; i < a.values().size(); ++i) {
    float x = a.values()[i], y = b.values()[i];
    float h = Clamp(0.5f + 0.5f * (y - x) / k, 0, 1);
    a.values()[i] = Mix(y, x, h) - k * h * (1 - h);
  }
}

void Subtract(Field& a, const Field& b) {
  for (size_t i = 0; i < a.values().size(); ++i) {
    a.values()[i] = std::max(a.values()[i], -b.values()[i]);
  }
}

void Intersect(Field& a, const Field& b) {
  for (size_t i = 0; i < a.values().size(); ++i) {
    a.values()[i] = std::max(a.values()[i], b.values()[i]);
  }
}

void Offset(Field& a, float d) {
  for (float& v : a.values()) v -= d;
}

Field Dome(const Field& sdf, float radius, float height) {
  Field h(sdf.rect(), 0);
  for (size_t i = 0; i < h.values().size(); ++i) {
    float s = -sdf.values()[i];
    if (s <= 0) continue;
    float t = std::min(s / radius, 1.0f);
    h.values()[i] = height * std::sqrt(1 - (1 - t) * (1 - t));
  }
  return h;
}

void AddBump(Field& h, Pt c, float rx, float ry, float height) {
  const Rect& r = h.rect();
  int x0 = std::max(r.x, static_cast<int>(c.x - 3 * rx)),
      x1 = std::min(r.Right(), static_cast<int>(c.x + 3 * rx) + 1);
  int y0 = std::max(r.y, static_cast<int>(c.y - 3 * ry)),
      y1 = std::min(r.Bottom(), static_cast<int>(c.y + 3 * ry) + 1);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      float dx = (x - c.x) / rx, dy = (y - c.y) / ry;
      h.At(x, y) += height * std::exp(-0.5f * (dx * dx + dy * dy));
    }
  }
}

void Add(Field& a, const Field& b, float k) {
  for (size_t i = 0; i < a.values().size(); ++i) a.values()[i] += k * b.values()[i];
}

void Blur(Field& f, float sigma) {
  if (sigma <= 0.01f) return;
  const int radius = static_cast<int>(std::ceil(sigma * 2.5f));
  std::vector<float> kernel(2 * radius + 1);
  float sum = 0;
  for (int i = -radius; i <= radius; ++i) {
    kernel[i + radius] = std::exp(-0.5f * i * i / (sigma * sigma));
    sum += kernel[i + radius];
  }
  for (float& k : kernel) k /= sum;
  const int w = f.rect().w, h = f.rect().h;
  std::vector<float>& v = f.values();
  std::vector<float> tmp(v.size());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      float acc = 0;
      for (int i = -radius; i <= radius; ++i) {
        acc += kernel[i + radius] * v[y * w + std::clamp(x + i, 0, w - 1)];
      }
      tmp[y * w + x] = acc;
    }
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      float acc = 0;
      for (int i = -radius; i <= radius; ++i) {
        acc += kernel[i + radius] * tmp[std::clamp(y + i, 0, h - 1) * w + x];
      }
      v[y * w + x] = acc;
    }
  }
}

float Smoothstep(float e0, float e1, float x) {
  float t = Clamp((x - e0) / (e1 - e0), 0, 1);
  return t * t * (3 - 2 * t);
}

float Clamp(float v, float lo, float hi) {
  return std::min(std::max(v, lo), hi);
}

float Mix(float a, float b, float t) {
  return a + (b - a) * t;
}

uint32_t Hash(uint32_t a, uint32_t b) {
  uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u + (a << 6) + (a >> 2));
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return h;
}

float Noise(float x, float y, uint32_t seed) {
  int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  float fx = x - ix, fy = y - iy;
  auto corner = [&](int cx, int cy) {
    uint32_t h = Hash(Hash(static_cast<uint32_t>(cx), static_cast<uint32_t>(cy)), seed);
    return static_cast<float>(h & 0xFFFFFF) / 16777215.0f;
  };
  float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  return Mix(Mix(corner(ix, iy), corner(ix + 1, iy), sx),
             Mix(corner(ix, iy + 1), corner(ix + 1, iy + 1), sx), sy);
}

float Fbm(float x, float y, uint32_t seed, int octaves) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * Noise(x, y, seed + static_cast<uint32_t>(i) * 131u);
    norm += amp;
    x *= 2.03f, y *= 2.03f, amp *= 0.5f;
  }
  return sum / norm;
}

Shading Shade(const Field& height, float shininess, Light light) {
  const Rect& r = height.rect();
  Shading s{Field(r, 0), Field(r, 0)};
  float ll = std::sqrt(light.x * light.x + light.y * light.y + light.z * light.z);
  float lx = light.x / ll, ly = light.y / ll, lz = light.z / ll;
  float hx = lx, hy = ly, hz = lz + 1;
  float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
  hx /= hl, hy /= hl, hz /= hl;
  for (int y = r.y; y < r.Bottom(); ++y) {
    for (int x = r.x; x < r.Right(); ++x) {
      int xa = std::max(r.x, x - 1), xb = std::min(r.Right() - 1, x + 1);
      int ya = std::max(r.y, y - 1), yb = std::min(r.Bottom() - 1, y + 1);
      float gx = (height.At(xb, y) - height.At(xa, y)) / std::max(1, xb - xa);
      float gy = (height.At(x, yb) - height.At(x, ya)) / std::max(1, yb - ya);
      float nl = std::sqrt(gx * gx + gy * gy + 1);
      float nx = -gx / nl, ny = -gy / nl, nz = 1 / nl;
      s.diffuse.At(x, y) = std::max(0.0f, nx * lx + ny * ly + nz * lz);
      float sp = std::max(0.0f, nx * hx + ny * hy + nz * hz);
      s.specular.At(x, y) = shininess > 0 ? std::pow(sp, shininess) : 0;
    }
  }
  return s;
}

}  // namespace kelvo::demo
