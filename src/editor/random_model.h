// The random portrait commands of the main window; the lock boxes keep a category's component.
// Each draw is announced (SelectionsDrawn) so the other areas show the new selection.
#pragma once

#include "editor/editor_session.h"
#include "portrait/nation.h"

namespace kelvo {

class RandomModel {
 public:
  explicit RandomModel(EditorSession& session) : session_(session) {}

  void RandomComponent();            // "Random": the current category, lock or not
  void RandomAll();                  // "Random all"
  void RandomComponents();           // "Rand. comps."
  void RandomColours();              // "Rand. colors"
  void RandomNation(Nation nation);  // "Amer.", "Arab.", "Rus."

 private:
  void RandomUnlockedComponents();
  void ShowDrawn();

  EditorSession& session_;
};

}  // namespace kelvo
