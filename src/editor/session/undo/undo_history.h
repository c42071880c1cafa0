// What the undo history list shows: the start, then one line per step; the current line is the
// step last done, and the saved one is marked. A click on line n goes to the state after step n
// (line 0: before every step) with EditorSession::GoToStep(n).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "editor/session/undo/undo_stack.h"

namespace kelvo {

struct UndoHistoryView {
  std::vector<std::string> Lines;  // "<empty>", then each step's title, oldest first
  std::size_t Current = 0;         // the line of the present state
  long Clean = 0;                  // the line of the saved state, -1 when it is gone
};

UndoHistoryView DescribeHistory(const UndoStack& stack);
// The Edit menu's texts: "Undo Set (Faces)" / "Redo Random all", or "Undo" / "Redo" alone.
std::string UndoText(const UndoStack& stack);
std::string RedoText(const UndoStack& stack);

}  // namespace kelvo
