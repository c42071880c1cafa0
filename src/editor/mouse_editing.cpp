// The mouse in the full-size preview: dragging the current category's shift and span or its
// snapping points, choosing the next point, and measuring spread limits while the spread
// dialog is shown. The reduced previews ignore the mouse.
#include <cstdlib>

#include "editor/editor_model.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

void EditorModel::ImageMouseDown(int window, MouseButton button, int x, int y) {
  Command cmd(*this);
  if (window != 1 || state_.SpreadDialogShown || !HasPortrait()) return;
  if (state_.Mode == MouseMode::SnapPoints && button != MouseButton::Left) {
    const int count = static_cast<int>(state_.SnapPointLines.size());
    if (count == 0) return;
    state_.SnapPointLine = (state_.SnapPointLine + 1) % count;
    ShowSnapPoint();
    return;
  }
  drag_.Last = drag_.Press = Offset{x, y};
  drag_.Button = button;
  shared_().DragActive = true;
}

void EditorModel::ImageMouseMove(int window, int x, int y) {
  Command cmd(*this);
  if (window != 1 || !shared_().DragActive || state_.SpreadDialogShown) return;
  const Offset d{x - drag_.Last.x, y - drag_.Last.y};
  const int category = shared_().CurrentCategory;
  TKelvoPortret& portrait = Portrait();
  if (state_.Mode == MouseMode::Components) {
    if (drag_.Button == MouseButton::Left) {
      portrait.Shift.at(category).x += d.x;
      portrait.Shift.at(category).y += d.y;
    } else if (Container(category).WithSpan) {
      portrait.Span.at(category).x += d.x;
      portrait.Span.at(category).y += d.y;
    }
  } else if (drag_.Button == MouseButton::Left) {
    TKelvoKomp* component = SelectedComponent();
    if (component != nullptr && component->PointCount() > 0) {
      const int chosen = state_.SnapPointLine + 1;
      for (int j = 1; j <= component->PointCount(); ++j) {
        if (!state_.LockPoints && j != chosen) continue;
        component->Point(j).X += d.x;
        component->Point(j).Y += d.y;
      }
      ShowSnapPoint();
    }
  }
  drag_.Last = Offset{x, y};
  RefreshPortrait();
  if (state_.Mode == MouseMode::Components) ShowPositionValues();
}

void EditorModel::ImageMouseUp(int window, MouseButton button, int x, int y) {
  Command cmd(*this);
  if (window != 1 || !HasPortrait()) return;
  if (state_.SpreadDialogShown) {
    SpreadDialogState& spread = state_.Spread;
    if (button != MouseButton::Left) {
      SpreadDirectionClick(
          static_cast<SpreadDirection>((static_cast<int>(spread.Direction) + 1) % 4));
      return;
    }
    const Offset at = SnapPointAbsolute();
    const int dx = std::abs(at.x - x);
    const int dy = std::abs(at.y - y);
    switch (spread.Direction) {
      case SpreadDirection::Up:
        SpreadLimitChange(SpreadDirection::Up, dy);
        break;
      case SpreadDirection::Down:
        SpreadLimitChange(SpreadDirection::Down, dy);
        break;
      case SpreadDirection::Left:
        SpreadLimitChange(SpreadDirection::Left, dx);
        break;
      case SpreadDirection::Right:
        SpreadLimitChange(SpreadDirection::Right, dx);
        break;
    }
    return;
  }
  if (state_.Mode == MouseMode::Components) {
    ShowPositionValues();
  } else if (button == MouseButton::Left && shared_().DragActive) {
    // The record holds the movement the point really made; a release away from the last
    // move did not move it further.
    const Offset moved{drag_.Last.x - drag_.Press.x, drag_.Last.y - drag_.Press.y};
    TKelvoKomp* component = SelectedComponent();
    if (moved != Offset{} && component != nullptr && component->PointCount() > 0) {
      const int point = state_.LockPoints ? kAllPoints : state_.SnapPointLine + 1;
      session_.Undo().PushUndo(UndoKind::Point, point, component, moved, moved);
    }
  }
  UpdateReducedPreviews();
  shared_().DragActive = false;
}

}  // namespace kelvo
