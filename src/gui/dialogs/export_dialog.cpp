#include "gui/dialogs/export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "editor/session/prompter.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {

ExportPortraitDialog::ExportPortraitDialog(Prompter& prompter, QWidget* owner)
    : QDialog(owner), prompter_(prompter) {
  setObjectName("ExportPortrait");
  PlaceWhenShown(this);
  setWindowTitle("Export portrait");
  setModal(true);
  auto* form = new QFormLayout(this);
  path_ = new QLineEdit(this);
  path_->setObjectName("EdExportFile");
  path_->setMinimumWidth(320);
  path_->setToolTip("A name ending in .png or .bmp; without an extension .png is added");
  auto* browse = new QPushButton("&Browse...", this);
  browse->setObjectName("BtnBrowse");
  browse->setAutoDefault(false);
  auto* file_row = new QHBoxLayout;
  file_row->addWidget(path_, 1);
  file_row->addWidget(browse);
  form->addRow("&File:", file_row);
  size_ = new QComboBox(this);
  size_->setObjectName("CbExportSize");
  for (int factor : {1, 2, 4, 8}) {
    size_->addItem(
        factor == 1
            ? QString("Full size (320 x 400)")
            : QString("Reduced by %1 (%2 x %3)").arg(factor).arg(320 / factor).arg(400 / factor),
        factor);
  }
  form->addRow("&Size:", size_);
  transparent_ = new QCheckBox("&Transparent background", this);
  transparent_->setObjectName("ChkTransparent");
  transparent_->setToolTip("PNG only: the background left out, alpha 0 where nothing was drawn");
  form->addRow(transparent_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText("&Export");
  buttons->button(QDialogButtonBox::Ok)->setObjectName("BtnExport");
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(browse, &QPushButton::clicked, this, [this] { Browse(); });
  connect(path_, &QLineEdit::textChanged, this, [this] { ShowFormat(); });
}

std::optional<PortraitExportChoice> ExportPortraitDialog::Execute(
    const PortraitExportChoice& proposed) {
  Show(proposed);
  path_->setFocus();
  path_->selectAll();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Choice();
}

PortraitExportChoice ExportPortraitDialog::Choice() const {
  PortraitExportChoice choice;
  choice.Path = ToAnsi(path_->text().trimmed());
  choice.Reduction = size_->currentData().toInt();
  choice.Transparent = transparent_->isEnabled() && transparent_->isChecked();
  return choice;
}

void ExportPortraitDialog::Show(const PortraitExportChoice& choice) {
  path_->setText(FromAnsi(choice.Path).replace('\\', '/'));
  const int index = size_->findData(choice.Reduction);
  size_->setCurrentIndex(index >= 0 ? index : 0);
  transparent_->setChecked(choice.Transparent);
  ShowFormat();
}

void ExportPortraitDialog::Browse() {
  FileDialogRequest request;
  request.Title = "Export portrait";
  request.Filter = "PNG image (*.png)|*.png|Bitmap (*.bmp)|*.bmp";
  request.FileName = ToAnsi(path_->text());
  request.DefaultExt = ".png";
  const std::optional<std::string> name = prompter_.SaveFile(request);
  if (name) path_->setText(FromAnsi(*name).replace('\\', '/'));
}

void ExportPortraitDialog::ShowFormat() {
  const std::optional<PictureFormat> format = PictureFormatOf(ToAnsi(path_->text().trimmed()));
  transparent_->setEnabled(format == PictureFormat::kPng);
}

}  // namespace kelvo
