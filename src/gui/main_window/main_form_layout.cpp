// Creation and layout of the main window's controls.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "gui/main_window/main_form_controls.h"
#include "gui/main_window/radio_group.h"

namespace kelvo {
namespace {

template <typename T>
T* Named(T* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = Named(new QPushButton(caption, parent), name);
  button->setAutoDefault(false);
  return button;
}

QCheckBox* Check(QWidget* parent, const QString& name, const QString& caption) {
  return Named(new QCheckBox(caption, parent), name);
}

// The design's integer edits are unbounded.
QSpinBox* Spin(QWidget* parent, const QString& name, int value = 0) {
  auto* spin = Named(new QSpinBox(parent), name);
  spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  spin->setValue(value);
  spin->setFixedWidth(66);
  spin->setAlignment(Qt::AlignRight);
  spin->setKeyboardTracking(false);
  return spin;
}

QLabel* Caption(QWidget* parent, const QString& text, Qt::Alignment align = Qt::AlignLeft) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(align | Qt::AlignVCenter);
  return label;
}

// A grid of buttons, `columns` per row.
QGridLayout* ButtonGrid(const std::initializer_list<QPushButton*> buttons, int columns) {
  auto* grid = new QGridLayout;
  grid->setSpacing(4);
  int i = 0;
  for (QPushButton* button : buttons) {
    grid->addWidget(button, i / columns, i % columns);
    ++i;
  }
  return grid;
}

QGroupBox* Group(QWidget* parent, const QString& title, const QString& name) {
  return Named(new QGroupBox(title, parent), name);
}

void BuildCategoryPanel(QWidget* form, MainFormControls& c, const QStringList& names,
                        QVBoxLayout* column) {
  QGroupBox* panel = Group(form, "Category", "PanKateg");
  auto* grid = new QGridLayout(panel);
  grid->setVerticalSpacing(2);
  grid->setHorizontalSpacing(6);
  grid->addWidget(Caption(panel, "Lock", Qt::AlignHCenter), 0, 0);
  grid->addWidget(Caption(panel, "Hide", Qt::AlignHCenter), 0, 2);
  // The chosen category must stand out from the other thirteen at a glance.
  panel->setStyleSheet(
      "QPushButton:checked { background-color: palette(highlight); color: "
      "palette(highlighted-text);"
      " border: 1px solid palette(shadow); border-radius: 3px; padding: 3px 6px; }");
  c.category_group = new QButtonGroup(form);
  c.category_group->setExclusive(true);
  for (int i = 1; i <= kCategoryCount; ++i) {
    const QString caption = i <= names.size() ? names[i - 1] : QString::number(i);
    c.lock[i] = Check(panel, QString("ChkKompNahLock%1").arg(i), QString());
    c.lock[i]->setToolTip("Keep this category's component in the random commands");
    c.speedb[i] = Button(panel, QString("speedb%1").arg(i), caption);
    c.speedb[i]->setCheckable(true);
    c.speedb[i]->setMinimumWidth(88);
    c.category_group->addButton(c.speedb[i], i);
    c.hide[i] = Check(panel, QString("ChkKompShow%1").arg(i), QString());
    c.hide[i]->setToolTip("Hide this category in the portrait");
    grid->addWidget(c.lock[i], i, 0, Qt::AlignHCenter);
    grid->addWidget(c.speedb[i], i, 1);
    grid->addWidget(c.hide[i], i, 2, Qt::AlignHCenter);
  }
  column->addWidget(panel);

  QGroupBox* previews = Group(form, "Previews", "PanZobr");
  auto* row = new QHBoxLayout(previews);
  for (int i = 1, factor = 1; i <= 4; ++i, factor *= 2) {
    c.preview_boxes[i] = Check(previews, QString("ChkZobr%1").arg(i), QString("%1x").arg(factor));
    row->addWidget(c.preview_boxes[i]);
  }
  column->addWidget(previews);
}

void BuildComponentPanel(QWidget* form, MainFormControls& c, QVBoxLayout* column) {
  c.RGKomp = Named(new RadioGroup("List", form), "RGKomp");
  c.RGKomp->SetItems({"without animations", "only animations", "animation steps"});
  c.RGKomp->SetItemIndex(0);
  column->addWidget(c.RGKomp);
  QGroupBox* panel = Group(form, "Component", "PanKomp");
  auto* box = new QVBoxLayout(panel);
  c.LbxKomp = Named(new QListWidget(panel), "LbxKomp");
  c.LbxKomp->setMinimumSize(150, 220);
  box->addWidget(c.LbxKomp, 1);
  auto* freq = new QHBoxLayout;
  freq->addWidget(Caption(panel, "Freq."));
  c.SpinEditCetn = Spin(panel, "SpinEditCetn", 999);
  freq->addWidget(c.SpinEditCetn);
  freq->addStretch(1);
  c.BtnSmazat = Button(panel, "BtnSmazat", "&Remove");
  freq->addWidget(c.BtnSmazat);
  box->addLayout(freq);
  column->addWidget(panel, 1);

  QGroupBox* clipping = Group(form, "Clipping:", "PanOrez");
  auto* clips = new QGridLayout(clipping);
  clips->setVerticalSpacing(2);
  for (int i = 1; i <= kSubcomponentCount; ++i) {
    c.clip[i] = Check(clipping, QString("ChkOrez%1").arg(i), QString("Clip %1.subcomp.").arg(i));
    clips->addWidget(c.clip[i], i - 1, 0);
  }
  column->addWidget(clipping);
}

void BuildPlacementPanel(QWidget* form, MainFormControls& c, QVBoxLayout* column) {
  QGroupBox* panel = Group(form, "Placement", "PanPos");
  auto* grid = new QGridLayout(panel);
  grid->setVerticalSpacing(4);
  grid->addWidget(Caption(panel, "X", Qt::AlignHCenter), 0, 1);
  grid->addWidget(Caption(panel, "Y", Qt::AlignHCenter), 0, 2);
  c.SpinEditPosX = Spin(panel, "SpinEditPosX");
  c.SpinEditPosY = Spin(panel, "SpinEditPosY");
  c.SpinEditRozX = Spin(panel, "SpinEditRozX");
  c.SpinEditRozY = Spin(panel, "SpinEditRozY");
  c.SEDefRozX = Spin(panel, "SEDefRozX");
  c.SEDefRozY = Spin(panel, "SEDefRozY");
  c.BtnDefRozesun = Button(panel, "BtnDefRozesun", "Def. span");
  grid->addWidget(Caption(panel, "Shift"), 1, 0);
  grid->addWidget(c.SpinEditPosX, 1, 1);
  grid->addWidget(c.SpinEditPosY, 1, 2);
  grid->addWidget(Caption(panel, "Span"), 2, 0);
  grid->addWidget(c.SpinEditRozX, 2, 1);
  grid->addWidget(c.SpinEditRozY, 2, 2);
  grid->addWidget(c.BtnDefRozesun, 3, 0);
  grid->addWidget(c.SEDefRozX, 3, 1);
  grid->addWidget(c.SEDefRozY, 3, 2);
  c.BtnUsePos = Button(panel, "BtnUsePos", "Set");
  c.BtnUsePosAll = Button(panel, "BtnUsePosAll", "Set all");
  c.BtnNull = Button(panel, "BtnNull", "Unset");
  c.BtnNullAll = Button(panel, "BtnNullAll", "Unset all");
  grid->addLayout(ButtonGrid({c.BtnUsePos, c.BtnUsePosAll, c.BtnNull, c.BtnNullAll}, 2), 4, 0, 1,
                  3);
  column->addWidget(panel);

  QGroupBox* points = Group(form, "Snapping points:", "PanUmist");
  auto* box = new QVBoxLayout(points);
  c.LbxUmist = Named(new QListWidget(points), "LbxUmist");
  c.LbxUmist->setMinimumHeight(90);
  box->addWidget(c.LbxUmist, 1);
  auto* xy = new QHBoxLayout;
  xy->addWidget(Caption(points, "X"));
  c.SpinUmistX = Spin(points, "SpinUmistX");
  xy->addWidget(c.SpinUmistX);
  xy->addWidget(Caption(points, "Y"));
  c.SpinUmistY = Spin(points, "SpinUmistY");
  xy->addWidget(c.SpinUmistY);
  xy->addStretch(1);
  box->addLayout(xy);
  auto* checks = new QHBoxLayout;
  c.ChbLockUm = Check(points, "ChbLockUm", "Lock");
  c.ChkUmBod = Check(points, "ChkUmBod", "Draw snap point");
  checks->addWidget(c.ChbLockUm);
  checks->addWidget(c.ChkUmBod);
  checks->addStretch(1);
  box->addLayout(checks);
  column->addWidget(points, 1);

  QGroupBox* mouse = Group(form, " Mouse used for: ", "RGMouse");
  auto* radios = new QHBoxLayout(mouse);
  c.RBNastKomp = Named(new QRadioButton("components", mouse), "RBNastKomp");
  c.RBNastBod = Named(new QRadioButton("snap. points", mouse), "RBNastBod");
  c.RBNastKomp->setChecked(true);
  radios->addWidget(c.RBNastKomp);
  radios->addWidget(c.RBNastBod);
  column->addWidget(mouse);
  c.ChbSelKomp = Check(form, "ChbSelKomp", "Only selected comp.");
  column->addWidget(c.ChbSelKomp);
}

void BuildUndoPanel(QWidget* form, MainFormControls& c, QVBoxLayout* column) {
  QGroupBox* undo = Group(form, "Undo", "PanUndo");
  c.BtnUndo = Button(undo, "BtnUndo", "Undo");
  c.BtnRedo = Button(undo, "BtnRedo", "Redo");
  c.BtnUndoAll = Button(undo, "BtnUndoAll", "Undo all");
  // Their keys belong to the Edit menu's actions (main_form_actions.cpp).
  auto* undo_box = new QVBoxLayout(undo);
  undo_box->addLayout(ButtonGrid({c.BtnUndo, c.BtnRedo, c.BtnUndoAll}, 2));
  column->addWidget(undo);
}

void BuildCommandPanel(QWidget* form, MainFormControls& c, QVBoxLayout* column) {
  QGroupBox* random = Group(form, "Random", "PanNahod");
  c.BtnNahodAll = Button(random, "BtnNahodAll", "Random all");
  c.BtnNahodKomp = Button(random, "BtnNahodKomp", "Random");
  c.BtnNahodKompAll = Button(random, "BtnNahodKompAll", "Rand. comps.");
  c.BtnBarvaNahAll = Button(random, "BtnBarvaNahAll", "Rand. colors");
  c.BtnNahAmer = Button(random, "BtnNahAmer", "Amer.");
  c.BtnNahArab = Button(random, "BtnNahArab", "Arab.");
  c.BtnNahRus = Button(random, "BtnNahRus", "Rus.");
  auto* random_grid = new QGridLayout(random);
  random_grid->setSpacing(4);
  random_grid->addWidget(c.BtnNahodAll, 0, 0, 1, 3);
  random_grid->addWidget(c.BtnNahodKomp, 1, 0);
  random_grid->addWidget(c.BtnNahodKompAll, 1, 1);
  random_grid->addWidget(c.BtnBarvaNahAll, 1, 2);
  random_grid->addWidget(c.BtnNahAmer, 2, 0);
  random_grid->addWidget(c.BtnNahArab, 2, 1);
  random_grid->addWidget(c.BtnNahRus, 2, 2);
  column->addWidget(random);

  QGroupBox* spread = Group(form, "Spread", "PanRozpt");
  auto* spread_box = new QVBoxLayout(spread);
  c.ChkRozpt = Check(spread, "ChkRozpt", "w. spread");
  spread_box->addWidget(c.ChkRozpt);
  c.BtnNahUmB = Button(spread, "BtnNahUmB", "Rnd.spread");
  c.BtnNastNahUmB = Button(spread, "BtnNastNahUmB", "Edit");
  c.BtnRozptUse = Button(spread, "BtnRozptUse", "Apply");
  c.BtnRozptVsem = Button(spread, "BtnRozptVsem", "Copy to all");
  c.BtnRozptNulNah = Button(spread, "BtnRozptNulNah", "Unset");
  spread_box->addLayout(ButtonGrid(
      {c.BtnNahUmB, c.BtnNastNahUmB, c.BtnRozptUse, c.BtnRozptVsem, c.BtnRozptNulNah}, 3));
  column->addWidget(spread);

  QGroupBox* anim = Group(form, "Animation", "PanAnim");
  c.BtnAnimuj = Button(anim, "BtnAnimuj", "Anim. comp.");
  c.BtnAnimSet = Button(anim, "BtnAnimSet", "Animation");
  c.BtnAnimAll = Button(anim, "BtnAnimAll", "Animate all");
  auto* anim_box = new QVBoxLayout(anim);
  anim_box->addLayout(ButtonGrid({c.BtnAnimuj, c.BtnAnimSet, c.BtnAnimAll}, 3));
  column->addWidget(anim);

  QGroupBox* library = Group(form, "Library", "PanLib");
  c.BtnImport = Button(library, "BtnImport", "&Import");
  c.BtnEdKomp = Button(library, "BtnEdKomp", "Edit comp.");
  c.BtnEdKont = Button(library, "BtnEdKont", "Edit type");
  c.BtnVlast = Button(library, "BtnVlast", "&Properties");
  c.BtnBarvy = Button(library, "BtnBarvy", "Colors");
  c.BtnMirror = Button(library, "BtnMirror", "Mirror");
  c.BtnNacist = Button(library, "BtnNacist", "&Sex");
  c.BtnUloz = Button(library, "BtnUloz", "&Save");
  c.BtnUloz->hide();
  auto* library_box = new QVBoxLayout(library);
  library_box->addLayout(ButtonGrid(
      {c.BtnImport, c.BtnEdKomp, c.BtnEdKont, c.BtnVlast, c.BtnBarvy, c.BtnMirror, c.BtnNacist},
      3));
  column->addWidget(library);

  QGroupBox* gallery = Group(form, "Gallery and export", "PanGal");
  c.BtnGal = Button(gallery, "BtnGal", "Gallery");
  c.BtnPridGal = Button(gallery, "BtnPridGal", "Add to gal.");
  c.BtnBackToGal = Button(gallery, "BtnBackToGal", "Back to gal.");
  c.Button6 = Button(gallery, "Button6", "Save As BMP");
  c.Button5 = Button(gallery, "Button5", "Multi Avatar");
  auto* gallery_box = new QVBoxLayout(gallery);
  gallery_box->addLayout(
      ButtonGrid({c.BtnGal, c.BtnPridGal, c.BtnBackToGal, c.Button6, c.Button5}, 3));
  column->addWidget(gallery);
  for (int i = 1; i <= 4; ++i) {
    c.hidden_buttons[i] = Button(form, QString("Button%1").arg(i), QString::number(i));
    c.hidden_buttons[i]->hide();
  }
  column->addStretch(1);
}

}  // namespace

MainFormControls BuildMainFormControls(QWidget* form, const QStringList& category_names) {
  MainFormControls c;
  auto* outer = new QVBoxLayout(form);
  auto* columns = new QHBoxLayout;
  columns->setSpacing(4);
  outer->addLayout(columns, 1);
  std::array<QVBoxLayout*, 4> column{};
  for (QVBoxLayout*& col : column) {
    col = new QVBoxLayout;
    columns->addLayout(col);
  }
  BuildCategoryPanel(form, c, category_names, column[0]);
  BuildUndoPanel(form, c, column[0]);
  column[0]->addStretch(1);
  BuildComponentPanel(form, c, column[1]);
  BuildPlacementPanel(form, c, column[2]);
  BuildCommandPanel(form, c, column[3]);

  auto* signature = new QHBoxLayout;
  signature->addWidget(Caption(form, "Signature:"));
  c.EditSig = Named(new QLineEdit(form), "EditSig");
  c.EditSig->setReadOnly(true);
  signature->addWidget(c.EditSig, 1);
  outer->addLayout(signature);
  // Narrow side margins: with the previews docked beside them the columns fit 1280 pixels.
  for (QGroupBox* group : form->findChildren<QGroupBox*>()) {
    if (QLayout* inner = group->layout()) {
      QMargins margins = inner->contentsMargins();
      margins.setLeft(6);
      margins.setRight(6);
      inner->setContentsMargins(margins);
    }
  }
  QMargins margins = outer->contentsMargins();
  margins.setLeft(6);
  margins.setRight(6);
  outer->setContentsMargins(margins);
  return c;
}

}  // namespace kelvo
