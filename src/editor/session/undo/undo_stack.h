// The session's undo history, as a list of steps and a position in it: the steps before the
// position can be taken back, those after it done again; a new step drops those after it. A
// clean mark remembers the position the library was saved at. The history keeps the bytes its
// steps hold under a limit by dropping the oldest. The stack owns its records; they refer to the
// library, so the session empties it before it frees the library.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "editor/session/undo/undo_record.h"

namespace kelvo {

inline constexpr std::size_t kUndoByteLimit = std::size_t{256} << 20;

class UndoStack {
 public:
  void Push(std::unique_ptr<UndoRecord> record);
  // Takes back the step before the position; false at the start.
  bool UndoStep();
  // Does the step after the position again; false at the end.
  bool RedoStep();
  // Undoes or redoes until `index` steps are done (clamped to the history).
  void GoTo(std::size_t index);
  // Drops every step without reverting; the empty history is clean.
  void ClearUndo();

  void SetClean() { clean_ = static_cast<long>(index_); }
  // Whether no step between the clean mark and the position changed the library.
  bool IsClean() const;
  void SetByteLimit(std::size_t bytes);
  std::size_t Bytes() const { return bytes_; }

  bool Empty() const { return index_ == 0; }
  std::size_t Size() const { return index_; }  // steps that can be taken back
  bool CanRedo() const { return index_ < steps_.size(); }
  std::size_t RedoSize() const { return steps_.size() - index_; }
  std::size_t Count() const { return steps_.size(); }
  std::size_t Index() const { return index_; }
  long CleanIndex() const { return clean_; }  // -1 when the saved state is gone
  const UndoRecord& Step(std::size_t i) const { return *steps_.at(i); }
  // The step Undo would take back next and the one Redo would do again; null when none.
  const UndoRecord* NextUndo() const { return index_ == 0 ? nullptr : steps_[index_ - 1].get(); }
  const UndoRecord* NextRedo() const { return CanRedo() ? steps_[index_].get() : nullptr; }

 private:
  void DropOldest();

  std::vector<std::unique_ptr<UndoRecord>> steps_;
  std::vector<std::size_t> stepBytes_;
  std::size_t index_ = 0;
  long clean_ = 0;
  std::size_t bytes_ = 0;
  std::size_t limit_ = kUndoByteLimit;
};

}  // namespace kelvo
