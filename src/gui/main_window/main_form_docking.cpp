// The previews docked into the main window, for screens too small to hold them beside it.
#include <QDockWidget>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/main_window/category_names.h"
#include "gui/main_window/main_form.h"
#include "gui/main_window/main_form_actions.h"
#include "gui/main_window/preview_window.h"
#include "gui/window_geometry.h"

namespace kelvo {
namespace {

// The controls scroll when the docked previews leave them less room than they ask for, and
// ask for all of it otherwise.
class ControlsScrollArea : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    if (widget() == nullptr) return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
  }
};

// The form's size hint after docks were shown or hidden, not the one cached before.
QSize FreshSizeHint(QWidget* form, QMainWindow* host) {
  host->layout()->invalidate();
  host->updateGeometry();
  form->layout()->invalidate();
  form->layout()->activate();
  return form->sizeHint();
}

}  // namespace

void TMainForm::BuildDocks() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  dock_host_ = new QMainWindow(this);
  dock_host_->setWindowFlags(Qt::Widget);  // its constructor makes it a window of its own
  dock_host_->setObjectName("PreviewDockHost");
  dock_host_->setDockOptions(QMainWindow::AnimatedDocks);
  auto* scroll = new ControlsScrollArea(dock_host_);
  scroll->setObjectName("ControlsScroll");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* body = new QWidget;
  body->setObjectName("Controls");
  c_ = BuildMainFormControls(body, CategoryDisplayNames());
  scroll->setWidget(body);
  dock_host_->setCentralWidget(scroll);
  LetControlsShrink(false);
  outer->addWidget(dock_host_, 1);
  for (int i = 1; i <= kPreviewCount; ++i) {
    auto* dock = new QDockWidget(QString("%1x").arg(1 << (i - 1)), dock_host_);
    dock->setObjectName(QString("DockZobr%1").arg(i));
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setAllowedAreas(Qt::RightDockWidgetArea);
    // A slim caption, so that the column fits a 720-pixel screen; the 1x picture needs none.
    auto* caption = new QLabel(i == 1 ? QString() : dock->windowTitle(), dock);
    caption->setContentsMargins(4, 0, 0, 0);
    if (i == 1) caption->setFixedHeight(0);
    dock->setTitleBarWidget(caption);
    dock->hide();
    docks_[static_cast<size_t>(i)] = dock;
  }
  // 1x on top, 2x, 4x and 8x side by side below it.
  dock_host_->addDockWidget(Qt::RightDockWidgetArea, docks_[1], Qt::Vertical);
  dock_host_->addDockWidget(Qt::RightDockWidgetArea, docks_[2], Qt::Vertical);
  dock_host_->splitDockWidget(docks_[2], docks_[3], Qt::Horizontal);
  dock_host_->splitDockWidget(docks_[3], docks_[4], Qt::Horizontal);
}

// Floating previews leave the controls their whole size, as before the docks; docked ones may
// leave them less, and they scroll.
void TMainForm::LetControlsShrink(bool shrink) {
  auto* scroll = static_cast<QScrollArea*>(dock_host_->centralWidget());
  scroll->setMinimumSize(shrink ? QSize(0, 0) : scroll->widget()->minimumSizeHint());
}

MainWindowsRequest TMainForm::WindowsRequest(const std::optional<ScreenPoint>& main) const {
  const FrameMargins margins = KnownMargins();
  MainWindowsRequest request;
  request.Areas = AvailableScreenAreas();
  request.Main = OuterRect(this, margins);
  request.StoredMain = main;
  for (int i = 1; i <= kPreviewCount; ++i) {
    const PreviewSettings& stored = stored_previews_[static_cast<size_t>(i)];
    // A docked preview's frame would be a window's; the sizes are the floating ones.
    const TFZobr* preview = Preview(i);
    request.Previews[static_cast<size_t>(i - 1)] =
        ScreenRect{0, 0, preview->width() + margins.Left + margins.Right,
                   preview->height() + margins.Top + margins.Bottom};
    if (stored.X && stored.Y) {
      request.StoredPreviews[static_cast<size_t>(i - 1)] = ScreenPoint{*stored.X, *stored.Y};
    }
  }
  return request;
}

void TMainForm::DockPreviews(const std::optional<ScreenPoint>& main) {
  docked_ = true;
  for (int i = 1; i <= kPreviewCount; ++i) Preview(i)->Dock(PreviewDock(i));
  ApplyPreviewVisibility();
  // Sized for the controls and the column, cut to the screen: the controls scroll then.
  LetControlsShrink(true);
  resize(FreshSizeHint(this, dock_host_));
  const FrameMargins margins = KnownMargins();
  MainWindowsRequest request = WindowsRequest(main);
  const ScreenRect place = PlaceDockedMainWindow(request);
  resize(place.Width - margins.Left - margins.Right, place.Height - margins.Top - margins.Bottom);
  move(place.Left, place.Top);
  last_pos_ = pos();
  if (actions_ != nullptr) actions_->ShowState();
}

void TMainForm::FloatPreviews() {
  docked_ = false;
  for (int i = 1; i <= kPreviewCount; ++i) {
    PreviewDock(i)->hide();
    Preview(i)->Float(this);
  }
  LetControlsShrink(false);
  FreshSizeHint(this, dock_host_);
  adjustSize();
  PlacePreviewsBeside(ScreenPoint{pos().x(), pos().y()}, true);
  ApplyPreviewVisibility();
  last_pos_ = pos();
  if (actions_ != nullptr) actions_->ShowState();
}

void TMainForm::SetPreviewsDocked(bool docked) {
  dock_choice_ = docked;
  if (docked == docked_) return;
  if (docked) {
    DockPreviews(ScreenPoint{pos().x(), pos().y()});
  } else {
    FloatPreviews();
  }
}

void TMainForm::KeepPreviewsOnScreen() {
  if (docked_) return;
  const FrameMargins margins = KnownMargins();
  const std::vector<ScreenRect> areas = AvailableScreenAreas();
  for (int i = 1; i <= kPreviewCount; ++i) {
    const ScreenRect placed = KeepOnScreen(OuterRect(Preview(i), margins), areas);
    if (placed.Left != Preview(i)->x() || placed.Top != Preview(i)->y()) {
      Preview(i)->move(placed.Left, placed.Top);
    }
  }
}

}  // namespace kelvo
