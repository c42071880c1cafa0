// The spread area: "w. spread", the spread commands on the chosen component's snapping points
// ("Rnd.spread", "Apply", "Copy to all", "Unset", "Edit") and the spread limits dialog with
// its mouse measuring in preview 1.
#pragma once

#include "editor/session/editor_session.h"

namespace kelvo {

struct SpreadState {
  bool SpreadButtonsEnabled = false;  // "Rnd.spread", "Edit", "Apply", "Copy to all", "Unset"
  SpreadDialogState Spread;           // the dialog's caption, limits and direction
};

class SpreadModel : private SessionObserver {
 public:
  explicit SpreadModel(EditorSession& session);
  ~SpreadModel() override;
  SpreadModel(const SpreadModel&) = delete;
  SpreadModel& operator=(const SpreadModel&) = delete;

  const SpreadState& State() const { return state_; }

  void SetWithSpread(bool on);  // "w. spread"
  void ShowButtons();
  void RandomSpread();  // "Rnd.spread"
  void Apply();         // "Apply"
  void CopyToAll();     // "Copy to all"
  void Unset();         // "Unset" of the spread
  void Edit();          // "Edit": the dialog

  void DialogShow();
  void DialogHide();
  void SetLimit(SpreadDirection direction, int value);  // SEUp, SEDown, ...
  void ChooseDirection(SpreadDirection direction);
  // A click in preview 1 while the dialog is shown: the left button measures the limit of the
  // chosen direction from the point, the others turn to the next direction.
  void MeasureAt(bool leftButton, int x, int y);

 private:
  void OnSessionEvent(SessionEvent event) override;
  // Caption and limits of the chosen point, shown without storing.
  void ShowDialogState();
  // "w. spread" is available only where snapping points are; true when it was switched off.
  bool FollowCategory();

  EditorSession& session_;
  SpreadState state_;
};

}  // namespace kelvo
