#include "editor/main_window/spread_model.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <numbers>

#include "editor/main_window/snap_geometry.h"
#include "editor/main_window/spread_random.h"
#include "foundation/random_generators.h"
#include "foundation/wrapping_int.h"
#include "library/categories.h"
#include "library/process_context.h"
#include "library/type_library.h"

namespace kelvo {

namespace {

// a + b kept inside int, so huge limits cannot push a point past the representable range.
int SaturatedSum(int a, int b) {
  return static_cast<int>(std::clamp<std::int64_t>(
      std::int64_t{a} + b, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

double StandardNormal(RandomGenerators& random) {
  const double u1 = 1.0 - random.CommonUniform();  // (0, 1], so the logarithm is finite
  const double u2 = random.CommonUniform();
  return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
}

}  // namespace

int GaussLimited(int limit, int percent, RandomGenerators& random) {
  const std::int64_t bound = std::min<std::int64_t>(std::llabs(static_cast<long long>(limit)),
                                                    std::numeric_limits<int>::max());
  // No spread width means no distance; a zero width would never end the redraws.
  if (bound == 0 || percent <= 0) return 0;
  const double scale = percent * 6.233 / 100.0;
  for (;;) {
    const double r = std::nearbyint(std::fabs(StandardNormal(random)) / scale * bound);
    if (r <= static_cast<double>(bound)) return static_cast<int>(r);
  }
}

SpreadModel::SpreadModel(EditorSession& session) : session_(session) {
  session_.AddObserver(this);
}

SpreadModel::~SpreadModel() {
  session_.RemoveObserver(this);
}

void SpreadModel::OnSessionEvent(SessionEvent event) {
  if (!session_.HasPortrait()) return;
  EditorSession::Command cmd(session_);
  switch (event) {
    case SessionEvent::DataSetReplaced:
      session_.State().SpreadDialogShown = false;
      session_.Changed(kChangeSpreadDialog);
      [[fallthrough]];
    case SessionEvent::CategoryChanged:
    case SessionEvent::SelectionsDrawn:
    case SessionEvent::PortraitReplaced:
    case SessionEvent::LibraryEdited:
      if (FollowCategory()) session_.RequestRefresh();
      ShowButtons();
      ShowDialogState();
      break;
    case SessionEvent::ComponentChosen:
    case SessionEvent::SnapPointChosen:
      ShowDialogState();
      break;
    case SessionEvent::PointsMoved:
      break;
  }
}

bool SpreadModel::FollowCategory() {
  CheckBoxState& withSpread = session_.State().WithSpread;
  withSpread.Enabled = SnapPointCount(session_) > 0;
  session_.Changed(kChangeSnapPoints);
  if (withSpread.Enabled || !withSpread.Checked) return false;
  withSpread.Checked = false;
  return true;
}

void SpreadModel::ShowDialogState() {
  const int count = SnapPointCount(session_);
  if (count == 0) return;
  const int line = session_.State().SnapPointLine;
  const int j = line >= 0 && line < count ? line + 1 : 1;
  const SnapPoint* point = FindPoint(session_.SelectedComponent(), j);
  const int child = session_.Container(session_.State().CurrentCategory).PointCategory.at(j - 1);
  const std::string name =
      child >= 1 && child <= kCategoryCount ? session_.Container(child).DisplayName : std::string();
  SpreadDialogState& spread = state_.Spread;
  spread.Caption = "Spread - " + name;
  spread.Up = point != nullptr ? point->SpreadUp : 0;
  spread.Down = point != nullptr ? point->SpreadDown : 0;
  spread.Left = point != nullptr ? point->SpreadLeft : 0;
  spread.Right = point != nullptr ? point->SpreadRight : 0;
  session_.Changed(kChangeSpreadDialog);
}

void SpreadModel::SetWithSpread(bool on) {
  EditorSession::Command cmd(session_);
  session_.State().WithSpread.Checked = on;
  session_.Changed(kChangeSnapPoints);
  ShowButtons();
  session_.RefreshPortrait();
}

void SpreadModel::ShowButtons() {
  EditorSession::Command cmd(session_);
  state_.SpreadButtonsEnabled = session_.State().WithSpread.Checked;
  session_.Changed(kChangeSnapPoints);
}

void SpreadModel::RandomSpread() {
  EditorSession::Command cmd(session_);
  TKelvoKomp* component = session_.SelectedComponent();
  if (component == nullptr || !state_.SpreadButtonsEnabled) return;
  RandomGenerators& random = session_.Context().Random();
  for (SnapPoint& p : component->Points) {
    const int right = GaussLimited(p.SpreadRight, 50, random);
    const int left = GaussLimited(p.SpreadLeft, 50, random);
    p.SpreadOffsetX = WrapTo32(std::int64_t{right} - left);
    const int down = GaussLimited(p.SpreadDown, 50, random);
    const int up = GaussLimited(p.SpreadUp, 50, random);
    p.SpreadOffsetY = WrapTo32(std::int64_t{down} - up);
  }
  ShowDialogState();
  session_.RefreshPortrait();
}

void SpreadModel::Apply() {
  EditorSession::Command cmd(session_);
  TKelvoKomp* component = session_.SelectedComponent();
  if (component == nullptr || !state_.SpreadButtonsEnabled) return;
  for (int j = 1; j <= component->PointCount(); ++j) {
    SnapPoint& p = component->Point(j);
    const int x = SaturatedSum(p.X, p.SpreadOffsetX);
    const int y = SaturatedSum(p.Y, p.SpreadOffsetY);
    const Offset offset{static_cast<int>(std::int64_t{x} - p.X),
                        static_cast<int>(std::int64_t{y} - p.Y)};
    if (offset != Offset{}) session_.MarkLibraryChanged();
    p.X = x;
    p.Y = y;
    p.SpreadOffsetX = 0;
    p.SpreadOffsetY = 0;
  }
  ShowButtons();
  ShowDialogState();
  session_.Notify(SessionEvent::PointsMoved, this);
  session_.RefreshPortrait();
}

void SpreadModel::CopyToAll() {
  EditorSession::Command cmd(session_);
  TKelvoKomp* component = session_.SelectedComponent();
  const int chosen = session_.State().SnapPointLine + 1;
  if (component == nullptr || !state_.SpreadButtonsEnabled || chosen < 1 ||
      chosen > component->PointCount())
    return;
  const SnapPoint q = component->Point(chosen);
  session_.MarkLibraryChanged();
  for (SnapPoint& p : component->Points) {
    p.SpreadLeft = q.SpreadLeft;
    p.SpreadRight = q.SpreadRight;
    p.SpreadUp = q.SpreadUp;
    p.SpreadDown = q.SpreadDown;
  }
}

void SpreadModel::Unset() {
  EditorSession::Command cmd(session_);
  TKelvoKomp* component = session_.SelectedComponent();
  if (component == nullptr || !state_.SpreadButtonsEnabled) return;
  for (SnapPoint& p : component->Points) {
    p.SpreadOffsetX = 0;
    p.SpreadOffsetY = 0;
  }
  ShowDialogState();
  session_.RefreshPortrait();
}

void SpreadModel::Edit() {
  EditorSession::Command cmd(session_);
  if (!state_.SpreadButtonsEnabled) return;
  const int count = SnapPointCount(session_);
  int& line = session_.State().SnapPointLine;
  if (count > 0 && (line < 0 || line >= count)) {
    line = 0;
    session_.Notify(SessionEvent::SnapPointChosen, this);
  }
  ShowDialogState();
  DialogShow();
}

void SpreadModel::DialogShow() {
  EditorSession::Command cmd(session_);
  session_.State().SpreadDialogShown = true;
  session_.Changed(kChangeSpreadDialog);
  // The limits are drawn with the point's mark.
  session_.State().DrawSnapPoint.Checked = true;
  session_.Changed(kChangeSnapPoints);
  session_.RefreshPortrait();
}

void SpreadModel::DialogHide() {
  EditorSession::Command cmd(session_);
  session_.State().SpreadDialogShown = false;
  session_.Changed(kChangeSpreadDialog);
  session_.RefreshPortrait();
}

void SpreadModel::SetLimit(SpreadDirection direction, int value) {
  EditorSession::Command cmd(session_);
  SpreadDialogState& spread = state_.Spread;
  int& edit = direction == SpreadDirection::Up     ? spread.Up
              : direction == SpreadDirection::Down ? spread.Down
              : direction == SpreadDirection::Left ? spread.Left
                                                   : spread.Right;
  if (edit == value) return;
  edit = value;
  session_.Changed(kChangeSpreadDialog);
  if (SnapPoint* point = ChosenPoint(session_)) {
    (direction == SpreadDirection::Up     ? point->SpreadUp
     : direction == SpreadDirection::Down ? point->SpreadDown
     : direction == SpreadDirection::Left ? point->SpreadLeft
                                          : point->SpreadRight) = value;
    session_.MarkLibraryChanged();
  }
  if (session_.State().SpreadDialogShown) session_.RefreshPortrait();
}

void SpreadModel::ChooseDirection(SpreadDirection direction) {
  EditorSession::Command cmd(session_);
  state_.Spread.Direction = direction;
  session_.Changed(kChangeSpreadDialog);
}

void SpreadModel::MeasureAt(bool leftButton, int x, int y) {
  EditorSession::Command cmd(session_);
  const SpreadDirection direction = state_.Spread.Direction;
  if (!leftButton) {
    ChooseDirection(static_cast<SpreadDirection>((static_cast<int>(direction) + 1) % 4));
    return;
  }
  const Offset at = SnapPointAbsolute(session_);
  const bool vertical = direction == SpreadDirection::Up || direction == SpreadDirection::Down;
  const std::int64_t distance =
      vertical ? std::abs(std::int64_t{at.y} - y) : std::abs(std::int64_t{at.x} - x);
  SetLimit(direction, static_cast<int>(std::min<std::int64_t>(distance, INT32_MAX)));
}

}  // namespace kelvo
