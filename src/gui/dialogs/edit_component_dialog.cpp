#include "gui/dialogs/edit_component_dialog.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <algorithm>
#include <limits>

#include "gui/dialogs/apply_on_close.h"
#include "gui/main_window/named_widget.h"
#include "gui/message_box_sink.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {
namespace {

constexpr int kFieldLeft = 88;
constexpr int kFieldWidth = 160;

}  // namespace

TFEdKomp::TFEdKomp(EditorSession& session, QWidget* owner)
    : QDialog(owner), session_(session), model_(session) {
  setObjectName("FEdKomp");
  PlaceWhenShown(this);
  setWindowTitle("Edit component");
  setModal(true);
  CreateFields();
  const int right = CreateRows();
  auto* apply = Named(new QPushButton("&Apply", this), "BtnOK");
  apply->setGeometry(265, 134, 80, 26);
  apply->setDefault(true);
  auto* cancel = Named(new QPushButton("Cancel", this), "BtnCancel");
  cancel->setGeometry(350, 134, 80, 26);
  auto* all = Named(new QPushButton("Export all", this), "BtnExportAll");
  all->setGeometry(right - 80, 134, 80, 26);
  connect(apply, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(all, &QPushButton::clicked, this,
          [this] { Run([this] { model_.BtnExportAllClick(); }); });
  setFixedSize(right + 10, 196);
}

void TFEdKomp::CreateFields() {
  auto label = [this](const QString& text, const QString& name, int top) {
    auto* l = Named(new QLabel(text, this), name);
    l->setGeometry(8, top + 2, kFieldLeft - 12, 18);
    return l;
  };
  auto edit = [this](const QString& name, int top) {
    auto* e = Named(new QLineEdit(this), name);
    e->setGeometry(kFieldLeft, top, kFieldWidth, 20);
    return e;
  };
  auto spin = [this](const QString& name, int top) {
    auto* s = Named(new QSpinBox(this), name);
    s->setGeometry(kFieldLeft, top, 80, 20);
    s->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return s;
  };
  label("Name:", "LblNazev", 8);
  name_ = edit("EdNazev", 8);
  label("Source:", "LblSrc", 32);
  source_ = edit("EdSrc", 32);
  label("Frequency:", "LblCetnost", 56);
  frequency_ = spin("SpCetnost", 56);
  kind_label_ = label("Head no.:", "LblDruh", 80);
  kind_ = spin("SpDruh", 80);
  sign_label_ = label("Head sign.:", "LblSig", 104);
  sign_ = edit("EdSig", 104);
  animation_ = Named(new QCheckBox("Animation", this), "ChkAnim");
  animation_->setGeometry(8, 132, 100, 20);
  preserve_ = Named(new QCheckBox("Preserve subcomp. shift at import", this), "ChkSaveRef");
  preserve_->setGeometry(8, 156, 250, 20);

  connect(name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetName(ToAnsi(text)); });
  connect(source_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetSource(ToAnsi(text)); });
  connect(frequency_, &QSpinBox::valueChanged, this,
          [this](int value) { model_.SetFrequency(value); });
  connect(kind_, &QSpinBox::valueChanged, this, [this](int value) { model_.SetKind(value); });
  connect(sign_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetSignature(ToAnsi(text)); });
  connect(animation_, &QCheckBox::toggled, this, [this](bool on) { model_.SetAnimation(on); });
  connect(preserve_, &QCheckBox::toggled, this, [this](bool on) { model_.SetPreserveShift(on); });
}

int TFEdKomp::CreateRows() {
  // The rows keep their places unless the font needs more room for the label or a caption.
  const QFontMetrics metrics(font());
  const int shift = std::max(0, 265 + metrics.horizontalAdvance("Subcomp no.4:") + 6 - 345);
  const int button = std::max(
      40, std::max(metrics.horizontalAdvance("Import"), metrics.horizontalAdvance("Export")) + 10);
  const int import_left = 490 + shift;
  const int export_left = import_left + button + 5;
  for (int i = 1; i <= kSubcomponentCount; ++i) {
    const QString n = QString::number(i);
    Row& row = rows_[static_cast<size_t>(i)];
    row.label = Named(new QLabel("Subcomp no." + n + ":", this), "SubLabel" + n);
    row.label->move(265, 24 * i - 4);
    row.label->adjustSize();
    row.edit = Named(new QLineEdit(this), "SubKomp" + n);
    row.edit->setGeometry(345 + shift, 24 * i - 8, 140, 20);
    row.import = Named(new QPushButton("Import", this), "SubImport" + n);
    row.import->setGeometry(import_left, 25 * i - 8, button, 20);
    row.exporter = Named(new QPushButton("Export", this), "SubExport" + n);
    row.exporter->setGeometry(export_left, 25 * i - 8, button, 20);
    for (QWidget* w : {static_cast<QWidget*>(row.label), static_cast<QWidget*>(row.edit),
                       static_cast<QWidget*>(row.import), static_cast<QWidget*>(row.exporter)}) {
      w->setProperty("tag", i);
    }
    connect(row.edit, &QLineEdit::textEdited, this,
            [this, i](const QString& text) { model_.SetRowText(i, ToAnsi(text)); });
    connect(row.import, &QPushButton::clicked, this,
            [this, i] { Run([this, i] { model_.SubImportClick(i); }); });
    connect(row.exporter, &QPushButton::clicked, this,
            [this, i] { Run([this, i] { model_.SubExportClick(i); }); });
  }
  return export_left + button;
}

void TFEdKomp::Run(const std::function<void()>& action) {
  RunReported(session_.prompter(), action);
  ShowState();
}

void TFEdKomp::ShowState() {
  const EditComponentState& s = model_.State();
  setWindowTitle(FromAnsi(s.Caption));
  const QSignalBlocker b1(frequency_), b2(kind_), b3(animation_), b4(preserve_);
  name_->setText(FromAnsi(s.Name));
  source_->setText(FromAnsi(s.Source));
  frequency_->setValue(s.Frequency);
  kind_->setValue(s.Kind);
  sign_->setText(FromAnsi(s.Signature));
  for (QWidget* w : {static_cast<QWidget*>(kind_label_), static_cast<QWidget*>(kind_),
                     static_cast<QWidget*>(sign_label_), static_cast<QWidget*>(sign_)}) {
    w->setEnabled(s.HeadEnabled);
  }
  animation_->setChecked(s.Animation);
  preserve_->setChecked(s.PreserveShift);
  for (int i = 1; i <= kSubcomponentCount; ++i) {
    const SubcomponentRow& state = s.Rows[static_cast<size_t>(i)];
    Row& row = rows_[static_cast<size_t>(i)];
    row.edit->setText(FromAnsi(state.Text));
    row.label->setEnabled(state.Present);
    row.edit->setEnabled(state.Present);
    row.exporter->setEnabled(state.Present);
  }
}

int TFEdKomp::Execute() {
  ShowState();
  name_->setFocus();
  CentreOnPrimaryScreen(*this);
  return exec();
}

void TFEdKomp::done(int result) {
  ApplyOrCancel(model_, result, session_.prompter());
  QDialog::done(result);
}

}  // namespace kelvo
