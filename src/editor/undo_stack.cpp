#include "editor/undo_stack.h"

#include "library/component.h"

namespace kelvo {

void UndoStack::PushUndo(UndoKind kind, int pointIndex, TKelvoKomp* component, Offset delta,
                         Offset span) {
  records_.push_back(UndoRecord{kind, pointIndex, component, delta, span});
}

void UndoStack::UndoStep() {
  if (records_.empty()) return;
  const UndoRecord record = records_.back();
  records_.pop_back();
  if (record.Component != nullptr) Revert(record);
}

void UndoStack::Revert(const UndoRecord& record) {
  TKelvoKomp& component = *record.Component;
  const Offset d = record.Delta;
  if (record.Kind == UndoKind::Point) {
    for (int j = 1; j <= component.PointCount(); ++j) {
      if (record.PointIndex != kAllPoints && j != record.PointIndex) continue;
      component.Point(j).X -= d.x;
      component.Point(j).Y -= d.y;
    }
    return;
  }
  for (int s = 1; s <= 4; ++s) {
    TKelvoSubKomp* sub = component.Sub(s);
    if (sub == nullptr) continue;
    sub->X -= d.x;
    sub->Y -= d.y;
    if (record.Kind != UndoKind::ShiftWithSpan) continue;
    if (s == 1) {
      sub->X += record.Span.x;
      sub->Y += record.Span.y;
    } else if (s == 2) {
      sub->X -= record.Span.x;
      sub->Y -= record.Span.y;
    }
  }
  for (SnapPoint& point : component.Points) {
    point.X -= d.x;
    point.Y -= d.y;
  }
}

}  // namespace kelvo
