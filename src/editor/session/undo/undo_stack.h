// The session's undo history: records to take back (bottom first) and the records undone since
// the last edit, which Redo does again. A new edit drops the redo records. The stack owns its
// records; they refer to components of the library, so the session empties it before it frees
// the library (ReplaceDataSet): no caller has to remember it. A removed component lives on in
// its removal record, so the records below it stay valid.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "editor/session/undo/undo_record.h"

namespace kelvo {

class UndoStack {
 public:
  void Push(std::unique_ptr<UndoRecord> record);
  // Takes back the top record; false on an empty stack.
  bool UndoStep();
  // Does the last undone record again; false when there is none.
  bool RedoStep();
  // Drops every record, the redo records too, without reverting.
  void ClearUndo();

  bool Empty() const { return records_.empty(); }
  std::size_t Size() const { return records_.size(); }
  bool CanRedo() const { return !redo_.empty(); }
  std::size_t RedoSize() const { return redo_.size(); }
  const std::vector<std::unique_ptr<UndoRecord>>& Records() const { return records_; }
  // The record Undo would take back next and the one Redo would do again; null when none.
  const UndoRecord* NextUndo() const { return records_.empty() ? nullptr : records_.back().get(); }
  const UndoRecord* NextRedo() const { return redo_.empty() ? nullptr : redo_.back().get(); }

 private:
  std::vector<std::unique_ptr<UndoRecord>> records_;
  std::vector<std::unique_ptr<UndoRecord>> redo_;  // the most recently undone last
};

}  // namespace kelvo
