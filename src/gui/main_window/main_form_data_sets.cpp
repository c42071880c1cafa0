#include "gui/main_window/main_form_data_sets.h"

#include <QDir>
#include <QPushButton>

#include "gui/dialogs/change_sex_dialog.h"
#include "gui/dialogs/gallery_window.h"
#include "gui/dialogs/save_dialog.h"
#include "gui/main_window/main_form.h"
#include "gui/message_box_sink.h"
#include "gui/registry_key.h"
#include "gui/settings_store.h"
#include "gui/text_codec.h"

namespace kelvo {
namespace {

std::optional<std::string> StoredText(const RegistryKey& key, const char* name) {
  if (!key.Exists()) return std::nullopt;
  const std::optional<QString> text = key.ReadString(name);
  if (!text) return std::nullopt;
  return ToAnsi(*text);
}

}  // namespace

DataSetCommands::DataSetCommands(EditorSession& session, TGalerie& gallery, QWidget* form)
    : QObject(form), model_(session, *this), gallery_(gallery) {
  setObjectName("DataSetCommands");
  // The directory lists start where the program was started, as they always have.
  const std::string start = ToAnsi(QDir::currentPath());
  const RegistryKey key(kEditorSettingsKey);
  model_.LoadFormCreate(StoredText(key, "LoadDirectory"), start);
  model_.SaveFormCreate(StoredText(key, "SaveDirectory"), start);
  load_ = new TFLoad(model_, form);
  save_ = new TFSave(model_, form);
}

void DataSetCommands::StoreSettings() const {
  RegistryKey key(kEditorSettingsKey);
  key.WriteString("LoadDirectory", FromAnsi(model_.State().Load.Directory));
  key.WriteString("SaveDirectory", FromAnsi(model_.State().Save.Target));
  key.Flush();
}

bool DataSetCommands::OfferUnsavedGallery() {
  return gallery_.Model().AskToSaveUnsaved() != UnsavedGallery::Cancelled;
}

bool DataSetCommands::ExecuteChangeSex() {
  return load_->Execute();
}

bool DataSetCommands::ExecuteSave() {
  return save_->Execute();
}

void TMainForm::ConnectDataSets() {
  data_sets_ = new DataSetCommands(model_.Session(), *gallery_, this);
  DataSetsModel* model = &data_sets_->Model();
  const auto change = [this, model] { Run([model] { model->BtnNacistClick(); }); };
  const auto save = [this, model] { Run([model] { model->BtnUlozClick(); }); };
  connect(c_.BtnNacist, &QPushButton::clicked, this, change);
  connect(c_.BtnUloz, &QPushButton::clicked, this, save);
}

bool TMainForm::MayDropLibrary() {
  try {
    return data_sets_->Model().OfferUnsavedLibrary() != UnsavedLibrary::Cancelled;
  } catch (const std::exception& error) {
    ShowErrorBox(prompter_, error);
    return false;
  }
}

void TMainForm::StoreDataSetSettings() {
  data_sets_->StoreSettings();
}

}  // namespace kelvo
