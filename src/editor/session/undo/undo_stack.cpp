#include "editor/session/undo/undo_stack.h"

#include <algorithm>
#include <utility>

namespace kelvo {

void UndoStack::Push(std::unique_ptr<UndoRecord> record) {
  if (record == nullptr) return;
  while (steps_.size() > index_) {
    bytes_ -= stepBytes_.back();
    steps_.pop_back();
    stepBytes_.pop_back();
  }
  if (clean_ > static_cast<long>(index_)) clean_ = -1;  // the saved state was undone away
  stepBytes_.push_back(record->Bytes());
  bytes_ += stepBytes_.back();
  steps_.push_back(std::move(record));
  ++index_;
  // The newest step always stays, even alone above the limit.
  while (bytes_ > limit_ && steps_.size() > 1) DropOldest();
}

void UndoStack::DropOldest() {
  bytes_ -= stepBytes_.front();
  steps_.erase(steps_.begin());
  stepBytes_.erase(stepBytes_.begin());
  --index_;
  clean_ = clean_ > 0 ? clean_ - 1 : -1;
}

bool UndoStack::UndoStep() {
  if (index_ == 0) return false;
  steps_[--index_]->Undo();
  return true;
}

bool UndoStack::RedoStep() {
  if (!CanRedo()) return false;
  steps_[index_++]->Redo();
  return true;
}

void UndoStack::GoTo(std::size_t index) {
  index = std::min(index, steps_.size());
  while (index_ > index) UndoStep();
  while (index_ < index) RedoStep();
}

void UndoStack::ClearUndo() {
  steps_.clear();
  stepBytes_.clear();
  index_ = 0;
  clean_ = 0;
  bytes_ = 0;
}

bool UndoStack::IsClean() const {
  if (clean_ < 0) return false;
  const std::size_t from = std::min(static_cast<std::size_t>(clean_), index_);
  const std::size_t to = std::max(static_cast<std::size_t>(clean_), index_);
  for (std::size_t i = from; i < to; ++i) {
    if (steps_[i]->ChangesLibrary()) return false;
  }
  return true;
}

void UndoStack::SetByteLimit(std::size_t bytes) {
  limit_ = bytes;
  while (bytes_ > limit_ && steps_.size() > 1 && index_ > 0) DropOldest();
}

}  // namespace kelvo
