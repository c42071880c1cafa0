// The manual (F1) and the keyboard-shortcut list: HTML in a QTextBrowser, a window of its own
// that stays above the main window without blocking it. The manual ships inside the program
// (resource ":/doc/manual.html") and, installed, under the package's doc folder.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "editor/main_window/window_placement.h"

class QTextBrowser;

namespace kelvo {

// The manual's HTML; empty when the resource is missing.
QString ManualHtml();

class ManualWindow : public QDialog {
 public:
  explicit ManualWindow(QWidget* owner);

  // Shows `html` under `title`, brought to the front, beside the full-size preview and wholly on
  // the screen.
  void ShowHtml(const QString& title, const QString& html);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace kelvo
