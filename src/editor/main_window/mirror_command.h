// The main window's "Mirror": the whole library turned left to right (library_mirror.h), taken
// back by "Undo", then the central redraw. Works on one session by reference; owned by whoever
// shows the command.
#pragma once

#include "editor/session/editor_session.h"

namespace kelvo {

class MirrorCommand {
 public:
  explicit MirrorCommand(EditorSession& session) : session_(session) {}
  MirrorCommand(const MirrorCommand&) = delete;
  MirrorCommand& operator=(const MirrorCommand&) = delete;

  // An image that cannot be loaded is reported, naming it, and nothing is mirrored.
  bool BtnMirrorClick();

 private:
  EditorSession& session_;
};

}  // namespace kelvo
