// "Animate all" and TFAllAnim: a talking head of the whole portrait at quarter size (80 x 100),
// eyebrows, eyes and mouth changing at random intervals counted in ticks of 50 ms. The counters
// draw from the process's common random generator. The timer TMAnimAll is the GUI's;
// TMAnimAllTimer is one tick. Works on one session by reference.
#pragma once

#include <memory>

#include "editor/session/editor_session.h"
#include "editor/session/list_choice.h"
#include "portrait/layer.h"

namespace kelvo {

inline constexpr int kAnimateAllInterval = 50;  // ms per tick
inline constexpr int kSmallPortraitWidth = 80;
inline constexpr int kSmallPortraitHeight = 100;

struct AnimateAllState {
  bool Running = false;  // TFAllAnim is shown and its timer runs
  int BrowCounter = 0;
  int EyeCounter = 0;
  int TalkCounter = 0;
  int MouthCounter = 0;
  bool Talking = false;
  unsigned long Ticks = 0;
};

class AnimateAllModel {
 public:
  explicit AnimateAllModel(EditorSession& session);
  AnimateAllModel(const AnimateAllModel&) = delete;
  AnimateAllModel& operator=(const AnimateAllModel&) = delete;

  const AnimateAllState& State() const { return state_; }
  // The 80 x 100 picture TFAllAnim shows.
  const Layer& Image() const { return *image_; }

  // "Animate all": the small portrait and its frames, the counters, running; false and no
  // change at all while a run is going on.
  bool BtnAnimAllClick(const ListChoice& choice);
  void TMAnimAllTimer();  // one tick; nothing when not running
  // "Stop" and every other way of closing the window; ends a run with the central redraw.
  void Stop();

 private:
  int Random(int n);

  EditorSession& session_;
  AnimateAllState state_;
  std::unique_ptr<Layer> image_;
};

}  // namespace kelvo
