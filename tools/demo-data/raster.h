// Float working images for drawing the bundled artwork: signed-distance shapes,
// height fields and the 8-bit and 16-bit sprites they are painted into.
// Everything is in component coordinates (pixels relative to the component's
// position); a Field or sprite covers one rectangle of them and owns its values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvo::demo {

struct Pt {
  float x = 0, y = 0;
};

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  int Right() const { return x + w; }
  int Bottom() const { return y + h; }
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

// One float per pixel over a rectangle; reads outside it give the fill value.
class Field {
 public:
  Field() = default;
  Field(Rect r, float fill);
  const Rect& rect() const { return rect_; }
  float& At(int x, int y) { return v_[(y - rect_.y) * rect_.w + (x - rect_.x)]; }
  float At(int x, int y) const { return v_[(y - rect_.y) * rect_.w + (x - rect_.x)]; }
  float Get(int x, int y) const { return rect_.Contains(x, y) ? At(x, y) : fill_; }
  float Sample(float x, float y) const;  // bilinear
  std::vector<float>& values() { return v_; }
  const std::vector<float>& values() const { return v_; }

 private:
  Rect rect_;
  float fill_ = 0;
  std::vector<float> v_;
};

// Signed distances, negative inside. Each is exact or close to it near the edge;
// pixels farther than `kFar` from a shape's box get kFar.
constexpr float kFar = 1000.0f;
Field SdfEllipse(Rect r, Pt c, float rx, float ry);
Field SdfBox(Rect r, Pt c, float hw, float hh, float radius);
// A stroke along a polyline whose radius follows `profile`, its values spread
// evenly from the first point to the last.
Field SdfStroke(Rect r, const std::vector<Pt>& pts, const std::vector<float>& profile);
Field SdfStroke(Rect r, const std::vector<Pt>& pts, float r0, float r1);
Field SdfPolygon(Rect r, const std::vector<Pt>& pts);
// Closed or open Catmull-Rom curve through the control points.
std::vector<Pt> Spline(const std::vector<Pt>& ctrl, int steps, bool closed);
std::vector<Pt> Mirror(const std::vector<Pt>& pts);  // x -> -x, order reversed

void Union(Field& a, const Field& b);
void SmoothUnion(Field& a, const Field& b, float k);
void Subtract(Field& a, const Field& b);
void Intersect(Field& a, const Field& b);
void Offset(Field& a, float d);

// Height of a rounded slab whose edge rounds off over `radius` pixels.
Field Dome(const Field& sdf, float radius, float height);
void AddBump(Field& h, Pt c, float rx, float ry, float height);  // gaussian
void Add(Field& a, const Field& b, float k);
void Blur(Field& f, float sigma);
float Smoothstep(float e0, float e1, float x);
float Clamp(float v, float lo, float hi);
float Mix(float a, float b, float t);

// Deterministic value noise in 0..1.
float Noise(float x, float y, uint32_t seed);
float Fbm(float x, float y, uint32_t seed, int octaves);
uint32_t Hash(uint32_t a, uint32_t b);

struct Light {
  float x = -0.45f, y = -0.6f, z = 0.66f;  // from the upper left, towards the viewer
};
// Diffuse and specular terms of a height field lit by `light`.
struct Shading {
  Field diffuse;   // 0..1
  Field specular;  // 0..1
};
Shading Shade(const Field& height, float shininess, Light light = {});

}  // namespace kelvo::demo
