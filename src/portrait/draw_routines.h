// The renderer's inner loops: placing a subcomponent image on the 320 x 400 canvas with the
// clipping rules, and the seven drawing routines over the visible part. Clipping is resolved
// once per image, so the loops carry no bounds tests; everything they touch stays inside the
// canvas and the clip mask whatever positions, sizes or clip rectangles arrive.
#pragma once

#include <cstdint>
#include <optional>

#include "portrait/layer.h"

namespace kelvo {

// The visible part of an image: canvas position, size, and first source pixel.
struct Placement {
  int32_t x = 0;
  int32_t y = 0;
  int32_t w = 0;
  int32_t h = 0;
  int32_t skip_x = 0;
  int32_t skip_y = 0;
  friend bool operator==(const Placement&, const Placement&) = default;
};

// Without a clip rectangle the image is clipped to the canvas. With one, the rectangle is first
// normalised in place (left and top at least 0, right at most 320, bottom at most 400) and the
// image is clipped to it. None when nothing is visible.
std::optional<Placement> PlaceImage(int32_t x, int32_t y, int32_t width, int32_t height,
                                    Rect* clip_rect);

// What the routines draw on: the canvas layer (320 x 400), the clip mask (320 bytes a row) and
// the ramp of the category being drawn.
struct DrawTarget {
  Layer& canvas;
  const uint8_t* mask;
  const uint16_t* ramp;
};

// Source images are row-major with a row length of `source_width` pixels; 16-bit pixels are
// little-endian words.
using DrawRoutine = void (*)(const uint8_t* source, int32_t source_width, const Placement& p,
                             DrawTarget& t);

void DrawImage16(const uint8_t* source, int32_t source_width, const Placement& p, DrawTarget& t);
// DrawImage16 for an image known to hold no transparent pixel: a plain copy of the rows.
void DrawOpaque16(const uint8_t* source, int32_t source_width, const Placement& p, DrawTarget& t);
// The 8-bit routines differ only in their row kernel.
extern const DrawRoutine DrawColoured;
extern const DrawRoutine DrawColouredInside;
extern const DrawRoutine DrawColouredOutside;
extern const DrawRoutine DrawShadow;
extern const DrawRoutine DrawShadowInside;
extern const DrawRoutine DrawShadowOutside;

// Clears the whole mask, then copies the visible source bytes into it.
void BuildClipMask(const uint8_t* source, int32_t source_width, const std::optional<Placement>& p,
                   uint8_t* mask);
// The same for a mask that is zero outside `extent`: only that rectangle is cleared, and
// `extent` becomes the rectangle the new mask sets (empty when nothing is visible).
void BuildClipMask(const uint8_t* source, int32_t source_width, const std::optional<Placement>& p,
                   uint8_t* mask, Rect& extent);

}  // namespace kelvo
