// The category and component area of the main window: the category buttons with their hide and
// lock boxes, the component list with its three filters, the frequency and clip boxes, and
// "&Remove". Choosing a category or a component is announced to the other areas.
#pragma once

#include <string>
#include <vector>

#include "editor/session/editor_session.h"

namespace kelvo {

struct ComponentListState {
  std::vector<std::string> FilterItems{"without animations"};
  int Filter = kWithoutAnimations;
  std::vector<std::string> ComponentLines;
  int ComponentLine = -1;
  int Frequency = 999;
  bool AnimationButtonsEnabled = false;                // "Anim. comp." and "Animation"
  OneBased<CheckBoxState, kSubcomponentCount> Clip{};  // ChkOrez1..4
};

class ComponentListModel : private SessionObserver {
 public:
  explicit ComponentListModel(EditorSession& session);
  ~ComponentListModel() override;
  ComponentListModel(const ComponentListModel&) = delete;
  ComponentListModel& operator=(const ComponentListModel&) = delete;

  const ComponentListState& State() const { return state_; }

  void ChooseCategory(int category);        // a category button
  void SetHidden(int category, bool on);    // hide box
  void SetLocked(int category, bool on);    // lock box
  void ChooseFilter(int filter);            // RGKomp
  void ChooseLine(int line);                // LbxKomp
  void SetFrequency(int frequency);         // SpinEditCetn
  void SetClip(int subcomponent, bool on);  // ChkOrez1..4
  void Remove();                            // "&Remove", after a question

  // Shown without applying.
  void FillList();
  void SelectCurrentInList();
  void ShowAnimationControls();
  void ShowFrequency();
  void ShowClipBoxes();
  StepOwner FindStepOwner(int line) const;

 private:
  void OnSessionEvent(SessionEvent event) override;
  void ShowSelection();
  void ShowSelectedInList();

  EditorSession& session_;
  ComponentListState state_;
};

}  // namespace kelvo
