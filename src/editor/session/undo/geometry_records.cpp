#include "editor/session/undo/geometry_records.h"

#include "library/component.h"

namespace kelvo {

void ShiftRecord::Undo() {
  MoveComponent(component_, Negated(shift_), Negated(span_), withSpan_);
}

void ShiftRecord::Redo() {
  MoveComponent(component_, shift_, span_, withSpan_);
}

int ShiftRecord::Category() const {
  return component_.Index;
}

int PointRecord::Category() const {
  return component_.Index;
}

}  // namespace kelvo
