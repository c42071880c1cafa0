// Every dialog and secondary window belongs to the main window: it is the window's parent and
// its transient parent of the dialog type, which is what makes a window manager keep it above
// the main window. Escape closes each dialog as its Cancel, Exit or Ok does. The colour chooser
// belongs to the window that asked for it.
#include "portrait/portrait.h"  // before Qt, whose macros clash with its names

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>
#include <functional>

#include "gui/qt_prompter.h"
#include "support/gui_fixture.h"

namespace kelvo::test {
namespace {

struct OwnedWindow {
  const char* name;                                    // the window's objectName
  std::function<void(TMainForm&, EditorModel&)> open;  // what the user does to show it
  bool escapeCloses = true;
};

void PrintTo(const OwnedWindow& window, std::ostream* out) {
  *out << window.name;
}

void Click(TMainForm& form, const char* button) {
  auto* widget = form.findChild<QAbstractButton*>(button);
  ASSERT_NE(widget, nullptr) << button;
  ASSERT_TRUE(widget->isEnabled()) << button;
  widget->click();
}

std::function<void(TMainForm&, EditorModel&)> ClickOn(const char* button) {
  return [button](TMainForm& form, EditorModel&) { Click(form, button); };
}

const OwnedWindow kWindows[] = {
    {"FRozpt",
     [](TMainForm& form, EditorModel&) {
       Click(form, "ChkRozpt");
       Click(form, "BtnNastNahUmB");
     }},
    {"FBarvy", ClickOn("BtnBarvy")},
    {"FVlast", ClickOn("BtnVlast")},
    {"FEdKomp", ClickOn("BtnEdKomp")},
    {"FEdKont", ClickOn("BtnEdKont")},
    {"FAnim", ClickOn("BtnAnimSet")},
    {"FAnimList",
     [](TMainForm& form, EditorModel& model) {
       model.RGKompClick(kAnimationSteps);
       auto* list = form.findChild<QListWidget*>("LbxKomp");
       ASSERT_NE(list, nullptr);
       ASSERT_TRUE(list->item(1)->text().startsWith("   >"));
       emit list->itemDoubleClicked(list->item(1));
     }},
    {"FAllAnim", ClickOn("BtnAnimAll")},
    {"FrmImportMultiAV", ClickOn("Button5")},
    {"FLoad", ClickOn("BtnNacist")},
    {"FSave", ClickOn("BtnUloz")},
    // Not a dialog: Escape leaves it open.
    {"Galerie", ClickOn("BtnGal"), false},
};

// Runs `inside` once the window is on screen, within a modal window's own event loop too.
class WhenShown : public QObject {
 public:
  WhenShown(QWidget* window, std::function<void()> inside)
      : window_(window), inside_(std::move(inside)) {
    window_->installEventFilter(this);
  }
  ~WhenShown() override { window_->removeEventFilter(this); }
  bool ran = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show && !ran) {
      ran = true;
      QTimer::singleShot(0, window_, [this] {
        inside_();
        // A failed check must not leave a modal window running.
        if (auto* dialog = qobject_cast<QDialog*>(window_); dialog && dialog->isVisible()) {
          dialog->reject();
        }
      });
    }
    return false;
  }

 private:
  QWidget* window_;
  std::function<void()> inside_;
};

class OwnedWindows : public MainWindowFixture, public testing::WithParamInterface<OwnedWindow> {};

TEST_P(OwnedWindows, StayAboveTheMainWindowAndEscapeClosesThem) {
  ASSERT_TRUE(Start());
  const OwnedWindow& row = GetParam();
  auto* window = form_->findChild<QWidget*>(row.name);
  ASSERT_NE(window, nullptr);
  bool closed = false;
  WhenShown check(window, [&] {
    EXPECT_EQ(window->parentWidget(), form_.get());
    EXPECT_EQ(window->windowType(), Qt::Dialog);  // only dialogs get WM_TRANSIENT_FOR on X11
    ASSERT_NE(window->windowHandle(), nullptr);
    EXPECT_EQ(window->windowHandle()->transientParent(), form_->windowHandle());
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window, Qt::Key_Escape);
    closed = !window->isVisible();
    window->close();
  });
  row.open(*form_, *model_);
  QApplication::processEvents();
  ASSERT_TRUE(check.ran);
  EXPECT_EQ(closed, row.escapeCloses);
  EXPECT_FALSE(window->isVisible());
  // Closed as by its own button: the main window takes input again.
  EXPECT_FALSE(model_->Session().State().SpreadDialogShown);
  EXPECT_TRUE(Find<QPushButton>("BtnNahodAll")->isEnabled());
  EXPECT_TRUE(prompter_.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, OwnedWindows, testing::ValuesIn(kWindows),
                         [](const testing::TestParamInfo<OwnedWindow>& info) {
                           return std::string(info.param.name);
                         });

// The colour chooser asked for from a window other than the main one is that window's: when
// it closes, that window is in front again.
TEST(ColourChooser, BelongsToTheWindowThatAskedForIt) {
  QWidget main;
  QWidget asker(&main, Qt::Dialog);
  main.show();
  asker.show();
  asker.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&asker));
  QtPrompter prompter;
  prompter.SetParentWindow(&main);
  QWidget* owner = nullptr;
  QTimer::singleShot(0, &asker, [&] {
    auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    owner = chooser->parentWidget();
    chooser->setCurrentColor(QColor(0x40, 0x20, 0x10));
    chooser->accept();
  });
  EXPECT_EQ(prompter.ChooseColour(0x808080), std::optional<std::uint32_t>(0x102040));
  EXPECT_EQ(owner, &asker);
}

}  // namespace
}  // namespace kelvo::test
