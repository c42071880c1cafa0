// The "Export portrait" dialog: the file name (with "Browse..."), the size (full, 1/2, 1/4,
// 1/8) and "Transparent background", which only a PNG name enables. It only collects the
// choice; the portrait export model writes the file.
#pragma once

#include <QDialog>

#include "editor/main_window/portrait_export_model.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kelvo {

class Prompter;

class ExportPortraitDialog : public QDialog, public PortraitExportDialog {
 public:
  ExportPortraitDialog(Prompter& prompter, QWidget* owner);

  std::optional<PortraitExportChoice> Execute(const PortraitExportChoice& proposed) override;
  // The dialog's values as a choice.
  PortraitExportChoice Choice() const;
  void Show(const PortraitExportChoice& choice);

 private:
  void Browse();
  void ShowFormat();

  Prompter& prompter_;
  QLineEdit* path_ = nullptr;
  QComboBox* size_ = nullptr;
  QCheckBox* transparent_ = nullptr;
};

}  // namespace kelvo
