// The editor program without its main: builds the process context, the editor model and the
// main window, runs start-up and the event loop, and turns errors into the exit code. A fatal
// data error at any point shows "Kelvo ERROR: " + text in an error box and gives exit code 1.
#pragma once

#include <string>
#include <vector>

#include "library/process_context.h"

namespace kelvo {

class Prompter;

struct EditorAppOptions {
  ProcessOptions process;      // the program directory and data base; defaults for the program
  bool run_event_loop = true;  // false: start up and shut down again (for tests)
  std::string gallery_file;    // a gallery to open after start-up; "" = none
};

// The editor's command line after Qt took its own options: "KelvoEd [GALLERY.xgl]" (args[0] is
// the program). Returns false with a message in `error` for anything else.
bool ParseEditorArguments(const std::vector<std::string>& args, EditorAppOptions& options,
                          std::string& error);

// Needs a QApplication. Boxes go through `prompter`. Returns the process exit code.
int RunEditor(Prompter& prompter, const EditorAppOptions& options = {});

}  // namespace kelvo
