#include "editor/session/undo/undo_stack.h"

#include <utility>

namespace kelvo {

void UndoStack::Push(std::unique_ptr<UndoRecord> record) {
  if (record == nullptr) return;
  redo_.clear();
  records_.push_back(std::move(record));
}

bool UndoStack::UndoStep() {
  if (records_.empty()) return false;
  std::unique_ptr<UndoRecord> record = std::move(records_.back());
  records_.pop_back();
  record->Undo();
  redo_.push_back(std::move(record));
  return true;
}

bool UndoStack::RedoStep() {
  if (redo_.empty()) return false;
  std::unique_ptr<UndoRecord> record = std::move(redo_.back());
  redo_.pop_back();
  record->Redo();
  records_.push_back(std::move(record));
  return true;
}

void UndoStack::ClearUndo() {
  records_.clear();
  redo_.clear();
}

}  // namespace kelvo
