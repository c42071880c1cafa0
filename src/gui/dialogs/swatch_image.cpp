#include "gui/dialogs/swatch_image.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "gui/text_codec.h"

namespace kelvo {

namespace {

void FrameRect(QPainter& painter, const ScreenRect& r, const QColor& colour) {
  painter.fillRect(QRect(r.Left, r.Top, r.Width, 1), colour);
  painter.fillRect(QRect(r.Left, r.Top + r.Height - 1, r.Width, 1), colour);
  painter.fillRect(QRect(r.Left, r.Top, 1, r.Height), colour);
  painter.fillRect(QRect(r.Left + r.Width - 1, r.Top, 1, r.Height), colour);
}

}  // namespace

QColor ToQColor(uint32_t colour) {
  return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

void PaintSwatchList(QPainter& painter, const ColoursDialogState& state, const QColor& background) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(0, 0, state.ImageWidth, state.ImageHeight), background);
  for (const Swatch& swatch : state.Swatches) {
    const ScreenRect& a = swatch.Area;
    for (int j = 0; j < a.Height; ++j) {
      painter.fillRect(QRect(a.Left, a.Top + j, a.Width, 1),
                       ToQColor(swatch.Rows[static_cast<size_t>(j)]));
    }
  }
  if (const auto& f = state.SelectedFrame) {
    // A dark line outside the white frame keeps it visible on the light button face.
    FrameRect(painter, {f->Left - 1, f->Top - 1, f->Width + 2, f->Height + 2}, QColor(64, 64, 64));
    FrameRect(painter, *f, Qt::white);
  }
  if (state.DefaultFrame) FrameRect(painter, *state.DefaultFrame, Qt::red);
}

void PaintPreviewStrip(QPainter& painter, int left, int top, const ColourTab& tab) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (int x = 0; x < colours_layout::kPreviewWidth; ++x) {
    painter.fillRect(QRect(left + x, top, 1, colours_layout::kPreviewHeight),
                     ToQColor(tab.Preview[static_cast<size_t>(x)]));
  }
}

TSwatchImage::TSwatchImage(const ColoursDialogModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setObjectName("ImSeznam");
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
}

bool TSwatchImage::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const std::string text = model_.SwatchTooltip(help->pos().x(), help->pos().y());
    if (text.empty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), FromAnsi(text), this);
    }
    return true;
  }
  return QWidget::event(event);
}

void TSwatchImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintSwatchList(painter, model_.State(), palette().color(QPalette::Button));
}

void TSwatchImage::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() == Qt::LeftButton && OnClick) {
    const QPoint p = event->position().toPoint();
    OnClick(p.x(), p.y());
  }
}

void TSwatchImage::keyPressEvent(QKeyEvent* event) {
  const auto arrow = [&](SwatchKey key) {
    if (OnArrow) OnArrow(key);
  };
  switch (event->key()) {
    case Qt::Key_Up:
      arrow(SwatchKey::Up);
      break;
    case Qt::Key_Down:
      arrow(SwatchKey::Down);
      break;
    case Qt::Key_Left:
      arrow(SwatchKey::Left);
      break;
    case Qt::Key_Right:
      arrow(SwatchKey::Right);
      break;
    case Qt::Key_Delete:
      if (OnDelete) OnDelete();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TSwatchImage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (OnResize) OnResize(width(), height());
}

TPreviewStrip::TPreviewStrip(const ColourTab& tab, QWidget* parent) : QWidget(parent), tab_(tab) {
  setFixedSize(colours_layout::kPreviewWidth, colours_layout::kPreviewHeight);
  setAttribute(Qt::WA_TransparentForMouseEvents);  // a click falls through to the tab
}

void TPreviewStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPreviewStrip(painter, 0, 0, tab_);
}

TClickPanel::TClickPanel(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
}

void TClickPanel::SetColour(const QColor& colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

void TClickPanel::paintEvent(QPaintEvent* event) {
  if (colour_.isValid()) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), colour_);
  }
  QFrame::paintEvent(event);
}

void TClickPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && OnClick) {
    OnClick();
    event->accept();
    return;
  }
  QFrame::mousePressEvent(event);
}

}  // namespace kelvo
