#include "gui/main_window/radio_group.h"

#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

namespace kelvo {

RadioGroup::RadioGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), layout_(new QVBoxLayout(this)) {
  layout_->setSpacing(2);
  connect(&buttons_, &QButtonGroup::idClicked, this, &RadioGroup::ItemClicked);
}

void RadioGroup::SetItems(const QStringList& items) {
  if (items == Items()) return;
  const int chosen = ItemIndex();
  const QList<QAbstractButton*> old = buttons_.buttons();
  for (QAbstractButton* button : old) {
    buttons_.removeButton(button);
    std::unique_ptr<QAbstractButton> doomed(button);
  }
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    buttons_.addButton(button, i);
    layout_->addWidget(button);
  }
  SetItemIndex(chosen < items.size() ? chosen : -1);
}

QStringList RadioGroup::Items() const {
  QStringList items;
  for (int i = 0; QAbstractButton* button = buttons_.button(i); ++i) items << button->text();
  return items;
}

void RadioGroup::SetItemIndex(int index) {
  QSignalBlocker block(&buttons_);
  if (QAbstractButton* button = buttons_.button(index)) {
    button->setChecked(true);
    return;
  }
  // An exclusive group cannot uncheck its last button directly.
  buttons_.setExclusive(false);
  for (QAbstractButton* button : buttons_.buttons()) button->setChecked(false);
  buttons_.setExclusive(true);
}

}  // namespace kelvo
