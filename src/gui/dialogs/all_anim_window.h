// TFAllAnim: the "Animate all" window. The 80 x 100 talking head of its model, repainted on
// each 50 ms tick of its timer TMAnimAll, and "Stop". It has no close button; Escape and a
// close request from the window system act as "Stop", so the timer never outlives the
// window. Owns its model; modal.
#pragma once

#include <QDialog>

#include "editor/windows/animate_all_model.h"

class QTimer;

namespace kelvo {

class TFAllAnim : public QDialog {
 public:
  TFAllAnim(EditorSession& session, QWidget* owner);

  AnimateAllModel& Model() { return model_; }
  QTimer* Timer() const { return timer_; }
  // Starts the timer and shows the window modally until "Stop"; the model must have started.
  int Execute();
  void done(int result) override;

 private:
  AnimateAllModel model_;
  QWidget* image_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace kelvo
