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
    spread_.MeasureAt(button == MouseButton::Left, x, y);
    return;
  }
  if (InComponentsMode()) {
    placement_.ShowPositionValues();
  } else if (button == MouseButton::Left && shared.DragActive) {
    snapPoints_.RecordDrag(Offset{WrapTo32(std::int64_t{drag_.Last.x} - drag_.Press.x),
                                  WrapTo32(std::int64_t{drag_.Last.y} - drag_.Press.y)});
  }
  session_.UpdateReducedPreviews();
  shared.DragActive = false;
}

}  // namespace kelvo
