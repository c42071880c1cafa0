#include "editor/undo/geometry_records.h"

namespace kelvo {

void ShiftRecord::Undo() {
  MoveComponent(component_, Offset{-shift_.x, -shift_.y}, Offset{-span_.x, -span_.y}, withSpan_);
}

void ShiftRecord::Redo() {
  MoveComponent(component_, shift_, span_, withSpan_);
}

}  // namespace kelvo
