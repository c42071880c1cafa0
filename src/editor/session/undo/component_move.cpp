#include "editor/session/undo/component_move.h"

#include "foundation/wrapping_int.h"
#include "library/component.h"

namespace kelvo {

void MoveComponent(TKelvoKomp& component, Offset shift, Offset span, bool withSpan) {
  for (int s = 1; s <= 4; ++s) {
    TKelvoSubKomp* sub = component.Sub(s);
    if (sub == nullptr) continue;
    WrapAdd(sub->X, int64_t{shift.x});
    WrapAdd(sub->Y, int64_t{shift.y});
    if (withSpan && s == 1) {
      WrapAdd(sub->X, -int64_t{span.x});
      WrapAdd(sub->Y, -int64_t{span.y});
    } else if (withSpan && s == 2) {
      WrapAdd(sub->X, int64_t{span.x});
      WrapAdd(sub->Y, int64_t{span.y});
    }
  }
  for (SnapPoint& point : component.Points) {
    WrapAdd(point.X, int64_t{shift.x});
    WrapAdd(point.Y, int64_t{shift.y});
  }
}

void MovePoints(TKelvoKomp& component, int point, Offset delta) {
  for (int j = 1; j <= component.PointCount(); ++j) {
    if (point != kAllPoints && j != point) continue;
    WrapAdd(component.Point(j).X, int64_t{delta.x});
    WrapAdd(component.Point(j).Y, int64_t{delta.y});
  }
}

}  // namespace kelvo
