// TFZobr: one preview window of the portrait, full size (factor 1) or reduced by 2, 4 or 8.
// It displays a copy of the editor model's picture for its window in a 16-bit 5-6-5 image and
// reports mouse events; the main window owns the four previews and forwards their events.
#pragma once

#include <QImage>
#include <QWidget>

class QDockWidget;

#include "editor/session/preview_images.h"

namespace kelvo {

class TFZobr : public QWidget {
  Q_OBJECT

 public:
  // Caption factor + "x", client size (320 / factor) x (400 / factor), created hidden.
  TFZobr(int tag, int factor, QWidget* owner);

  int Tag() const { return tag_; }
  int Factor() const { return factor_; }
  const QImage& Image() const { return image_; }

  // Into a dock of the main window, or back to a window of its own over `owner`; hidden after
  // either, as any widget whose parent changes.
  void Dock(QDockWidget* dock);
  void Float(QWidget* owner);

  // Copies the picture (cropped to this window's image) and repaints.
  void ShowImage(const ImageView& view);

 signals:
  // Mouse events in image pixels, one drag at a time; other buttons are ignored.
  void ImageMouseDown(Qt::MouseButton button, int x, int y);
  void ImageMouseMove(int x, int y);
  void ImageMouseUp(Qt::MouseButton button, int x, int y);
  // The user closed the window by its title bar; the window stays as it is, the owner hides it.
  void ClosedByUser(int tag);
  // The mouse over the picture, with or without a button held, in image pixels; and gone.
  void PointerMoved(int x, int y);
  void PointerLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  int tag_;
  int factor_;
  QImage image_;
  Qt::MouseButton drag_button_ = Qt::NoButton;
};

}  // namespace kelvo
