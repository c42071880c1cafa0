#include "gui/main_window/preview_window.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace kelvo {
namespace {

bool IsEditingButton(Qt::MouseButton button) {
  return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

TFZobr::TFZobr(int tag, int factor, QWidget* owner)
    : QWidget(owner, kWindowFlags),
      tag_(tag),
      factor_(factor),
      image_(PreviewImages::kFullWidth / factor, PreviewImages::kFullHeight / factor,
             QImage::Format_RGB16) {
  setObjectName(QString("FZobr%1").arg(tag));
  setWindowTitle(QString("%1x").arg(factor));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(image_.size());
  setMouseTracking(true);  // the status bar follows the pointer without a button held
  image_.fill(Qt::black);
}

void TFZobr::Dock(QDockWidget* dock) {
  dock->setWidget(this);
}

void TFZobr::Float(QWidget* owner) {
  setParent(owner, kWindowFlags);
}

void TFZobr::ShowImage(const ImageView& view) {
  if (view.Pixels) {
    const int rows = std::min(view.Height, image_.height());
    const size_t bytes = static_cast<size_t>(std::min(view.Width, image_.width())) * 2;
    for (int y = 0; y < rows; ++y) {
      std::memcpy(image_.scanLine(y), view.Pixels + static_cast<ptrdiff_t>(y) * view.Stride, bytes);
    }
  }
  update();
}

void TFZobr::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

void TFZobr::mousePressEvent(QMouseEvent* event) {
  if (!IsEditingButton(event->button()) || drag_button_ != Qt::NoButton) return;
  drag_button_ = event->button();
  const QPoint p = event->position().toPoint();
  emit ImageMouseDown(drag_button_, p.x(), p.y());
}

void TFZobr::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit PointerMoved(p.x(), p.y());
  if (drag_button_ == Qt::NoButton) return;
  emit ImageMouseMove(p.x(), p.y());
}

void TFZobr::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  emit PointerLeft();
}

void TFZobr::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != drag_button_) return;
  drag_button_ = Qt::NoButton;
  const QPoint p = event->position().toPoint();
  emit ImageMouseUp(event->button(), p.x(), p.y());
}

void TFZobr::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit ClosedByUser(tag_);
}

}  // namespace kelvo
