#include "gui/main_window/main_form_actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <exception>

#include "editor/main_window/editor_model.h"
#include "editor/main_window/status_bar_model.h"
#include "editor/session/undo/undo_history.h"
#include "foundation/version.h"
#include "gui/dialogs/manual_window.h"
#include "gui/dialogs/undo_history_window.h"
#include "gui/main_window/main_form.h"
#include "gui/main_window/preview_window.h"
#include "gui/main_window/radio_group.h"
#include "gui/message_box_sink.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {
namespace {

QString WithKeys(const QString& tip, const QList<QKeySequence>& keys) {
  if (keys.isEmpty()) return tip;
  QStringList names;
  for (const QKeySequence& key : keys) names << key.toString(QKeySequence::NativeText);
  return tip + " (" + names.join(", ") + ")";
}

QString Plain(QString caption) {
  return caption.remove('&');
}

}  // namespace

// Keeps a button's tooltip, and the enabled state and tooltip of the action bound to it, in
// line with the button: a button is disabled by its command's state (nothing to undo), by a
// command still to come or by the spread dialog disabling its panel.
class ButtonTooltip : public QObject {
 public:
  ButtonTooltip(QAbstractButton* button, QAction* action, QString tip, QString disabled_tip)
      : QObject(button), button_(button), action_(action) {
    button->installEventFilter(this);
    Set(std::move(tip), std::move(disabled_tip));
  }

  void Set(QString tip, QString disabled_tip) {
    tip_ = std::move(tip);
    disabled_tip_ = std::move(disabled_tip);
    Apply();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::EnabledChange) Apply();
    return QObject::eventFilter(watched, event);
  }

 private:
  void Apply() {
    const bool enabled = button_->isEnabled();
    const QString& text = enabled || disabled_tip_.isEmpty() ? tip_ : disabled_tip_;
    button_->setToolTip(text);
    if (action_ != nullptr) {
      action_->setEnabled(enabled);
      action_->setToolTip(text);
    }
  }

  QAbstractButton* button_;
  QAction* action_;
  QString tip_;
  QString disabled_tip_;
};

void SetButtonTooltip(QAbstractButton* button, const QString& tip, const QString& disabled_tip) {
  for (QObject* child : button->children()) {
    if (auto* keeper = dynamic_cast<ButtonTooltip*>(child)) {
      keeper->Set(tip, disabled_tip);
      return;
    }
  }
  new ButtonTooltip(button, nullptr, tip, disabled_tip);  // owned by the button
}

MainFormActions::MainFormActions(TMainForm& form, const MainFormControls& controls,
                                 EditorModel& model, Prompter& prompter, StatusBarModel& status)
    : QObject(&form),
      form_(form),
      c_(controls),
      model_(model),
      prompter_(prompter),
      status_(status) {
  setObjectName("MainFormActions");
  menu_bar_ = new QMenuBar(&form);
  menu_bar_->setObjectName("MainMenu");
  AddRollButtons();
  BuildFileMenu();
  BuildEditMenu();
  BuildPortraitMenu();
  BuildPointsMenu();
  BuildLibraryMenu();
  BuildGalleryMenu();
  BuildAnimationMenu();
  BuildViewMenu();
  BuildHelpMenu();
  // The keys work while a preview is the active window too: that is where the user drags.
  for (int i = 1; i <= kPreviewCount; ++i) {
    for (QAction* action : actions_) form.Preview(i)->addAction(action);
  }
  SetTooltips();
  NameCommands();
}

QAction* MainFormActions::Bind(QMenu* menu, QAbstractButton* button, const QString& name,
                               const QString& text, const QList<QKeySequence>& keys,
                               const QString& tip, const QString& pending) {
  // A child of the form, so form.findChild<QAction*>(name) finds it.
  auto* action = new QAction(text, &form_);
  action->setObjectName(name);
  action->setShortcuts(keys);
  action->setCheckable(button->isCheckable());
  menu->addAction(action);
  form_.addAction(action);
  connect(action, &QAction::triggered, button, [button] {
    if (button->isEnabled()) button->click();
  });
  new ButtonTooltip(button, action, WithKeys(tip, keys), pending);
  actions_.push_back(action);
  bound_.emplace_back(button, action);
  if (action->isCheckable()) check_actions_.emplace_back(action, button);
  return action;
}

QAction* MainFormActions::ActionOf(const QAbstractButton* button) const {
  for (const auto& [bound, action] : bound_) {
    if (bound == button) return action;
  }
  return nullptr;
}

QMenu* MainFormActions::Menu(const QString& title, const QString& name) {
  QMenu* menu = menu_bar_->addMenu(title);
  menu->setObjectName(name);
  menu->setToolTipsVisible(true);
  return menu;
}

std::function<void()> MainFormActions::Runner(void (EditorModel::*handler)()) {
  return [this, handler] {
    if (!RunReported(prompter_, [this, handler] { (model_.*handler)(); })) {
      form_.EditorChanged(kChangeAll);
    }
  };
}

template <typename Run>
QAction* MainFormActions::Add(QMenu* menu, const QString& name, const QString& text,
                              const QList<QKeySequence>& keys, const QString& tip, Run run) {
  auto* action = new QAction(text, &form_);
  action->setObjectName(name);
  action->setShortcuts(keys);
  action->setToolTip(WithKeys(tip, keys));
  menu->addAction(action);
  form_.addAction(action);
  connect(action, &QAction::triggered, this, run);
  actions_.push_back(action);
  return action;
}

void MainFormActions::BuildFileMenu() {
  QMenu* menu = Menu("&File", "MenuFile");
  Add(menu, "ActExportPortrait", "&Export portrait...", {QKeySequence(Qt::CTRL | Qt::Key_E)},
      "Write the portrait as one PNG or BMP picture, optionally reduced or with a transparent "
      "background",
      Runner(&EditorModel::ExportPortraitClick));
  recent_menu_ = menu->addMenu("Open &Recent");
  recent_menu_->setObjectName("MenuRecent");
  recent_menu_->menuAction()->setObjectName("ActOpenRecent");
  recent_menu_->setToolTipsVisible(true);
  connect(recent_menu_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
  FillRecentMenu();
  menu->addSeparator();
  Bind(menu, c_.Button6, "ActSaveAsBmp", "Save As &BMP...", {},
       "Save the portrait and its animation frames as bitmaps for the game",
       "Not available yet: the bitmap export comes with a later version");
  menu->addSeparator();
  Bind(menu, c_.BtnUloz, "ActSaveLibrary", "&Save library...", {QKeySequence::Save},
       "Save the library into a folder",
       "Not available yet: saving the library comes with a later version");
  Bind(menu, c_.BtnNacist, "ActChangeDataSet", "&Change data set...", {},
       "Change the data set (male, female, ape)",
       "Not available yet: changing the data set comes with a later version");
  menu->addSeparator();
  Add(menu, "ActQuit", "&Quit", {QKeySequence(Qt::CTRL | Qt::Key_Q)},
      "Close every window and end the program", [this] { form_.close(); });
}

void MainFormActions::FillRecentMenu() {
  recent_menu_->clear();
  const std::vector<RecentFile>& entries = model_.Session().Recent().Entries();
  int n = 0;
  for (const RecentFile& entry : entries) {
    ++n;
    const QString path = FromAnsi(entry.Path).replace('\\', '/');
    const QString kind = entry.Kind == RecentKind::kGallery ? "gallery" : "library";
    auto* action = recent_menu_->addAction((n <= 9 ? QString("&%1 ").arg(n) : QString()) + path +
                                           "  (" + kind + ")");
    action->setObjectName(QString("ActRecent%1").arg(n));
    action->setToolTip(entry.Kind == RecentKind::kGallery ? "Open this gallery"
                                                          : "Open this library folder");
    connect(action, &QAction::triggered, this, [this, entry] {
      bool opened = false;
      if (!RunReported(prompter_, [&] { opened = model_.OpenRecent(entry); })) {
        form_.EditorChanged(kChangeAll);
      }
      if (opened && entry.Kind == RecentKind::kGallery) emit GalleryOpened();
    });
  }
  if (n == 0) recent_menu_->addAction("(none)")->setEnabled(false);
}

void MainFormActions::BuildEditMenu() {
  QMenu* menu = Menu("&Edit", "MenuEdit");
  undo_action_ = Bind(menu, c_.BtnUndo, "ActUndo", "&Undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                      "Take back the last edit", "Nothing to undo");
  redo_action_ =
      Bind(menu, c_.BtnRedo, "ActRedo", "&Redo",
           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
           "Do the last undone edit again", "Nothing to redo");
  Bind(menu, c_.BtnUndoAll, "ActUndoAll", "Undo &all", {}, "Take back every edit",
       "Nothing to undo");
  Add(menu, "ActUndoHistory", "Undo &history", {QKeySequence(Qt::CTRL | Qt::Key_H)},
      "The list of edits: a click goes back or forward to any of them", [this] {
        if (history_ == nullptr) {
          history_ = new UndoHistoryWindow(&form_, [this](int line) {
            RunReported(prompter_,
                        [this, line] { model_.HistoryClick(static_cast<std::size_t>(line)); });
          });
        }
        history_->Show(DescribeHistory(model_.Undo()));
        history_->show();
        history_->raise();
      });
  menu->addSeparator();
  Add(menu, "ActCopyPortrait", "&Copy portrait", {QKeySequence(Qt::CTRL | Qt::Key_C)},
      "Put the 320 x 400 picture on the clipboard", Runner(&EditorModel::CopyPortraitClick));
  Add(menu, "ActCopyPortraitCode", "Copy portrait c&ode",
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
      "Put the portrait's multiplayer avatar settings on the clipboard as text, to share it",
      Runner(&EditorModel::CopyPortraitCodeClick));
  Add(menu, "ActPastePortraitCode", "&Paste portrait code", {QKeySequence(Qt::CTRL | Qt::Key_V)},
      "Apply the avatar settings text on the clipboard to the portrait",
      Runner(&EditorModel::PastePortraitCodeClick));
  menu->addSeparator();
  Bind(menu, c_.BtnSmazat, "ActRemove", "Remove &component", {QKeySequence(Qt::Key_Delete)},
       "Remove the selected component from the library, after a question; Undo brings it back");
}

void MainFormActions::BuildPortraitMenu() {
  QMenu* menu = Menu("P&ortrait", "MenuPortrait");
  Bind(menu, c_.BtnNahodAll, "ActRandomAll", "Random &all", {QKeySequence(Qt::CTRL | Qt::Key_R)},
       "Random components for the unlocked categories and random colours");
  Bind(menu, c_.BtnNahodKomp, "ActRandom", "&Random", {},
       "A random component for the current category, locked or not");
  Bind(menu, c_.BtnNahodKompAll, "ActRandomComponents", "Rand. &comps.", {},
       "Random components for the unlocked categories");
  Bind(menu, c_.BtnBarvaNahAll, "ActRandomColours", "Rand. co&lors", {},
       "Random colours for the unlocked colour types");
  menu->addSeparator();
  Bind(menu, c_.BtnNahAmer, "ActAmerican", "A&mer.", {}, "A random American portrait");
  Bind(menu, c_.BtnNahArab, "ActArabian", "Ara&b.", {}, "A random Arabian portrait");
  Bind(menu, c_.BtnNahRus, "ActRussian", "R&us.", {}, "A random Russian portrait");
  menu->addSeparator();
  Bind(menu, previous_roll_, "ActPreviousRoll", "&Previous roll",
       {QKeySequence(Qt::ALT | Qt::Key_Left)},
       "Back to the portrait a random command replaced; Undo is not affected", "No earlier roll");
  Bind(menu, next_roll_, "ActNextRoll", "&Next roll", {QKeySequence(Qt::ALT | Qt::Key_Right)},
       "Forward to the portrait of a later roll", "No later roll");
  menu->addSeparator();
  Bind(menu, c_.BtnUsePos, "ActSet", "&Set", {},
       "Move the current category's shift (and span) into its component");
  Bind(menu, c_.BtnUsePosAll, "ActSetAll", "S&et all", {},
       "Move the shift and span of every category into its component");
  Bind(menu, c_.BtnNull, "ActUnset", "&Unset", {}, "Drop the current category's shift and span");
  Bind(menu, c_.BtnNullAll, "ActUnsetAll", "Unset a&ll", {},
       "Drop the shift and span of every category");
  Bind(menu, c_.BtnDefRozesun, "ActDefSpan", "&Def. span", {},
       "Move the span into the default span of the snapping point",
       "Only paired categories have a span");
  menu->addSeparator();
  QMenu* categories = menu->addMenu("Ca&tegory");
  categories->setObjectName("MenuCategory");
  categories->setToolTipsVisible(true);
  for (int i = 1; i <= kCategoryCount; ++i) {
    Bind(categories, c_.speedb[i], QString("ActCategory%1").arg(i), c_.speedb[i]->text(),
         i <= 9 ? QList<QKeySequence>{QKeySequence(Qt::ALT | (Qt::Key_0 + i))}
                : QList<QKeySequence>{},
         "Show the components of " + c_.speedb[i]->text());
  }
}

void MainFormActions::BuildPointsMenu() {
  QMenu* menu = Menu("Sprea&d", "MenuSpread");
  Bind(menu, c_.ChkRozpt, "ActWithSpread", "&With spread", {},
       "Draw with the spread offsets of the snapping points",
       "The current category has no snapping points");
  Bind(menu, c_.BtnNahUmB, "ActRandomSpread", "&Random spread", {},
       "Scatter the snapping points at random within their limits", "Check \"w. spread\" first");
  Bind(menu, c_.BtnNastNahUmB, "ActEditSpread", "&Edit limits...", {},
       "Edit the spread limits of the chosen snapping point", "Check \"w. spread\" first");
  Bind(menu, c_.BtnRozptUse, "ActApplySpread", "&Apply spread", {},
       "Move the snapping points by their spread for good", "Check \"w. spread\" first");
  Bind(menu, c_.BtnRozptVsem, "ActCopySpread", "&Copy to all points", {},
       "Copy the chosen point's spread limits to every point", "Check \"w. spread\" first");
  Bind(menu, c_.BtnRozptNulNah, "ActUnsetSpread", "&Unset spread", {},
       "Set the spread offsets back to zero", "Check \"w. spread\" first");
  menu->addSeparator();
  Bind(menu, c_.ChbLockUm, "ActLockPoints", "&Lock points", {},
       "A point drag moves all points of the component together");
  auto* mouse = new QActionGroup(this);
  mouse->addAction(Bind(menu, c_.RBNastKomp, "ActMouseComponents", "Mouse moves co&mponents", {},
                        "The mouse in the full-size preview moves components"));
  mouse->addAction(Bind(menu, c_.RBNastBod, "ActMousePoints", "Mouse moves snap. &points", {},
                        "The mouse in the full-size preview moves snapping points",
                        "The current category has no snapping points"));
}

void MainFormActions::BuildLibraryMenu() {
  QMenu* menu = Menu("&Library", "MenuLibrary");
  Bind(menu, c_.BtnImport, "ActImport", "&Import...", {QKeySequence(Qt::CTRL | Qt::Key_I)},
       "Import bitmaps as a new component or as new pictures of one");
  Bind(menu, c_.BtnEdKomp, "ActEditComponent", "Edit &component...", {},
       "Edit the selected component's record");
  Bind(menu, c_.BtnEdKont, "ActEditType", "Edit &type...", {},
       "Edit the current category's record");
  Bind(menu, c_.BtnVlast, "ActProperties", "&Properties...", {},
       "Edit the property values of the selected component");
  Bind(menu, c_.BtnBarvy, "ActColours", "C&olors...", {QKeySequence(Qt::CTRL | Qt::Key_K)},
       "Open the colours dialog");
  Bind(menu, c_.BtnMirror, "ActMirror", "&Mirror", {}, "Mirror the library");
  menu->addSeparator();
  QMenu* clipping = menu->addMenu("C&lipping");
  clipping->setObjectName("MenuClipping");
  clipping->setToolTipsVisible(true);
  for (int i = 1; i <= kSubcomponentCount; ++i) {
    Bind(clipping, c_.clip[i], QString("ActClip%1").arg(i), c_.clip[i]->text(), {},
         QString("Clipping flag of subcomponent %1 of the selected component").arg(i),
         QString("The selected component has no subcomponent %1").arg(i));
  }
}

void MainFormActions::BuildGalleryMenu() {
  QMenu* menu = Menu("&Gallery", "MenuGallery");
  Bind(menu, c_.BtnGal, "ActGallery", "&Gallery window", {QKeySequence(Qt::CTRL | Qt::Key_G)},
       "Open the gallery window");
  Bind(menu, c_.BtnPridGal, "ActAddToGallery", "&Add to gallery",
       {QKeySequence(Qt::CTRL | Qt::Key_D)}, "Add the portrait to the gallery");
  Bind(menu, c_.BtnBackToGal, "ActBackToGallery", "&Back to gallery", {},
       "Put the edited portrait back into the gallery",
       "Double-click a portrait in the gallery to edit it first");
  menu->addSeparator();
  Bind(menu, c_.Button5, "ActMultiAvatar", "&Multi Avatar...", {},
       "Exchange the portrait with a multiplayer avatar of the game");
}

void MainFormActions::BuildAnimationMenu() {
  QMenu* menu = Menu("&Animation", "MenuAnimation");
  const char* animated = "Only categories with animation frames animate";
  Bind(menu, c_.BtnAnimuj, "ActAnimateComponent", "Anim. &comp.", {},
       "Animate the selected component", animated);
  Bind(menu, c_.BtnAnimSet, "ActAnimationFrames", "&Animation...", {},
       "Choose the animation frames of the selected component", animated);
  Bind(menu, c_.BtnAnimAll, "ActAnimateAll", "Animate a&ll", {}, "Animate the whole portrait");
}

void MainFormActions::BuildViewMenu() {
  QMenu* menu = Menu("&View", "MenuView");
  const Qt::Key keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
  for (int i = 1, factor = 1; i <= kPreviewCount; ++i, factor *= 2) {
    Bind(menu, c_.preview_boxes[i], QString("ActPreview%1").arg(i),
         QString("&%1x preview").arg(factor), {QKeySequence(Qt::CTRL | keys[i - 1])},
         i == 1 ? QString("Show the full-size preview")
                : QString("Show the preview reduced %1 times").arg(factor));
  }
  dock_action_ = Add(menu, "ActDockPreviews", "Dock previews", {},
                     "Show the previews inside the main window, on its right, or as windows of "
                     "their own",
                     [this] { form_.SetPreviewsDocked(dock_action_->isChecked()); });
  dock_action_->setCheckable(true);
  menu->addSeparator();
  // The list's filter: its radio buttons are made anew with their items, so the actions run the
  // model's handler themselves and follow its choice in ShowState.
  QMenu* list = menu->addMenu("&List");
  list->setObjectName("MenuList");
  list->menuAction()->setObjectName("ActList");
  auto* filters = new QActionGroup(this);
  const QStringList items = c_.RGKomp->Items();
  for (int i = 0; i < items.size(); ++i) {
    QAction* action = Add(list, QString("ActList%1").arg(i + 1), items[i], {},
                          "Show " + items[i] + " in the component list", [this, i] {
                            if (!RunReported(prompter_, [this, i] { model_.RGKompClick(i); })) {
                              form_.EditorChanged(kChangeAll);
                            }
                          });
    action->setCheckable(true);
    filters->addAction(action);
    list_actions_.push_back(action);
  }
  menu->addSeparator();
  Bind(menu, c_.ChbSelKomp, "ActOnlySelected", "&Only selected comp.", {},
       "Draw only the current category and the background");
  Bind(menu, c_.ChkUmBod, "ActDrawSnapPoint", "&Draw snap point", {},
       "Mark the chosen snapping point in the full-size preview",
       "The current category has no snapping points");
}

void MainFormActions::BuildHelpMenu() {
  QMenu* menu = Menu("&Help", "MenuHelp");
  Add(menu, "ActManual", "KelvoEd &manual", {QKeySequence(Qt::Key_F1)},
      "The workflow, the windows, the files and the keys", [this] { ShowManual(); });
  Add(menu, "ActShortcuts", "&Keyboard shortcuts", {}, "List the keys of every command",
      [this] { ShowShortcuts(); });
  Add(menu, "ActAbout", "&About KelvoEd", {}, "The program's version", [this] { ShowAbout(); });
}

// The roll buttons go below the other random commands; they run like every button.
void MainFormActions::AddRollButtons() {
  auto* panel = form_.findChild<QGroupBox*>("PanNahod");
  QWidget* parent = panel != nullptr ? static_cast<QWidget*>(panel) : &form_;
  previous_roll_ = new QPushButton("Prev. roll", parent);
  previous_roll_->setObjectName("BtnRollPrev");
  next_roll_ = new QPushButton("Next roll", parent);
  next_roll_->setObjectName("BtnRollNext");
  for (QPushButton* button : {previous_roll_, next_roll_}) button->setAutoDefault(false);
  // Made after the other columns, they still come in the random panel's place in the Tab order.
  QWidget::setTabOrder(c_.BtnNahRus, previous_roll_);
  QWidget::setTabOrder(previous_roll_, next_roll_);
  if (auto* grid = panel != nullptr ? qobject_cast<QGridLayout*>(panel->layout()) : nullptr) {
    const int row = grid->rowCount();
    grid->addWidget(previous_roll_, row, 0);
    grid->addWidget(next_roll_, row, 1);
  }
  const auto click = [this](void (EditorModel::*handler)()) {
    return [this, handler] {
      if (!RunReported(prompter_, [this, handler] { (model_.*handler)(); })) {
        form_.EditorChanged(kChangeAll);
      }
    };
  };
  connect(previous_roll_, &QPushButton::clicked, this, click(&EditorModel::BtnRollPrevClick));
  connect(next_roll_, &QPushButton::clicked, this, click(&EditorModel::BtnRollNextClick));
}

// The number fields say what they hold; the buttons got theirs with their actions.
void MainFormActions::SetTooltips() {
  const std::pair<QWidget*, const char*> fields[] = {
      {c_.SpinEditCetn,
       "Frequency of the selected component: how often random portraits choose "
       "it (0: never)"},
      {c_.SpinEditPosX, "Shift of the current category to the right, in pixels"},
      {c_.SpinEditPosY, "Shift of the current category downwards, in pixels"},
      {c_.SpinEditRozX, "Span of a paired category: how far its halves move apart across"},
      {c_.SpinEditRozY, "Span of a paired category: how far its halves move apart down"},
      {c_.SEDefRozX, "Default span across, kept with the snapping point"},
      {c_.SEDefRozY, "Default span down, kept with the snapping point"},
      {c_.SpinUmistX, "The chosen snapping point's x, relative to its component"},
      {c_.SpinUmistY, "The chosen snapping point's y, relative to its component"},
      {c_.EditSig, "The portrait's signature"},
  };
  for (const auto& [field, tip] : fields) {
    if (field != nullptr) field->setToolTip(tip);
  }
}

// Every push button names its command in the status bar unless the command said more itself.
void MainFormActions::NameCommands() {
  for (QPushButton* button : form_.findChildren<QPushButton*>()) {
    if (button->window() != &form_ || button->objectName().startsWith("speedb")) continue;
    connect(button, &QPushButton::pressed, this, [this] { status_.BeginCommand(); });
    connect(button, &QPushButton::clicked, this,
            [this, button] { status_.EndCommand(ToAnsi(Plain(button->text()))); });
  }
}

void MainFormActions::ShowState() {
  const UndoStack& undo = model_.Undo();
  c_.BtnUndo->setEnabled(!undo.Empty());
  c_.BtnUndoAll->setEnabled(!undo.Empty());
  c_.BtnRedo->setEnabled(undo.CanRedo());
  // "&&" keeps an ampersand in a component's name from becoming a mnemonic.
  undo_action_->setText("&" + FromAnsi(UndoText(undo)).replace("&", "&&"));
  redo_action_->setText("&" + FromAnsi(RedoText(undo)).replace("&", "&&"));
  if (history_ != nullptr && history_->isVisible()) history_->Show(DescribeHistory(undo));
  previous_roll_->setEnabled(model_.Random().Rolls().CanGoBack());
  next_roll_->setEnabled(model_.Random().Rolls().CanGoForward());
  for (const auto& [action, button] : check_actions_) action->setChecked(button->isChecked());
  dock_action_->setChecked(form_.PreviewsDocked());
  for (int i = 0; i < static_cast<int>(list_actions_.size()); ++i) {
    list_actions_[static_cast<size_t>(i)]->setChecked(c_.RGKomp->ItemIndex() == i);
  }
}

QString MainFormActions::ShortcutsText() const {
  QStringList lines;
  for (const auto& [keys, command] : ShortcutRows()) lines << keys + "\t" + command;
  return lines.join("\n");
}

std::vector<std::pair<QString, QString>> MainFormActions::ShortcutRows() const {
  std::vector<std::pair<QString, QString>> rows;
  for (const QAction* action : actions_) {
    if (action->shortcuts().isEmpty()) continue;
    QStringList keys;
    for (const QKeySequence& key : action->shortcuts()) {
      keys << key.toString(QKeySequence::NativeText);
    }
    rows.emplace_back(keys.join(", "), Plain(action->text()));
  }
  for (const QPushButton* button : form_.findChildren<QPushButton*>()) {
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    if (key.isEmpty() || !button->isVisibleTo(&form_)) continue;
    rows.emplace_back(key.toString(QKeySequence::NativeText), Plain(button->text()) + " (button)");
  }
  return rows;
}

ManualWindow* MainFormActions::Manual() {
  if (manual_ == nullptr) manual_ = new ManualWindow(&form_);
  return manual_;
}

void MainFormActions::ShowManual() {
  Manual()->ShowHtml("KelvoEd manual", ManualHtml());
}

// One row per command in a table, so the keys line up whatever their length.
void MainFormActions::ShowShortcuts() {
  QString html = "<h2>Keyboard shortcuts</h2><table cellspacing=\"0\" cellpadding=\"3\">";
  for (const auto& [keys, command] : ShortcutRows()) {
    html += "<tr><td><tt>" + keys.toHtmlEscaped() + "</tt></td><td>" + command.toHtmlEscaped() +
            "</td></tr>";
  }
  Manual()->ShowHtml("Keyboard shortcuts", html + "</table>");
}

void MainFormActions::ShowAbout() {
  prompter_.Message(MessageKind::Information, "About KelvoEd",
                    std::string("KelvoEd ") + VersionText() +
                        "\r\n\r\nAn editor of layered character portraits: choose, place and "
                        "colour the components of each category, roll portraits at random and "
                        "keep them in galleries.\r\n\r\nData set: " +
                        model_.Session().State().DataSetDir,
                    MessageButtons::Ok);
}

}  // namespace kelvo
