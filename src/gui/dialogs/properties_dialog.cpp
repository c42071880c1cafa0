#include "gui/dialogs/properties_dialog.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QString>

#include "gui/main_window/named_widget.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {

TFVlast::TFVlast(EditorSession& session, QWidget* owner) : QDialog(owner), model_(session) {
  setObjectName("FVlast");
  PlaceWhenShown(this);
  setWindowTitle("Properties");
  setModal(true);
  auto* panel = Named(new QGroupBox(this), "GBVl");
  panel->setGeometry(8, 8, 352, 170);
  for (int i = 1; i <= kPropertyCount; ++i) {
    const QString n = QString::number(i);
    const int top = 30 * i;
    auto* label = Named(new QLabel(FromAnsi(model_.State().Labels[i]), panel), "VlastLabel" + n);
    label->setGeometry(10, top - 17, 58, 18);
    auto* min = Named(new QPushButton("Min", panel), "VlastMinB" + n);
    min->setGeometry(70, top - 19, 30, 22);
    auto* bar = Named(new QSlider(Qt::Horizontal, panel), "VlastTBar" + n);
    bar->setGeometry(100, top - 20, 148, 26);
    bar->setRange(kPropertyMin, kPropertyMax);
    bar->setTickInterval(10);
    bar->setTickPosition(QSlider::TicksBelow);
    auto* max = Named(new QPushButton("Max", panel), "VlastMaxB" + n);
    max->setGeometry(250, top - 19, 30, 22);
    auto* edit = Named(new QSpinBox(panel), "VlastSEd" + n);
    edit->setGeometry(290, top - 20, 54, 24);
    edit->setRange(kPropertyMin, kPropertyMax);
    bars_[static_cast<size_t>(i)] = bar;
    edits_[static_cast<size_t>(i)] = edit;

    connect(min, &QPushButton::clicked, this, [this, i] {
      model_.VlastMinBClick(i);
      ShowState();
    });
    connect(max, &QPushButton::clicked, this, [this, i] {
      model_.VlastMaxBClick(i);
      ShowState();
    });
    connect(bar, &QSlider::valueChanged, this, [this, i](int value) {
      model_.VlastTBarChange(i, value);
      ShowState();
    });
    connect(edit, &QSpinBox::valueChanged, this, [this, i](int value) {
      model_.VlastSEdChange(i, value);
      ShowState();
    });
  }
  auto* use = Named(new QPushButton("&Apply", this), "BtnUse");
  use->setGeometry(100, 188, 80, 26);
  use->setDefault(true);
  auto* cancel = Named(new QPushButton("Cancel", this), "BtnCancel");
  cancel->setGeometry(190, 188, 80, 26);
  connect(use, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(368, 224);
}

void TFVlast::ShowState() {
  const PropertiesDialogState& s = model_.State();
  setWindowTitle(FromAnsi(s.Caption));
  for (int i = 1; i <= kPropertyCount; ++i) {
    const QSignalBlocker block_bar(bars_[static_cast<size_t>(i)]);
    const QSignalBlocker block_edit(edits_[static_cast<size_t>(i)]);
    bars_[static_cast<size_t>(i)]->setValue(s.Values[static_cast<size_t>(i)]);
    edits_[static_cast<size_t>(i)]->setValue(s.Values[static_cast<size_t>(i)]);
  }
}

int TFVlast::Execute() {
  ShowState();
  CentreOnPrimaryScreen(*this);
  return exec();
}

void TFVlast::done(int result) {
  if (result == QDialog::Accepted) {
    model_.BtnUseClick();
  } else {
    model_.BtnCancelClick();
  }
  QDialog::done(result);
}

}  // namespace kelvo
