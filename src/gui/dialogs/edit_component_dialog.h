// TFEdKomp: the edit component dialog. The record fields on the left, one row per subcomponent
// slot ("SubLabel", "SubKomp", "SubImport", "SubExport" + i) on the right, "&Apply", "Cancel"
// and "Export all". It shows its model's state and forwards every edit and click; imports and
// exports act at once, the fields reach the component only through "&Apply". Owns its model;
// modal, centred on the screen.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "editor/windows/edit_component_model.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kelvo {

class TFEdKomp : public QDialog {
 public:
  TFEdKomp(EditorSession& session, QWidget* owner);

  EditComponentModel& Model() { return model_; }
  // Shows the model's state modally; "&Apply" lets the model write it back.
  int Execute();
  void ShowState();

  void done(int result) override;

 private:
  struct Row {
    QLabel* label = nullptr;
    QLineEdit* edit = nullptr;
    QPushButton* import = nullptr;
    QPushButton* exporter = nullptr;
  };
  void CreateFields();
  // Returns the right edge of the rows.
  int CreateRows();
  // Runs one click; an error is shown in a box, then the dialog shows the model again.
  void Run(const std::function<void()>& action);

  EditorSession& session_;
  EditComponentModel model_;
  QLineEdit* name_ = nullptr;
  QLineEdit* source_ = nullptr;
  QSpinBox* frequency_ = nullptr;
  QLabel* kind_label_ = nullptr;
  QSpinBox* kind_ = nullptr;
  QLabel* sign_label_ = nullptr;
  QLineEdit* sign_ = nullptr;
  QCheckBox* animation_ = nullptr;
  QCheckBox* preserve_ = nullptr;
  std::array<Row, kSubcomponentCount + 1> rows_{};
};

}  // namespace kelvo
