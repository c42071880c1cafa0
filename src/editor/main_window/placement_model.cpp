#include "editor/main_window/placement_model.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "editor/session/undo/component_move.h"
#include "foundation/wrapping_int.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

PlacementModel::PlacementModel(EditorSession& session) : session_(session) {
  session_.AddObserver(this);
}

PlacementModel::~PlacementModel() {
  session_.RemoveObserver(this);
}

void PlacementModel::OnSessionEvent(SessionEvent event) {
  if (!session_.HasPortrait()) return;
  // The default span is read from the parent's selected component: every event that may
  // choose another component or move its points refills it, so "Def. span" never adds to a
  // value of a component no longer drawn.
  if (event == SessionEvent::SnapPointChosen) return;
  if (ShowAll() && !session_.State().DragActive) session_.RequestRefresh();
}

bool PlacementModel::ShowAll() {
  const bool spanDropped = ShowSpanControls();
  ShowDefaultSpan();
  return ShowPositionValues() || spanDropped;
}

bool PlacementModel::ShowSpanControls() {
  EditorSession::Command cmd(session_);
  const int category = session_.State().CurrentCategory;
  const bool withSpan = session_.Container(category).WithSpan;
  state_.SpanControlsEnabled = withSpan;
  session_.Changed(kChangeValues);
  if (withSpan) return false;
  const bool changed = state_.SpanX != 0 || state_.SpanY != 0;
  state_.SpanX = state_.SpanY = 0;
  session_.Portrait().Span.at(category) = {};
  state_.DefSpanX = state_.DefSpanY = 0;
  return changed;
}

int PlacementModel::DefaultSpanPoint(int category, int* parent) const {
  *parent = session_.Container(category).Parent;
  if (*parent < 1 || *parent > kCategoryCount) return 0;
  return session_.Container(*parent).PointOf.at(category);
}

void PlacementModel::ShowDefaultSpan() {
  EditorSession::Command cmd(session_);
  state_.DefSpanX = 0;
  state_.DefSpanY = 0;
  session_.Changed(kChangeValues);
  const int category = session_.State().CurrentCategory;
  if (!session_.Container(category).WithSpan) return;
  int parent = 0;
  const int point = DefaultSpanPoint(category, &parent);
  const TKelvoKomp* owner = point > 0 ? session_.Selected(parent) : nullptr;
  if (owner == nullptr || point > owner->PointCount()) return;
  state_.DefSpanX = owner->Point(point).SpanX;
  state_.DefSpanY = owner->Point(point).SpanY;
}

bool PlacementModel::ShowPositionValues() {
  EditorSession::Command cmd(session_);
  const TKelvoPortret& portrait = session_.Portrait();
  const int c = session_.State().CurrentCategory;
  const PlacementState before = state_;
  state_.ShiftX = portrait.Shift.at(c).x;
  state_.ShiftY = portrait.Shift.at(c).y;
  state_.SpanX = portrait.Span.at(c).x;
  state_.SpanY = portrait.Span.at(c).y;
  const bool changed = before.ShiftX != state_.ShiftX || before.ShiftY != state_.ShiftY ||
                       before.SpanX != state_.SpanX || before.SpanY != state_.SpanY;
  if (changed) session_.Changed(kChangeValues);
  return changed;
}

void PlacementModel::SetShiftX(int value) {
  EditorSession::Command cmd(session_);
  if (value == state_.ShiftX) return;
  state_.ShiftX = value;
  session_.Changed(kChangeValues);
  session_.Portrait().Shift.at(session_.State().CurrentCategory).x = value;
  if (!session_.State().DragActive) session_.RefreshPortrait();
}

void PlacementModel::SetShiftY(int value) {
  EditorSession::Command cmd(session_);
  if (value == state_.ShiftY) return;
  state_.ShiftY = value;
  session_.Changed(kChangeValues);
  session_.Portrait().Shift.at(session_.State().CurrentCategory).y = value;
  if (!session_.State().DragActive) session_.RefreshPortrait();
}

void PlacementModel::ApplySpan(bool vertical, int value) {
  (vertical ? state_.SpanY : state_.SpanX) = value;
  session_.Changed(kChangeValues);
  Point& span = session_.Portrait().Span.at(session_.State().CurrentCategory);
  (vertical ? span.y : span.x) = value;
}

void PlacementModel::SetSpanX(int value) {
  EditorSession::Command cmd(session_);
  if (value == state_.SpanX) return;
  ApplySpan(false, value);
  if (!session_.State().DragActive) session_.RefreshPortrait();
}

void PlacementModel::SetSpanY(int value) {
  EditorSession::Command cmd(session_);
  if (value == state_.SpanY) return;
  ApplySpan(true, value);
  if (!session_.State().DragActive) session_.RefreshPortrait();
}

// Stores a default-span value into the snapping point the current category sits on.
void PlacementModel::ApplyDefaultSpan(bool vertical, int value) {
  (vertical ? state_.DefSpanY : state_.DefSpanX) = value;
  session_.Changed(kChangeValues);
  const int category = session_.State().CurrentCategory;
  if (!session_.Container(category).WithSpan) return;
  int parent = 0;
  const int point = DefaultSpanPoint(category, &parent);
  if (point == 0) throw EditorError("TMainForm.SEDefRozXChange: index=0");
  TKelvoKomp* owner = session_.Selected(parent);
  if (owner != nullptr && point <= owner->PointCount()) {
    (vertical ? owner->Point(point).SpanY : owner->Point(point).SpanX) = value;
    session_.MarkLibraryChanged();
  }
}

void PlacementModel::SetDefaultSpanX(int value) {
  EditorSession::Command cmd(session_);
  if (value == state_.DefSpanX) return;
  ApplyDefaultSpan(false, value);
  if (session_.Container(session_.State().CurrentCategory).WithSpan) session_.RefreshPortrait();
}

void PlacementModel::SetDefaultSpanY(int value) {
  EditorSession::Command cmd(session_);
  if (value == state_.DefSpanY) return;
  ApplyDefaultSpan(true, value);
  if (session_.Container(session_.State().CurrentCategory).WithSpan) session_.RefreshPortrait();
}

void PlacementModel::DefaultSpan() {
  EditorSession::Command cmd(session_);
  if (!state_.SpanControlsEnabled) return;
  const int spanX = state_.SpanX;
  const int spanY = state_.SpanY;
  if (spanX != 0) ApplySpan(false, 0);
  if (spanY != 0) ApplySpan(true, 0);
  if (spanX != 0) ApplyDefaultSpan(false, WrapTo32(std::int64_t{state_.DefSpanX} + spanX));
  if (spanY != 0) ApplyDefaultSpan(true, WrapTo32(std::int64_t{state_.DefSpanY} + spanY));
  session_.RefreshPortrait();
}

void PlacementModel::BakeComponent(int category, TKelvoKomp& component, Offset shift, Offset span) {
  const bool withSpan = session_.Container(category).WithSpan;
  if (shift != Offset{} || span != Offset{}) session_.MarkLibraryChanged();
  MoveComponent(component, shift, span, withSpan);
}

void PlacementModel::BakePosition(int category) {
  EditorSession::Command cmd(session_);
  TKelvoPortret& portrait = session_.Portrait();
  TKelvoKomp* component = session_.Selected(category);
  if (component == nullptr) return;
  const Offset shift{portrait.Shift.at(category).x, portrait.Shift.at(category).y};
  const Offset span{portrait.Span.at(category).x, portrait.Span.at(category).y};
  // The component and each distinct animation step move once, even when a step is listed
  // twice or names the component itself.
  std::vector<TKelvoKomp*> baked{component};
  BakeComponent(category, *component, shift, span);
  const int steps = session_.Container(category).AnimLimit();
  for (int s = 1; s <= steps; ++s) {
    TKelvoKomp* step = component->Frames.at(s);
    if (step == nullptr || std::find(baked.begin(), baked.end(), step) != baked.end()) continue;
    baked.push_back(step);
    BakeComponent(category, *step, shift, span);
  }
  portrait.Shift.at(category) = {};
  portrait.Span.at(category) = {};
  session_.Changed(kChangeValues);
}

// The bake moves the snapping points with the component: the point edits show where they went.
void PlacementModel::Set() {
  EditorSession::Command cmd(session_);
  BakePosition(session_.State().CurrentCategory);
  ShowPositionValues();
  session_.Notify(SessionEvent::PointsMoved, this);
  session_.RefreshPortrait();
}

void PlacementModel::SetAll() {
  EditorSession::Command cmd(session_);
  for (int c = 1; c <= kCategoryCount; ++c) BakePosition(c);
  ShowPositionValues();
  session_.Notify(SessionEvent::PointsMoved, this);
  session_.RefreshPortrait();
}

// Both redraw whenever a shift or span went back to zero, also one of a category other than
// the current one, whose edits do not show it.
void PlacementModel::Unset() {
  EditorSession::Command cmd(session_);
  TKelvoPortret& portrait = session_.Portrait();
  const int category = session_.State().CurrentCategory;
  const bool moved =
      portrait.Shift.at(category) != Point{} || portrait.Span.at(category) != Point{};
  portrait.Shift.at(category) = {};
  portrait.Span.at(category) = {};
  ShowPositionValues();
  if (moved && !session_.State().DragActive) session_.RefreshPortrait();
}

void PlacementModel::UnsetAll() {
  EditorSession::Command cmd(session_);
  TKelvoPortret& portrait = session_.Portrait();
  bool moved = false;
  for (int c = 1; c <= kCategoryCount; ++c) {
    moved = moved || portrait.Shift.at(c) != Point{} || portrait.Span.at(c) != Point{};
    portrait.Shift.at(c) = {};
    portrait.Span.at(c) = {};
  }
  ShowPositionValues();
  if (moved && !session_.State().DragActive) session_.RefreshPortrait();
}

void PlacementModel::DragBy(bool leftButton, Offset delta) {
  const int category = session_.State().CurrentCategory;
  TKelvoPortret& portrait = session_.Portrait();
  if (leftButton) {
    WrapAdd(portrait.Shift.at(category).x, delta.x);
    WrapAdd(portrait.Shift.at(category).y, delta.y);
  } else if (session_.Container(category).WithSpan) {
    WrapAdd(portrait.Span.at(category).x, delta.x);
    WrapAdd(portrait.Span.at(category).y, delta.y);
  }
}

}  // namespace kelvo
