// TFAnim: the animation settings dialog. The step list LBKomp, the up/down button SBUpDown
// that moves the chosen line, the delay edit SEProdleva, "&Apply" and "Cancel". Shows its
// model's state and forwards input; the caller closes the model with the result, so an error
// of "&Apply" reaches the main window's error box. Owns its model; modal.
#pragma once

#include <QDialog>

#include "editor/windows/anim_settings_model.h"

class QListWidget;
class QSpinBox;

namespace kelvo {

class TFAnim : public QDialog {
 public:
  TFAnim(EditorSession& session, QWidget* owner);

  AnimSettingsModel& Model() { return model_; }
  // Shows the model's caption and lines modally; QDialog::Accepted for "&Apply".
  int Execute();
  void ShowState();

 private:
  AnimSettingsModel model_;
  QListWidget* list_ = nullptr;
  QSpinBox* delay_ = nullptr;
};

}  // namespace kelvo
