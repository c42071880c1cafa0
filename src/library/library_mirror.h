// Mirroring a whole library left to right, as the editor's "Mirror" and `kelvo mirror` do:
// snapping points and 8-bit subcomponent images turn over; 16-bit images stay as they are.
// Mirroring twice gives back the library it started from.
#pragma once

#include <cstdint>

namespace kelvo {

class TKelvoTyp;
class TKelvoKomp;
class TKelvoSubKomp;
struct SnapPoint;

// Backgrounds (category 1) turn about the middle of the 320-pixel canvas, every other category
// about its component's position.
void MirrorSnapPoint(SnapPoint& point, int32_t category);
// Depth 8 only: offset x := -x - width and each row reversed. Other depths are left alone.
void MirrorSubcomponent(TKelvoSubKomp& sub);
// The component's points and subcomponents; its images must be loaded.
void MirrorComponent(TKelvoKomp& component);
// Loads every image not yet loaded, then mirrors every component. An image that cannot be
// read throws before anything is mirrored, so the library is never left half turned.
void MirrorLibrary(TKelvoTyp& library);

}  // namespace kelvo
