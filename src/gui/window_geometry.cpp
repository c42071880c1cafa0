#include "gui/window_geometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace kelvo {
namespace {

// The main window's full-size preview, floating or docked, when it is shown.
const QWidget* FullSizePreview(const QWidget& dialog) {
  const QWidget* owner = dialog.parentWidget();
  while (owner != nullptr && owner->parentWidget() != nullptr) owner = owner->parentWidget();
  if (owner == nullptr) return nullptr;
  const auto* preview = owner->findChild<const QWidget*>("FZobr1");
  return preview != nullptr && preview->isVisible() ? preview : nullptr;
}

class ShowPlacer : public QObject {
 public:
  ShowPlacer(QWidget* dialog, std::function<std::vector<ScreenRect>()> avoid)
      : QObject(dialog), dialog_(dialog), avoid_(std::move(avoid)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    // Before the window system maps the window; a window restored from its icon stays put.
    if (watched == dialog_ && event->type() == QEvent::Show && !event->spontaneous()) {
      Place();
      // A window manager may place a new window itself when it maps it, and tells its frame
      // only then: placed again once mapped, and once more when the frame is known.
      for (const int delay : {0, 150}) {
        QTimer::singleShot(delay, this, [this] {
          if (dialog_->isVisible()) Place();
        });
      }
    }
    return false;
  }

  void Place() { PlaceOnScreen(*dialog_, avoid_ ? avoid_() : std::vector<ScreenRect>{}); }

 private:
  QWidget* dialog_;
  std::function<std::vector<ScreenRect>()> avoid_;
};

}  // namespace

ScreenRect ToScreenRect(const QRect& rect) {
  return {rect.left(), rect.top(), rect.width(), rect.height()};
}

std::vector<ScreenRect> AvailableScreenAreas() {
  std::vector<ScreenRect> areas;
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary) areas.push_back(ToScreenRect(primary->availableGeometry()));
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != primary) areas.push_back(ToScreenRect(screen->availableGeometry()));
  }
  return areas;
}

FrameMargins FrameMarginsOf(const QWidget* window, const FrameMargins& fallback) {
  const QRect frame = window->frameGeometry();
  const QRect client = window->geometry();
  if (!window->isVisible() || frame == client) return fallback;
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

ScreenRect OuterRect(const QWidget* window, const FrameMargins& margins) {
  const QPoint at = window->pos();  // a window's position is that of its frame
  return {at.x(), at.y(), window->width() + margins.Left + margins.Right,
          window->height() + margins.Top + margins.Bottom};
}

ScreenRect ScreenFrame(const QWidget* widget) {
  if (widget->isWindow()) return ToScreenRect(widget->frameGeometry());
  return ToScreenRect(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
}

void PlaceOnScreen(QWidget& dialog, const std::vector<ScreenRect>& avoid) {
  // Before its first showing a window has no frame yet: its owner's is the best guess.
  const QWidget* owner =
      dialog.parentWidget() != nullptr ? dialog.parentWidget()->window() : nullptr;
  const FrameMargins guess{4, 28, 4, 4};
  const FrameMargins margins =
      FrameMarginsOf(&dialog, owner != nullptr ? FrameMarginsOf(owner, guess) : guess);
  DialogRequest request;
  request.Areas = AvailableScreenAreas();
  request.Dialog = OuterRect(&dialog, margins);
  if (const QWidget* preview = FullSizePreview(dialog)) request.Beside = ScreenFrame(preview);
  request.Avoid = avoid;
  const ScreenRect placed = PlaceDialog(request);
  if (placed.Width != request.Dialog.Width || placed.Height != request.Dialog.Height) {
    dialog.resize(placed.Width - margins.Left - margins.Right,
                  placed.Height - margins.Top - margins.Bottom);
  }
  dialog.move(placed.Left, placed.Top);
}

void PlaceWhenShown(QWidget* dialog, std::function<std::vector<ScreenRect>()> avoid) {
  dialog->installEventFilter(new ShowPlacer(dialog, std::move(avoid)));
}

void CentreOnPrimaryScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}

}  // namespace kelvo
