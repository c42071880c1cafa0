// The main window's library editing: "Edit comp." and "Edit type" open their modal dialogs on
// the current category ("Mirror" is a plain button of the editor model). The dialogs are the
// form's children, made once with the form.
#include <QPushButton>

#include "gui/dialogs/edit_component_dialog.h"
#include "gui/dialogs/edit_type_dialog.h"
#include "gui/main_window/main_form.h"

namespace kelvo {

void TMainForm::ConnectLibraryEditing() {
  EditorSession& session = model_.Session();
  auto* component = new TFEdKomp(session, this);
  auto* type = new TFEdKont(session, this);
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
}

}  // namespace kelvo
