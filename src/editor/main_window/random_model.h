// The random portrait commands of the main window; the lock boxes keep a category's component.
// Each draw is announced (SelectionsDrawn) so the other areas show the new selection. The
// portraits the commands replace go into a roll history that "Previous roll" and "Next roll"
// step through; a new data set starts it afresh.
#pragma once

#include "editor/main_window/roll_history.h"
#include "editor/session/editor_session.h"
#include "portrait/nation.h"

namespace kelvo {

class RandomModel : private SessionObserver {
 public:
  explicit RandomModel(EditorSession& session);
  ~RandomModel() override;
  RandomModel(const RandomModel&) = delete;
  RandomModel& operator=(const RandomModel&) = delete;

  void RandomComponent();            // "Random": the current category, lock or not
  void RandomAll();                  // "Random all"
  void RandomComponents();           // "Rand. comps."
  void RandomColours();              // "Rand. colors"
  void RandomNation(Nation nation);  // "Amer.", "Arab.", "Rus."

  void PreviousRoll();  // "Previous roll"
  void NextRoll();      // "Next roll"
  const RollHistory& Rolls() const { return rolls_; }

 private:
  void OnSessionEvent(SessionEvent event) override;
  void RandomUnlockedComponents();
  void ShowDrawn();
  // Runs one random command between the two records of the roll history.
  template <typename Draw>
  void Roll(Draw draw);
  void ShowRoll(bool moved, bool back);

  EditorSession& session_;
  RollHistory rolls_;
};

}  // namespace kelvo
