// "Save As BMP": the save dialog for a bitmap name, then the animation frames and the base
// picture of the portrait as bitmap files beside it (portrait/frame_export.h), each drawn by
// the central redraw so the window's drawing options shape them. Errors are reported through
// the prompter naming the file; the portrait and the hide flags are as before either way.
// Works on one session by reference.
#pragma once

#include <string>
#include <vector>

#include "editor/session/editor_session.h"
#include "editor/session/prompter.h"

namespace kelvo {

struct FrameExportState {
  std::vector<std::string> Written;  // the files of the last export, in order
};

class FrameExportModel {
 public:
  explicit FrameExportModel(EditorSession& session) : session_(session) {}
  FrameExportModel(const FrameExportModel&) = delete;
  FrameExportModel& operator=(const FrameExportModel&) = delete;

  const FrameExportState& State() const { return state_; }

  FileDialogRequest DialogRequest() const;
  // The dialog, then ExportTo; cancelled, nothing happens.
  void Button6Click();
  // True when every file was written.
  bool ExportTo(const std::string& chosenName);

 private:
  EditorSession& session_;
  FrameExportState state_;
};

}  // namespace kelvo
