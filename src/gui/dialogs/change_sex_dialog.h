// TFLoad: the change-sex dialog. "Male Pak", "Female Pak" and "Ape Pak" choose a bundled data set,
// "Other..." any library folder through a folder chooser, "Exit" nothing. The hidden directory
// list and "&Load" keep the design's state. Shows and fills the data sets model's values; the
// model belongs to the caller and outlives the dialog's use.
#pragma once

#include <QDialog>

class QLineEdit;

namespace kelvo {

class DataSetsModel;

class TFLoad : public QDialog {
 public:
  TFLoad(DataSetsModel& model, QWidget* owner);

  // Modal; true when a data set was chosen.
  bool Execute();
  void ShowState();

 private:
  void Choose(void (DataSetsModel::*button)());

  DataSetsModel& model_;
  QLineEdit* dir_list_ = nullptr;
};

}  // namespace kelvo
