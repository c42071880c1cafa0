#include "editor/main_window/preview_mouse.h"

#include "editor/main_window/placement_model.h"
#include "editor/main_window/snap_points_model.h"
#include "editor/main_window/spread_model.h"

namespace kelvo {

bool PreviewMouse::InComponentsMode() const {
  return snapPoints_.State().Mode == MouseMode::Components;
}

void PreviewMouse::Down(int window, MouseButton button, int x, int y) {
  EditorSession::Command cmd(session_);
  SessionState& shared = session_.State();
  if (window != 1 || shared.SpreadDialogShown || !session_.HasPortrait()) return;
  if (!InComponentsMode() && button != MouseButton::Left) {
    snapPoints_.NextPoint();
    return;
  }
  drag_.Last = drag_.Press = Offset{x, y};
  drag_.Button = button;
  shared.DragActive = true;
  // The whole drag is one step; a release that never came ends the last one here.
  if (stepOpen_) session_.EndStep();
  session_.BeginStep(InComponentsMode() ? "Drag" : "Drag point", shared.CurrentCategory);
  stepOpen_ = true;
}

void PreviewMouse::Move(int window, int x, int y) {
  EditorSession::Command cmd(session_);
  const SessionState& shared = session_.State();
  if (window != 1 || !shared.DragActive || shared.SpreadDialogShown) return;
  const Offset d{WrapTo32(std::int64_t{x} - drag_.Last.x),
                 WrapTo32(std::int64_t{y} - drag_.Last.y)};
  const bool left = drag_.Button == MouseButton::Left;
  if (InComponentsMode()) {
    placement_.DragBy(left, d);
  } else if (left) {
    snapPoints_.DragBy(d);
  }
  drag_.Last = Offset{x, y};
  session_.RefreshPortrait();
  if (InComponentsMode()) placement_.ShowPositionValues();
}

void PreviewMouse::Up(int window, MouseButton button, int x, int y) {
  EditorSession::Command cmd(session_);
  SessionState& shared = session_.State();
  if (window != 1 || !session_.HasPortrait()) return;
  if (shared.SpreadDialogShown) {
    EditorSession::Step step(session_, "Spread limit", shared.CurrentCategory);
    spread_.MeasureAt(button == MouseButton::Left, x, y);
    return;
  }
  if (InComponentsMode()) placement_.ShowPositionValues();
  session_.UpdateReducedPreviews();
  shared.DragActive = false;
  if (stepOpen_) {
    stepOpen_ = false;
    session_.EndStep();
  }
}

PreviewMouse::~PreviewMouse() {
  if (stepOpen_) session_.EndStep();
}

}  // namespace kelvo
