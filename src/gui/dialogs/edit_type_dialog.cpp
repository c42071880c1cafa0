#include "gui/dialogs/edit_type_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <algorithm>
#include <exception>
#include <limits>

#include "gui/dialogs/apply_on_close.h"
#include "gui/main_window/named_widget.h"
#include "gui/main_window/radio_group.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {
TFEdKont::TFEdKont(EditorSession& session, QWidget* owner)
    : QDialog(owner), session_(session), model_(session) {
  setObjectName("FEdKont");
  PlaceWhenShown(this);
  setWindowTitle("Edit type");
  setModal(true);
  auto label = [this](const QString& text, const QString& name, int left, int top, int width) {
    Named(new QLabel(text, this), name)->setGeometry(left, top, width, 18);
  };
  label("Path to components:", "LblKompPath", 8, 12, 124);
  image_dir_ = Named(new QLineEdit(this), "EdKompPath");
  image_dir_->setGeometry(136, 10, 206, 20);
  label("Path to source:", "LblSrcPath", 8, 36, 124);
  source_ = Named(new QLineEdit(this), "EdSrcPath");
  source_->setGeometry(136, 34, 206, 20);

  bits_ = Named(new RadioGroup(" Bits ", this), "RGBits");
  bits_->SetItems({"8", "16"});
  bits_->setGeometry(8, 62, 100, 70);
  auto box = [this](const QString& text, const QString& name, int top) {
    auto* b = Named(new QCheckBox(text, this), name);
    b->setGeometry(116, top, 110, 20);
    return b;
  };
  mask_second_ = box("clipping mask", "ChkOrezMask", 64);
  invert_ = box("invert", "ChkOmskInv", 86);
  colour_mask_ = box("color mask", "ChkColMask", 108);
  with_span_ = box("with span", "ChbRozesun", 130);
  const int right = CreateShadowButtons();
  image_dir_->setFixedWidth(right - 136);
  source_->setFixedWidth(right - 136);
  label("Usual no. oft subcomps.:", "LblUsual", 8, 198, 160);
  usual_ = Named(new QSpinBox(this), "SEUsual");
  usual_->setGeometry(170, 196, 56, 22);
  usual_->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());

  auto* apply = Named(new QPushButton("&Apply", this), "BtnOK");
  apply->setGeometry((right + 8) / 2 - 85, 232, 80, 26);
  apply->setDefault(true);
  auto* cancel = Named(new QPushButton("Cancel", this), "BtnCancel");
  cancel->setGeometry((right + 8) / 2 + 5, 232, 80, 26);
  connect(apply, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  connect(image_dir_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetImageDir(ToAnsi(text)); });
  connect(source_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetSource(ToAnsi(text)); });
  connect(bits_, &RadioGroup::ItemClicked, this, [this](int item) { model_.SetBitsItem(item); });
  connect(mask_second_, &QCheckBox::toggled, this, [this](bool on) { model_.SetMaskSecond(on); });
  connect(invert_, &QCheckBox::toggled, this, [this](bool on) { model_.SetInvertMask(on); });
  connect(colour_mask_, &QCheckBox::toggled, this, [this](bool on) { model_.SetColourMask(on); });
  connect(with_span_, &QCheckBox::toggled, this, [this](bool on) { model_.SetWithSpan(on); });
  connect(usual_, &QSpinBox::valueChanged, this, [this](int value) { model_.SetUsual(value); });
  setFixedSize(right + 8, 268);
}

int TFEdKont::CreateShadowButtons() {
  auto* group = Named(new QGroupBox(" Shadow ", this), "GBStin");
  shadow_ = new QButtonGroup(this);
  int width = 100;  // wider only when the font needs it
  for (int i = 0; i < kShadowButtons; ++i) {
    const QString text = i == 0 ? QString("none") : "Subcomp. no." + QString::number(i);
    auto* button = Named(new QRadioButton(text, group), "RBStin" + QString::number(i));
    width = std::max(width, button->sizeHint().width());
    button->setProperty("tag", i);
    shadow_->addButton(button, i);
  }
  for (int i = 0; i < kShadowButtons; ++i) {
    shadow_->button(i)->setGeometry(20, i == 0 ? 17 : 20 * i + 17, width, 20);
  }
  group->setGeometry(230, 62, 20 + width + 8, 124);
  connect(shadow_, &QButtonGroup::idClicked, this, [this](int id) { model_.SetShadow(id); });
  return group->geometry().right();
}

void TFEdKont::ShowState() {
  const EditTypeState& s = model_.State();
  setWindowTitle(FromAnsi(s.Caption));
  const QSignalBlocker b1(mask_second_), b2(invert_), b3(colour_mask_), b4(with_span_), b5(usual_),
      b6(shadow_);
  image_dir_->setText(FromAnsi(s.ImageDir));
  source_->setText(FromAnsi(s.Source));
  bits_->SetItemIndex(s.BitsItem);
  mask_second_->setChecked(s.MaskSecond);
  invert_->setChecked(s.InvertMask);
  colour_mask_->setChecked(s.ColourMask);
  with_span_->setChecked(s.WithSpan);
  usual_->setValue(s.Usual);
  if (QAbstractButton* button = shadow_->button(s.Shadow)) {
    button->setChecked(true);
  } else {
    // A shadow number without a button: no button is chosen, the number is kept.
    shadow_->setExclusive(false);
    for (QAbstractButton* b : shadow_->buttons()) b->setChecked(false);
    shadow_->setExclusive(true);
  }
}

int TFEdKont::Execute() {
  ShowState();
  CentreOnPrimaryScreen(*this);
  return exec();
}

void TFEdKont::done(int result) {
  ApplyOrCancel(model_, result, session_.prompter());
  QDialog::done(result);
}

}  // namespace kelvo
