// TFSave: the save dialog. A directory list (double click or Enter opens a folder), the target
// field EdAdr (a folder that does not exist yet is made on saving), "Save pictures", "&Save" and
// "Cancel". Shows and fills the data sets model's values; the model belongs to the caller.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace kelvo {

class DataSetsModel;

class TFSave : public QDialog {
 public:
  TFSave(DataSetsModel& model, QWidget* owner);

  // Modal; true for "&Save".
  bool Execute();
  void ShowState();

 private:
  DataSetsModel& model_;
  QLabel* folder_ = nullptr;
  QListWidget* dir_list_ = nullptr;
  QLineEdit* target_ = nullptr;
  QCheckBox* pictures_ = nullptr;
};

}  // namespace kelvo
