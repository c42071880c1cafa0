#include "gui/main_window/main_form_status.h"

#include <QLabel>

#include "gui/main_window/preview_window.h"
#include "gui/text_codec.h"

namespace kelvo {
namespace {

QLabel* Field(QStatusBar* bar, const QString& name, int min_width) {
  auto* label = new QLabel(bar);
  label->setObjectName(name);
  label->setMinimumWidth(min_width);
  bar->addPermanentWidget(label);
  return label;
}

}  // namespace

MainFormStatus::MainFormStatus(EditorSession& session, TFZobr* preview, QWidget* parent)
    : QStatusBar(parent), model_(session) {
  setObjectName("StatusBar");
  setSizeGripEnabled(false);
  selection_ = Field(this, "StatusSelection", 140);
  pointer_ = Field(this, "StatusPointer", 90);
  data_set_ = Field(this, "StatusDataSet", 110);
  selection_->setToolTip("The current category and its selected component");
  pointer_->setToolTip("The mouse over the full-size preview, in image pixels");
  data_set_->setToolTip("The data set being edited");
  const int window = preview->Tag();
  connect(preview, &TFZobr::PointerMoved, this, [this, window](int x, int y) {
    model_.PointerAt(window, x, y);
    ShowPointer();
  });
  connect(preview, &TFZobr::PointerLeft, this, [this] {
    model_.PointerLeft();
    ShowPointer();
  });
}

void MainFormStatus::ShowState() {
  model_.Update();
  const StatusBarState& s = model_.State();
  data_set_->setText(FromAnsi(s.DataSet));
  selection_->setText(FromAnsi(s.Selection));
  const QString message = FromAnsi(s.Message);
  if (currentMessage() != message) showMessage(message);
  ShowPointer();
}

void MainFormStatus::ShowPointer() {
  pointer_->setText(FromAnsi(model_.State().Pointer));
}

}  // namespace kelvo
