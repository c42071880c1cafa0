#include "gui/dialogs/anim_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/main_window/named_widget.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {
namespace {

QToolButton* Arrow(QWidget* parent, const QString& name, Qt::ArrowType arrow) {
  auto* button = Named(new QToolButton(parent), name);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  return button;
}

}  // namespace

TFAnim::TFAnim(EditorSession& session, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      model_(session) {
  setObjectName("FAnim");
  PlaceWhenShown(this);
  setWindowTitle("Animation");
  setModal(true);
  list_ = Named(new QListWidget(this), "LBKomp");
  list_->setMinimumWidth(180);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The spin button: one arrow up, one down, beside the list.
  auto* spin = Named(new QWidget(this), "SBUpDown");
  auto* spin_box = new QVBoxLayout(spin);
  spin_box->setContentsMargins(0, 0, 0, 0);
  spin_box->setSpacing(0);
  QToolButton* up = Arrow(spin, "SBUpDownUp", Qt::UpArrow);
  QToolButton* down = Arrow(spin, "SBUpDownDown", Qt::DownArrow);
  spin_box->addWidget(up);
  spin_box->addWidget(down);
  spin_box->addStretch();

  auto* delay_label = Named(new QLabel("Anim. delay:", this), "Label1");
  delay_ = Named(new QSpinBox(this), "SEProdleva");
  delay_->setRange(kAnimDelayMin, kAnimDelayMax);
  delay_->setSingleStep(50);
  delay_->setValue(model_.State().Delay);
  auto* unit = Named(new QLabel("ms", this), "Label2");
  delay_label->setBuddy(delay_);

  auto* apply = Named(new QPushButton("&Apply", this), "BtnUse");
  apply->setDefault(true);
  auto* cancel = Named(new QPushButton("Cancel", this), "BtnCancel");

  auto* lines = new QHBoxLayout;
  lines->addWidget(list_, 1);
  lines->addWidget(spin);
  auto* delay_row = new QHBoxLayout;
  delay_row->addWidget(delay_label);
  delay_row->addWidget(delay_);
  delay_row->addWidget(unit);
  delay_row->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(apply);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lines);
  layout->addLayout(delay_row);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(list_, &QListWidget::currentRowChanged, this,
          [this](int row) { model_.LBKompClick(row); });
  connect(up, &QToolButton::clicked, this, [this] {
    model_.SBUpDownUp();
    ShowState();
  });
  connect(down, &QToolButton::clicked, this, [this] {
    model_.SBUpDownDown();
    ShowState();
  });
  connect(delay_, &QSpinBox::valueChanged, this, [this](int value) {
    model_.SEProdlevaChange(value);
    ShowState();
  });
  connect(apply, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFAnim::ShowState() {
  const AnimSettingsState& s = model_.State();
  setWindowTitle(FromAnsi(s.Caption));
  {
    const QSignalBlocker block(list_);
    QStringList lines;
    for (const std::string& line : s.Lines) lines << FromAnsi(line);
    bool same = list_->count() == lines.size();
    for (int i = 0; same && i < lines.size(); ++i) same = list_->item(i)->text() == lines[i];
    if (!same) {
      list_->clear();
      list_->addItems(lines);
    }
    list_->setCurrentRow(s.Line);
  }
  const QSignalBlocker block(delay_);
  delay_->setValue(s.Delay);
}

int TFAnim::Execute() {
  ShowState();
  // The list is as high as its lines, however many the category has.
  const int rows = std::max(1, list_->count());
  const int row_height = std::max(list_->sizeHintForRow(0), list_->fontMetrics().height() + 2);
  list_->setFixedHeight(rows * row_height + 2 * list_->frameWidth() + 2);
  return exec();
}

}  // namespace kelvo
