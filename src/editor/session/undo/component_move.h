// The one way component geometry moves in the library: "Set" bakes a shift and span with it,
// and the geometry undo records replay or take back the same movement with it.
#pragma once

#include "editor/session/offset.h"

namespace kelvo {

class TKelvoKomp;

// Point index that stands for every snapping point of a component.
constexpr int kAllPoints = 0;

// Moves every subcomponent and snapping point by `shift`; with `withSpan` subcomponent 1 also
// moves by -span and subcomponent 2 by +span (the pair opens by the span).
void MoveComponent(TKelvoKomp& component, Offset shift, Offset span, bool withSpan);

// Moves the 1-based snapping point `point` (kAllPoints: each of them) by `delta`.
void MovePoints(TKelvoKomp& component, int point, Offset delta);

}  // namespace kelvo
