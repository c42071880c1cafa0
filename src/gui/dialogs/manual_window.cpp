#include "gui/dialogs/manual_window.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kelvo {

QString ManualHtml() {
  QFile file(":/doc/manual.html");
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

ManualWindow::ManualWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("ManualWindow");
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
  // Wholly on the screen: at most the available area, less a margin for the frame.
  const QScreen* screen =
      parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  resize(std::min(720, area.width() - 40), std::min(640, area.height() - 80));
  move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  show();
  raise();
  activateWindow();
}

}  // namespace kelvo
