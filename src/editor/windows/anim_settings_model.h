// TFAnim, the animation settings dialog behind "Animation": the step names of one component
// (an empty line for an empty step), moved up and down to reorder them, and the animation
// delay the main window's timer TMAnim runs at. "&Apply" sets the component's steps from the
// lines; every way of closing brings the list and the portrait in line again. Works on one
// session by reference; the delay stays from one opening to the next.
#pragma once

#include <string>
#include <vector>

#include "editor/session/editor_session.h"
#include "editor/session/list_choice.h"

namespace kelvo {

inline constexpr int kAnimDelayMin = 100;
inline constexpr int kAnimDelayMax = 2000;
inline constexpr int kAnimDelayDefault = 200;

struct AnimSettingsState {
  std::string Caption = "Animation";
  std::vector<std::string> Lines;  // LBKomp: step 1..N at 0..N-1
  int Line = -1;                   // the chosen line
  int Delay = kAnimDelayDefault;   // SEProdleva, milliseconds
  bool Shown = false;
};

class AnimSettingsModel {
 public:
  explicit AnimSettingsModel(EditorSession& session) : session_(session) {}
  AnimSettingsModel(const AnimSettingsModel&) = delete;
  AnimSettingsModel& operator=(const AnimSettingsModel&) = delete;

  const AnimSettingsState& State() const { return state_; }

  // "Animation": fills the dialog for the owner of the chosen line; false (nothing to show)
  // when that name is not in the current category.
  bool BtnAnimSetClick(const ListChoice& choice);

  void LBKompClick(int line);
  void SBUpDownUp();                 // the chosen line one place up, still chosen
  void SBUpDownDown();               // one place down
  void SEProdlevaChange(int delay);  // kept within 100..2000

  // Closing: with "&Apply" each non-empty line i - 1 sets step i to that component and an
  // empty line clears it, all or nothing (an unknown name fails with the library's message
  // and changes no step).
  void Close(bool apply);

 private:
  EditorSession& session_;
  AnimSettingsState state_;
  int category_ = 0;
  std::string owner_;
  bool stepsFilter_ = false;
};

}  // namespace kelvo
