// The main window's "&Import": one picked bitmap brings in the whole set of files of one
// component of the current category, added as a new component or replacing the images of the
// component of the same name. The file dialog, the confirmation and the questions all go
// through the session's prompter; the work itself is the library's ImportComponent. Works on
// one session by reference; owned by whoever shows the command.
#pragma once

#include <string>

#include "editor/session/editor_session.h"
#include "editor/session/prompter.h"

namespace kelvo {

inline constexpr const char* kImportFilter = "Bitmaps (*.bmp)|*.bmp";

struct ImportState {
  std::string LastFile;   // the file picked last
  std::string Component;  // added or updated by the last import; empty when nothing changed
  bool Added = false;     // a new component, not new images for an existing one
};

class ImportModel {
 public:
  explicit ImportModel(EditorSession& session) : session_(session) {}
  ImportModel(const ImportModel&) = delete;
  ImportModel& operator=(const ImportModel&) = delete;

  const ImportState& State() const { return state_; }

  // The file dialog for the current category: its title, filter and start folder.
  FileDialogRequest DialogRequest() const;
  // "&Import": the file dialog, then ImportFile; cancelled, nothing changes.
  void BtnImportClick();
  // The command for a picked file. A file that cannot be read is reported through the
  // prompter, naming it, and leaves the library as it was (only SrcPath follows the pick).
  void ImportFile(const std::string& path);

 private:
  EditorSession& session_;
  ImportState state_;
};

}  // namespace kelvo
