#include "gui/main_window/main_form_data_sets.h"

#include <QDir>

#include "gui/dialogs/change_sex_dialog.h"
#include "gui/dialogs/save_dialog.h"
#include "gui/main_window/main_form.h"
#include "gui/message_box_sink.h"
#include "gui/registry_key.h"
#include "gui/settings_store.h"
#include "gui/text_codec.h"

namespace kelvo {

DataSetCommands::DataSetCommands(EditorModel& editor, QWidget* form)
    : QObject(form), editor_(editor) {
  setObjectName("DataSetCommands");
  // The change-sex list starts where the program was started; "&Save" proposes its own folder.
  const std::string start = ToAnsi(QDir::currentPath());
  const EditorSettings stored = ReadEditorSettings();
  DataSetsModel& model = editor_.DataSets();
  model.LoadFormCreate(stored.LoadDirectory, start);
  model.SaveFormCreate(stored.SaveDirectory);
  load_ = new TFLoad(model, form);
  save_ = new TFSave(model, form);
  editor_.SetDataSetDialogs(this);
}

DataSetCommands::~DataSetCommands() {
  editor_.SetDataSetDialogs(nullptr);
}

void DataSetCommands::StoreSettings() const {
  RegistryKey key(kEditorSettingsKey);
  const DataSetsState& state = editor_.DataSets().State();
  key.WriteString("LoadDirectory", FromAnsi(state.Load.Directory));
  if (!editor_.DataSets().LastSavedFolder().empty()) {
    key.WriteString("SaveDirectory", FromAnsi(editor_.DataSets().LastSavedFolder()));
  }
  key.Flush();
}

bool DataSetCommands::ExecuteChangeSex() {
  return load_->Execute();
}

bool DataSetCommands::ExecuteSave() {
  return save_->Execute();
}

void TMainForm::ConnectDataSets() {
  data_sets_ = new DataSetCommands(model_, this);
}

bool TMainForm::MayDropLibrary() {
  bool may = false;
  RunReported(prompter_,
              [&] { may = model_.DataSets().OfferUnsavedLibrary() != UnsavedLibrary::Cancelled; });
  return may;
}

void TMainForm::StoreDataSetSettings() {
  data_sets_->StoreSettings();
}

}  // namespace kelvo
