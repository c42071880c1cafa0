// The stepping of one component's animation: the selections of all categories are saved, then
// each call shows the next step of the saved component of one category (with the coupled
// categories of the face following), and the call after the last step puts the saved
// selections back. The editor plays it with a timer and the frame export writes each step;
// both draw the portrait after every call. Plain values: the run refers to components of the
// portrait's library, which must outlive it.
#pragma once

#include <cstdint>

#include "library/categories.h"

namespace kelvo {

class TKelvoKomp;
class TKelvoPortret;

struct AnimationRun {
  PerCategory<TKelvoKomp*> Saved{};
  int32_t Category = 0;
  int32_t Step = 1;   // k: the next step to show
  int32_t Count = 0;  // N: the category's animation slots
};

// AnimStart: saves the portrait's selections, k := 1, N := the category's slot count. Throws
// std::out_of_range for a category outside 1..14.
AnimationRun AnimStart(const TKelvoPortret& portrait, int32_t category);

// AnimStep without the redraw: while k <= N the category shows step k of its saved component
// (the component itself for an empty step) and false is returned; after the last step the
// saved selections are restored and true (done) is returned. Faces at step 3 put Mouths at
// step 4 and Cheeks at step 3; Mouths at step 4 put Faces and Cheeks at step 3; otherwise
// those categories show their saved components.
bool AnimAdvance(TKelvoPortret& portrait, AnimationRun& run);

}  // namespace kelvo
