// TFAnimList: the animation step chooser. The component list LBSrc, the radio group RGKomp
// ("without animations", "only animations") and "&Apply", "Cancel" and "Remove" (result
// 65500). A click on a component without the animation flag previews it in the main window.
// The caller closes the model with the result. Owns its model; modal.
#pragma once

#include <QDialog>
#include <functional>

#include "editor/windows/step_chooser_model.h"

class QListWidget;

namespace kelvo {

class RadioGroup;

class TFAnimList : public QDialog {
 public:
  TFAnimList(EditorSession& session, QWidget* owner);

  StepChooserModel& Model() { return model_; }
  // Modal; returns a StepChooserResult.
  int Execute();
  void ShowState();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Runs a preview; an error is shown and the dialog stays.
  void Guarded(const std::function<void()>& action);

  StepChooserModel model_;
  Prompter& prompter_;
  QListWidget* list_ = nullptr;
  RadioGroup* filter_ = nullptr;
};

}  // namespace kelvo
