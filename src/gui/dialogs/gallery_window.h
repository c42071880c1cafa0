// TGalerie: the gallery window. It owns the gallery window's model over the editor's gallery,
// shows its grid picture with the thumbnail texts in a vertically scrolling area with the four
// buttons under the grid, and forwards mouse, keyboard, popup-menu and button input to the
// model. Created once with the main window (its owner) and kept for the whole run; closing it
// only hides it.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "editor/main_window/window_placement.h"
#include "editor/windows/gallery_window_model.h"

class QMenu;
class QAction;
class QPushButton;
class QScrollArea;
class QStatusBar;

namespace kelvo {

class EditorSession;
class GalleryCanvas;
class GalleryDocument;
class Prompter;

class TGalerie : public QWidget, private GalleryListener {
  Q_OBJECT

 public:
  TGalerie(EditorSession& session, GalleryDocument& document, Prompter& prompter, QWidget* owner);
  ~TGalerie() override;

  GalleryWindowModel& Model() { return *model_; }
  // Shows the window (beside the full-size preview, clear of what the keep-clear rectangles
  // name, where the screen allows) and brings it to the front.
  void ShowWindow();
  // What the window should not cover when it opens besides the full-size preview
  // ("Add to gal.").
  void SetKeepClear(std::function<std::vector<ScreenRect>()> keep_clear) {
    keep_clear_ = std::move(keep_clear);
  }
  // Runs one action on the model (RunReported), then shows the model again.
  void Run(const std::function<void()>& action);

  // The grid's widget inside the scroll area (grid pixels = its pixels).
  QWidget* Canvas() const;
  QScrollArea* ScrollArea() const { return scroll_; }

 signals:
  void BackToGalleryEnabled(bool enabled);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The viewport gets its size from the layout after the window's own resize (at the first
  // show, for one): the grid follows the viewport.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class GalleryCanvas;
  void GalleryChanged(unsigned changes) override;
  void LayOutCanvas();
  void ShowPopup(const QPoint& global);
  void ShowProgress(int done, int total);
  QPoint ToClient(const QPoint& canvas) const;

  std::unique_ptr<GalleryWindowModel> model_;
  Prompter& prompter_;
  QScrollArea* scroll_ = nullptr;
  GalleryCanvas* canvas_ = nullptr;
  QStatusBar* status_ = nullptr;
  QPushButton* load_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* clear_ = nullptr;
  QPushButton* add10_ = nullptr;
  QMenu* menu_ = nullptr;
  QAction* caption_item_ = nullptr;
  QAction* voice_item_ = nullptr;
  QAction* name_item_ = nullptr;
  std::function<std::vector<ScreenRect>()> keep_clear_;
};

}  // namespace kelvo
