#include "gui/dialogs/anim_list_dialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/main_window/named_widget.h"
#include "gui/main_window/radio_group.h"
#include "gui/message_box_sink.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {
TFAnimList::TFAnimList(EditorSession& session, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      model_(session),
      prompter_(session.prompter()) {
  setObjectName("FAnimList");
  PlaceWhenShown(this);
  setModal(true);
  list_ = Named(new QListWidget(this), "LBSrc");
  list_->setMinimumSize(200, 220);
  filter_ = Named(new RadioGroup(QString(), this), "RGKomp");
  QStringList items;
  for (const std::string& item : model_.State().FilterItems) items << FromAnsi(item);
  filter_->SetItems(items);
  auto* apply = Named(new QPushButton("&Apply", this), "BtnUse");
  apply->setDefault(true);
  auto* cancel = Named(new QPushButton("Cancel", this), "BtnCancel");
  auto* remove = Named(new QPushButton("Remove", this), "BtnRemove");

  auto* side = new QVBoxLayout;
  side->addWidget(filter_);
  side->addStretch();
  side->addWidget(apply);
  side->addWidget(cancel);
  side->addWidget(remove);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(side);

  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    Guarded([this, item] { model_.LBSrcClick(list_->row(item)); });
    ShowState();
  });
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row != model_.State().Line) Guarded([this, row] { model_.LBSrcClick(row); });
  });
  connect(filter_, &RadioGroup::ItemClicked, this, [this](int item) {
    model_.RGKompClick(item);
    ShowState();
  });
  connect(apply, &QPushButton::clicked, this, [this] { done(kStepChooserApply); });
  connect(cancel, &QPushButton::clicked, this, [this] { done(kStepChooserCancel); });
  connect(remove, &QPushButton::clicked, this, [this] { done(kStepChooserRemove); });
}

void TFAnimList::ShowState() {
  const StepChooserState& s = model_.State();
  setWindowTitle(FromAnsi(s.Caption));
  filter_->SetItemIndex(s.Filter);
  const QSignalBlocker block(list_);
  list_->clear();
  for (const std::string& line : s.Lines) list_->addItem(FromAnsi(line));
  list_->setCurrentRow(s.Line);
}

void TFAnimList::showEvent(QShowEvent* event) {
  model_.FormShow();
  ShowState();
  QDialog::showEvent(event);
}

void TFAnimList::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  Guarded([this] { model_.FormHide(); });
}

void TFAnimList::Guarded(const std::function<void()>& action) {
  RunReported(prompter_, action);
}

int TFAnimList::Execute() {
  ShowState();
  return exec();
}

}  // namespace kelvo
