// TFAnimList, the step chooser behind a double click on a step line ("   >...") of the main
// window's list: the category's components without or only with the animation flag; a click
// on a component without it previews it; "&Apply" makes the chosen one the step, "Remove"
// clears the step, "Cancel" leaves it. Works on one session by reference.
#pragma once

#include <string>
#include <vector>

#include "editor/session/editor_session.h"
#include "editor/session/list_choice.h"

namespace kelvo {

// The dialog's results; "Remove" closes with its own code.
enum StepChooserResult : int {
  kStepChooserCancel = 0,
  kStepChooserApply = 1,
  kStepChooserRemove = 65500
};

struct StepChooserState {
  std::string Caption;
  std::vector<std::string> FilterItems{"without animations", "only animations"};
  int Filter = kOnlyAnimations;    // RGKomp of the dialog
  std::vector<std::string> Lines;  // LBSrc
  int Line = -1;
  bool Shown = false;
};

class StepChooserModel {
 public:
  explicit StepChooserModel(EditorSession& session) : session_(session) {}
  StepChooserModel(const StepChooserModel&) = delete;
  StepChooserModel& operator=(const StepChooserModel&) = delete;

  const StepChooserState& State() const { return state_; }

  // The double click: true, with the caption set, for a step line under an owner of the
  // current category while the list shows animation steps; false otherwise.
  bool LbxKompDblClick(const ListChoice& choice);
  void FormShow();  // fills the list, line 0 chosen
  void RGKompClick(int filter);
  void LBSrcClick(int line);  // a preview with "without animations"
  void FormHide();            // redraws

  // Closing with a StepChooserResult: the owner is the selection again, then its step is set
  // or cleared; the library's message when the chosen name or the step is not valid.
  void Close(int result);

 private:
  void FillList();

  EditorSession& session_;
  StepChooserState state_;
  int category_ = 0;
  std::string owner_;
  int step_ = 0;
};

}  // namespace kelvo
