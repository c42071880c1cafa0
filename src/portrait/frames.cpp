#include "portrait/frames.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "library/categories.h"
#include "library/component.h"
#include "portrait/portrait.h"

namespace kelvo {

namespace {

using Selection = PerCategory<TKelvoKomp*>;

// The face and cheeks change with the last mouth step only, to their step 3.
constexpr int32_t kLastMouthStep = 4;
constexpr int32_t kFaceStepAtLastMouth = 3;
// The mouth region never reaches above this canvas row.
constexpr int32_t kLowerRegionTop = 200;

// Saves the selection and puts it back when the scope ends, whatever happens in between.
class SelectionScope {
 public:
  explicit SelectionScope(TKelvoPortret& portrait)
      : portrait_(portrait), saved_(portrait.Selected) {
    portrait_.SavedSelection = saved_;
  }
  ~SelectionScope() { portrait_.Selected = saved_; }
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;
  const Selection& Saved() const { return saved_; }

 private:
  TKelvoPortret& portrait_;
  Selection saved_;
};

// Step n of a component: its animation frame n, or itself when that frame is empty.
TKelvoKomp* Step(TKelvoKomp* komp, int32_t n) {
  return komp ? &komp->Frame(n) : nullptr;
}

Rect StartRect() {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  return Rect{kMax, kMax, -kMax, -kMax};
}

int32_t Saturate(int64_t v) {
  constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
  constexpr int64_t kHigh = std::numeric_limits<int32_t>::max() / 4 * 4;
  return static_cast<int32_t>(std::clamp(v, kLow, kHigh));
}

int32_t RoundDown4(int32_t v) {
  return Saturate(int64_t{v} / 4 * 4);
}

int32_t RoundUp4(int32_t v) {
  if (v % 4 == 0) return v;
  return Saturate((int64_t{v} / 4 + 1) * 4);
}

// The rectangle limited to the 320 x 400 canvas, so frames are averaged from rendered pixels only.
Rect ClampToCanvas(Rect r) {
  r.left = std::clamp(r.left, 0, kCanvasWidth);
  r.right = std::clamp(r.right, 0, kCanvasWidth);
  r.top = std::clamp(r.top, 0, kCanvasHeight);
  r.bottom = std::clamp(r.bottom, 0, kCanvasHeight);
  return r;
}

bool IsEmptyRect(const Rect& r) {
  return r.right <= r.left || r.bottom <= r.top;
}

void SelectMouthStep(TKelvoPortret& portrait, const Selection& saved, int32_t i, bool withBeard) {
  portrait.Selected[kMouths] = Step(saved[kMouths], i);
  if (withBeard) portrait.Selected[kBeards] = Step(saved[kBeards], i);
  const bool last = i == kLastMouthStep;
  portrait.Selected[kFaces] = last ? Step(saved[kFaces], kFaceStepAtLastMouth) : saved[kFaces];
  portrait.Selected[kCheeks] = last ? Step(saved[kCheeks], kFaceStepAtLastMouth) : saved[kCheeks];
}

void CheckStep(int32_t step, int32_t count, const char* what) {
  if (step < 0 || step >= count) throw std::out_of_range(std::string(what) + ": step out of range");
}

// Renders the rectangle clipped and keeps its quarter-size copy in the slot.
void MakeFrame(TKelvoPortret& portrait, const Rect& rect, const char* label, FrameSlot& slot) {
  if (IsEmptyRect(rect)) {
    slot = FrameSlot{};
    return;
  }
  portrait.ClipRect = rect;
  portrait.ComputePositions();
  portrait.PripravPortret(true);
  FrameSlot made;
  made.layer = create_layer(rect.Width() / 4, rect.Height() / 4, label);
  made.x = rect.left / 4;
  made.y = rect.top / 4;
  reduce_layer_rect(4, rect, *portrait.RenderLayer, *made.layer);
  slot = std::move(made);
}

void MakeLowerFrame(TKelvoPortret& portrait, const Selection& saved, int32_t i) {
  CheckStep(i, kMouthSteps, "GenerujSpodek");
  SelectMouthStep(portrait, saved, i, true);
  MakeFrame(portrait, portrait.LowerRect, "TKelvoPortret.GenerujSpodek",
            portrait.LowerFrames[static_cast<size_t>(i)]);
}

void MakeUpperFrame(TKelvoPortret& portrait, const Selection& saved, int32_t i, int32_t j) {
  CheckStep(i, kEyebrowSteps, "GenerujVrsek");
  CheckStep(j, kEyeSteps, "GenerujVrsek");
  portrait.Selected[kEyebrows] = Step(saved[kEyebrows], i);
  portrait.Selected[kEyes] = Step(saved[kEyes], j);
  MakeFrame(portrait, portrait.UpperRect, "TKelvoPortret.GenerujVrsek",
            portrait.UpperFrames[static_cast<size_t>(i)][static_cast<size_t>(j)]);
}

// Copies the whole frame to its quarter position; the destination is never written outside.
void PasteFrame(const FrameSlot& slot, Layer& dst) {
  if (!slot.layer) return;
  const Layer& frame = *slot.layer;
  if (frame.width <= 0 || frame.height <= 0) return;
  const Rect to{slot.x, slot.y, slot.x + frame.width, slot.y + frame.height};
  if (to.left < 0 || to.top < 0 || to.right > dst.width || to.bottom > dst.height) return;
  paste_layer2layer_rect(Rect{0, 0, frame.width, frame.height}, &frame, to, &dst);
}

bool InRange(int32_t step, int32_t count) {
  return step >= 0 && step < count;
}

}  // namespace

Rect AlignFrameRect(Rect r) {
  return Rect{RoundDown4(r.left), RoundDown4(r.top), RoundUp4(r.right), RoundUp4(r.bottom)};
}

void ComputeFrameRects(TKelvoPortret& portrait) {
  SelectionScope scope(portrait);
  const Selection& saved = scope.Saved();

  Rect upper = StartRect();
  for (int32_t i = 0; i < kEyebrowSteps; ++i) {
    for (int32_t j = 0; j < kEyeSteps; ++j) {
      portrait.Selected[kEyebrows] = Step(saved[kEyebrows], i);
      portrait.Selected[kEyes] = Step(saved[kEyes], j);
      portrait.ComputePositions();
      upper = portrait.CategoryBounds(kEyes, upper);
      upper = portrait.CategoryBounds(kEyebrows, upper);
    }
  }
  upper = ClampToCanvas(AlignFrameRect(upper));

  Rect lower = StartRect();
  for (int32_t i = 0; i < kMouthSteps; ++i) {
    SelectMouthStep(portrait, saved, i, false);
    portrait.ComputePositions();
    lower = portrait.CategoryBounds(kBeards, lower);
    lower = portrait.CategoryBounds(kCheeks, lower);
    lower = portrait.CategoryBounds(kFaces, lower);
    lower = portrait.CategoryBounds(kMouths, lower);
  }
  lower = ClampToCanvas(AlignFrameRect(lower));
  lower.top = std::max(lower.top, kLowerRegionTop);

  // An empty region keeps no stray coordinates: it makes no frame and pastes nothing.
  portrait.UpperRect = IsEmptyRect(upper) ? Rect{} : upper;
  portrait.LowerRect = IsEmptyRect(lower) ? Rect{} : lower;
}

void GenerujSpodek(TKelvoPortret& portrait, int32_t mouthStep) {
  SelectionScope scope(portrait);
  MakeLowerFrame(portrait, scope.Saved(), mouthStep);
}

void GenerujVrsek(TKelvoPortret& portrait, int32_t browStep, int32_t eyeStep) {
  SelectionScope scope(portrait);
  MakeUpperFrame(portrait, scope.Saved(), browStep, eyeStep);
}

void GenerateAllFrames(TKelvoPortret& portrait) {
  SelectionScope scope(portrait);
  for (int32_t i = 0; i < kMouthSteps; ++i) MakeLowerFrame(portrait, scope.Saved(), i);
  for (int32_t i = 0; i < kEyebrowSteps; ++i) {
    for (int32_t j = 0; j < kEyeSteps; ++j) MakeUpperFrame(portrait, scope.Saved(), i, j);
  }
  portrait.FramesReady = true;
}

void GenerateNextFrame(TKelvoPortret& portrait) {
  SelectionScope scope(portrait);
  if (InRange(portrait.NextMouthState, kMouthSteps)) {
    MakeLowerFrame(portrait, scope.Saved(), portrait.NextMouthState);
    ++portrait.NextMouthState;
  } else if (InRange(portrait.NextBrowState, kEyebrowSteps)) {
    MakeUpperFrame(portrait, scope.Saved(), portrait.NextBrowState, portrait.NextEyeState);
    if (++portrait.NextEyeState >= kEyeSteps) {
      ++portrait.NextBrowState;
      portrait.NextEyeState = 0;
    }
  } else {
    portrait.FramesReady = true;
  }
}

void ResetFrames(TKelvoPortret& portrait) {
  ComputeFrameRects(portrait);
  portrait.FramesReady = false;
  for (FrameSlot& slot : portrait.LowerFrames) slot = FrameSlot{};
  for (auto& row : portrait.UpperFrames) {
    for (FrameSlot& slot : row) slot = FrameSlot{};
  }
  portrait.CurrentMouthState = portrait.NextMouthState = 0;
  portrait.CurrentBrowState = portrait.NextBrowState = 0;
  portrait.CurrentEyeState = portrait.NextEyeState = 0;
}

void PasteMouthFrame(TKelvoPortret& portrait, int32_t mouthStep, Layer& dst) {
  portrait.CurrentMouthState = mouthStep;
  if (!InRange(mouthStep, kMouthSteps)) return;
  PasteFrame(portrait.LowerFrames[static_cast<size_t>(mouthStep)], dst);
}

void PasteEyeFrame(TKelvoPortret& portrait, int32_t eyeStep, Layer& dst) {
  portrait.CurrentEyeState = eyeStep;
  const int32_t brow = portrait.CurrentBrowState;
  if (!InRange(brow, kEyebrowSteps) || !InRange(eyeStep, kEyeSteps)) return;
  PasteFrame(portrait.UpperFrames[static_cast<size_t>(brow)][static_cast<size_t>(eyeStep)], dst);
}

void PasteBrowFrame(TKelvoPortret& portrait, int32_t browStep, Layer& dst) {
  portrait.CurrentBrowState = browStep;
  const int32_t eye = portrait.CurrentEyeState;
  if (!InRange(browStep, kEyebrowSteps) || !InRange(eye, kEyeSteps)) return;
  PasteFrame(portrait.UpperFrames[static_cast<size_t>(browStep)][static_cast<size_t>(eye)], dst);
}

void MakeSmallPortrait(TKelvoPortret& portrait, Layer& dst) {
  ResetFrames(portrait);
  portrait.ComputePositions();
  portrait.PripravPortret(false);
  reduce_layer(4, *portrait.RenderLayer, dst);
  portrait.FreeRenderLayer();
}

}  // namespace kelvo
