// The mouse in the main window's full-size preview, routed to the area it edits: with the
// spread dialog shown it measures limits (spread), in components mode it drags the shift and
// span (placement), in snapping-point mode it drags or chooses points (snapping points). The
// reduced previews ignore the mouse. Part of the main window's facade, not an area model.
#pragma once

#include "editor/session/editor_session.h"

namespace kelvo {

class PlacementModel;
class SnapPointsModel;
class SpreadModel;

class PreviewMouse {
 public:
  PreviewMouse(EditorSession& session, PlacementModel& placement, SnapPointsModel& snapPoints,
               SpreadModel& spread)
      : session_(session), placement_(placement), snapPoints_(snapPoints), spread_(spread) {}
  ~PreviewMouse();
  PreviewMouse(const PreviewMouse&) = delete;
  PreviewMouse& operator=(const PreviewMouse&) = delete;

  // Image pixel coordinates of preview `window` (only window 1 reacts).
  void Down(int window, MouseButton button, int x, int y);
  void Move(int window, int x, int y);
  void Up(int window, MouseButton button, int x, int y);

 private:
  bool InComponentsMode() const;

  EditorSession& session_;
  PlacementModel& placement_;
  SnapPointsModel& snapPoints_;
  SpreadModel& spread_;
  DragState drag_;
  bool stepOpen_ = false;  // a press opened the drag's undo step
};

}  // namespace kelvo
