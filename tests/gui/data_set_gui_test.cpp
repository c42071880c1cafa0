// "&Sex", "Save library..." and closing with unsaved library changes on the offscreen platform:
// the modal dialogs are answered by clicks on their buttons, made once they are up.
#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "gui/dialogs/change_sex_dialog.h"
#include "gui/dialogs/save_dialog.h"
#include "gui/main_window/main_form_data_sets.h"
#include "gui/registry_key.h"
#include "gui/settings_store.h"
#include "support/gui_fixture.h"

namespace kelvo::test {
namespace {

// Answers a dialog once it is on screen: its show event posts the answer, which then runs
// inside the dialog's own event loop.
class DialogAnswerer : public QObject {
 public:
  DialogAnswerer(QDialog* dialog, std::function<void(QDialog*)> answer)
      : dialog_(dialog), answer_(std::move(answer)) {
    dialog_->installEventFilter(this);
  }
  ~DialogAnswerer() override { dialog_->removeEventFilter(this); }
  bool shown = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == dialog_ && event->type() == QEvent::Show && !shown) {
      shown = true;
      QTimer::singleShot(0, dialog_, [this] {
        answer_(dialog_);
        if (dialog_->isVisible()) dialog_->reject();
      });
    }
    return false;
  }

 private:
  QDialog* dialog_;
  std::function<void(QDialog*)> answer_;
};

class DataSetGuiTest : public MainWindowFixture {
 protected:
  // Runs `answer` on the dialog `name` once `open` shows it; false when it never came up.
  bool AnswerDialog(const QString& name, const std::function<void()>& open,
                    const std::function<void(QDialog*)>& answer) {
    auto* dialog = form_->findChild<QDialog*>(name);
    if (dialog == nullptr) return false;
    DialogAnswerer answerer(dialog, answer);
    open();
    return answerer.shown;
  }
  void Click(QDialog* dialog, const QString& button) {
    auto* widget = dialog->findChild<QPushButton*>(button);
    ASSERT_NE(widget, nullptr) << button.toStdString();
    QTest::mouseClick(widget, Qt::LeftButton);
  }
  void ChangeSex(const QString& button) {
    EXPECT_TRUE(AnswerDialog(
        "FLoad", [&] { QTest::mouseClick(Find<QPushButton>("BtnNacist"), Qt::LeftButton); },
        [&](QDialog* dialog) { Click(dialog, button); }));
  }
  // "&Save" into `folder`, typed into EdAdr.
  std::function<void(QDialog*)> SaveInto(const std::filesystem::path& folder) {
    return [this, folder](QDialog* dialog) {
      auto* target = dialog->findChild<QLineEdit*>("EdAdr");
      target->clear();
      QTest::keyClicks(target, QString::fromStdString(folder.string()));
      Click(dialog, "BtnSave");
    };
  }
  QAction* Action(const QString& name) {
    auto* action = form_->findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name.toStdString();
    return action;
  }
  void MarkChanged() { model_->SpinEditCetnChange(model_->ComponentList().State().Frequency + 1); }
};

TEST_F(DataSetGuiTest, ChangeToFemaleAndBack) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(Find<QPushButton>("BtnNacist")->isEnabled());
  const auto* dialog = Find<QDialog>("FLoad");
  EXPECT_EQ(dialog->windowTitle(), "Change Sex");
  for (const char* hidden : {"Button1", "DirListBox"}) {
    EXPECT_FALSE(dialog->findChild<QWidget*>(hidden)->isVisibleTo(dialog)) << hidden;
  }
  ChangeSex("Button4");
  EXPECT_EQ(form_->windowTitle(), "KelvoEd - female");
  EXPECT_EQ(model_->Session().State().DataSetDir, "female");
  ChangeSex("Button3");
  EXPECT_EQ(form_->windowTitle(), "KelvoEd - male");
  const TKelvoTyp* male = &model_->Library();
  ChangeSex("Button2");  // "Exit"
  EXPECT_EQ(&model_->Library(), male);

  // The menu entry runs the same command.
  EXPECT_TRUE(AnswerDialog(
      "FLoad", [&] { Action("ActChangeDataSet")->trigger(); },
      [&](QDialog* d) { Click(d, "Button4"); }));
  EXPECT_EQ(form_->windowTitle(), "KelvoEd - female");
  EXPECT_TRUE(prompter_.messages.empty()) << prompter_.messages.front().Text;
}

TEST_F(DataSetGuiTest, SaveLibraryIsInTheFileMenuWithCtrlS) {
  ASSERT_TRUE(Start());
  EXPECT_FALSE(Find<QPushButton>("BtnUloz")->isVisibleTo(form_.get()));
  auto* bar = Find<QMenuBar>("MainMenu");
  auto* file = bar->findChild<QMenu*>("MenuFile");
  ASSERT_NE(file, nullptr);
  QAction* save = Action("ActSaveLibrary");
  EXPECT_TRUE(file->actions().contains(save));
  EXPECT_TRUE(file->actions().contains(Action("ActChangeDataSet")));
  EXPECT_EQ(save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(save->text(), "&Save library...");
  const auto* dialog = Find<QDialog>("FSave");
  EXPECT_EQ(dialog->windowTitle(), "Save");
  EXPECT_TRUE(dialog->findChild<QCheckBox*>("ChbData")->isChecked());
  // "&Save" proposes a folder of its own, never the working folder.
  EXPECT_NE(dialog->findChild<QLineEdit*>("EdAdr")->text(), QDir::currentPath());

  const std::filesystem::path out = data_.parent_path() / "saved" / "male";
  MarkChanged();
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  EXPECT_TRUE(AnswerDialog(
      "FSave", [&] { QTest::keyClick(form_.get(), Qt::Key_S, Qt::ControlModifier); },
      SaveInto(out)));
  EXPECT_TRUE(std::filesystem::exists(out / "cmp"));
  EXPECT_FALSE(model_->Session().State().LibraryChanged);
}

TEST_F(DataSetGuiTest, ClosingAsksAboutAnUnsavedLibrary) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(form_->close());  // nothing unsaved: no question
  EXPECT_TRUE(prompter_.messages.empty());
  form_->show();

  MarkChanged();
  prompter_.answers = {MessageAnswer::Cancel};
  EXPECT_FALSE(form_->close());
  EXPECT_TRUE(form_->isVisible());
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages.back().Text, kUnsavedLibraryText);

  // Save with the save dialog cancelled keeps the program running too.
  prompter_.answers = {MessageAnswer::Save};
  EXPECT_TRUE(AnswerDialog(
      "FSave", [&] { EXPECT_FALSE(form_->close()); }, [&](QDialog* d) { Click(d, "BtnCancel"); }));
  EXPECT_TRUE(form_->isVisible());

  // Discard closes without a save.
  prompter_.answers = {MessageAnswer::Discard};
  EXPECT_TRUE(form_->close());
  EXPECT_EQ(prompter_.messages.size(), 3u);

  // Save and a save close after writing.
  form_->show();
  const std::filesystem::path out = data_.parent_path() / "on close";
  prompter_.answers = {MessageAnswer::Save};
  EXPECT_TRUE(AnswerDialog(
      "FSave", [&] { EXPECT_TRUE(form_->close()); }, SaveInto(out)));
  EXPECT_TRUE(std::filesystem::exists(out / "dro"));
  EXPECT_EQ(prompter_.messages.size(), 4u) << prompter_.messages.back().Text;
}

TEST_F(DataSetGuiTest, ARestartFindsTheStoredDirectories) {
  {
    RegistryKey key(kEditorSettingsKey);
    key.WriteString("LoadDirectory", QString::fromStdString((data_ / "female").string()));
    key.Flush();
  }
  ASSERT_TRUE(Start());
  // The stored folder holds a library: start-up takes it, the dialog's list shows it.
  EXPECT_EQ(form_->windowTitle(),
            "KelvoEd - " + QString::fromStdString((data_ / "female").string()));
  const std::filesystem::path out = data_.parent_path() / "kept";
  std::filesystem::create_directories(out);
  EXPECT_TRUE(AnswerDialog(
      "FSave", [&] { Action("ActSaveLibrary")->trigger(); }, SaveInto(out)));
  Stop();

  const RegistryKey key(kEditorSettingsKey);
  EXPECT_EQ(key.ReadString("SaveDirectory"), QString::fromStdString(out.string()));
  EXPECT_EQ(key.ReadString("LoadDirectory"), QString::fromStdString((data_ / "female").string()));
  ASSERT_TRUE(Start());
  const DataSetsState& state = form_->DataSets()->Model().State();
  EXPECT_EQ(state.Save.Target, out.string());
  EXPECT_EQ(state.Load.Directory, (data_ / "female").string());
  EXPECT_EQ(Find<QLineEdit>("EdAdr")->text(), QString::fromStdString(out.string()));
}

}  // namespace
}  // namespace kelvo::test
