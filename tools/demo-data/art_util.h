// Small painting helpers shared by the artwork files.
#pragma once

#include <vector>

#include "plan.h"
#include "raster.h"
#include "sprite.h"

namespace kelvo::demo {

struct FaceShape;
// Outline of the whole head, clockwise from the crown. The skull is the same
// for every face of a species so that hair fits all of them.
std::vector<Pt> HeadOutline(Species sp, const FaceShape& f, float drop);
// Pushes a shape's edge in and out by noise, for fur and hair silhouettes.
void Fuzz(Field& sdf, Pt centre, float amount, float scale, uint32_t seed);

// Adds `amount` inside the shape, fading out over `softness` pixels outside it.
void AddSoft(Field& strength, const Field& sdf, float softness, float amount);
// An 8-bit shadow image in `slot`: the stronger, the darker the shade; pixels
// with almost no strength stay transparent.
Image8 ShadowImage(const Field& strength, int slot, float max_strength);
void AddBlush(Field& strength, Rect r);
void Freckles(Sprite8& img, Rect r);
// Light-catching hair texture: shade levels for a hair mass whose strands flow
// away from `crown`.
float StrandLevel(const Shading& light, int x, int y, Pt crown, uint32_t seed, float coarse);

// `top` drawn over `bottom`, in one image covering both.
Image8 Overlay(const Image8& bottom, const Image8& top);
// Fabric: a rounded shape with soft folds, lit from the upper left.
void PaintCloth(Sprite8& img, const Field& sdf, int slot, float radius, float folds, uint32_t seed);

// The image stretched downwards: rows below y0 move down by up to `drop`,
// reached at y1 (the jaw opening).
Image8 Stretch(const Image8& img, float y0, float y1, float drop);

// Hair helpers. The skull of each species is close to an ellipse; `Crown`
// walks its grown outline from the left side at `y_left` over the top to the
// right side at `y_right`, thicker by `side` all round and `top` more on top.
struct Skull {
  Pt centre;
  float rx, ry;
};
Skull SkullOf(Species sp);
std::vector<Pt> Crown(Species sp, float side, float top, float y_left, float y_right);
// Paints a hair mass shaded as part of the rounded head, strands flowing from `crown`.
// With `hairline`, edges that lie on the skull melt into the skin instead of
// getting a dark rim.
void PaintHair(Sprite8& img, const Field& sdf, Species sp, Pt crown, uint32_t seed, float coarse,
               int slot, bool hairline = false);
// Soft shadow strength of a shape moved by (dx, dy).
Field CastShadow(const Field& sdf, float dx, float dy, float soft, float amount);
// The region below a hairline drawn from left to right.
Field BelowLine(Rect r, const std::vector<Pt>& line);

}  // namespace kelvo::demo
