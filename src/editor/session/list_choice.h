// What the main window's component list has chosen, as the animation commands read it: the
// filter, the chosen line and the component owning it. The GUI (or a test) takes it from the
// component list; the animation area models get it as an argument, so they need no other area.
#pragma once

#include <string>

#include "editor/session/editor_state.h"

namespace kelvo {

inline constexpr const char* kStepLinePrefix = "   >";

struct ListChoice {
  int Filter = kWithoutAnimations;
  std::string Line;  // the chosen line's text, empty when none is chosen
  StepOwner Owner;   // FindStepOwner of the chosen line

  bool StepsFilter() const { return Filter == kAnimationSteps; }
  bool IsStepLine() const { return Line.rfind(kStepLinePrefix, 0) == 0; }
};

}  // namespace kelvo
