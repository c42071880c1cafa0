#include "gui/dialogs/manual_window.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <optional>

#include "gui/window_geometry.h"

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

void ManualWindow::ShowHtml(const QString& title, const QString& html,
                            const std::vector<ScreenRect>& keep_clear) {
  setWindowTitle(title);
  browser_->setHtml(html);
  // Wholly on the screen: at most the available area, less a margin for the frame.
  const QScreen* screen =
      parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  resize(std::min(720, area.width() - 40), std::min(640, area.height() - 80));
  const QPoint centred(area.left() + (area.width() - width()) / 2,
                       area.top() + (area.height() - height()) / 2);
  // Room for the frame the window manager adds.
  const ScreenRect outer{0, 0, width() + 10, height() + 34};
  const std::optional<ScreenPoint> place =
      PlaceAvoiding(outer, ToScreenRect(area), keep_clear, ScreenPoint{centred.x(), centred.y()});
  move(place ? QPoint(place->X, place->Y) : centred);
  show();
  raise();
  activateWindow();
}

}  // namespace kelvo
