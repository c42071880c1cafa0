#include "gui/main_window/main_form_actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <exception>

#include "editor/main_window/editor_model.h"
#include "editor/main_window/status_bar_model.h"
#include "editor/session/undo/undo_history.h"
#include "foundation/version.h"
#include "gui/dialogs/undo_history_window.h"
#include "gui/main_window/main_form.h"
#include "gui/main_window/preview_window.h"
#include "gui/message_box_sink.h"
#include "gui/text_codec.h"

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
  if (action->isCheckable()) check_actions_.emplace_back(action, button);
  return action;
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
  QMenu* menu = menu_bar_->addMenu("&File");
  menu->setObjectName("MenuFile");
  menu->setToolTipsVisible(true);
  Bind(menu, c_.BtnGal, "ActGallery", "&Gallery window", {QKeySequence(Qt::CTRL | Qt::Key_G)},
       "Open the gallery window");
  menu->addSeparator();
  Bind(menu, c_.BtnUloz, "ActSaveLibrary", "&Save library...", {QKeySequence::Save},
       "Save the library into a folder",
       "Not available yet: saving the library comes with a later version");
  Bind(menu, c_.Button6, "ActSaveAsBmp", "Save As &BMP...", {},
       "Save the portrait and its animation frames as bitmaps",
       "Not available yet: the bitmap export comes with a later version");
  Bind(menu, c_.BtnNacist, "ActChangeDataSet", "&Change data set...", {},
       "Change the data set (male, female, ape)",
       "Not available yet: changing the data set comes with a later version");
  menu->addSeparator();
  Add(menu, "ActQuit", "&Quit", {QKeySequence(Qt::CTRL | Qt::Key_Q)},
      "Close every window and end the program", [this] { form_.close(); });
}

void MainFormActions::BuildEditMenu() {
  QMenu* menu = menu_bar_->addMenu("&Edit");
  menu->setObjectName("MenuEdit");
  menu->setToolTipsVisible(true);
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
  Bind(menu, c_.BtnSmazat, "ActRemove", "Remove &component", {QKeySequence(Qt::Key_Delete)},
       "Remove the selected component from the library, after a question; Undo brings it back");
}

void MainFormActions::BuildPortraitMenu() {
  QMenu* menu = menu_bar_->addMenu("P&ortrait");
  menu->setObjectName("MenuPortrait");
  menu->setToolTipsVisible(true);
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
}

void MainFormActions::BuildViewMenu() {
  QMenu* menu = menu_bar_->addMenu("&View");
  menu->setObjectName("MenuView");
  menu->setToolTipsVisible(true);
  const Qt::Key keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
  for (int i = 1, factor = 1; i <= kPreviewCount; ++i, factor *= 2) {
    Bind(menu, c_.preview_boxes[i], QString("ActPreview%1").arg(i),
         QString("&%1x preview").arg(factor), {QKeySequence(Qt::CTRL | keys[i - 1])},
         i == 1 ? QString("Show the full-size preview")
                : QString("Show the preview reduced %1 times").arg(factor));
  }
  menu->addSeparator();
  Bind(menu, c_.ChbSelKomp, "ActOnlySelected", "&Only selected comp.", {},
       "Draw only the current category and the background");
  Bind(menu, c_.ChkUmBod, "ActDrawSnapPoint", "&Draw snap point", {},
       "Mark the chosen snapping point in the full-size preview",
       "The current category has no snapping points");
}

void MainFormActions::BuildHelpMenu() {
  QMenu* menu = menu_bar_->addMenu("&Help");
  menu->setObjectName("MenuHelp");
  menu->setToolTipsVisible(true);
  Add(menu, "ActShortcuts", "&Keyboard shortcuts", {QKeySequence(Qt::Key_F1)},
      "List the keys of every command", [this] { ShowShortcuts(); });
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

void MainFormActions::SetTooltips() {
  struct Row {
    QAbstractButton* button;
    const char* tip;
    const char* disabled;
  };
  const char* animated = "Only categories with animation frames animate";
  const Row rows[] = {
      {c_.BtnPridGal, "Add the portrait to the gallery", nullptr},
      {c_.BtnBackToGal, "Put the edited portrait back into the gallery",
       "Double-click a portrait in the gallery to edit it first"},
      {c_.Button5, "Exchange the portrait with a multiplayer avatar of the game", nullptr},
      {c_.BtnImport, "Import bitmaps as a new component or as new pictures of one", nullptr},
      {c_.BtnEdKomp, "Edit the selected component's record", nullptr},
      {c_.BtnEdKont, "Edit the current category's record", nullptr},
      {c_.BtnVlast, "Edit the property values of the selected component", nullptr},
      {c_.BtnBarvy, "Open the colours dialog", nullptr},
      {c_.BtnMirror, "Mirror the library", nullptr},
      {c_.BtnAnimuj, "Animate the selected component", animated},
      {c_.BtnAnimSet, "Choose the animation frames of the selected component", animated},
      {c_.BtnAnimAll, "Animate the whole portrait", nullptr},
      {c_.BtnUsePos, "Move the current category's shift (and span) into its component", nullptr},
      {c_.BtnUsePosAll, "Move the shift and span of every category into its component", nullptr},
      {c_.BtnNull, "Drop the current category's shift and span", nullptr},
      {c_.BtnNullAll, "Drop the shift and span of every category", nullptr},
      {c_.BtnDefRozesun, "Move the span into the default span of the snapping point",
       "Only paired categories have a span"},
      {c_.BtnNahUmB, "Scatter the snapping points at random within their limits",
       "Check \"w. spread\" first"},
      {c_.BtnNastNahUmB, "Edit the spread limits of the chosen snapping point",
       "Check \"w. spread\" first"},
      {c_.BtnRozptUse, "Move the snapping points by their spread for good",
       "Check \"w. spread\" first"},
      {c_.BtnRozptVsem, "Copy the chosen point's spread limits to every point",
       "Check \"w. spread\" first"},
      {c_.BtnRozptNulNah, "Set the spread offsets back to zero", "Check \"w. spread\" first"},
      {c_.ChkRozpt, "Draw with the spread offsets of the snapping points",
       "The current category has no snapping points"},
      {c_.ChbLockUm, "A point drag moves all points of the component together", nullptr},
      {c_.RBNastKomp, "The mouse in the full-size preview moves components", nullptr},
      {c_.RBNastBod, "The mouse in the full-size preview moves snapping points",
       "The current category has no snapping points"},
  };
  for (const Row& row : rows) {
    if (row.button == nullptr) continue;
    SetButtonTooltip(row.button, row.tip, row.disabled != nullptr ? row.disabled : "");
  }
  for (int i = 1; i <= kCategoryCount; ++i) {
    c_.speedb[i]->setToolTip("Show the components of " + c_.speedb[i]->text());
  }
  for (int i = 1; i <= kSubcomponentCount; ++i) {
    SetButtonTooltip(c_.clip[i],
                     QString("Clipping flag of subcomponent %1 of the selected component").arg(i),
                     QString("The selected component has no subcomponent %1").arg(i));
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
}

QString MainFormActions::ShortcutsText() const {
  QStringList lines;
  for (const QAction* action : actions_) {
    if (action->shortcuts().isEmpty()) continue;
    QStringList keys;
    for (const QKeySequence& key : action->shortcuts()) {
      keys << key.toString(QKeySequence::NativeText);
    }
    lines << keys.join(", ") + "\t" + Plain(action->text());
  }
  for (const QPushButton* button : form_.findChildren<QPushButton*>()) {
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    if (key.isEmpty() || !button->isVisibleTo(&form_)) continue;
    lines << key.toString(QKeySequence::NativeText) + "\t" + Plain(button->text()) + " (button)";
  }
  return lines.join("\n");
}

void MainFormActions::ShowShortcuts() {
  prompter_.Message(MessageKind::Information, "Keyboard shortcuts", ToAnsi(ShortcutsText()),
                    MessageButtons::Ok);
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
