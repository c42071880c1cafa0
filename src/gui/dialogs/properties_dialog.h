// TFVlast: the properties dialog. Five rows of label, "Min", track bar, "Max" and spin edit
// showing its model's values; "&Apply" lets the model store them for its caller, "Cancel" and
// every other way of closing drop them. Owns its model; modal, centred on the screen.
#pragma once

#include <QDialog>
#include <array>

#include "editor/windows/properties_dialog_model.h"

class QSlider;
class QSpinBox;

namespace kelvo {

class TFVlast : public QDialog {
 public:
  TFVlast(EditorSession& session, QWidget* owner);

  PropertiesDialogModel& Model() { return model_; }
  // Shows the model's caption and values modally; the model stores or drops them.
  int Execute();
  void ShowState();

  void done(int result) override;

 private:
  PropertiesDialogModel model_;
  std::array<QSlider*, kPropertyCount + 1> bars_{};
  std::array<QSpinBox*, kPropertyCount + 1> edits_{};
};

}  // namespace kelvo
