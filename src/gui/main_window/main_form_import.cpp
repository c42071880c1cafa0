// The main window's "&Import": the button runs the import area model over the session; the
// file dialog and the questions come through the prompter.
#include <QObject>
#include <QPushButton>
#include <memory>

#include "editor/main_window/import_model.h"
#include "gui/main_window/main_form.h"

namespace kelvo {
namespace {

// Lives as long as the form, as its child.
class ImportCommand : public QObject {
 public:
  ImportCommand(EditorSession& session, QObject* parent) : QObject(parent), model_(session) {
    setObjectName("ImportCommand");
  }
  ImportModel& Model() { return model_; }

 private:
  ImportModel model_;
};

}  // namespace

void TMainForm::ConnectImport() {
  auto* command = new ImportCommand(model_.Session(), this);
  connect(c_.BtnImport, &QPushButton::clicked, this,
          [this, command] { Run([command] { command->Model().BtnImportClick(); }); });
}

}  // namespace kelvo
