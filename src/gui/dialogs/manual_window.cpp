#include "gui/dialogs/manual_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "gui/window_geometry.h"

namespace kelvo {

QString ManualHtml() {
  QFile file(":/doc/manual.html");
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

ManualWindow::ManualWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("ManualWindow");
  PlaceWhenShown(this);
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("ManualText");
  browser_->setOpenExternalLinks(true);
  layout->addWidget(browser_);
}

void ManualWindow::ShowHtml(const QString& title, const QString& html) {
  setWindowTitle(title);
  browser_->setHtml(html);
  // Placed on screen as it opens; a manual already open stays where the user put it.
  if (!isVisible()) resize(720, 640);
  show();
  raise();
  activateWindow();
}

}  // namespace kelvo
