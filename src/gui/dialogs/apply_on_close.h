// Record dialogs hand their fields to the model as they close: OK applies, any other close
// cancels. An error is shown in a box, since it must not leave the dialog's event loop.
#pragma once

#include <QDialog>
#include <exception>

#include "editor/session/prompter.h"

namespace kelvo {

template <typename Model>
void ApplyOrCancel(Model& model, int result, Prompter& prompter) {
  try {
    if (result == QDialog::Accepted) {
      model.Apply();
    } else {
      model.Cancel();
    }
  } catch (const std::exception& error) {
    ShowError(prompter, error.what());
  }
}

}  // namespace kelvo
