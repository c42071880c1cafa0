#include "editor/main_window/mirror_command.h"

#include <memory>

#include "foundation/errors.h"
#include "library/library_mirror.h"

namespace kelvo {

bool MirrorCommand::BtnMirrorClick() {
  if (!session_.HasPortrait()) return false;
  EditorSession::Command cmd(session_);
  EditorSession::Step step(session_, "Mirror", 0);
  TKelvoTyp& library = session_.Library();
  try {
    MirrorLibrary(library);
  } catch (const FatalDataError& error) {
    ReportError(session_.prompter(), error);
    return false;
  } catch (const KelvoError& error) {
    ReportError(session_.prompter(), error);
    return false;
  }
  session_.MarkLibraryChanged();
  session_.Notify(SessionEvent::PointsMoved);
  session_.RefreshPortrait();
  return true;
}

}  // namespace kelvo
