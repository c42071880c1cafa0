// Undo records of component geometry: a baked shift (and span) of one component, and a
// movement of snapping points.
#pragma once

#include "editor/session/offset.h"
#include "editor/session/undo/component_move.h"
#include "editor/session/undo/undo_record.h"

namespace kelvo {

// "Set" on one component: the shift, and on paired categories the span, it was moved by.
class ShiftRecord : public UndoRecord {
 public:
  ShiftRecord(TKelvoKomp& component, Offset shift, Offset span, bool withSpan)
      : component_(component), shift_(shift), span_(span), withSpan_(withSpan) {}
  void Undo() override;
  void Redo() override;
  std::string Name() const override { return withSpan_ ? "Set span" : "Set"; }
  int Category() const override;
  bool Refers(const TKelvoKomp* component) const override { return component == &component_; }

  const TKelvoKomp& Component() const { return component_; }
  Offset Shift() const { return shift_; }
  Offset Span() const { return span_; }
  bool WithSpan() const { return withSpan_; }

 private:
  TKelvoKomp& component_;
  Offset shift_;
  Offset span_;
  bool withSpan_;
};

// Snapping points moved by a drag or by "Apply" of the spread.
class PointRecord : public UndoRecord {
 public:
  PointRecord(TKelvoKomp& component, int point, Offset delta)
      : component_(component), point_(point), delta_(delta) {}
  void Undo() override { MovePoints(component_, point_, Negated(delta_)); }
  void Redo() override { MovePoints(component_, point_, delta_); }
  std::string Name() const override { return "Move point"; }
  int Category() const override;
  bool Refers(const TKelvoKomp* component) const override { return component == &component_; }

  const TKelvoKomp& Component() const { return component_; }
  int Point() const { return point_; }  // 1-based, or kAllPoints
  Offset Delta() const { return delta_; }

 private:
  TKelvoKomp& component_;
  int point_;
  Offset delta_;
};

}  // namespace kelvo
