// Procedural artwork of the bundled data sets: one function per category that
// paints a component's subcomponent images from a few shape parameters. All
// coordinates are relative to the component's position (see dataset.cpp for
// where each category sits on the canvas). Light falls from the upper left.
#pragma once

#include <cstdint>

#include "plan.h"
#include "sprite.h"

namespace kelvo::demo {

// Shade levels of an 8-bit image: 32 is the slot's colour, 0 black, 63 its
// brightest tint.
struct Tone {
  float ambient = 10, diffuse = 38, specular = 6;
};
float LitLevel(const Shading& s, int x, int y, Tone t);
// 0 at the shape's edge rising to 1 at `width` pixels inside: for dark rims.
float Rim(float d, float width);

// How far the jaw drops when the mouth opens wide, in pixels. Head rows from
// kJawTop down stretch, reaching the full drop at kJawBottom; above, nothing moves.
constexpr float kJawDrop = 7;
constexpr float kJawTop = 30, kJawBottom = 75;

// Head outline and the face features' anchor points, in head coordinates
// (origin at the head centre).
struct FaceShape {
  float cheek_w = 76;  // half width at the cheekbones
  float jaw_w = 60;    // half width at the jaw corner
  float jaw_y = 62;
  float chin_w = 24;
  float chin_y = 96;
  float brow = 4;       // brow ridge height
  float cheekbone = 4;  // cheekbone height
  float hollow = 0;     // cheek hollows
  float eye_span = 33;
  float ear_span = 74;
  int eye_y = -7, brow_y = -26, nose_y = 28, mouth_y = 56, ear_y = -2;
};

struct HeadImages {
  Image8 head, mask, shadow;
};
// `drop` lowers the jaw (mouth wide open).
HeadImages DrawHead(Species sp, const FaceShape& f, float drop, uint32_t seed);
Image8 DrawCheeks(Species sp, int style, float drop, bool shadow_part);
struct NeckShape {
  float half_width = 38, flare = 1.0f, apple = 0;
  int face_y = -122;
};
Image8 DrawNeck(Species sp, const NeckShape& n);
// Half width of the narrowest neck of the species below the jaw: the jaw's shadow stays inside
// it, since a shadow beside the neck would tint the background with the skin colour.
float NarrowestNeck(Species sp);
Image8 DrawEar(Species sp, int style, int side);

struct EyeShape {
  float width = 14, open = 7.5f, tilt = 0, lid = 0.3f, iris = 6.8f;
  float lashes = 0, socket = 0, bags = 0;
};
enum class EyeStep { kOpen, kHalf, kShut, kLeft, kRight };
Image8 DrawEye(Species sp, const EyeShape& e, EyeStep step, int side);

struct BrowShape {
  float length = 30, thick = 4, arch = 4, tilt = 0, bushy = 0;
};
enum class BrowStep { kRest, kRaised, kFrown };
Image8 DrawBrow(Species sp, const BrowShape& b, BrowStep step, int side);

struct NoseShape {
  float length = 34, tip = 8, wings = 14, bridge = 5, hook = 0, crooked = 0;
};
Image8 DrawNose(Species sp, const NoseShape& n);
Image8 DrawNoseShadow(Species sp, const NoseShape& n);

struct MouthShape {
  float width = 25, upper = 5, lower = 6, smile = 0, asym = 0;
};
// Steps 0..4: closed, parted, round, wide with teeth, wide open.
Image8 DrawMouth(Species sp, const MouthShape& m, int step);
Image8 DrawMouthMask(Species sp, const MouthShape& m, int step);

}  // namespace kelvo::demo
