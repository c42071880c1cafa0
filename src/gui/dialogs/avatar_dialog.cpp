#include "gui/dialogs/avatar_dialog.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QString>
#include <string>
#include <vector>

#include "gui/main_window/named_widget.h"
#include "gui/message_box_sink.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {
namespace {

constexpr int kClientWidth = 366;
constexpr int kClientHeight = 182;

QPixmap PixmapOf(const ImageView& view) {
  const QImage image(reinterpret_cast<const uchar*>(view.Pixels), view.Width, view.Height,
                     view.Stride * 2, QImage::Format_RGB16);
  return QPixmap::fromImage(image.copy());
}

// Folder names are the file system's, UTF-8 on Linux.
void Fill(QComboBox* box, const std::vector<std::string>& names, int current) {
  const QSignalBlocker block(box);
  box->clear();
  for (const std::string& name : names) box->addItem(QString::fromStdString(name));
  box->setCurrentIndex(current);
}

}  // namespace

TFrmImportMultiAV::TFrmImportMultiAV(EditorSession& session, KeyStore& store,
                                     std::function<void()> checkHeads, QWidget* owner)
    : QDialog(owner), model_(session, store, std::move(checkHeads)), prompter_(session.prompter()) {
  setObjectName("FrmImportMultiAV");
  PlaceWhenShown(this);
  // Not resizable: no maximise button either.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(FromAnsi(model_.State().Caption));
  setModal(true);

  Named(new QLabel("Mod", this), "ModLabel")->setGeometry(8, 6, 140, 16);
  mods_ = Named(new QComboBox(this), "ModCombo");
  mods_->setGeometry(8, 23, 140, 24);
  Named(new QLabel("Profile", this), "ProfileLabel")->setGeometry(8, 54, 140, 16);
  profiles_ = Named(new QComboBox(this), "ProfileCombo");
  profiles_->setGeometry(8, 71, 140, 24);
  import_ = Named(new QPushButton("Import", this), "ImportButton");
  import_->setGeometry(8, 106, 67, 25);
  export_ = Named(new QPushButton("Export", this), "ExportButton");
  export_->setGeometry(81, 106, 67, 25);

  // The captions are centred over their pictures and may be wider than them.
  auto* avatar_label = Named(new QLabel("Current Avatar", this), "CurAvLabel");
  avatar_label->setGeometry(154, 6, 104, 16);
  avatar_label->setAlignment(Qt::AlignHCenter);
  no_avatar_ = Named(new QLabel("No Avatar Set", this), "NoAvatarLabel");
  no_avatar_->setGeometry(166, 26, kAvatarPictureWidth, kAvatarPictureHeight);
  no_avatar_->setAlignment(Qt::AlignCenter);
  no_avatar_->setWordWrap(true);
  no_avatar_->setFrameShape(QFrame::Panel);
  no_avatar_->setFrameShadow(QFrame::Sunken);
  avatar_ = Named(new QLabel(this), "CurAvImage");
  avatar_->setGeometry(166, 26, kAvatarPictureWidth, kAvatarPictureHeight);
  auto* current_label = Named(new QLabel("Kelvoed Current", this), "KevloCurrLabel");
  current_label->setGeometry(260, 6, 104, 16);
  current_label->setAlignment(Qt::AlignHCenter);
  current_ = Named(new QLabel(this), "KevloCurrImage");
  current_->setGeometry(272, 26, kAvatarPictureWidth, kAvatarPictureHeight);

  auto* close = Named(new QPushButton("Close", this), "CloseButton");
  close->resize(75, 25);
  close->move((kClientWidth - close->width()) / 2, kClientHeight - close->height() - 10);
  setFixedSize(kClientWidth, kClientHeight);

  connect(mods_, &QComboBox::currentIndexChanged, this,
          [this](int line) { Run([&] { model_.ModComboChange(line); }); });
  connect(profiles_, &QComboBox::currentIndexChanged, this,
          [this](int line) { Run([&] { model_.ProfileComboChange(line); }); });
  connect(import_, &QPushButton::clicked, this,
          [this] { Run([&] { model_.ImportButtonClick(); }); });
  connect(export_, &QPushButton::clicked, this,
          [this] { Run([&] { model_.ExportButtonClick(); }); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TFrmImportMultiAV::Run(const std::function<void()>& action) {
  RunReported(prompter_, action);
  ShowState();
}

void TFrmImportMultiAV::Prepare() {
  Run([&] { model_.FormShow(); });
}

int TFrmImportMultiAV::Execute() {
  Prepare();
  if (const QWidget* owner = parentWidget()) {
    const QRect frame = owner->frameGeometry();
    move(frame.center() - QPoint(width() / 2, height() / 2));
  }
  return exec();
}

void TFrmImportMultiAV::ShowState() {
  const AvatarExchangeState& s = model_.State();
  Fill(mods_, s.Mods, s.Mod);
  Fill(profiles_, s.Profiles, s.Profile);
  avatar_->setVisible(s.AvatarShown);
  if (s.AvatarShown) avatar_->setPixmap(PixmapOf(model_.AvatarPicture()));
  current_->setPixmap(PixmapOf(model_.CurrentPicture()));
  import_->setEnabled(s.ImportEnabled);
  export_->setEnabled(s.ExportEnabled);
}

}  // namespace kelvo
