#include "editor/undo/component_move.h"

#include "library/component.h"

namespace kelvo {

void MoveComponent(TKelvoKomp& component, Offset shift, Offset span, bool withSpan) {
  for (int s = 1; s <= 4; ++s) {
    TKelvoSubKomp* sub = component.Sub(s);
    if (sub == nullptr) continue;
    sub->X += shift.x;
    sub->Y += shift.y;
    if (withSpan && s == 1) {
      sub->X -= span.x;
      sub->Y -= span.y;
    } else if (withSpan && s == 2) {
      sub->X += span.x;
      sub->Y += span.y;
    }
  }
  for (SnapPoint& point : component.Points) {
    point.X += shift.x;
    point.Y += shift.y;
  }
}

void MovePoints(TKelvoKomp& component, int point, Offset delta) {
  for (int j = 1; j <= component.PointCount(); ++j) {
    if (point != kAllPoints && j != point) continue;
    component.Point(j).X += delta.x;
    component.Point(j).Y += delta.y;
  }
}

}  // namespace kelvo
