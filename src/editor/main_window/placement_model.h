// The placement area of the main window: the current category's shift and span edits, the
// default span at the snapping point it sits on, and baking them into the library ("Set",
// "Set all", "Unset", "Unset all", "Def. span"). A bake pushes its geometry undo records.
#pragma once

#include "editor/session/editor_session.h"

namespace kelvo {

class TKelvoKomp;

struct PlacementState {
  int ShiftX = 0;
  int ShiftY = 0;
  int SpanX = 0;
  int SpanY = 0;
  int DefSpanX = 0;
  int DefSpanY = 0;
  bool SpanControlsEnabled = false;  // span edits, "Def. span", default-span edits
};

class PlacementModel : private SessionObserver {
 public:
  explicit PlacementModel(EditorSession& session);
  ~PlacementModel() override;
  PlacementModel(const PlacementModel&) = delete;
  PlacementModel& operator=(const PlacementModel&) = delete;

  const PlacementState& State() const { return state_; }

  // Shows the portrait's shift and span of the current category without applying them; true
  // when an edit changed.
  bool ShowPositionValues();
  void ShowDefaultSpan();
  // The span edits follow the category's span flag; a category without one loses its span.
  // True when that changed the portrait.
  bool ShowSpanControls();

  // User edits: each stores the value and redraws when it changed.
  void SetShiftX(int value);
  void SetShiftY(int value);
  void SetSpanX(int value);
  void SetSpanY(int value);
  void SetDefaultSpanX(int value);  // EditorError when no snapping point serves the category
  void SetDefaultSpanY(int value);

  void BakePosition(int category);
  void Set();          // "Set"
  void SetAll();       // "Set all"
  void Unset();        // "Unset"
  void UnsetAll();     // "Unset all"
  void DefaultSpan();  // "Def. span": the span goes into the default span

  // A drag in preview 1: the left button shifts, the others open the span of paired categories.
  void DragBy(bool leftButton, Offset delta);

 private:
  void OnSessionEvent(SessionEvent event) override;
  bool ShowAll();
  // The point of the parent's selected component that serves `category`; 0 when none.
  int DefaultSpanPoint(int category, int* parent) const;
  void ApplySpan(bool vertical, int value);
  void ApplyDefaultSpan(bool vertical, int value);
  void BakeComponent(int category, TKelvoKomp& component, Offset shift, Offset span);

  EditorSession& session_;
  PlacementState state_;
};

}  // namespace kelvo
