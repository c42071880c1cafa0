// The spread commands: random offsets of the selected component's snapping points inside their
// limits, making them permanent, copying one point's limits to all, and clearing them.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "editor/editor_model.h"
#include "editor/spread_random.h"
#include "library/process_context.h"
#include "foundation/random_generators.h"
#include "library/component.h"

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

void EditorModel::BtnNahUmBClick() {
  Command cmd(*this);
  TKelvoKomp* component = SelectedComponent();
  if (component == nullptr || !state_.SpreadButtonsEnabled) return;
  RandomGenerators& random = session_.Context().Random();
  for (SnapPoint& p : component->Points) {
    const int right = GaussLimited(p.SpreadRight, 50, random);
    const int left = GaussLimited(p.SpreadLeft, 50, random);
    p.SpreadOffsetX = right - left;
    const int down = GaussLimited(p.SpreadDown, 50, random);
    const int up = GaussLimited(p.SpreadUp, 50, random);
    p.SpreadOffsetY = down - up;
  }
  ShowSnapPoint();
  RefreshPortrait();
}

void EditorModel::BtnRozptUseClick() {
  Command cmd(*this);
  TKelvoKomp* component = SelectedComponent();
  if (component == nullptr || !state_.SpreadButtonsEnabled) return;
  for (int j = 1; j <= component->PointCount(); ++j) {
    SnapPoint& p = component->Point(j);
    const int x = SaturatedSum(p.X, p.SpreadOffsetX);
    const int y = SaturatedSum(p.Y, p.SpreadOffsetY);
    // The record holds the actual movement, so undo lands back on the old place.
    const Offset offset{static_cast<int>(std::int64_t{x} - p.X),
                        static_cast<int>(std::int64_t{y} - p.Y)};
    p.X = x;
    p.Y = y;
    session_.Undo().PushUndo(UndoKind::Point, j, component, offset, offset);
    p.SpreadOffsetX = 0;
    p.SpreadOffsetY = 0;
  }
  UpdateSpreadButtons();
  ShowSnapPoint();
  RefreshPortrait();
}

void EditorModel::BtnRozptVsemClick() {
  Command cmd(*this);
  TKelvoKomp* component = SelectedComponent();
  const int chosen = state_.SnapPointLine + 1;
  if (component == nullptr || !state_.SpreadButtonsEnabled || chosen < 1 ||
      chosen > component->PointCount())
    return;
  const SnapPoint q = component->Point(chosen);
  for (SnapPoint& p : component->Points) {
    p.SpreadLeft = q.SpreadLeft;
    p.SpreadRight = q.SpreadRight;
    p.SpreadUp = q.SpreadUp;
    p.SpreadDown = q.SpreadDown;
  }
}

void EditorModel::BtnRozptNulNahClick() {
  Command cmd(*this);
  TKelvoKomp* component = SelectedComponent();
  if (component == nullptr || !state_.SpreadButtonsEnabled) return;
  for (SnapPoint& p : component->Points) {
    p.SpreadOffsetX = 0;
    p.SpreadOffsetY = 0;
  }
  ShowSnapPoint();
  RefreshPortrait();
}

void EditorModel::BtnNastNahUmBClick() {
  Command cmd(*this);
  if (!state_.SpreadButtonsEnabled) return;
  ShowSnapPoint();
  SpreadDialogShow();
}

}  // namespace kelvo
