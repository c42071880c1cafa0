#include "portrait/anim_steps.h"

#include "library/categories.h"
#include "library/component.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

constexpr int32_t kFaceTalkStep = 3;   // the face step that opens the mouth fully
constexpr int32_t kMouthOpenStep = 4;  // the mouth step that changes the face
constexpr int32_t kCoupledStep = 3;    // the step the other face categories take then

// Step n of a saved component: its frame n, or itself when that frame is empty.
TKelvoKomp* StepOf(TKelvoKomp* komp, int32_t n) {
  return komp != nullptr ? &komp->Frame(n) : nullptr;
}

}  // namespace

AnimationRun AnimStart(const TKelvoPortret& portrait, int32_t category) {
  AnimationRun run;
  run.Count = CategoryAnimationLimit(category);
  run.Category = category;
  run.Saved = portrait.Selected;
  run.Step = 1;
  return run;
}

bool AnimAdvance(TKelvoPortret& portrait, AnimationRun& run) {
  if (run.Step > run.Count) {
    portrait.Selected = run.Saved;
    return true;
  }
  const int32_t k = run.Step;
  const auto& saved = run.Saved;
  portrait.Selected[run.Category] = StepOf(saved[run.Category], k);
  if (run.Category == kFaces) {
    const bool open = k == kFaceTalkStep;
    portrait.Selected[kMouths] = open ? StepOf(saved[kMouths], kMouthOpenStep) : saved[kMouths];
    portrait.Selected[kCheeks] = open ? StepOf(saved[kCheeks], kCoupledStep) : saved[kCheeks];
  } else if (run.Category == kMouths) {
    const bool open = k == kMouthOpenStep;
    portrait.Selected[kFaces] = open ? StepOf(saved[kFaces], kCoupledStep) : saved[kFaces];
    portrait.Selected[kCheeks] = open ? StepOf(saved[kCheeks], kCoupledStep) : saved[kCheeks];
  }
  ++run.Step;
  return false;
}

}  // namespace kelvo
