// The main window's status bar: it shows the status bar model's texts (the data set, the
// current category and component, the mouse over the full-size preview, the last command's
// message). The form owns it and its model.
#pragma once

#include <QStatusBar>

#include "editor/main_window/status_bar_model.h"

class QLabel;

namespace kelvo {

class EditorSession;
class TFZobr;

class MainFormStatus : public QStatusBar {
  Q_OBJECT

 public:
  // Follows the mouse over `preview` (the full-size one).
  MainFormStatus(EditorSession& session, TFZobr* preview, QWidget* parent);

  StatusBarModel& Model() { return model_; }
  // Reads the session again; the form calls it after every change.
  void ShowState();

 private:
  void ShowPointer();

  StatusBarModel model_;
  QLabel* data_set_ = nullptr;
  QLabel* selection_ = nullptr;
  QLabel* pointer_ = nullptr;
};

}  // namespace kelvo
