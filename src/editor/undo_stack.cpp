#include "editor/undo_stack.h"

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

void UndoStack::Revert(const UndoRecord& /*record*/) {}

}  // namespace kelvo
