// Shift and span of the current category, the default span at its snapping point, and baking
// them into the library ("Set", "Set all", "Unset", "Unset all", "Def. span").
#include <algorithm>
#include <vector>

#include "editor/editor_model.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

void EditorModel::UpdateSpanControls() {
  Command cmd(*this);
  const bool withSpan = Container(shared_().CurrentCategory).WithSpan;
  state_.SpanControlsEnabled = withSpan;
  Changed(kChangeValues);
  if (withSpan) return;
  SpinEditRozXChange(0);
  SpinEditRozYChange(0);
  state_.DefSpanX = 0;
  state_.DefSpanY = 0;
}

// The point of the parent's selected component that serves `category`; 0 when there is none.
int EditorModel::DefaultSpanPoint(int category, int* parent) {
  *parent = Container(category).Parent;
  if (*parent < 1 || *parent > kCategoryCount) return 0;
  return Container(*parent).PointOf.at(category);
}

void EditorModel::ShowDefaultSpan() {
  Command cmd(*this);
  state_.DefSpanX = 0;
  state_.DefSpanY = 0;
  Changed(kChangeValues);
  const int category = shared_().CurrentCategory;
  if (!Container(category).WithSpan) return;
  int parent = 0;
  const int point = DefaultSpanPoint(category, &parent);
  const TKelvoKomp* owner = point > 0 ? Selected(parent) : nullptr;
  if (owner == nullptr || point > owner->PointCount()) return;
  state_.DefSpanX = owner->Point(point).SpanX;
  state_.DefSpanY = owner->Point(point).SpanY;
}

void EditorModel::ShowPositionValues() {
  Command cmd(*this);
  const TKelvoPortret& portrait = Portrait();
  const int c = shared_().CurrentCategory;
  SpinEditPosXChange(portrait.Shift.at(c).x);
  SpinEditPosYChange(portrait.Shift.at(c).y);
  SpinEditRozXChange(portrait.Span.at(c).x);
  SpinEditRozYChange(portrait.Span.at(c).y);
}

void EditorModel::SpinEditPosXChange(int value) {
  Command cmd(*this);
  if (value == state_.ShiftX) return;
  state_.ShiftX = value;
  Changed(kChangeValues);
  Portrait().Shift.at(shared_().CurrentCategory).x = value;
  if (!shared_().DragActive) RefreshPortrait();
}

void EditorModel::SpinEditPosYChange(int value) {
  Command cmd(*this);
  if (value == state_.ShiftY) return;
  state_.ShiftY = value;
  Changed(kChangeValues);
  Portrait().Shift.at(shared_().CurrentCategory).y = value;
  if (!shared_().DragActive) RefreshPortrait();
}

void EditorModel::SpinEditRozXChange(int value) {
  Command cmd(*this);
  if (value == state_.SpanX) return;
  state_.SpanX = value;
  Changed(kChangeValues);
  Portrait().Span.at(shared_().CurrentCategory).x = value;
  if (suppressSpanX_) {
    suppressSpanX_ = false;
  } else if (!shared_().DragActive) {
    RefreshPortrait();
  }
}

void EditorModel::SpinEditRozYChange(int value) {
  Command cmd(*this);
  if (value == state_.SpanY) return;
  state_.SpanY = value;
  Changed(kChangeValues);
  Portrait().Span.at(shared_().CurrentCategory).y = value;
  if (suppressSpanY_) {
    suppressSpanY_ = false;
  } else if (!shared_().DragActive) {
    RefreshPortrait();
  }
}

// Stores a default-span edit into the snapping point the current category sits on.
void EditorModel::StoreDefaultSpan(bool vertical, int value) {
  const int category = shared_().CurrentCategory;
  if (!Container(category).WithSpan) return;
  int parent = 0;
  const int point = DefaultSpanPoint(category, &parent);
  if (point == 0) throw EditorError("TMainForm.SEDefRozXChange: index=0");
  TKelvoKomp* owner = Selected(parent);
  if (owner != nullptr && point <= owner->PointCount()) {
    (vertical ? owner->Point(point).SpanY : owner->Point(point).SpanX) = value;
  }
  bool& suppress = vertical ? suppressDefSpanY_ : suppressDefSpanX_;
  if (suppress) {
    suppress = false;
  } else {
    RefreshPortrait();
  }
}

void EditorModel::SEDefRozXChange(int value) {
  Command cmd(*this);
  if (value == state_.DefSpanX) return;
  state_.DefSpanX = value;
  Changed(kChangeValues);
  StoreDefaultSpan(false, value);
}

void EditorModel::SEDefRozYChange(int value) {
  Command cmd(*this);
  if (value == state_.DefSpanY) return;
  state_.DefSpanY = value;
  Changed(kChangeValues);
  StoreDefaultSpan(true, value);
}

void EditorModel::BtnDefRozesunClick() {
  Command cmd(*this);
  if (!state_.SpanControlsEnabled) return;
  const int spanX = state_.SpanX;
  const int spanY = state_.SpanY;
  // A mark is only taken by an edit whose value changes; one left over would swallow the
  // redraw of the user's next edit, so none survives this command.
  struct ClearMarks {
    EditorModel& m;
    ~ClearMarks() {
      m.suppressSpanX_ = m.suppressSpanY_ = m.suppressDefSpanX_ = m.suppressDefSpanY_ = false;
    }
  } clearMarks{*this};
  suppressSpanX_ = suppressSpanY_ = true;
  SpinEditRozXChange(0);
  SpinEditRozYChange(0);
  suppressDefSpanX_ = suppressDefSpanY_ = true;
  SEDefRozXChange(state_.DefSpanX + spanX);
  SEDefRozYChange(state_.DefSpanY + spanY);
  RefreshPortrait();
}

void EditorModel::BakeComponent(int category, TKelvoKomp& component, Offset shift, Offset span) {
  const bool withSpan = Container(category).WithSpan;
  for (int s = 1; s <= kSubcomponentCount; ++s) {
    TKelvoSubKomp* sub = component.Sub(s);
    if (sub == nullptr) continue;
    sub->X += shift.x;
    sub->Y += shift.y;
    if (withSpan && s == 1) {
      sub->X -= span.x;
      sub->Y -= span.y;
    } else if (withSpan && s == 2) {
      sub->X += span.x;
      sub->Y += span.y;
    }
  }
  for (SnapPoint& point : component.Points) {
    point.X += shift.x;
    point.Y += shift.y;
  }
  // A paired category records only a span change; a shift alone is baked without a record.
  if (withSpan && span != Offset{}) {
    session_.Undo().PushUndo(UndoKind::ShiftWithSpan, 0, &component, shift, span);
  } else if (!withSpan && shift != Offset{}) {
    session_.Undo().PushUndo(UndoKind::Shift, 0, &component, shift, Offset{});
  }
}

void EditorModel::BakePosition(int category) {
  Command cmd(*this);
  TKelvoPortret& portrait = Portrait();
  TKelvoKomp* component = Selected(category);
  if (component == nullptr) return;
  const Offset shift{portrait.Shift.at(category).x, portrait.Shift.at(category).y};
  const Offset span{portrait.Span.at(category).x, portrait.Span.at(category).y};
  // The component and each distinct animation step move once, even when a step is listed
  // twice or names the component itself.
  std::vector<TKelvoKomp*> baked{component};
  BakeComponent(category, *component, shift, span);
  const int steps = Container(category).AnimLimit();
  for (int s = 1; s <= steps; ++s) {
    TKelvoKomp* step = component->Frames.at(s);
    if (step == nullptr || std::find(baked.begin(), baked.end(), step) != baked.end()) continue;
    baked.push_back(step);
    BakeComponent(category, *step, shift, span);
  }
  portrait.Shift.at(category) = {};
  portrait.Span.at(category) = {};
  Changed(kChangeValues);
}

void EditorModel::BtnUsePosClick() {
  Command cmd(*this);
  BakePosition(shared_().CurrentCategory);
  ShowPositionValues();
  RefreshPortrait();
}

void EditorModel::BtnUsePosAllClick() {
  Command cmd(*this);
  for (int c = 1; c <= kCategoryCount; ++c) BakePosition(c);
  ShowPositionValues();
  RefreshPortrait();
}

void EditorModel::BtnNullClick() {
  Command cmd(*this);
  TKelvoPortret& portrait = Portrait();
  portrait.Shift.at(shared_().CurrentCategory) = {};
  portrait.Span.at(shared_().CurrentCategory) = {};
  ShowPositionValues();
}

void EditorModel::BtnNullAllClick() {
  Command cmd(*this);
  TKelvoPortret& portrait = Portrait();
  for (int c = 1; c <= kCategoryCount; ++c) {
    portrait.Shift.at(c) = {};
    portrait.Span.at(c) = {};
  }
  ShowPositionValues();
}

}  // namespace kelvo
