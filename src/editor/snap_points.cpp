// Snapping points of the selected component: their list, the point edits, their absolute
// position on the canvas, the marks drawn over preview 1, and the spread limits dialog.
#include <cstdlib>
#include <string>

#include "editor/editor_model.h"
#include "library/categories.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

namespace {

constexpr std::uint32_t kYellow = 65535;
constexpr std::uint32_t kWhite = 16777215;

SnapPoint* FindPoint(TKelvoKomp* component, int point) {
  if (component == nullptr || point < 1 || point > component->PointCount()) return nullptr;
  return &component->Point(point);
}

}  // namespace

int EditorModel::SnapPointCount() const {
  return Container(shared_().CurrentCategory).PointCount();
}

void EditorModel::FillSnapPointList() {
  Command cmd(*this);
  const TKelvoKompKontejner& container = Container(shared_().CurrentCategory);
  state_.SnapPointLines.clear();
  for (const int child : container.PointCategory) {
    state_.SnapPointLines.push_back(
        child >= 1 && child <= kCategoryCount ? Container(child).DisplayName : std::string());
  }
  Changed(kChangeSnapPoints);
  const bool any = container.PointCount() > 0;
  if (any) {
    state_.SnapPointLine = 0;
    const SnapPoint* point = FindPoint(SelectedComponent(), 1);
    SpinUmistXChange(point != nullptr ? point->X : 0);
    SpinUmistYChange(point != nullptr ? point->Y : 0);
  } else {
    state_.SnapPointLine = -1;
    SpinUmistXChange(0);
    SpinUmistYChange(0);
  }
  state_.PointEditsEnabled = any;
  shared_().DrawSnapPoint.Enabled = any;
  state_.SnapModeEnabled = any;
  shared_().WithSpread.Enabled = any;
  if (!any) {
    SetDrawSnapPoint(false);
    if (state_.Mode != MouseMode::Components) SetMouseMode(MouseMode::Components);
    SetWithSpread(false);
  }
  UpdateSpreadButtons();
}

void EditorModel::ShowSnapPoint() {
  Command cmd(*this);
  const int count = SnapPointCount();
  if (count == 0) return;
  if (state_.SnapPointLine < 0 || state_.SnapPointLine >= count) state_.SnapPointLine = 0;
  const int j = state_.SnapPointLine + 1;
  Changed(kChangeSnapPoints | kChangeSpreadDialog);
  const SnapPoint* point = FindPoint(SelectedComponent(), j);
  SpinUmistXChange(point != nullptr ? point->X : 0);
  SpinUmistYChange(point != nullptr ? point->Y : 0);
  const int child = Container(shared_().CurrentCategory).PointCategory.at(j - 1);
  const std::string name =
      child >= 1 && child <= kCategoryCount ? Container(child).DisplayName : std::string();
  SpreadDialogState& spread = state_.Spread;
  spread.Caption = "Spread - " + name;
  spread.Up = point != nullptr ? point->SpreadUp : 0;
  spread.Down = point != nullptr ? point->SpreadDown : 0;
  spread.Left = point != nullptr ? point->SpreadLeft : 0;
  spread.Right = point != nullptr ? point->SpreadRight : 0;
}

void EditorModel::LbxUmistClick(int line) {
  Command cmd(*this);
  if (line < 0 || line >= static_cast<int>(state_.SnapPointLines.size())) return;
  state_.SnapPointLine = line;
  const auto refreshes = shared_().RefreshCount;
  ShowSnapPoint();
  // The mark follows the chosen point even when the point edits did not redraw.
  if (shared_().DrawSnapPoint.Checked && refreshes == shared_().RefreshCount) RefreshPortrait();
}

void EditorModel::StorePointCoordinate(bool vertical, int value) {
  if (SnapPointCount() == 0) return;
  if (SnapPoint* point = FindPoint(SelectedComponent(), state_.SnapPointLine + 1)) {
    (vertical ? point->Y : point->X) = value;
  }
  if (!shared_().DragActive && state_.Mode == MouseMode::SnapPoints) RefreshPortrait();
}

// Undo moves points in the library; the point edits show the moved values without
// storing them again.
void EditorModel::ShowUndonePoint() {
  if (SnapPointCount() == 0) return;
  const SnapPoint* point = FindPoint(SelectedComponent(), state_.SnapPointLine + 1);
  if (point == nullptr) return;
  state_.PointX = point->X;
  state_.PointY = point->Y;
  Changed(kChangeSnapPoints);
}

void EditorModel::SpinUmistXChange(int value) {
  Command cmd(*this);
  if (value == state_.PointX) return;
  state_.PointX = value;
  Changed(kChangeSnapPoints);
  StorePointCoordinate(false, value);
}

void EditorModel::SpinUmistYChange(int value) {
  Command cmd(*this);
  if (value == state_.PointY) return;
  state_.PointY = value;
  Changed(kChangeSnapPoints);
  StorePointCoordinate(true, value);
}

Offset EditorModel::SnapPointAbsolute() const {
  Offset sum;
  int category = shared_().CurrentCategory;
  int point = state_.SnapPointLine + 1;
  // A parent chain longer than the number of categories runs in a circle.
  for (int hops = 0; category != 0; ++hops) {
    if (hops >= kCategoryCount) throw EditorError("A sakra");
    if (const SnapPoint* p = FindPoint(Selected(category), point)) {
      sum.x += p->X;
      sum.y += p->Y;
    }
    const int parent = Container(category).Parent;
    if (parent != 0) {
      if (parent < 1 || parent > kCategoryCount) throw EditorError("A sakra");
      point = Container(parent).PointOf.at(category);
      if (point == 0) throw EditorError("A sakra");
    }
    category = parent;
  }
  return sum;
}

void EditorModel::DrawSnapMarks() {
  Command cmd(*this);
  if (SnapPointCount() == 0) return;
  const Offset at = SnapPointAbsolute();
  const SnapPoint* point = FindPoint(SelectedComponent(), state_.SnapPointLine + 1);
  if (state_.SpreadDialogShown && point != nullptr) {
    session_.Previews().DrawCross(at.x - point->SpreadLeft, at.y, kYellow);
    session_.Previews().DrawCross(at.x + point->SpreadRight, at.y, kYellow);
    session_.Previews().DrawCross(at.x, at.y - point->SpreadUp, kYellow);
    session_.Previews().DrawCross(at.x, at.y + point->SpreadDown, kYellow);
  }
  session_.Previews().DrawCross(at.x, at.y, kWhite);
  Changed(kChangeFullImage);
}

void EditorModel::SpreadDialogShow() {
  Command cmd(*this);
  state_.SpreadDialogShown = true;
  Changed(kChangeSpreadDialog);
  if (shared_().DrawSnapPoint.Checked) {
    RefreshPortrait();
  } else {
    ChkUmBodClick(true);
  }
}

void EditorModel::SpreadDialogHide() {
  Command cmd(*this);
  state_.SpreadDialogShown = false;
  Changed(kChangeSpreadDialog);
  RefreshPortrait();
}

void EditorModel::SpreadLimitChange(SpreadDirection direction, int value) {
  Command cmd(*this);
  SpreadDialogState& spread = state_.Spread;
  int& edit = direction == SpreadDirection::Up     ? spread.Up
              : direction == SpreadDirection::Down ? spread.Down
              : direction == SpreadDirection::Left ? spread.Left
                                                   : spread.Right;
  if (edit == value) return;
  edit = value;
  Changed(kChangeSpreadDialog);
  SnapPoint* point =
      SnapPointCount() > 0 ? FindPoint(SelectedComponent(), state_.SnapPointLine + 1) : nullptr;
  if (point != nullptr) {
    (direction == SpreadDirection::Up     ? point->SpreadUp
     : direction == SpreadDirection::Down ? point->SpreadDown
     : direction == SpreadDirection::Left ? point->SpreadLeft
                                          : point->SpreadRight) = value;
  }
  if (state_.SpreadDialogShown) RefreshPortrait();
}

void EditorModel::SpreadDirectionClick(SpreadDirection direction) {
  Command cmd(*this);
  state_.Spread.Direction = direction;
  Changed(kChangeSpreadDialog);
}

}  // namespace kelvo
