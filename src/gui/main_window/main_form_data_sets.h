// The dialogs of the main window's data-set commands: TFLoad for "&Sex" and TFSave for the hidden
// "&Save" (the File menu's "Change data set..." and "Save library..." with Ctrl+S click them),
// shown when the editor model's data sets model asks. Reads the dialogs' stored folders when
// made, writes them when the form stores its settings. The two dialogs are the form's children;
// the data sets model is the editor model's.
#pragma once

#include <QObject>

#include "editor/main_window/editor_model.h"

namespace kelvo {

class TFLoad;
class TFSave;

class DataSetCommands : public QObject, public DataSetDialogs {
  Q_OBJECT

 public:
  DataSetCommands(EditorModel& editor, QWidget* form);
  ~DataSetCommands() override;

  DataSetsModel& Model() { return editor_.DataSets(); }
  TFLoad* LoadDialog() const { return load_; }
  TFSave* SaveDialog() const { return save_; }

  // "LoadDirectory" and "SaveDirectory".
  void StoreSettings() const;

  bool ExecuteChangeSex() override;
  bool ExecuteSave() override;

 private:
  EditorModel& editor_;
  TFLoad* load_ = nullptr;
  TFSave* save_ = nullptr;
};

}  // namespace kelvo
