#include "gui/dialogs/spread_dialog.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {
namespace {

QSpinBox* LimitEdit(QWidget* parent, const char* name) {
  auto* edit = new QSpinBox(parent);
  edit->setObjectName(name);
  edit->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  edit->setValue(0);
  return edit;
}

QPushButton* DirectionButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setCheckable(true);
  return button;
}

}  // namespace

TFRozpt::TFRozpt(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
  setObjectName("FRozpt");
  PlaceWhenShown(this);
  setWindowTitle("Spread");
  up_ = LimitEdit(this, "SEUp");
  down_ = LimitEdit(this, "SEDown");
  left_ = LimitEdit(this, "SELeft");
  right_ = LimitEdit(this, "SERight");

  directions_ = new QButtonGroup(this);
  directions_->setExclusive(true);
  const struct {
    const char* name;
    QString caption;
    SpreadDirection direction;
  } buttons[] = {{"SBUp", QStringLiteral("\u2191"), SpreadDirection::Up},
                 {"SBRight", QStringLiteral("\u2192"), SpreadDirection::Right},
                 {"SBDown", QStringLiteral("\u2193"), SpreadDirection::Down},
                 {"SBLeft", QStringLiteral("\u2190"), SpreadDirection::Left}};
  for (const auto& b : buttons) {
    directions_->addButton(DirectionButton(this, b.name, b.caption), static_cast<int>(b.direction));
  }
  directions_->button(static_cast<int>(SpreadDirection::Up))->setChecked(true);

  // The edits sit where their direction points: up above, left and right beside, down below.
  auto* grid = new QGridLayout;
  grid->addWidget(up_, 0, 1);
  grid->addWidget(directions_->button(static_cast<int>(SpreadDirection::Up)), 1, 1);
  grid->addWidget(left_, 2, 0);
  grid->addWidget(directions_->button(static_cast<int>(SpreadDirection::Left)), 2, 1);
  grid->addWidget(right_, 2, 3);
  grid->addWidget(directions_->button(static_cast<int>(SpreadDirection::Right)), 2, 2);
  grid->addWidget(directions_->button(static_cast<int>(SpreadDirection::Down)), 3, 1);
  grid->addWidget(down_, 4, 1);

  auto* ok = new QPushButton("Ok", this);
  ok->setObjectName("BtnOk");
  ok->setDefault(true);
  auto* zero = new QPushButton("Zero", this);
  zero->setObjectName("BtnZero");
  auto* row = new QHBoxLayout;
  row->addWidget(ok);
  row->addWidget(zero);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(row);

  for (SpreadDirection d : {SpreadDirection::Up, SpreadDirection::Down, SpreadDirection::Left,
                            SpreadDirection::Right}) {
    connect(Edit(d), &QSpinBox::valueChanged, this,
            [this, d](int value) { emit LimitChanged(d, value); });
  }
  connect(directions_, &QButtonGroup::idClicked, this,
          [this](int id) { emit DirectionClicked(static_cast<SpreadDirection>(id)); });
  connect(ok, &QPushButton::clicked, this, [this] { emit HideRequested(); });
  // Each edit reports its own change, as if typed.
  connect(zero, &QPushButton::clicked, this, [this] {
    for (QSpinBox* edit : {up_, down_, left_, right_}) edit->setValue(0);
  });
}

QSpinBox* TFRozpt::Edit(SpreadDirection direction) const {
  switch (direction) {
    case SpreadDirection::Up:
      return up_;
    case SpreadDirection::Down:
      return down_;
    case SpreadDirection::Left:
      return left_;
    case SpreadDirection::Right:
      break;
  }
  return right_;
}

void TFRozpt::ShowState(const SpreadDialogState& state) {
  setWindowTitle(FromAnsi(state.Caption));
  for (SpreadDirection d : {SpreadDirection::Up, SpreadDirection::Down, SpreadDirection::Left,
                            SpreadDirection::Right}) {
    const int value = d == SpreadDirection::Up     ? state.Up
                      : d == SpreadDirection::Down ? state.Down
                      : d == SpreadDirection::Left ? state.Left
                                                   : state.Right;
    const QSignalBlocker block(Edit(d));
    Edit(d)->setValue(value);
  }
  const QSignalBlocker block(directions_);
  if (QAbstractButton* button = directions_->button(static_cast<int>(state.Direction))) {
    button->setChecked(true);
  }
}

void TFRozpt::ShowBeside() {
  if (!isVisible()) adjustSize();
  show();
  raise();
}

void TFRozpt::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    emit HideRequested();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TFRozpt::closeEvent(QCloseEvent* event) {
  // The model hides the dialog; closing by the title bar is the same as "Ok".
  event->ignore();
  emit HideRequested();
}

}  // namespace kelvo
