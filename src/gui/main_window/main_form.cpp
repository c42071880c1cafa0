#include "gui/main_window/main_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>

#include "gui/dialogs/colours_dialog.h"
#include "gui/dialogs/export_dialog.h"
#include "gui/dialogs/gallery_window.h"
#include "gui/dialogs/properties_dialog.h"
#include "gui/dialogs/spread_dialog.h"
#include "gui/main_window/category_names.h"
#include "gui/main_window/main_form_actions.h"
#include "gui/main_window/main_form_status.h"
#include "gui/main_window/preview_window.h"
#include "gui/main_window/radio_group.h"
#include "gui/message_box_sink.h"
#include "gui/qt_desktop_port.h"
#include "gui/settings_store.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {
namespace {

QStringList ToQt(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << FromAnsi(line);
  return list;
}

void SetSpin(QSpinBox* spin, int value, bool enabled = true) {
  const QSignalBlocker block(spin);
  spin->setValue(value);
  spin->setEnabled(enabled);
}

void SetCheck(QAbstractButton* box, bool checked, bool enabled = true) {
  const QSignalBlocker block(box);
  box->setChecked(checked);
  box->setEnabled(enabled);
}

// Refills a list only when its lines changed, so the scroll position survives a selection.
void SetLines(QListWidget* list, const std::vector<std::string>& lines, int current) {
  const QSignalBlocker block(list);
  const QStringList items = ToQt(lines);
  bool same = list->count() == items.size();
  for (int i = 0; same && i < items.size(); ++i) same = list->item(i)->text() == items[i];
  if (!same) {
    list->clear();
    list->addItems(items);
  }
  list->setCurrentRow(current >= 0 && current < list->count() ? current : -1);
}

}  // namespace

TMainForm::TMainForm(EditorModel& model, Prompter& prompter, QWidget* parent)
    : QWidget(parent), model_(model), prompter_(prompter) {
  setObjectName("MainForm");
  setWindowTitle("KelvoEd");
  BuildDocks();
  CreatePreviews();
  spread_dialog_ = new TFRozpt(this);
  properties_dialog_ = new TFVlast(model_.Session(), this);
  colours_dialog_ = new TFBarvy(model_.Session(), *properties_dialog_, this);
  gallery_ = new TGalerie(model_.Session(), model_.Gallery(), prompter_, this);
  ConnectControls();
  ConnectGallery();
  ConnectLibraryEditing();
  ConnectAnimation();
  ConnectAvatar();
  ConnectDataSets();
  desktop_ = std::make_unique<QtDesktopPort>();
  model_.SetDesktopPort(desktop_.get());
  export_dialog_ = new ExportPortraitDialog(prompter_, this);
  model_.SetPortraitExportDialog(export_dialog_);
  // Menus and status bar come last: they name the commands wired above.
  status_ = new MainFormStatus(model_.Session(), Preview(1), this);
  actions_ = new MainFormActions(*this, c_, model_, prompter_, status_->Model());
  layout()->setMenuBar(actions_->MenuBar());
  ConnectFiles();
  layout()->addWidget(status_);
  model_.SetListener(this);
}

TMainForm::~TMainForm() {
  model_.SetListener(nullptr);
  model_.SetDesktopPort(nullptr);
  model_.SetPortraitExportDialog(nullptr);
  if (started_ && !settings_stored_) StoreSettings();
  // The controls go later, with QWidget's part of this form: a value they change on the way out
  // must not reach the handlers of a form that is already gone.
  for (QWidget* control : findChildren<QWidget*>()) control->blockSignals(true);
}

void TMainForm::CreatePreviews() {
  for (int i = 1; i <= kPreviewCount; ++i) {
    auto* preview = new TFZobr(i, PreviewImages::Factor(i), this);
    previews_[static_cast<size_t>(i)] = preview;
    ConnectPreview(preview);
  }
}

bool TMainForm::StartUp() {
  const EditorSettings settings = ReadEditorSettings();
  RestoreRecentFiles();
  if (!model_.StartUp(settings)) return false;
  started_ = true;
  ShowState(kChangeAll);
  // Nothing is on screen yet, so the windows are placed once the controls hold their values
  // and the style has polished them: only then are the sizes final.
  ensurePolished();
  LetControlsShrink(false);
  adjustSize();
  PlaceWindows(settings);
  last_pos_ = pos();
  return true;
}

// The frame of the first window that has one; before any is shown, a title bar and a border
// on the generous side, so that a window placed by the guess still fits on the screen.
FrameMargins TMainForm::KnownMargins() const {
  const int border = 4;
  const FrameMargins guess{border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border,
                           border};
  const FrameMargins none{-1, -1, -1, -1};
  for (const QWidget* window :
       {static_cast<const QWidget*>(this), static_cast<const QWidget*>(Preview(1))}) {
    const FrameMargins known = FrameMarginsOf(window, none);
    if (known != none) return known;
  }
  return guess;
}

void TMainForm::PlaceWindows(const EditorSettings& settings) {
  for (int i = 1; i <= kPreviewCount; ++i) {
    stored_previews_[static_cast<size_t>(i)] = settings.Previews[static_cast<size_t>(i - 1)];
  }
  std::optional<ScreenPoint> stored_main;
  if (settings.MainWinX && settings.MainWinY) {
    stored_main = ScreenPoint{*settings.MainWinX, *settings.MainWinY};
  }
  dock_choice_ = settings.DockPreviews;
  if (kelvo::PreviewsDocked(WindowsRequest(stored_main), dock_choice_)) {
    DockPreviews(stored_main);
  } else {
    PlacePreviewsBeside(stored_main, true);
  }
}

bool TMainForm::HasDefaultPreviews() const {
  if (docked_) return false;
  for (int i = 1; i <= kPreviewCount; ++i) {
    const PreviewSettings& stored = stored_previews_[static_cast<size_t>(i)];
    if (!stored.X || !stored.Y) return true;
  }
  return false;
}

void TMainForm::PlacePreviewsBeside(const std::optional<ScreenPoint>& main, bool move_main) {
  const FrameMargins margins = KnownMargins();
  const MainWindowsRequest request = WindowsRequest(main);
  const MainWindowsLayout layout = PlaceMainWindows(request);
  if (move_main) move(layout.Main.Left, layout.Main.Top);
  for (int i = 1; i <= kPreviewCount; ++i) {
    // Once shown, stored positions stay where start-up put them.
    if (!move_main && request.StoredPreviews[static_cast<size_t>(i - 1)]) continue;
    const ScreenRect& place = layout.Previews[static_cast<size_t>(i - 1)];
    Preview(i)->move(place.Left, place.Top);
  }
  placed_margins_ = margins;
}

// The window manager frames the windows only after they are shown; previews placed with a
// guessed frame are placed again with the real one, so that none covers another.
void TMainForm::PlaceDefaultPreviews() {
  if (!HasDefaultPreviews() || KnownMargins() == placed_margins_) return;
  PlacePreviewsBeside(ScreenPoint{pos().x(), pos().y()}, false);
}

// The window manager tells the frame some time after the window is mapped, with no event of
// its own; look again a few times during the first second.
void TMainForm::WatchForFrame(int tries) {
  if (KnownMargins() != placed_margins_) {
    PlaceDefaultPreviews();
    return;
  }
  if (tries > 0) QTimer::singleShot(50, this, [this, tries] { WatchForFrame(tries - 1); });
}

void TMainForm::StoreSettings() {
  EditorSettings settings;
  settings.KeyExists = true;
  model_.StoreSettings(settings);
  settings.MainWinX = pos().x();
  settings.MainWinY = pos().y();
  for (int i = 1; i <= kPreviewCount; ++i) {
    PreviewSettings& preview = settings.Previews[static_cast<size_t>(i - 1)];
    // Docked, the places they float at are those they had.
    const PreviewSettings& stored = stored_previews_[static_cast<size_t>(i)];
    preview.X = docked_ ? stored.X : Preview(i)->pos().x();
    preview.Y = docked_ ? stored.Y : Preview(i)->pos().y();
  }
  settings.DockPreviews = dock_choice_;
  WriteEditorSettings(settings);
  StoreDataSetSettings();
  StoreRecentFiles();
}

void TMainForm::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (!started_ || docked_) return;
  if (shown_once_) PlaceDefaultPreviews();
  const QPoint delta = pos() - last_pos_;
  if (delta.isNull()) return;
  for (int i = 1; i <= kPreviewCount; ++i) Preview(i)->move(Preview(i)->pos() + delta);
  last_pos_ = pos();
  KeepPreviewsOnScreen();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!MayDropLibrary()) {
    event->ignore();
    return;
  }
  if (model_.Gallery().AskToSaveUnsaved() == UnsavedGallery::Cancelled) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
  // Written now rather than when the form goes, so they survive whatever ends the process.
  if (started_ && !settings_stored_) {
    StoreSettings();
    settings_stored_ = true;
  }
  for (QWidget* window : findChildren<QWidget*>()) {
    if (window->isWindow()) window->hide();
  }
  emit Closed();
}

void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ApplyPreviewVisibility();
  if (!shown_once_ && started_ && HasDefaultPreviews()) WatchForFrame(20);
  shown_once_ = true;
}

void TMainForm::ApplyPreviewVisibility() {
  const SessionState& s = model_.Session().State();
  for (int i = 1; i <= kPreviewCount; ++i) {
    const bool visible = s.PreviewVisible[static_cast<size_t>(i)];
    SetCheck(c_.preview_boxes[i], visible);
    if (docked_) {
      Preview(i)->setVisible(visible);
      PreviewDock(i)->setVisible(visible);
    } else if (isVisible()) {  // windows of their own appear with the main window, not before
      Preview(i)->setVisible(visible);
    }
  }
}

void TMainForm::Run(const std::function<void()>& action) {
  if (!RunReported(prompter_, action)) ShowState(kChangeAll);
}

void TMainForm::EditorChanged(unsigned changes) {
  ShowState(changes);
}

void TMainForm::ShowState(unsigned changes) {
  const SessionState& shared = model_.Session().State();
  if (changes & kChangeCaption) setWindowTitle(FromAnsi(shared.Caption));
  if (changes & kChangeFullImage) Preview(1)->ShowImage(model_.Previews().View(1));
  if (changes & kChangeReducedImages) {
    for (int i = 2; i <= kPreviewCount; ++i) Preview(i)->ShowImage(model_.Previews().View(i));
  }
  if (changes & kChangePreviewVisibility) ApplyPreviewVisibility();
  if (changes & kChangeCategory) {
    for (int i = 1; i <= kCategoryCount; ++i) {
      SetCheck(c_.speedb[i], i == shared.CurrentCategory);
      SetCheck(c_.lock[i], shared.Locked[static_cast<size_t>(i)]);
      SetCheck(c_.hide[i], shared.Hidden[static_cast<size_t>(i)]);
    }
  }
  if (changes & kChangeComponentList) ShowComponentList();
  if (changes & kChangeValues) ShowValues();
  if (changes & kChangeSnapPoints) ShowSnapPoints();
  if (changes & kChangeClipBoxes) {
    const ComponentListState& s = model_.ComponentList().State();
    for (int i = 1; i <= kSubcomponentCount; ++i) {
      SetCheck(c_.clip[i], s.Clip[static_cast<size_t>(i)].Checked,
               s.Clip[static_cast<size_t>(i)].Enabled);
    }
  }
  if (changes & kChangeSignature) c_.EditSig->setText(FromAnsi(shared.Signature));
  if (changes & kChangeSpreadDialog) ShowSpreadDialog();
  if (actions_ != nullptr) actions_->ShowState();
  if (status_ != nullptr) status_->ShowState();
}

void TMainForm::ShowComponentList() {
  const ComponentListState& s = model_.ComponentList().State();
  c_.RGKomp->SetItems(ToQt(s.FilterItems));
  c_.RGKomp->SetItemIndex(s.Filter);
  SetLines(c_.LbxKomp, s.ComponentLines, s.ComponentLine);
  c_.BtnAnimuj->setEnabled(s.AnimationButtonsEnabled);
  c_.BtnAnimSet->setEnabled(s.AnimationButtonsEnabled);
}

void TMainForm::ShowValues() {
  SetSpin(c_.SpinEditCetn, model_.ComponentList().State().Frequency);
  const PlacementState& s = model_.Placement().State();
  SetSpin(c_.SpinEditPosX, s.ShiftX);
  SetSpin(c_.SpinEditPosY, s.ShiftY);
  SetSpin(c_.SpinEditRozX, s.SpanX, s.SpanControlsEnabled);
  SetSpin(c_.SpinEditRozY, s.SpanY, s.SpanControlsEnabled);
  SetSpin(c_.SEDefRozX, s.DefSpanX, s.SpanControlsEnabled);
  SetSpin(c_.SEDefRozY, s.DefSpanY, s.SpanControlsEnabled);
  c_.BtnDefRozesun->setEnabled(s.SpanControlsEnabled);
}

void TMainForm::ShowSnapPoints() {
  const SnapPointsState& s = model_.SnapPoints().State();
  const bool spread_buttons = model_.Spread().State().SpreadButtonsEnabled;
  SetLines(c_.LbxUmist, s.SnapPointLines, model_.Session().State().SnapPointLine);
  SetSpin(c_.SpinUmistX, s.PointX, s.PointEditsEnabled);
  SetSpin(c_.SpinUmistY, s.PointY, s.PointEditsEnabled);
  SetCheck(c_.ChbLockUm, s.LockPoints);
  const SessionState& shared = model_.Session().State();
  SetCheck(c_.ChkUmBod, shared.DrawSnapPoint.Checked, shared.DrawSnapPoint.Enabled);
  SetCheck(c_.RBNastKomp, s.Mode == MouseMode::Components);
  SetCheck(c_.RBNastBod, s.Mode == MouseMode::SnapPoints, s.SnapModeEnabled);
  SetCheck(c_.ChkRozpt, shared.WithSpread.Checked, shared.WithSpread.Enabled);
  SetCheck(c_.ChbSelKomp, shared.OnlySelected);
  for (QPushButton* button : {c_.BtnNahUmB, c_.BtnRozptUse, c_.BtnRozptVsem, c_.BtnRozptNulNah}) {
    button->setEnabled(spread_buttons);
  }
  c_.BtnNastNahUmB->setEnabled(spread_buttons);
}

// While the spread dialog is shown the form takes no input; the previews stay usable, since
// clicks in preview 1 measure the limits.
void TMainForm::ShowSpreadDialog() {
  spread_dialog_->ShowState(model_.Spread().State().Spread);
  const bool shown = model_.Session().State().SpreadDialogShown;
  if (shown == spread_dialog_->isVisible()) return;
  if (shown) {
    QList<QWidget*> parts = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    parts.push_back(dock_host_->centralWidget());
    for (QWidget* part : parts) {
      // The docked previews stay usable: the dialog measures its limits in preview 1.
      if (part->isWindow() || !part->isEnabled() || part == dock_host_) continue;
      part->setEnabled(false);
      blocked_by_dialog_.push_back(part);
    }
    spread_dialog_->ShowBeside();
  } else {
    spread_dialog_->hide();
    for (QWidget* part : blocked_by_dialog_) part->setEnabled(true);
    blocked_by_dialog_.clear();
  }
}

}  // namespace kelvo
