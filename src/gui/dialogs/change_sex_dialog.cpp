#include "gui/dialogs/change_sex_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/windows/data_sets_model.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {
namespace {

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setMinimumHeight(32);
  return button;
}

}  // namespace

TFLoad::TFLoad(DataSetsModel& model, QWidget* owner) : QDialog(owner), model_(model) {
  setObjectName("FLoad");
  PlaceWhenShown(this);
  setWindowTitle("Change Sex");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(6);
  QPushButton* male = Button(this, "Button3", "Male Pak");
  QPushButton* female = Button(this, "Button4", "Female Pak");
  QPushButton* ape = Button(this, "Button5", "Ape Pak");
  QPushButton* other = Button(this, "BtnOther", "Other...");
  other->setToolTip("Open the library in any folder");
  QPushButton* exit = Button(this, "Button2", "Exit");
  // The design's directory list and its "&Load" exist but are not shown.
  dir_list_ = new QLineEdit(this);
  dir_list_->setObjectName("DirListBox");
  dir_list_->setReadOnly(true);
  dir_list_->hide();
  QPushButton* load = Button(this, "Button1", "&Load");
  load->hide();
  for (QPushButton* button : {male, female, ape, other}) layout->addWidget(button);
  layout->addSpacing(8);
  layout->addWidget(exit);

  connect(male, &QPushButton::clicked, this, [this] { Choose(&DataSetsModel::Button3Click); });
  connect(female, &QPushButton::clicked, this, [this] { Choose(&DataSetsModel::Button4Click); });
  connect(ape, &QPushButton::clicked, this, [this] { Choose(&DataSetsModel::Button5Click); });
  connect(load, &QPushButton::clicked, this, [this] { Choose(&DataSetsModel::Button1Click); });
  connect(other, &QPushButton::clicked, this, [this] {
    if (model_.BtnOtherClick()) accept();
    ShowState();
  });
  connect(exit, &QPushButton::clicked, this, &QDialog::reject);
  // Wide enough for the caption in the title bar.
  setFixedSize(std::max(240, sizeHint().width()), sizeHint().height());
  ShowState();
}

void TFLoad::Choose(void (DataSetsModel::*button)()) {
  (model_.*button)();
  accept();
}

bool TFLoad::Execute() {
  ShowState();
  return exec() == QDialog::Accepted;
}

void TFLoad::ShowState() {
  dir_list_->setText(FromAnsi(model_.State().Load.Directory));
}

}  // namespace kelvo
