// Files coming to the main window: "Open Recent" kept in the settings, and files dropped on
// the main window or the gallery window (the model decides what each one does).
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "editor/session/stored_settings.h"
#include "gui/dialogs/gallery_window.h"
#include "gui/main_window/main_form.h"
#include "gui/main_window/main_form_actions.h"
#include "gui/registry_key.h"
#include "gui/settings_store.h"
#include "gui/text_codec.h"

namespace kelvo {
namespace {

// The first local file of a drag, or nothing.
std::optional<QString> DroppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return std::nullopt;
}

}  // namespace

void TMainForm::RestoreRecentFiles() {
  const RegistryKey key(kEditorSettingsKey);
  model_.Session().Recent().Restore(ReadRecentLines([&key](const std::string& name) {
    const std::optional<QString> line = key.ReadString(QString::fromStdString(name));
    return line ? std::optional(ToAnsi(*line)) : std::nullopt;
  }));
}

void TMainForm::StoreRecentFiles() {
  RegistryKey key(kEditorSettingsKey);
  const std::vector<std::string> lines = model_.Session().Recent().StoredLines();
  for (int n = 1; n <= kStoredRecentLines; ++n) {
    const size_t i = static_cast<size_t>(n - 1);
    key.WriteString(QString::fromStdString(RecentValueName(n)),
                    i < lines.size() ? FromAnsi(lines[i]) : QString());
  }
  key.Flush();
}

void TMainForm::ConnectFiles() {
  setAcceptDrops(true);
  gallery_->setAcceptDrops(true);
  gallery_->installEventFilter(this);
  connect(actions_, &MainFormActions::GalleryOpened, gallery_, &TGalerie::ShowWindow);
}

bool TMainForm::TakeDrop(QDropEvent* event, bool on_gallery) {
  const std::optional<QString> file = DroppedFile(event->mimeData());
  if (!file) return false;
  event->acceptProposedAction();
  bool taken = false;
  Run([&] { taken = model_.DropFile(ToAnsi(*file), on_gallery); });
  if (taken && QFileInfo(*file).suffix().compare("xgl", Qt::CaseInsensitive) == 0) {
    gallery_->ShowWindow();
  }
  return true;
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  TakeDrop(event, false);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == gallery_ && event->type() == QEvent::DragEnter) {
    auto* enter = static_cast<QDragEnterEvent*>(event);
    if (DroppedFile(enter->mimeData())) enter->acceptProposedAction();
    return true;
  }
  if (watched == gallery_ && event->type() == QEvent::Drop) {
    return TakeDrop(static_cast<QDropEvent*>(event), true);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kelvo
