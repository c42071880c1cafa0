#include "gui/dialogs/undo_history_window.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "editor/session/undo/undo_history.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {

UndoHistoryWindow::UndoHistoryWindow(QWidget* parent, std::function<void(int)> go_to)
    : QWidget(parent, Qt::Tool), list_(new QListWidget(this)), go_to_(std::move(go_to)) {
  setObjectName("UndoHistory");
  PlaceWhenShown(this);
  setWindowTitle("Undo history");
  list_->setObjectName("LbxHistory");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(list_);
  resize(260, 320);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_ && row >= 0) go_to_(row);
  });
}

void UndoHistoryWindow::Show(const UndoHistoryView& view) {
  filling_ = true;
  list_->clear();
  for (std::size_t i = 0; i < view.Lines.size(); ++i) {
    auto* item = new QListWidgetItem(FromAnsi(view.Lines[i]), list_);
    // The saved state carries a mark, as the lines after the present one are greyed.
    if (static_cast<long>(i) == view.Clean) item->setText(item->text() + "  (saved)");
    if (i > view.Current) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
  }
  list_->setCurrentRow(static_cast<int>(view.Current));
  filling_ = false;
}

}  // namespace kelvo
