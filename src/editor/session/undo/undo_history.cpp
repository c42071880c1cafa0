#include "editor/session/undo/undo_history.h"

namespace kelvo {

UndoHistoryView DescribeHistory(const UndoStack& stack) {
  UndoHistoryView view;
  view.Lines.reserve(stack.Count() + 1);
  view.Lines.push_back("<empty>");
  for (std::size_t i = 0; i < stack.Count(); ++i) view.Lines.push_back(stack.Step(i).Title());
  view.Current = stack.Index();
  view.Clean = stack.CleanIndex();
  return view;
}

std::string UndoText(const UndoStack& stack) {
  const UndoRecord* step = stack.NextUndo();
  return step == nullptr ? "Undo" : "Undo " + step->Title();
}

std::string RedoText(const UndoStack& stack) {
  const UndoRecord* step = stack.NextRedo();
  return step == nullptr ? "Redo" : "Redo " + step->Title();
}

}  // namespace kelvo
