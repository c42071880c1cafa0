// The main window as a user meets it on the offscreen platform: quitting ends the program, the
// menus run the commands of their buttons with unique keys, every button explains itself, the
// status bar follows the commands, "&Remove" asks first and the display follows each command.
#include <gtest/gtest.h>

#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <map>
#include <set>

#include "gui/dialogs/gallery_window.h"
#include "gui/dialogs/manual_window.h"
#include "gui/editor_app.h"
#include "gui/main_window/main_form_actions.h"
#include "gui/main_window/preview_window.h"
#include "gui/main_window/radio_group.h"
#include "gui/settings_store.h"
#include "library/type_library.h"
#include "support/gui_fixture.h"

namespace kelvo {
namespace {

class MainFormMenusTest : public test::MainWindowFixture {
 protected:
  QAction* Action(const char* name) const {
    auto* action = form_->findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name;
    return action;
  }
  QString Message() const { return form_->findChild<QStatusBar*>("StatusBar")->currentMessage(); }
  QString Label(const char* name) const { return Find<QLabel>(name)->text(); }
};

TEST_F(MainFormMenusTest, ClosingTheMainWindowEndsTheProgramAndWritesTheSettings) {
  EditorAppOptions options;
  options.process = Options();
  bool previews_were_shown = false;
  bool stored_at_close = false;
  bool previews_hidden = false;
  QTimer::singleShot(0, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* form = qobject_cast<TMainForm*>(window);
      if (form == nullptr || !form->isVisible()) continue;
      previews_were_shown = form->Preview(1)->isVisible() && form->Preview(4)->isVisible();
      form->close();  // the title bar's button and Alt+F4 come here
      stored_at_close = ReadEditorSettings().KeyExists;
      previews_hidden = !form->Preview(1)->isVisible() && !form->Preview(4)->isVisible();
    }
  });
  // Ends a loop that would otherwise run on; stopped when the test ends.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(99); });
  guard.start(20000);
  EXPECT_EQ(RunEditor(prompter_, options), 0);
  guard.stop();
  EXPECT_TRUE(previews_were_shown);
  EXPECT_TRUE(stored_at_close);
  EXPECT_TRUE(previews_hidden);
  const EditorSettings settings = ReadEditorSettings();
  EXPECT_TRUE(settings.Previews[0].X.has_value());
  EXPECT_EQ(settings.Previews[3].Visible, true);
}

TEST_F(MainFormMenusTest, QuitInTheFileMenuClosesTheWindow) {
  ASSERT_TRUE(Start());
  bool closed = false;
  QObject::connect(form_.get(), &TMainForm::Closed, [&] { closed = true; });
  Action("ActQuit")->trigger();
  EXPECT_TRUE(closed);
  EXPECT_FALSE(form_->isVisible());
  EXPECT_FALSE(form_->Preview(2)->isVisible());
  EXPECT_TRUE(ReadEditorSettings().KeyExists);
}

TEST_F(MainFormMenusTest, MenusHoldTheCommandsInTheirOrder) {
  ASSERT_TRUE(Start());
  auto* bar = Find<QMenuBar>("MainMenu");
  std::map<QString, QStringList> menus;
  for (QAction* title : bar->actions()) {
    for (QAction* action : title->menu()->actions()) {
      if (!action->isSeparator()) menus[title->text()] << action->objectName();
    }
  }
  EXPECT_EQ(menus.size(), 9u);
  EXPECT_EQ(menus["&File"], (QStringList{"ActExportPortrait", "ActOpenRecent", "ActSaveAsBmp",
                                         "ActSaveLibrary", "ActChangeDataSet", "ActQuit"}));
  EXPECT_EQ(menus["&Edit"],
            (QStringList{"ActUndo", "ActRedo", "ActUndoAll", "ActUndoHistory", "ActCopyPortrait",
                         "ActCopyPortraitCode", "ActPastePortraitCode", "ActRemove"}));
  EXPECT_EQ(menus["P&ortrait"].size(), 15);
  EXPECT_EQ(menus["&Gallery"],
            (QStringList{"ActGallery", "ActAddToGallery", "ActBackToGallery", "ActMultiAvatar"}));
  EXPECT_EQ(menus["&View"],
            (QStringList{"ActPreview1", "ActPreview2", "ActPreview3", "ActPreview4",
                         "ActDockPreviews", "ActList", "ActOnlySelected", "ActDrawSnapPoint"}));
  EXPECT_EQ(menus["&Help"], (QStringList{"ActManual", "ActShortcuts", "ActAbout"}));
  EXPECT_EQ(Action("ActSaveLibrary")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(Action("ActQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_EQ(Action("ActRandomAll")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
  EXPECT_EQ(Action("ActRemove")->shortcut(), QKeySequence(Qt::Key_Delete));
  EXPECT_EQ(Action("ActPreviousRoll")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Left));
  EXPECT_EQ(Action("ActNextRoll")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Right));
}

TEST_F(MainFormMenusTest, EachActionTriggersItsCommand) {
  ASSERT_TRUE(Start());
  const auto refreshes = [this] { return model_->Session().State().RefreshCount; };
  struct Row {
    const char* action;
    std::function<bool()> done;
  };
  uint64_t before = 0;
  const std::vector<Row> rows = {
      {"ActRandomAll", [&] { return refreshes() > before; }},
      {"ActRandom", [&] { return refreshes() > before; }},
      {"ActRandomComponents", [&] { return refreshes() > before; }},
      {"ActRandomColours", [&] { return refreshes() > before; }},
      {"ActArabian", [&] { return model_->Portrait().PropertyWeights[2] == 100; }},
      {"ActRussian", [&] { return model_->Portrait().PropertyWeights[3] == 100; }},
      {"ActAmerican", [&] { return model_->Portrait().PropertyWeights[1] == 100; }},
      {"ActPreviousRoll", [&] { return model_->Random().Rolls().CanGoForward(); }},
      {"ActNextRoll", [&] { return !model_->Random().Rolls().CanGoForward(); }},
      {"ActPreview2", [&] { return !form_->Preview(2)->isVisible(); }},
      {"ActPreview2", [&] { return form_->Preview(2)->isVisible(); }},
      {"ActOnlySelected", [&] { return model_->Session().State().OnlySelected; }},
      {"ActDrawSnapPoint", [&] { return model_->Session().State().DrawSnapPoint.Checked; }},
      {"ActGallery", [&] { return form_->GalleryWindow()->isVisible(); }},
      {"ActShortcuts",
       [&] { return form_->Actions()->Manual()->windowTitle() == "Keyboard shortcuts"; }},
      {"ActAbout", [&] { return prompter_.messages.back().Caption == "About KelvoEd"; }},
  };
  for (const Row& row : rows) {
    before = refreshes();
    QAction* action = Action(row.action);
    ASSERT_TRUE(action->isEnabled()) << row.action;
    action->trigger();
    EXPECT_TRUE(row.done()) << row.action;
  }
  EXPECT_TRUE(Action("ActOnlySelected")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("ChkUmBod")->isChecked());

  TKelvoKomp* face = model_->Portrait().Selected[kFaces];
  const int x = face->Sub(1)->X;
  model_->Undo().ClearUndo();
  model_->Session().Changed(kChangeHistory);
  Find<QSpinBox>("SpinEditPosX")->setValue(5);
  EXPECT_EQ(Action("ActUndo")->text(), "&Undo Shift (Faces)");
  QTest::mouseClick(Find<QPushButton>("BtnUsePos"), Qt::LeftButton);
  EXPECT_EQ(Action("ActUndo")->text(), "&Undo Set (Faces)");
  Action("ActUndo")->trigger();
  EXPECT_EQ(face->Sub(1)->X, x);
  EXPECT_EQ(Action("ActRedo")->text(), "&Redo Set (Faces)");
  Action("ActRedo")->trigger();
  EXPECT_EQ(face->Sub(1)->X, x + 5);
  EXPECT_EQ(Action("ActRedo")->text(), "&Redo");
  // The history lists the steps; a click on the first line goes back before both.
  Action("ActUndoHistory")->trigger();
  auto* history = form_->findChild<QListWidget*>("LbxHistory");
  ASSERT_NE(history, nullptr);
  ASSERT_EQ(history->count(), 3);
  EXPECT_EQ(history->item(2)->text(), "Set (Faces)");
  EXPECT_EQ(history->currentRow(), 2);
  history->setCurrentRow(0);
  EXPECT_EQ(face->Sub(1)->X, x);
  EXPECT_EQ(Find<QSpinBox>("SpinEditPosX")->value(), 0);
  EXPECT_EQ(Action("ActRedo")->text(), "&Redo Shift (Faces)");
  Action("ActRedo")->trigger();
  Action("ActRedo")->trigger();
  EXPECT_EQ(history->currentRow(), 2);
  Action("ActUndoAll")->trigger();
  EXPECT_EQ(face->Sub(1)->X, x);
  EXPECT_FALSE(Action("ActUndo")->isEnabled());
  EXPECT_FALSE(Action("ActUndoAll")->isEnabled());
  const int count = model_->Library().Container(kFaces).ComponentCount();
  prompter_.answers.push_back(MessageAnswer::Yes);
  Action("ActRemove")->trigger();
  EXPECT_EQ(model_->Library().Container(kFaces).ComponentCount(), count - 1);
}

TEST_F(MainFormMenusTest, CommandsStillToComeAreDisabledAndSayWhy) {
  ASSERT_TRUE(Start());
  const std::vector<std::pair<const char*, const char*>> bound = {
      {"ActSaveLibrary", "BtnUloz"},
      {"ActSaveAsBmp", "Button6"},
      {"ActChangeDataSet", "BtnNacist"}};
  QPushButton* pending = nullptr;
  QAction* pending_action = nullptr;
  for (const auto& [name, button] : bound) {
    QAction* action = Action(name);
    EXPECT_EQ(action->isEnabled(), Find<QPushButton>(button)->isEnabled()) << name;
    EXPECT_EQ(action->toolTip().startsWith("Not available yet"), !action->isEnabled()) << name;
    if (!action->isEnabled()) {
      pending = Find<QPushButton>(button);
      pending_action = action;
    }
  }
  if (pending == nullptr) return;  // every one of them has arrived
  // A button brought to life brings its menu entry with it.
  int clicks = 0;
  QObject::connect(pending, &QPushButton::clicked, [&] { ++clicks; });
  pending->setEnabled(true);
  EXPECT_TRUE(pending_action->isEnabled());
  EXPECT_FALSE(pending_action->toolTip().startsWith("Not available yet"));
  pending_action->trigger();
  EXPECT_EQ(clicks, 1);
}

TEST_F(MainFormMenusTest, ShortcutsAndMnemonicsAreUnique) {
  ASSERT_TRUE(Start());
  std::map<QString, QString> owners;
  const auto claim = [&](const QKeySequence& key, const QString& owner) {
    const QString text = key.toString(QKeySequence::PortableText);
    const auto [it, fresh] = owners.emplace(text, owner);
    EXPECT_TRUE(fresh) << text.toStdString() << ": " << owner.toStdString() << " and "
                       << it->second.toStdString();
  };
  std::set<QAction*> seen;
  for (QAction* action : form_->findChildren<QAction*>()) {
    if (!seen.insert(action).second) continue;
    for (const QKeySequence& key : action->shortcuts()) claim(key, action->objectName());
  }
  for (QAction* title : Find<QMenuBar>("MainMenu")->actions()) {
    claim(QKeySequence::mnemonic(title->text()), title->text());
  }
  for (QAbstractButton* button : form_->findChildren<QAbstractButton*>()) {
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    if (!key.isEmpty() && button->isVisibleTo(form_.get())) claim(key, button->objectName());
  }
  EXPECT_GE(owners.size(), 15u);
}

TEST_F(MainFormMenusTest, EveryButtonHasATooltip) {
  ASSERT_TRUE(Start());
  for (QAbstractButton* button : form_->findChildren<QAbstractButton*>()) {
    if (!button->isVisibleTo(form_.get()) || qobject_cast<QRadioButton*>(button) != nullptr) {
      continue;
    }
    if (button->objectName().startsWith("ChkKomp") || button->window() != form_.get()) continue;
    EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
  }
  EXPECT_TRUE(Find<QPushButton>("BtnUndo")->toolTip().contains("Nothing to undo"));
}

TEST_F(MainFormMenusTest, KeysReachTheirCommands) {
  ASSERT_TRUE(Start());
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  Find<QPushButton>("BtnUsePos")->setFocus();  // keys go to the form, not to a spin box's text
  const QString signature = Find<QLineEdit>("EditSig")->text();
  const auto refreshes = model_->Session().State().RefreshCount;
  QTest::keySequence(form_.get(), QKeySequence(Qt::CTRL | Qt::Key_R));
  EXPECT_GT(model_->Session().State().RefreshCount, refreshes);
  EXPECT_EQ(Message(), "Random all");
  QTest::keySequence(form_.get(), QKeySequence(Qt::ALT | Qt::Key_Left));
  EXPECT_EQ(Find<QLineEdit>("EditSig")->text(), signature);
  EXPECT_TRUE(Message().startsWith("Previous roll"));
  QTest::keySequence(form_.get(), QKeySequence(Qt::Key_Delete));  // asks; No is preselected
  EXPECT_EQ(prompter_.messages.back().Buttons, MessageButtons::YesNoDefaultNo);
  EXPECT_EQ(model_->Library().Container(kFaces).ComponentCount(), 3);

  // After a drag in preview 1 its window is the active one: the keys work there as well.
  TFZobr* preview = form_->Preview(1);
  QTest::mousePress(preview, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(preview, QPoint(110, 100));
  QTest::mouseRelease(preview, Qt::LeftButton, {}, QPoint(110, 100));
  QTest::mouseClick(Find<QPushButton>("BtnUsePos"), Qt::LeftButton);
  TKelvoKomp* face = model_->Portrait().Selected[kFaces];
  const int x = face->Sub(1)->X;
  preview->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(preview));
  QTest::keySequence(preview, QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(face->Sub(1)->X, x - 10);
}

TEST_F(MainFormMenusTest, StatusBarFollowsTheCommandsAndThePointer) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(Label("StatusDataSet"), "Data set: male");
  const QString face = QString::fromStdString(model_->SelectedComponent()->Name);
  EXPECT_EQ(Label("StatusSelection"), "Faces: " + face);
  QTest::mouseClick(Find<QPushButton>("speedb5"), Qt::LeftButton);
  EXPECT_TRUE(Label("StatusSelection").startsWith("Eyes: "));
  QTest::mouseClick(Find<QPushButton>("speedb3"), Qt::LeftButton);

  QTest::mouseClick(Find<QPushButton>("BtnNahodAll"), Qt::LeftButton);
  EXPECT_EQ(Message(), "Random all");
  Find<QSpinBox>("SpinEditPosX")->setValue(4);
  QTest::mouseClick(Find<QPushButton>("BtnUsePos"), Qt::LeftButton);
  EXPECT_EQ(Message(), "Set");
  QTest::mouseClick(Find<QPushButton>("BtnUndo"), Qt::LeftButton);
  EXPECT_EQ(Message(), "Undo: Set, Faces");

  QTest::mouseMove(form_->Preview(1), QPoint(30, 70));
  EXPECT_EQ(Label("StatusPointer"), "x 30, y 70");
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(form_->Preview(1), &leave);
  EXPECT_EQ(Label("StatusPointer"), "");
}

TEST_F(MainFormMenusTest, RemoveAsksAndUndoBringsTheComponentBack) {
  ASSERT_TRUE(Start());
  auto* list = Find<QListWidget>("LbxKomp");
  const QStringList before = Lines("LbxKomp");
  QTest::mouseClick(Find<QPushButton>("BtnSmazat"), Qt::LeftButton);  // No, preselected
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].Caption, "Question");
  EXPECT_EQ(Lines("LbxKomp"), before);

  prompter_.answers.push_back(MessageAnswer::Yes);
  const int row = list->currentRow();
  QTest::mouseClick(Find<QPushButton>("BtnSmazat"), Qt::LeftButton);
  EXPECT_EQ(Lines("LbxKomp").size(), before.size() - 1);
  EXPECT_TRUE(Find<QPushButton>("BtnUndo")->isEnabled());
  QTest::mouseClick(Find<QPushButton>("BtnUndo"), Qt::LeftButton);
  EXPECT_EQ(Lines("LbxKomp"), before);
  EXPECT_EQ(list->currentRow(), row);
  EXPECT_TRUE(Message().startsWith("Undo: Remove "));
}

TEST_F(MainFormMenusTest, EachCommandEndsWithTheRedrawOfWhatItChanged) {
  ASSERT_TRUE(Start());
  // "Unset all" with the shift in another category than the current one.
  QTest::mouseClick(Find<QPushButton>("speedb10"), Qt::LeftButton);
  Find<QSpinBox>("SpinEditPosX")->setValue(25);
  QTest::mouseClick(Find<QPushButton>("speedb3"), Qt::LeftButton);
  const QImage shifted = form_->Preview(1)->Image().copy();
  QTest::mouseClick(Find<QPushButton>("BtnNullAll"), Qt::LeftButton);
  EXPECT_NE(form_->Preview(1)->Image(), shifted);

  // "Set" moves the snapping points: their edits follow.
  auto* point_x = Find<QSpinBox>("SpinUmistX");
  const int x = point_x->value();
  Find<QSpinBox>("SpinEditPosX")->setValue(7);
  QTest::mouseClick(Find<QPushButton>("BtnUsePos"), Qt::LeftButton);
  EXPECT_EQ(point_x->value(), x + 7);

  // The frames list highlights nothing while the portrait shows an ordinary face.
  auto* filters = Find<RadioGroup>("RGKomp");
  ASSERT_EQ(filters->Items().size(), 3);
  model_->RGKompClick(kOnlyAnimations);
  EXPECT_EQ(Find<QListWidget>("LbxKomp")->currentRow(), -1);
}

}  // namespace
}  // namespace kelvo
