// The controls of the main window, created with their design names as object names and their
// captions, laid out in groups. The form owns them (Qt parent ownership); this struct only
// points at them. Index 0 of the per-category and per-slot arrays is unused.
#pragma once

#include <QStringList>
#include <array>

#include "editor/session/editor_state.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace kelvo {

class RadioGroup;

struct MainFormControls {
  // Category panel.
  std::array<QPushButton*, kCategoryCount + 1> speedb{};
  std::array<QCheckBox*, kCategoryCount + 1> lock{};  // ChkKompNahLock + i
  std::array<QCheckBox*, kCategoryCount + 1> hide{};  // ChkKompShow + i
  QButtonGroup* category_group = nullptr;
  std::array<QCheckBox*, 5> preview_boxes{};  // ChkZobr + i

  // Component list.
  RadioGroup* RGKomp = nullptr;
  QListWidget* LbxKomp = nullptr;
  QSpinBox* SpinEditCetn = nullptr;
  QPushButton* BtnSmazat = nullptr;
  QLineEdit* EditSig = nullptr;

  // Placement.
  QSpinBox* SpinEditPosX = nullptr;
  QSpinBox* SpinEditPosY = nullptr;
  QSpinBox* SpinEditRozX = nullptr;
  QSpinBox* SpinEditRozY = nullptr;
  QSpinBox* SEDefRozX = nullptr;
  QSpinBox* SEDefRozY = nullptr;
  QPushButton* BtnDefRozesun = nullptr;
  QPushButton* BtnUsePos = nullptr;
  QPushButton* BtnUsePosAll = nullptr;
  QPushButton* BtnNull = nullptr;
  QPushButton* BtnNullAll = nullptr;

  // Snapping points and drawing options.
  QListWidget* LbxUmist = nullptr;
  QSpinBox* SpinUmistX = nullptr;
  QSpinBox* SpinUmistY = nullptr;
  QCheckBox* ChbLockUm = nullptr;
  QCheckBox* ChkUmBod = nullptr;
  QRadioButton* RBNastKomp = nullptr;
  QRadioButton* RBNastBod = nullptr;
  QCheckBox* ChbSelKomp = nullptr;
  std::array<QCheckBox*, kSubcomponentCount + 1> clip{};  // ChkOrez + i

  // Randomising, spread and undo.
  QPushButton* BtnNahodKomp = nullptr;
  QPushButton* BtnNahodAll = nullptr;
  QPushButton* BtnNahodKompAll = nullptr;
  QPushButton* BtnBarvaNahAll = nullptr;
  QPushButton* BtnNahAmer = nullptr;
  QPushButton* BtnNahArab = nullptr;
  QPushButton* BtnNahRus = nullptr;
  QCheckBox* ChkRozpt = nullptr;
  QPushButton* BtnNahUmB = nullptr;
  QPushButton* BtnNastNahUmB = nullptr;
  QPushButton* BtnRozptUse = nullptr;
  QPushButton* BtnRozptVsem = nullptr;
  QPushButton* BtnRozptNulNah = nullptr;
  QPushButton* BtnUndo = nullptr;
  QPushButton* BtnRedo = nullptr;
  QPushButton* BtnUndoAll = nullptr;

  // Animation.
  QPushButton* BtnAnimuj = nullptr;
  QPushButton* BtnAnimSet = nullptr;
  QPushButton* BtnAnimAll = nullptr;

  // Library, files and windows.
  QPushButton* BtnImport = nullptr;
  QPushButton* BtnNacist = nullptr;
  QPushButton* BtnUloz = nullptr;
  QPushButton* BtnEdKomp = nullptr;
  QPushButton* BtnEdKont = nullptr;
  QPushButton* BtnVlast = nullptr;
  QPushButton* BtnMirror = nullptr;
  QPushButton* Button6 = nullptr;
  QPushButton* BtnBarvy = nullptr;
  QPushButton* BtnGal = nullptr;
  QPushButton* BtnPridGal = nullptr;
  QPushButton* BtnBackToGal = nullptr;
  QPushButton* Button5 = nullptr;
  std::array<QPushButton*, 5> hidden_buttons{};  // Button1 .. Button4
};

// Creates every control on `form` and lays them out. `category_names` holds the 14 display names.
MainFormControls BuildMainFormControls(QWidget* form, const QStringList& category_names);

}  // namespace kelvo
