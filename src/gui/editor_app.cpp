#include "gui/editor_app.h"

#include <QApplication>

#include "editor/main_window/editor_model.h"
#include "editor/windows/startup_gallery.h"
#include "foundation/errors.h"
#include "gui/dialogs/gallery_window.h"
#include "gui/main_window/main_form.h"
#include "gui/message_box_sink.h"
#include "gui/qt_prompter.h"

namespace kelvo {

bool ParseEditorArguments(const std::vector<std::string>& args, EditorAppOptions& options,
                          std::string& error) {
  const std::string usage = "Usage: KelvoEd [GALLERY.xgl]";
  std::vector<std::string> files;
  bool only_files = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!only_files && arg == "--") {
      only_files = true;
    } else if (!only_files && arg.size() > 1 && arg[0] == '-') {
      error = "Unknown option " + arg + "\n" + usage;
      return false;
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() > 1) {
    error = "Only one gallery file can be opened.\n" + usage;
    return false;
  }
  if (!files.empty()) {
    if (files[0].empty()) {
      error = "The gallery file name is empty.\n" + usage;
      return false;
    }
    options.gallery_file = files[0];
  }
  return true;
}

int RunEditor(Prompter& prompter, const EditorAppOptions& options) {
  MessageBoxSink sink(prompter);
  auto* qt_prompter = dynamic_cast<QtPrompter*>(&prompter);
  try {
    ProcessContext context(sink, options.process);
    EditorModel model(context, prompter);
    TMainForm form(model, prompter);
    if (qt_prompter) qt_prompter->SetParentWindow(&form);
    if (!form.StartUp()) return 1;
    QObject::connect(&form, &TMainForm::Closed, qApp, &QCoreApplication::quit);
    form.show();
    if (!options.gallery_file.empty() &&
        OpenStartupGallery(model.Gallery(), prompter, options.gallery_file)) {
      form.GalleryWindow()->ShowWindow();
    }
    return options.run_event_loop ? QApplication::exec() : 0;
  } catch (const std::exception& error) {
    ReportError(prompter, error);
    return 1;
  }
}

}  // namespace kelvo
