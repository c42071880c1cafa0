// Record dialogs hand their fields to the model as they close: OK applies, any other close
// cancels. An error is shown in a box, since it must not leave the dialog's event loop.
#pragma once

#include <QDialog>

#include "gui/message_box_sink.h"

namespace kelvo {

template <typename Model>
void ApplyOrCancel(Model& model, int result, Prompter& prompter) {
  RunReported(prompter, [&] {
    if (result == QDialog::Accepted) {
      model.Apply();
    } else {
      model.Cancel();
    }
  });
}

}  // namespace kelvo
