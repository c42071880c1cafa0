// The pictures of the colours dialog, painted from its model's state with whole logical pixels,
// so they stay crisp at any device pixel ratio: the swatch list (ImSeznam), the tab preview
// strips and the colour panel. The widgets report clicks, keys and size through callbacks and
// hold no state of their own beyond a pointer to what they show.
#pragma once

#include <QColor>
#include <QFrame>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

#include "editor/windows/colours_dialog_model.h"

class QPainter;

namespace kelvo {

QColor ToQColor(uint32_t colour);  // red in the low byte

// Background, swatches row by row, then the white selection frame and the red default frame.
void PaintSwatchList(QPainter& painter, const ColoursDialogState& state, const QColor& background);
// 63 vertical lines from the brightest shade at the left.
void PaintPreviewStrip(QPainter& painter, int left, int top, const ColourTab& tab);

// ImSeznam.
class TSwatchImage : public QWidget {
 public:
  TSwatchImage(const ColoursDialogModel& model, QWidget* parent);

  std::function<void(int x, int y)> OnClick;
  std::function<void(SwatchKey key)> OnArrow;
  std::function<void()> OnDelete;
  std::function<void(int width, int height)> OnResize;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  const ColoursDialogModel& model_;
};

// A tab's preview image.
class TPreviewStrip : public QWidget {
 public:
  TPreviewStrip(const ColourTab& tab, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ColourTab& tab_;
};

// A panel that reports a left click: the tabs and PanColor.
class TClickPanel : public QFrame {
 public:
  explicit TClickPanel(QWidget* parent);
  void SetColour(const QColor& colour);  // an invalid colour keeps the panel's own look

  std::function<void()> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QColor colour_;
};

}  // namespace kelvo
