// "Anim. comp." and the hidden "1" button: the stepping routine AnimStart / AnimStep over the
// session (each step redrawn with RefreshPortrait) and the run of one component's steps, one
// per tick of the GUI's timer TMAnim. The timer itself is the GUI's; TMAnimTimer is one tick,
// so tests play a run without it. Works on one session by reference.
#pragma once

#include "editor/session/editor_session.h"
#include "editor/session/list_choice.h"
#include "portrait/anim_steps.h"

namespace kelvo {

struct AnimationState {
  bool Running = false;  // a run is playing: the main window takes no input
};

class AnimationModel : private SessionObserver {
 public:
  explicit AnimationModel(EditorSession& session);
  ~AnimationModel() override;
  AnimationModel(const AnimationModel&) = delete;
  AnimationModel& operator=(const AnimationModel&) = delete;

  const AnimationState& State() const { return state_; }
  const AnimationRun& Run() const { return run_; }

  void AnimStart(int category);
  // True (done) after the last step, when the saved selections are back; redraws either way.
  bool AnimStep(int category);

  // "Anim. comp.": starts a run of the current category; false (nothing starts) when it has
  // no animation slots or a run is playing. With the filter "animation steps" the run plays
  // the owner of the chosen line.
  bool BtnAnimujClick(const ListChoice& choice);
  // One tick of TMAnim; true when the run is over. A tick that fails ends the run with the
  // saved selections back before the error goes on. Another data set or portrait, or an edit of
  // the library, ends the run at once: its saved selections may belong to what went.
  bool TMAnimTimer();

  // The hidden "1": the portrait makes its next missing small animation frame.
  void Button1Click();

 private:
  void OnSessionEvent(SessionEvent event) override;

  EditorSession& session_;
  AnimationState state_;
  AnimationRun run_;
};

}  // namespace kelvo
