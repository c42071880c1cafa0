#include "gui/editor_app.h"

#include <QApplication>

#include "editor/editor_model.h"
#include "gui/main_form.h"
#include "gui/message_box_sink.h"
#include "gui/qt_prompter.h"

namespace kelvo {

int RunEditor(Prompter& prompter, const EditorAppOptions& options) {
  MessageBoxSink sink(prompter);
  auto* qt_prompter = dynamic_cast<QtPrompter*>(&prompter);
  try {
    ProcessContext context(sink, options.process);
    EditorModel model(context, prompter);
    TMainForm form(model, prompter);
    if (qt_prompter) qt_prompter->SetParentWindow(&form);
    if (!form.StartUp()) return 1;
    form.show();
    return options.run_event_loop ? QApplication::exec() : 0;
  } catch (const std::exception& error) {
    ShowErrorBox(prompter, error);
    return 1;
  }
}

}  // namespace kelvo
