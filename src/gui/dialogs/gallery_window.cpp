#include "gui/dialogs/gallery_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include "gui/message_box_sink.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {

namespace {

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;

MouseButton ToModel(Qt::MouseButton button) {
  if (button == Qt::RightButton) return MouseButton::Right;
  if (button == Qt::MiddleButton) return MouseButton::Middle;
  return MouseButton::Left;
}

std::uint16_t To565(const QColor& colour) {
  return static_cast<std::uint16_t>(((colour.red() >> 3) << 11) | ((colour.green() >> 2) << 5) |
                                    (colour.blue() >> 3));
}

}  // namespace

// The grid: paints the model's grid picture and the thumbnail texts and reports the mouse.
class GalleryCanvas : public QWidget {
 public:
  explicit GalleryCanvas(TGalerie* window) : QWidget(nullptr), window_(window) {
    setObjectName("GalleryGrid");
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The grid takes the arrows, Enter and Delete; Tab goes on to the buttons.
    setFocusPolicy(Qt::StrongFocus);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    const ImageView grid = window_->model_->GridImage();
    if (grid.Pixels != nullptr) {
      const QImage image(reinterpret_cast<const uchar*>(grid.Pixels), grid.Width, grid.Height,
                         grid.Stride * 2, QImage::Format_RGB16);
      painter.drawImage(0, 0, image);
    }
    const QFontMetrics metrics(font());
    painter.setPen(Qt::black);
    for (const GalleryLabel& label : window_->model_->State().Labels) {
      const QString text = FromAnsi(label.Text);
      // A light band behind the text keeps it readable on dark portraits.
      const QRect band(label.X, label.Y, metrics.horizontalAdvance(text) + 2, metrics.height());
      painter.fillRect(band, QColor(255, 255, 255, 170));
      painter.drawText(band.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    }
    const Rect cell = window_->model_->HighlightRect();
    if (cell.Width() > 0) {
      QPen pen(palette().highlight().color(), 3);
      if (!hasFocus()) pen.setStyle(Qt::DotLine);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QRect(cell.left + 1, cell.top + 1, cell.Width() - 3, cell.Height() - 3));
    }
  }

  void keyPressEvent(QKeyEvent* event) override { window_->keyPressEvent(event); }
  void focusInEvent(QFocusEvent*) override { update(); }
  void focusOutEvent(QFocusEvent*) override { update(); }

  void mousePressEvent(QMouseEvent* event) override {
    const QPoint p = window_->ToClient(event->position().toPoint());
    window_->Run([&] { window_->model_->FormMouseDown(ToModel(event->button()), p.x(), p.y()); });
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    const QPoint p = window_->ToClient(event->position().toPoint());
    window_->Run([&] { window_->model_->FormMouseUp(ToModel(event->button()), p.x(), p.y()); });
  }

  void mouseDoubleClickEvent(QMouseEvent* event) override {
    const QPoint p = window_->ToClient(event->position().toPoint());
    window_->Run([&] {
      window_->model_->FormMouseDown(ToModel(event->button()), p.x(), p.y());
      if (event->button() == Qt::LeftButton) window_->model_->FormDblClick();
    });
  }

  void contextMenuEvent(QContextMenuEvent* event) override {
    window_->ShowPopup(event->globalPos());
  }

 private:
  TGalerie* window_;
};

TGalerie::TGalerie(EditorSession& session, GalleryDocument& document, Prompter& prompter,
                   QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::WindowMinMaxButtonsHint),
      model_(std::make_unique<GalleryWindowModel>(session, document)),
      prompter_(prompter) {
  setObjectName("Galerie");
  PlaceWhenShown(this, [this] { return keep_clear_ ? keep_clear_() : std::vector<ScreenRect>{}; });
  setWindowTitle("Gallery");
  setFocusPolicy(Qt::StrongFocus);

  scroll_ = new QScrollArea(this);
  scroll_->setObjectName("GalleryScroll");
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Always shown, so the number of columns does not change when the grid grows.
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);
  canvas_ = new GalleryCanvas(this);
  setFocusProxy(canvas_);
  scroll_->setWidget(canvas_);
  scroll_->setWidgetResizable(false);
  scroll_->viewport()->installEventFilter(this);

  auto button = [this](const char* name, const char* caption, void (GalleryWindowModel::*click)()) {
    auto* b = new QPushButton(caption, canvas_);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::StrongFocus);
    b->resize(kButtonWidth, kButtonHeight);
    connect(b, &QPushButton::clicked, this, [this, click] { Run([&] { (*model_.*click)(); }); });
    return b;
  };
  load_ = button("BtnLoad", "&Load", &GalleryWindowModel::BtnLoadClick);
  save_ = button("BtnSave", "&Save", &GalleryWindowModel::BtnSaveClick);
  clear_ = button("BtnClear", "&Clear all", &GalleryWindowModel::BtnClearClick);
  add10_ = button("BtnAdd10", "Add 10 faces", &GalleryWindowModel::BtnAdd10Click);
  add10_->resize(kButtonWidth + 15, kButtonHeight);

  status_ = new QStatusBar(this);
  status_->setObjectName("StatusBar");
  status_->setSizeGripEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(scroll_, 1);
  layout->addWidget(status_);

  menu_ = new QMenu(this);
  menu_->setObjectName("PM");
  caption_item_ = menu_->addAction("no face");
  caption_item_->setObjectName("MICaption");
  caption_item_->setEnabled(false);
  menu_->addSeparator();
  voice_item_ = menu_->addAction("Voice");
  voice_item_->setObjectName("MIVoice");
  name_item_ = menu_->addAction("Name");
  name_item_->setObjectName("MIName");
  connect(voice_item_, &QAction::triggered, this,
          [this] { Run([this] { model_->MIVoiceClick(); }); });
  connect(name_item_, &QAction::triggered, this,
          [this] { Run([this] { model_->MINameClick(); }); });

  connect(scroll_->verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this](int value) { model_->Scroll(value); });

  model_->SetListener(this);
  model_->SetTextLineHeight(QFontMetrics(canvas_->font()).height());
  model_->SetButtonFace(To565(palette().button().color()));
  model_->Document().SetBusyHook([](bool busy) {
    if (busy) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
      QApplication::restoreOverrideCursor();
    }
  });
  model_->SetProgress([this](int done, int total) { ShowProgress(done, total); });

  // 739 x 460 outside with a client width of 731: eight columns.
  resize(731, 433);
  LayOutCanvas();
}

TGalerie::~TGalerie() {
  model_->SetListener(nullptr);
}

QWidget* TGalerie::Canvas() const {
  return canvas_;
}

void TGalerie::ShowWindow() {
  show();
  raise();
  activateWindow();
}

void TGalerie::Run(const std::function<void()>& action) {
  RunReported(prompter_, action);
  GalleryChanged(kGalleryAll & ~kGalleryShowWindow);
}

QPoint TGalerie::ToClient(const QPoint& canvas) const {
  return canvas_->mapTo(scroll_->viewport(), canvas);
}

void TGalerie::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutCanvas();
}

bool TGalerie::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_->viewport() && event->type() == QEvent::Resize) LayOutCanvas();
  return QWidget::eventFilter(watched, event);
}

void TGalerie::LayOutCanvas() {
  const QWidget* viewport = scroll_->viewport();
  if (model_->State().ClientWidth != viewport->width() ||
      model_->State().ClientHeight != viewport->height()) {
    model_->Resize(viewport->width(), viewport->height());
  }
  const int gridHeight = model_->GridImage().Height;
  const int top = gridHeight + 4;
  int left = 4;
  for (QPushButton* b : {load_, save_, clear_, add10_}) {
    b->move(left, top);
    left += b->width() + kButtonGap;
  }
  canvas_->resize(viewport->width(), std::max(viewport->height(), top + kButtonHeight + 4));
  canvas_->update();
}

void TGalerie::GalleryChanged(unsigned changes) {
  const GalleryWindowState& s = model_->State();
  if (changes & kGalleryGrid) LayOutCanvas();
  if (changes & kGalleryStatus) status_->showMessage(FromAnsi(s.StatusText));
  if (changes & kGalleryCaption) setWindowTitle(FromAnsi(s.Caption));
  if (changes & kGalleryCursor) {
    if (s.HandCursor) {
      canvas_->setCursor(Qt::PointingHandCursor);
    } else {
      canvas_->unsetCursor();
    }
  }
  if (changes & kGalleryBackButton) emit BackToGalleryEnabled(s.BackToGalleryEnabled);
  if (changes & kGalleryShowWindow && !isVisible()) ShowWindow();
}

void TGalerie::ShowPopup(const QPoint& global) {
  model_->PMPopup();
  const GalleryWindowState& s = model_->State();
  caption_item_->setText(FromAnsi(s.MenuCaption));
  voice_item_->setEnabled(s.MenuItemsEnabled);
  name_item_->setEnabled(s.MenuItemsEnabled);
  menu_->popup(global);
}

void TGalerie::ShowProgress(int done, int total) {
  status_->showMessage(QString("Making thumbnails: %1 of %2").arg(done).arg(total));
  status_->repaint();  // paints now; no input is handled while the gallery loads
}

void TGalerie::keyPressEvent(QKeyEvent* event) {
  const auto move = [this](int dx, int dy) {
    Run([&] { model_->KeyMove(dx, dy); });
    const Rect cell = model_->HighlightRect();
    scroll_->ensureVisible(cell.left + cell.Width() / 2, cell.top + cell.Height() / 2,
                           cell.Width() / 2, cell.Height() / 2);
    canvas_->update();
  };
  switch (event->key()) {
    case Qt::Key_Left:
      return move(-1, 0);
    case Qt::Key_Right:
      return move(1, 0);
    case Qt::Key_Up:
      return move(0, -1);
    case Qt::Key_Down:
      return move(0, 1);
    case Qt::Key_Delete:
      Run([this] { model_->KeyDelete(); });
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Run([this] { model_->KeyEnter(); });
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace kelvo
