#include "gui/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kelvo {

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

void CentreOnPrimaryScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}

}  // namespace kelvo
