// The snapping-point area of the main window: the list of the current category's points, the
// point edits, the mouse mode, "Lock", "Draw snap point" and "Only selected comp.", and the
// marks drawn over preview 1. The chosen point is the session's SnapPointLine, which the spread
// area works on too.
#pragma once

#include <string>
#include <vector>

#include "editor/session/editor_session.h"

namespace kelvo {

struct SnapPointsState {
  MouseMode Mode = MouseMode::Components;
  std::vector<std::string> SnapPointLines;
  int PointX = 0;
  int PointY = 0;
  bool PointEditsEnabled = false;
  bool LockPoints = false;      // ChbLockUm
  bool SnapModeEnabled = true;  // RBNastBod
};

class SnapPointsModel : private SessionObserver {
 public:
  explicit SnapPointsModel(EditorSession& session);
  ~SnapPointsModel() override;
  SnapPointsModel(const SnapPointsModel&) = delete;
  SnapPointsModel& operator=(const SnapPointsModel&) = delete;

  const SnapPointsState& State() const { return state_; }

  // Shown without storing: the list with its first point; true when a redraw is due.
  bool FillList();
  // The chosen point's values in the edits; true when they changed.
  bool ShowPoint();

  void ChooseLine(int line);       // LbxUmist
  void SetPointX(int value);       // SpinUmistX
  void SetPointY(int value);       // SpinUmistY
  void SetDrawSnapPoint(bool on);  // "Draw snap point"
  void ChooseComponentsMode();     // RBNastKomp
  void ChoosePointsMode();         // RBNastBod
  void SetLockPoints(bool on);     // "Lock"
  void SetOnlySelected(bool on);   // "Only selected comp."
  void DrawMarks();

  // Preview 1 in snapping-point mode: the next point, a drag of the chosen (or, locked, every)
  // point.
  void NextPoint();
  void DragBy(Offset delta);

 private:
  void OnSessionEvent(SessionEvent event) override;
  void OnRendered() override;
  bool RedrawsOnPointEdit() const;
  bool SetMode(MouseMode mode);  // true when the drawing option changed
  void StoreCoordinate(bool vertical, int value);

  EditorSession& session_;
  SnapPointsState state_;
};

}  // namespace kelvo
