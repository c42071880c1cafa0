#include "gui/dialogs/save_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editor/windows/data_sets_model.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {

TFSave::TFSave(DataSetsModel& model, QWidget* owner) : QDialog(owner), model_(model) {
  setObjectName("FSave");
  PlaceWhenShown(this);
  setWindowTitle("Save");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  folder_ = new QLabel(this);
  folder_->setObjectName("LblDir");
  folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  dir_list_ = new QListWidget(this);
  dir_list_->setObjectName("DirListBox");
  dir_list_->setMinimumSize(360, 220);
  auto* target_label = new QLabel("Save into:", this);
  target_ = new QLineEdit(this);
  target_->setObjectName("EdAdr");
  target_label->setBuddy(target_);
  pictures_ = new QCheckBox("Save pictures", this);
  pictures_->setObjectName("ChbData");
  auto* save = new QPushButton("&Save", this);
  save->setObjectName("BtnSave");
  // No default button: Enter in the list opens a folder, Enter in EdAdr saves.
  save->setAutoDefault(false);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("BtnCancel");
  cancel->setAutoDefault(false);

  layout->addWidget(folder_);
  layout->addWidget(dir_list_, 1);
  layout->addWidget(target_label);
  layout->addWidget(target_);
  layout->addWidget(pictures_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(dir_list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    model_.DirListBoxOpen(dir_list_->row(item));
    ShowState();
  });
  connect(target_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.EdAdrChange(ToAnsi(text)); });
  connect(pictures_, &QCheckBox::toggled, this,
          [this](bool checked) { model_.ChbDataClick(checked); });
  connect(target_, &QLineEdit::returnPressed, this, &QDialog::accept);
  connect(save, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ShowState();
}

bool TFSave::Execute() {
  ShowState();
  target_->setFocus();
  return exec() == QDialog::Accepted;
}

void TFSave::ShowState() {
  const SaveDialogState& s = model_.State().Save;
  folder_->setText(FromAnsi(s.ListDirectory));
  {
    const QSignalBlocker block(dir_list_);
    dir_list_->clear();
    for (const std::string& line : s.ListLines) dir_list_->addItem(FromAnsi(line));
  }
  if (target_->text() != FromAnsi(s.Target)) target_->setText(FromAnsi(s.Target));
  const QSignalBlocker block(pictures_);
  pictures_->setChecked(s.SavePictures);
}

}  // namespace kelvo
