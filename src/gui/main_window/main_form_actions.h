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
#include <functional>
#include <vector>

#include "editor/main_window/window_placement.h"
#include "gui/main_window/main_form_controls.h"

class QAbstractButton;
class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;
class QPushButton;

namespace kelvo {

class EditorModel;
class ManualWindow;
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
  // The menu action that runs `button`'s command; null when it has none.
  QAction* ActionOf(const QAbstractButton* button) const;

  // Brings the enabled states (undo, redo, rolls) and the checked entries of the View menu in
  // line with the model; the form calls it after every change.
  void ShowState();
  // The text of "Keyboard shortcuts": every action with its keys, one a line.
  QString ShortcutsText() const;
  // Keys and command name, one pair per shortcut.
  std::vector<std::pair<QString, QString>> ShortcutRows() const;
  // The window of the manual and of the shortcut list; made when first asked for.
  ManualWindow* Manual();
  // File > "Open Recent" from the session's list; it is filled again each time it opens.
  QMenu* RecentMenu() const { return recent_menu_; }
  void FillRecentMenu();

 signals:
  // A gallery was opened from "Open Recent": the gallery window shows it.
  void GalleryOpened();

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
  QMenu* Menu(const QString& title, const QString& name);
  // A menu command without a button: the model's handler, run as every button runs.
  std::function<void()> Runner(void (EditorModel::*handler)());
  void BuildFileMenu();
  void BuildEditMenu();
  void BuildPortraitMenu();
  void BuildPointsMenu();
  void BuildLibraryMenu();
  void BuildGalleryMenu();
  void BuildAnimationMenu();
  void BuildViewMenu();
  void BuildHelpMenu();
  void AddRollButtons();
  void SetTooltips();
  void NameCommands();
  void ShowAbout();
  void ShowManual();
  // What the manual window should not cover: the full-size preview when it is shown.
  void ShowShortcuts();

  TMainForm& form_;
  MainFormControls c_;
  EditorModel& model_;
  Prompter& prompter_;
  StatusBarModel& status_;
  QMenuBar* menu_bar_ = nullptr;
  QMenu* recent_menu_ = nullptr;
  ManualWindow* manual_ = nullptr;
  QPushButton* previous_roll_ = nullptr;
  QPushButton* next_roll_ = nullptr;
  QAction* undo_action_ = nullptr;
  QAction* redo_action_ = nullptr;
  QAction* dock_action_ = nullptr;              // View > "Dock previews"
  class UndoHistoryWindow* history_ = nullptr;  // made when first opened; owned by the form
  std::vector<QAction*> actions_;
  std::vector<std::pair<QAction*, QAbstractButton*>> check_actions_;  // View menu mirrors
  std::vector<std::pair<const QAbstractButton*, QAction*>> bound_;
  std::vector<QAction*> list_actions_;  // View > List, by filter
};

}  // namespace kelvo
