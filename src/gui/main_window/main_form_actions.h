// The main window's menu bar and keyboard shortcuts, and the tooltips of its buttons. Every menu
// entry that has a button is a QAction bound to it: triggering the action clicks the button, and
// the action is enabled exactly when the button is, so the button's wiring stays the one place
// that runs the command. Actions are children of the form named "Act..." ("ActSaveLibrary"), so
// other code finds one with form.findChild<QAction*>(name). A command still to come is bound to
// its disabled button and tells why in its tooltip; enabling the button (and connecting its
// clicked signal) brings the menu entry to life with its usual tooltip.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <vector>

#include "gui/main_window/main_form_controls.h"

class QAbstractButton;
class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;
class QPushButton;

namespace kelvo {

class EditorModel;
class Prompter;
class StatusBarModel;
class TMainForm;

// Gives `button` its tooltip and, while it is disabled, `disabled_tip` when that is not empty
// (why it cannot be used); again with other texts replaces them.
void SetButtonTooltip(QAbstractButton* button, const QString& tip,
                      const QString& disabled_tip = QString());

class MainFormActions : public QObject {
  Q_OBJECT

 public:
  // Builds the menu bar on `form` (which owns it) and the "Previous roll" / "Next roll" buttons
  // in the random panel; `status` hears each command's name.
  MainFormActions(TMainForm& form, const MainFormControls& controls, EditorModel& model,
                  Prompter& prompter, StatusBarModel& status);

  QMenuBar* MenuBar() const { return menu_bar_; }
  QPushButton* PreviousRollButton() const { return previous_roll_; }
  QPushButton* NextRollButton() const { return next_roll_; }
  const std::vector<QAction*>& Actions() const { return actions_; }

  // Brings the enabled states (undo, redo, rolls) and the checked entries of the View menu in
  // line with the model; the form calls it after every change.
  void ShowState();
  // The text of "Keyboard shortcuts": every action with its keys, one a line.
  QString ShortcutsText() const;

 private:
  // Adds an action to `menu` bound to `button`. `pending`, when given, is the tooltip while the
  // button is disabled; else the tooltip stays `tip` with the keys added.
  QAction* Bind(QMenu* menu, QAbstractButton* button, const QString& name, const QString& text,
                const QList<QKeySequence>& keys, const QString& tip,
                const QString& pending = QString());
  // An action without a button; `run` is called when it is triggered.
  template <typename Run>
  QAction* Add(QMenu* menu, const QString& name, const QString& text,
               const QList<QKeySequence>& keys, const QString& tip, Run run);
  void BuildFileMenu();
  void BuildEditMenu();
  void BuildPortraitMenu();
  void BuildViewMenu();
  void BuildHelpMenu();
  void AddRollButtons();
  void SetTooltips();
  void NameCommands();
  void ShowAbout();
  void ShowShortcuts();

  TMainForm& form_;
  MainFormControls c_;
  EditorModel& model_;
  Prompter& prompter_;
  StatusBarModel& status_;
  QMenuBar* menu_bar_ = nullptr;
  QPushButton* previous_roll_ = nullptr;
  QPushButton* next_roll_ = nullptr;
  QAction* undo_action_ = nullptr;
  QAction* redo_action_ = nullptr;
  class UndoHistoryWindow* history_ = nullptr;  // made when first opened; owned by the form
  std::vector<QAction*> actions_;
  std::vector<std::pair<QAction*, QAbstractButton*>> check_actions_;  // View menu mirrors
};

}  // namespace kelvo
