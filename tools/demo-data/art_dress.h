// Procedural artwork worn on and around the head: hair and headwear, beards,
// clothing, glasses, and the 16-bit backgrounds and foreground items.
#pragma once

#include "art.h"

namespace kelvo::demo {

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
