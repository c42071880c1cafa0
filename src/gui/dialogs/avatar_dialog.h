// TFrmImportMultiAV: the avatar exchange dialog. The mod and profile boxes, the stored avatar's
// picture (or "No Avatar Set"), the editor's current picture and "Import", "Export", "Close";
// it shows its model's state and forwards the clicks. Owns its model; the key store and the
// session belong to the program. Modal, centred on its owner, not resizable.
#pragma once

#include <QDialog>
#include <functional>

#include "editor/windows/avatar_model.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace kelvo {

class TFrmImportMultiAV : public QDialog {
  Q_OBJECT

 public:
  TFrmImportMultiAV(EditorSession& session, KeyStore& store, std::function<void()> checkHeads,
                    QWidget* owner);

  AvatarExchangeModel& Model() { return model_; }
  // Fills the lists and pictures (FormShow), centres the dialog on its owner and runs it.
  int Execute();
  // FormShow without running the dialog: for a caller that shows it itself.
  void Prepare();
  void ShowState();

 private:
  // Runs one action on the model; an error is shown in a box, the dialog stays.
  void Run(const std::function<void()>& action);

  AvatarExchangeModel model_;
  Prompter& prompter_;
  QComboBox* mods_ = nullptr;
  QComboBox* profiles_ = nullptr;
  QLabel* avatar_ = nullptr;
  QLabel* no_avatar_ = nullptr;
  QLabel* current_ = nullptr;
  QPushButton* import_ = nullptr;
  QPushButton* export_ = nullptr;
};

}  // namespace kelvo
