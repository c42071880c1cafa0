// Undo of component geometry: each record names the component it moved and by how much, and
// nothing else. The stack owns its records; a record only refers to a component of the library,
// so the stack must be cleared whenever components are freed (remove, data-set change).
#pragma once

#include <cstddef>
#include <vector>

namespace kelvo {

class TKelvoKomp;

struct Offset {
  int x = 0;
  int y = 0;
  friend bool operator==(const Offset&, const Offset&) = default;
};

enum class UndoKind { Shift, ShiftWithSpan, Point };

// Point index of a record that moved every snapping point of its component together.
constexpr int kAllPoints = 0;

struct UndoRecord {
  UndoKind Kind = UndoKind::Shift;
  int PointIndex = 0;  // kind Point: the 1-based snapping point, or kAllPoints
  TKelvoKomp* Component = nullptr;
  Offset Delta;
  Offset Span;
};

class UndoStack {
 public:
  void PushUndo(UndoKind kind, int pointIndex, TKelvoKomp* component, Offset delta, Offset span);
  // Pops the top record and moves its component back; nothing on an empty stack.
  void UndoStep();
  // Drops every record without reverting.
  void ClearUndo() { records_.clear(); }

  bool Empty() const { return records_.empty(); }
  std::size_t Size() const { return records_.size(); }
  const std::vector<UndoRecord>& Records() const { return records_; }  // bottom first

  // Takes one record back on its component.
  static void Revert(const UndoRecord& record);

 private:
  std::vector<UndoRecord> records_;
};

}  // namespace kelvo
