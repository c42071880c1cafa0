// Forwarding of the main window's user input to the editor model.
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <functional>

#include "gui/dialogs/colours_dialog.h"
#include "gui/dialogs/gallery_window.h"
#include "gui/dialogs/properties_dialog.h"
#include "gui/dialogs/spread_dialog.h"
#include "gui/main_window/main_form.h"
#include "gui/main_window/preview_window.h"
#include "gui/main_window/radio_group.h"
#include "gui/window_geometry.h"

namespace kelvo {
namespace {

MouseButton ToModel(Qt::MouseButton button) {
  if (button == Qt::RightButton) return MouseButton::Right;
  if (button == Qt::MiddleButton) return MouseButton::Middle;
  return MouseButton::Left;
}

// Reports the chosen line of a list as the user picks it: when the current line changes (by
// keyboard, click or drag) and when a click lands on the line that already was current. A click
// that moved the current line is reported once.
class ListLineForwarder : public QObject {
 public:
  ListLineForwarder(QListWidget* list, std::function<void(int)> on_line)
      : QObject(list), on_line_(std::move(on_line)) {
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
      moved_by_press_ = true;
      if (row >= 0) on_line_(row);
    });
    connect(list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* item) {
      if (!moved_by_press_) on_line_(list->row(item));
      moved_by_press_ = false;
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) moved_by_press_ = false;
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void(int)> on_line_;
  bool moved_by_press_ = false;
};

template <typename OnLine>
void ConnectList(QListWidget* list, OnLine on_line) {
  new ListLineForwarder(list, on_line);  // owned by the list
}

}  // namespace

void TMainForm::ConnectControls() {
  EditorModel& m = model_;
  // The inner actions name the model directly; they run synchronously inside Run.
  EditorModel* model = &model_;
  auto click = [this, model](QAbstractButton* button, void (EditorModel::*handler)()) {
    connect(button, &QAbstractButton::clicked, this,
            [this, model, handler] { Run([model, handler] { (model->*handler)(); }); });
  };
  auto check = [this, model](QAbstractButton* box, void (EditorModel::*handler)(bool)) {
    connect(box, &QAbstractButton::clicked, this, [this, model, handler](bool on) {
      Run([model, handler, on] { (model->*handler)(on); });
    });
  };
  auto spin = [this, model](QSpinBox* box, void (EditorModel::*handler)(int)) {
    connect(box, &QSpinBox::valueChanged, this, [this, model, handler](int value) {
      Run([model, handler, value] { (model->*handler)(value); });
    });
  };

  connect(c_.category_group, &QButtonGroup::idClicked, this,
          [this, &m](int i) { Run([&] { m.CategoryButtonClick(i); }); });
  for (int i = 1; i <= kCategoryCount; ++i) {
    connect(c_.lock[i], &QCheckBox::clicked, this,
            [this, &m, i](bool on) { Run([&] { m.ChkKompNahLockClick(i, on); }); });
    connect(c_.hide[i], &QCheckBox::clicked, this,
            [this, &m, i](bool on) { Run([&] { m.ChkKompShowClick(i, on); }); });
  }
  for (int i = 1; i <= kPreviewCount; ++i) {
    connect(c_.preview_boxes[i], &QCheckBox::clicked, this,
            [this, &m, i](bool on) { Run([&] { m.ChkZobrClick(i, on); }); });
  }
  for (int i = 1; i <= kSubcomponentCount; ++i) {
    connect(c_.clip[i], &QCheckBox::clicked, this,
            [this, &m, i](bool on) { Run([&] { m.ChkOrezClick(i, on); }); });
  }

  connect(c_.RGKomp, &RadioGroup::ItemClicked, this,
          [this, &m](int item) { Run([&] { m.RGKompClick(item); }); });
  ConnectList(c_.LbxKomp, [this, &m](int line) { Run([&] { m.LbxKompClick(line); }); });
  spin(c_.SpinEditCetn, &EditorModel::SpinEditCetnChange);
  click(c_.BtnSmazat, &EditorModel::BtnSmazatClick);

  spin(c_.SpinEditPosX, &EditorModel::SpinEditPosXChange);
  spin(c_.SpinEditPosY, &EditorModel::SpinEditPosYChange);
  spin(c_.SpinEditRozX, &EditorModel::SpinEditRozXChange);
  spin(c_.SpinEditRozY, &EditorModel::SpinEditRozYChange);
  spin(c_.SEDefRozX, &EditorModel::SEDefRozXChange);
  spin(c_.SEDefRozY, &EditorModel::SEDefRozYChange);
  click(c_.BtnDefRozesun, &EditorModel::BtnDefRozesunClick);
  click(c_.BtnUsePos, &EditorModel::BtnUsePosClick);
  click(c_.BtnUsePosAll, &EditorModel::BtnUsePosAllClick);
  click(c_.BtnNull, &EditorModel::BtnNullClick);
  click(c_.BtnNullAll, &EditorModel::BtnNullAllClick);

  ConnectList(c_.LbxUmist, [this, &m](int line) { Run([&] { m.LbxUmistClick(line); }); });
  spin(c_.SpinUmistX, &EditorModel::SpinUmistXChange);
  spin(c_.SpinUmistY, &EditorModel::SpinUmistYChange);
  check(c_.ChbLockUm, &EditorModel::ChbLockUmClick);
  check(c_.ChkUmBod, &EditorModel::ChkUmBodClick);
  check(c_.ChbSelKomp, &EditorModel::ChbSelKompClick);
  check(c_.ChkRozpt, &EditorModel::ChkRozptClick);
  click(c_.RBNastKomp, &EditorModel::RBNastKompClick);
  click(c_.RBNastBod, &EditorModel::RBNastBodClick);

  click(c_.BtnNahodKomp, &EditorModel::BtnNahodKompClick);
  click(c_.BtnNahodAll, &EditorModel::BtnNahodAllClick);
  click(c_.BtnNahodKompAll, &EditorModel::BtnNahodKompAllClick);
  click(c_.BtnBarvaNahAll, &EditorModel::BtnBarvaNahAllClick);
  click(c_.BtnNahAmer, &EditorModel::BtnNahAmerClick);
  click(c_.BtnNahArab, &EditorModel::BtnNahArabClick);
  click(c_.BtnNahRus, &EditorModel::BtnNahRusClick);
  click(c_.BtnNahUmB, &EditorModel::BtnNahUmBClick);
  click(c_.BtnRozptUse, &EditorModel::BtnRozptUseClick);
  click(c_.BtnRozptVsem, &EditorModel::BtnRozptVsemClick);
  click(c_.BtnRozptNulNah, &EditorModel::BtnRozptNulNahClick);
  click(c_.BtnNastNahUmB, &EditorModel::BtnNastNahUmBClick);
  connect(spread_dialog_, &TFRozpt::LimitChanged, this, [this, &m](SpreadDirection d, int value) {
    Run([&] { m.SpreadLimitChange(d, value); });
  });
  connect(spread_dialog_, &TFRozpt::DirectionClicked, this,
          [this, &m](SpreadDirection d) { Run([&] { m.SpreadDirectionClick(d); }); });
  connect(spread_dialog_, &TFRozpt::HideRequested, this,
          [this, &m] { Run([&] { m.SpreadDialogHide(); }); });
  click(c_.BtnUndo, &EditorModel::BtnUndoClick);
  click(c_.BtnUndoAll, &EditorModel::BtnUndoAllClick);
  click(c_.BtnRedo, &EditorModel::BtnRedoClick);
  click(c_.BtnImport, &EditorModel::BtnImportClick);
  click(c_.BtnMirror, &EditorModel::BtnMirrorClick);
  click(c_.Button6, &EditorModel::Button6Click);
  click(c_.hidden_buttons[1], &EditorModel::Button1Click);
  click(c_.BtnNacist, &EditorModel::BtnNacistClick);
  click(c_.BtnUloz, &EditorModel::BtnUlozClick);
  click(c_.BtnPridGal, &EditorModel::BtnPridGalClick);
  click(c_.BtnBackToGal, &EditorModel::BtnBackToGalClick);
  connect(c_.BtnVlast, &QPushButton::clicked, this, [this] {
    Run([this] {
      if (properties_dialog_->Model().OpenForSelectedComponent()) properties_dialog_->Execute();
    });
  });
  connect(c_.BtnBarvy, &QPushButton::clicked, this, [this] {
    colours_dialog_->show();
    colours_dialog_->raise();
    colours_dialog_->activateWindow();
  });
}

void TMainForm::ConnectGallery() {
  connect(c_.BtnGal, &QPushButton::clicked, gallery_, &TGalerie::ShowWindow);
  connect(gallery_, &TGalerie::BackToGalleryEnabled, c_.BtnBackToGal, &QPushButton::setEnabled);
  c_.BtnBackToGal->setEnabled(false);
  gallery_->SetKeepClear([this] {
    const QRect button(c_.BtnPridGal->mapToGlobal(QPoint(0, 0)), c_.BtnPridGal->size());
    return std::vector<ScreenRect>{ToScreenRect(button)};
  });
}

void TMainForm::ConnectPreview(TFZobr* preview) {
  const int window = preview->Tag();
  connect(preview, &TFZobr::ImageMouseDown, this, [this, window](Qt::MouseButton b, int x, int y) {
    Run([&] { model_.ImageMouseDown(window, ToModel(b), x, y); });
  });
  connect(preview, &TFZobr::ImageMouseMove, this,
          [this, window](int x, int y) { Run([&] { model_.ImageMouseMove(window, x, y); }); });
  connect(preview, &TFZobr::ImageMouseUp, this, [this, window](Qt::MouseButton b, int x, int y) {
    Run([&] { model_.ImageMouseUp(window, ToModel(b), x, y); });
  });
  connect(preview, &TFZobr::ClosedByUser, this,
          [this](int tag) { Run([&] { model_.ChkZobrClick(tag, false); }); });
}

}  // namespace kelvo
