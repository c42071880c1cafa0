// The main window's status bar: the data set, the current category and its component, the
// mouse position over the full-size preview and what the last command did. Texts are the
// program's 8-bit strings. A command that says nothing itself is named by the control that ran
// it (BeginCommand / EndCommand around it), so every command leaves a line.
#pragma once

#include <cstdint>
#include <string>

#include "editor/session/editor_session.h"

namespace kelvo {

struct StatusBarState {
  std::string DataSet;    // "Data set: male"
  std::string Selection;  // "Faces: f2"
  std::string Pointer;    // "x 120, y 45" over preview 1, else empty
  std::string Message;    // "Random all", "Undo: Set, Faces"
};

class StatusBarModel {
 public:
  explicit StatusBarModel(EditorSession& session) : session_(session) {}

  const StatusBarState& State() const { return state_; }

  // Reads the data set, selection and message from the session.
  void Update();
  // The mouse at image pixel (x, y) of preview `window`; only preview 1 is shown, and only
  // inside the picture.
  void PointerAt(int window, int x, int y);
  void PointerLeft();
  void BeginCommand();
  // Reports `name` unless the command reported something itself.
  void EndCommand(const std::string& name);

 private:
  EditorSession& session_;
  StatusBarState state_;
  std::uint64_t reportsAtBegin_ = 0;
};

}  // namespace kelvo
