#include "editor/main_window/snap_points_model.h"

#include <memory>

#include "editor/main_window/snap_geometry.h"
#include "editor/session/undo/component_move.h"
#include "library/categories.h"
#include "library/type_library.h"

namespace kelvo {

namespace {

constexpr std::uint32_t kYellow = 65535;
constexpr std::uint32_t kWhite = 16777215;

}  // namespace

SnapPointsModel::SnapPointsModel(EditorSession& session) : session_(session) {
  session_.AddObserver(this);
}

SnapPointsModel::~SnapPointsModel() {
  session_.RemoveObserver(this);
}

bool SnapPointsModel::RedrawsOnPointEdit() const {
  return !session_.State().DragActive && state_.Mode == MouseMode::SnapPoints;
}

void SnapPointsModel::OnSessionEvent(SessionEvent event) {
  if (!session_.HasPortrait()) return;
  bool redraw = false;
  switch (event) {
    case SessionEvent::CategoryChanged:
    case SessionEvent::SelectionsDrawn:
    case SessionEvent::DataSetReplaced:
    case SessionEvent::PortraitReplaced:
    case SessionEvent::LibraryEdited:
      redraw = FillList();
      break;
    case SessionEvent::ComponentChosen:
    case SessionEvent::SnapPointChosen:
      redraw = ShowPoint() && RedrawsOnPointEdit();
      break;
    case SessionEvent::PointsMoved: {
      // The edits show where undo or the spread put the point, without storing it again.
      const SnapPoint* point = ChosenPoint(session_);
      if (point == nullptr) break;
      EditorSession::Command cmd(session_);
      state_.PointX = point->X;
      state_.PointY = point->Y;
      session_.Changed(kChangeSnapPoints);
      break;
    }
  }
  if (redraw) session_.RequestRefresh();
}

void SnapPointsModel::OnRendered() {
  if (session_.State().DrawSnapPoint.Checked) DrawMarks();
}

bool SnapPointsModel::FillList() {
  EditorSession::Command cmd(session_);
  SessionState& shared = session_.State();
  const TKelvoKompKontejner& container = session_.Container(shared.CurrentCategory);
  state_.SnapPointLines.clear();
  for (const int child : container.PointCategory) {
    state_.SnapPointLines.push_back(child >= 1 && child <= kCategoryCount
                                        ? session_.Container(child).DisplayName
                                        : std::string());
  }
  session_.Changed(kChangeSnapPoints);
  const bool any = container.PointCount() > 0;
  shared.SnapPointLine = any ? 0 : -1;
  const SnapPoint* point = any ? FindPoint(session_.SelectedComponent(), 1) : nullptr;
  const int x = point != nullptr ? point->X : 0;
  const int y = point != nullptr ? point->Y : 0;
  bool redraw = any && (x != state_.PointX || y != state_.PointY) && RedrawsOnPointEdit();
  state_.PointX = x;
  state_.PointY = y;
  state_.PointEditsEnabled = any;
  shared.DrawSnapPoint.Enabled = any;
  state_.SnapModeEnabled = any;
  if (!any) {
    if (shared.DrawSnapPoint.Checked) redraw = true;
    shared.DrawSnapPoint.Checked = false;
    state_.Mode = MouseMode::Components;
  }
  return redraw;
}

bool SnapPointsModel::ShowPoint() {
  EditorSession::Command cmd(session_);
  const int count = SnapPointCount(session_);
  if (count == 0) return false;
  int& line = session_.State().SnapPointLine;
  if (line < 0 || line >= count) line = 0;
  session_.Changed(kChangeSnapPoints);
  const SnapPoint* point = ChosenPoint(session_);
  const int x = point != nullptr ? point->X : 0;
  const int y = point != nullptr ? point->Y : 0;
  const bool changed = x != state_.PointX || y != state_.PointY;
  state_.PointX = x;
  state_.PointY = y;
  return changed;
}

void SnapPointsModel::ChooseLine(int line) {
  EditorSession::Command cmd(session_);
  if (line < 0 || line >= static_cast<int>(state_.SnapPointLines.size())) return;
  session_.State().SnapPointLine = line;
  const bool changed = ShowPoint();
  session_.Notify(SessionEvent::SnapPointChosen, this);
  // The mark follows the chosen point even when the point edits did not change.
  if ((changed && RedrawsOnPointEdit()) || session_.State().DrawSnapPoint.Checked) {
    session_.RefreshPortrait();
  }
}

void SnapPointsModel::StoreCoordinate(bool vertical, int value) {
  (vertical ? state_.PointY : state_.PointX) = value;
  session_.Changed(kChangeSnapPoints);
  if (SnapPoint* point = ChosenPoint(session_)) {
    (vertical ? point->Y : point->X) = value;
    session_.MarkLibraryChanged();
  }
  if (SnapPointCount(session_) > 0 && RedrawsOnPointEdit()) session_.RefreshPortrait();
}

void SnapPointsModel::SetPointX(int value) {
  EditorSession::Command cmd(session_);
  if (value != state_.PointX) StoreCoordinate(false, value);
}

void SnapPointsModel::SetPointY(int value) {
  EditorSession::Command cmd(session_);
  if (value != state_.PointY) StoreCoordinate(true, value);
}

void SnapPointsModel::SetDrawSnapPoint(bool on) {
  EditorSession::Command cmd(session_);
  session_.State().DrawSnapPoint.Checked = on;
  session_.Changed(kChangeSnapPoints);
  session_.RefreshPortrait();
}

bool SnapPointsModel::SetMode(MouseMode mode) {
  state_.Mode = mode;
  session_.Changed(kChangeSnapPoints);
  // Snapping-point mode shows the points; leaving it hides them.
  const bool draw = mode == MouseMode::SnapPoints;
  if (session_.State().DrawSnapPoint.Checked == draw) return false;
  SetDrawSnapPoint(draw);
  return true;
}

void SnapPointsModel::ChooseComponentsMode() {
  EditorSession::Command cmd(session_);
  SetMode(MouseMode::Components);
}

void SnapPointsModel::ChoosePointsMode() {
  EditorSession::Command cmd(session_);
  if (state_.SnapModeEnabled) SetMode(MouseMode::SnapPoints);
}

void SnapPointsModel::SetLockPoints(bool on) {
  EditorSession::Command cmd(session_);
  state_.LockPoints = on;
  session_.Changed(kChangeSnapPoints);
}

void SnapPointsModel::SetOnlySelected(bool on) {
  EditorSession::Command cmd(session_);
  session_.State().OnlySelected = on;
  session_.Changed(kChangeSnapPoints);
  session_.RefreshPortrait();
}

void SnapPointsModel::DrawMarks() {
  EditorSession::Command cmd(session_);
  if (SnapPointCount(session_) == 0) return;
  const Offset at = SnapPointAbsolute(session_);
  const SnapPoint* point = ChosenPoint(session_);
  PreviewImages& previews = session_.Previews();
  if (session_.State().SpreadDialogShown && point != nullptr) {
    const std::int64_t x = at.x;
    const std::int64_t y = at.y;
    previews.DrawCross(x - point->SpreadLeft, y, kYellow);
    previews.DrawCross(x + point->SpreadRight, y, kYellow);
    previews.DrawCross(x, y - point->SpreadUp, kYellow);
    previews.DrawCross(x, y + point->SpreadDown, kYellow);
  }
  previews.DrawCross(at.x, at.y, kWhite);
  session_.Changed(kChangeFullImage);
}

void SnapPointsModel::NextPoint() {
  EditorSession::Command cmd(session_);
  const int count = static_cast<int>(state_.SnapPointLines.size());
  if (count == 0) return;
  int& line = session_.State().SnapPointLine;
  line = (line + 1) % count;
  const bool changed = ShowPoint();
  session_.Notify(SessionEvent::SnapPointChosen, this);
  if (changed && RedrawsOnPointEdit()) session_.RefreshPortrait();
}

void SnapPointsModel::DragBy(Offset delta) {
  EditorSession::Command cmd(session_);
  TKelvoKomp* component = session_.SelectedComponent();
  if (component == nullptr || component->PointCount() == 0) return;
  const int chosen = session_.State().SnapPointLine + 1;
  if (!state_.LockPoints && (chosen < 1 || chosen > component->PointCount())) return;
  MovePoints(*component, state_.LockPoints ? kAllPoints : chosen, delta);
  if (delta != Offset{}) session_.MarkLibraryChanged();
  ShowPoint();
}

}  // namespace kelvo
