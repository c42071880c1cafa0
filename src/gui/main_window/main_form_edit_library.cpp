// The main window's library editing: "Edit comp." and "Edit type" open their modal dialogs on
// the current category, "Mirror" turns the whole library. The dialogs are the form's children,
// made once with the form.
#include <QObject>
#include <QPushButton>

#include "editor/main_window/mirror_command.h"
#include "gui/dialogs/edit_component_dialog.h"
#include "gui/dialogs/edit_type_dialog.h"
#include "gui/main_window/main_form.h"

namespace kelvo {
namespace {

// Lives as long as the form, as its child.
class MirrorButtonCommand : public QObject {
 public:
  MirrorButtonCommand(EditorSession& session, QObject* parent)
      : QObject(parent), command_(session) {
    setObjectName("MirrorCommand");
  }
  MirrorCommand& Command() { return command_; }

 private:
  MirrorCommand command_;
};

}  // namespace

void TMainForm::ConnectLibraryEditing() {
  EditorSession& session = model_.Session();
  auto* component = new TFEdKomp(session, this);
  auto* type = new TFEdKont(session, this);
  auto* mirror = new MirrorButtonCommand(session, this);
  connect(c_.BtnEdKomp, &QPushButton::clicked, this, [this, component] {
    Run([component] {
      if (component->Model().Open()) component->Execute();
    });
  });
  connect(c_.BtnEdKont, &QPushButton::clicked, this, [this, type] {
    Run([type] {
      type->Model().Open();
      type->Execute();
    });
  });
  connect(c_.BtnMirror, &QPushButton::clicked, this,
          [this, mirror] { Run([mirror] { mirror->Command().BtnMirrorClick(); }); });
}

}  // namespace kelvo
