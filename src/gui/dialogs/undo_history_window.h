// "Undo history": the list of undo steps over the editor's history (undo_history.h); a click
// on a line goes back or forward to it. A tool window of the main window, shown again by the
// Edit menu and refilled whenever the main window shows a change.
#pragma once

#include <QWidget>
#include <functional>

class QListWidget;

namespace kelvo {

struct UndoHistoryView;

class UndoHistoryWindow : public QWidget {
 public:
  // `go_to` is called with the line clicked.
  UndoHistoryWindow(QWidget* parent, std::function<void(int)> go_to);
  void Show(const UndoHistoryView& view);
  QListWidget* List() const { return list_; }

 private:
  QListWidget* list_;
  std::function<void(int)> go_to_;
  bool filling_ = false;
};

}  // namespace kelvo
