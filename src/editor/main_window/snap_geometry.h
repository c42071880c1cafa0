// Where the snapping points are: the chosen point of the current category's selected component
// and its absolute place on the canvas. Shared by the snapping-point and spread models, which
// both work on the point the session names as chosen.
#pragma once

#include "editor/session/offset.h"

namespace kelvo {

class EditorSession;
class TKelvoKomp;
struct SnapPoint;

// The 1-based point of `component`; null when either does not exist.
SnapPoint* FindPoint(TKelvoKomp* component, int point);
// Snapping points of the current category's container.
int SnapPointCount(const EditorSession& session);
// The chosen point (SessionState::SnapPointLine) of the current selection, or null.
SnapPoint* ChosenPoint(const EditorSession& session);
// The chosen point in full-image pixels, through its parents; EditorError "A sakra" when the
// parent chain is broken or runs in a circle.
Offset SnapPointAbsolute(const EditorSession& session);

}  // namespace kelvo
