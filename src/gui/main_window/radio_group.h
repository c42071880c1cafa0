// A titled group of exclusive radio buttons whose items can change at run time, with the
// chosen item as an index (-1 for none). The group owns its buttons.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QVBoxLayout;

namespace kelvo {

class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& title, QWidget* parent = nullptr);

  // Keeps the chosen index when it still exists, else chooses none. Emits nothing.
  void SetItems(const QStringList& items);
  QStringList Items() const;
  int ItemIndex() const { return buttons_.checkedId(); }
  // Emits nothing.
  void SetItemIndex(int index);

 signals:
  // The user chose an item.
  void ItemClicked(int index);

 private:
  QButtonGroup buttons_;
  QVBoxLayout* layout_;
};

}  // namespace kelvo
