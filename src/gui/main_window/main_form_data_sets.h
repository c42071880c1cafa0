// The main window's data-set commands: "&Sex" with the change-sex dialog, the hidden "&Save" with
// the save dialog (the File menu's "Change data set..." and "Save library..." with Ctrl+S click
// them) and the unsaved-library question on closing. Owns the data sets model; the two dialogs are
// the form's children. Reads the dialogs' stored folders when made, writes them when the form
// stores its settings.
#pragma once

#include <QObject>

#include "editor/windows/data_sets_model.h"

namespace kelvo {

class TFLoad;
class TFSave;
class TGalerie;

class DataSetCommands : public QObject, public DataSetWindows {
  Q_OBJECT

 public:
  DataSetCommands(EditorSession& session, TGalerie& gallery, QWidget* form);

  DataSetsModel& Model() { return model_; }
  TFLoad* LoadDialog() const { return load_; }
  TFSave* SaveDialog() const { return save_; }

  // "LoadDirectory" and "SaveDirectory".
  void StoreSettings() const;

  bool OfferUnsavedGallery() override;
  bool ExecuteChangeSex() override;
  bool ExecuteSave() override;

 private:
  DataSetsModel model_;
  TGalerie& gallery_;
  TFLoad* load_ = nullptr;
  TFSave* save_ = nullptr;
};

}  // namespace kelvo
