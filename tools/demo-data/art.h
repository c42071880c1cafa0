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

enum class HairStyle {
  kCrew,
  kSidePart,
  kSlick,
  kBuzz,
  kBaldRing,
  kCurly,
  kLongMale,
  kMohawk,
  kReceding,
  kHelmet,
  kUshanka,
  kKeffiyeh,
  kBeret,
  kCap,
  kLongStraight,
  kBob,
  kPonytail,
  kBun,
  kPixie,
  kLongCurly,
  kBraids,
  kHijab,
  kBabushka,
  kApeCrest,
  kApeTuft,
  kApeShaggy,
  kApeFlat
};
// Hair slots: 1 hair, 2 skin (the shadow on the forehead), 3 trim, 4 uniform.
struct HairImages {
  Image8 front, back, shadow;
};
HairImages DrawHair(Species sp, HairStyle style, uint32_t seed);

enum class BeardStyle {
  kStubble,
  kMoustache,
  kGoatee,
  kFull,
  kChinstrap,
  kMutton,
  kWalrus,
  kLong,
  kBeautyMark,
  kFreckles,
  kWarPaint,
  kBlush,
  kApeWhiskers,
  kApeMane,
  kApeChin,
  kApeGrey
};
// Beards sit at the mouth; `drop` follows the jaw as the mouth opens.
// Slots: 1 hair, 2 skin, 3 accent (paint), 4 lips (blush).
Image8 DrawBeard(Species sp, BeardStyle style, float drop, uint32_t seed);
// A beard image moved with the jaw when the mouth opens.
Image8 FollowJaw(const Image8& beard, float drop);

enum class ClothingStyle {
  kUsSoldier,
  kRuSoldier,
  kArRobe,
  kSuit,
  kTshirt,
  kFlightJacket,
  kSweater,
  kOfficer,
  kBlouse,
  kDress,
  kTankTop,
  kVest
};
// Clothing sits at the base of the neck. Slots: 1 uniform, 2 shirt, 3 metal, 4 trim.
struct ClothingImages {
  Image8 front, back;
};
ClothingImages DrawClothing(Species sp, ClothingStyle style, uint32_t seed);

enum class GlassesStyle {
  kNone,
  kRound,
  kAviator,
  kSquare,
  kMonocle,
  kEyePatch,
  kGoggles,
  kCatEye
};
// Glasses sit on the eye line. Slots: 1 metal (frame), 2 lens (the lens shadow).
struct GlassesImages {
  Image8 frame, lens;
};
GlassesImages DrawGlasses(Species sp, GlassesStyle style, float eye_span);

// 16-bit scenery, in canvas coordinates. `backdrop` covers the whole canvas;
// `overlay` (green where transparent) is drawn over it.
enum class SceneStyle { kStudio, kForest, kDesert, kCity, kBrick, kSky, kSnow, kTent };
struct SceneImages {
  Image16 backdrop, overlay;
};
SceneImages DrawScene(SceneStyle style);
enum class ForegroundStyle { kNone, kSandbags, kFrame, kWire, kVignette, kSmoke };
Image16 DrawForeground(ForegroundStyle style);

}  // namespace kelvo::demo
