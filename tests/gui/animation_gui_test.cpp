// The animation commands of the main window on the offscreen platform: "Anim. comp." played by
// its timer with the window disabled, TFAnim and TFAllAnim shown modally and closed.
#include <gtest/gtest.h>

#include "library/component.h"  // before Qt, whose macros clash with its names
#include "portrait/portrait.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "gui/dialogs/all_anim_window.h"
#include "gui/dialogs/anim_dialog.h"
#include "gui/main_window/main_form.h"
#include "support/gui_fixture.h"

namespace kelvo {
namespace {

class AnimationGuiTest : public test::MainWindowFixture {
 protected:
  QPushButton* Button(const char* name) const {
    auto* button = form_->findChild<QPushButton*>(name);
    EXPECT_NE(button, nullptr) << name;
    return button;
  }
  // Clicks the button, and once its modal window is up runs `inside` on it.
  void WithModal(QPushButton* button, const std::function<void(QWidget*)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, form_.get(), [&] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      ran = true;
      inside(modal);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(ran);
  }
};

TEST_F(AnimationGuiTest, AnimCompPlaysToItsEndAndEnablesTheWindowAgain) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(Button("BtnAnimuj")->isEnabled());  // Faces have animation slots
  EXPECT_TRUE(Button("BtnAnimSet")->isEnabled());
  EXPECT_TRUE(Button("BtnAnimAll")->isEnabled());
  EXPECT_TRUE(Button("Button6")->isEnabled());
  EXPECT_FALSE(Button("Button1")->isVisible());
  form_->findChild<TFAnim*>("FAnim")->Model().SEProdlevaChange(100);
  const auto selected = model_->Portrait().Selected;
  const auto before = model_->Session().State().RefreshCount;

  QTest::mouseClick(Button("BtnAnimuj"), Qt::LeftButton);
  EXPECT_FALSE(form_->isEnabled());
  auto* timer = form_->findChild<QTimer*>("TMAnim");
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->interval(), 100);
  EXPECT_TRUE(QTest::qWaitFor([&] { return form_->isEnabled(); }, 20000));
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(model_->Session().State().RefreshCount, before + 4);  // steps 1..3, then back
  EXPECT_EQ(model_->Portrait().Selected, selected);

  QTest::mouseClick(form_->findChild<QPushButton*>("speedb10"), Qt::LeftButton);  // Hair
  EXPECT_FALSE(Button("BtnAnimuj")->isEnabled());
  EXPECT_FALSE(Button("BtnAnimSet")->isEnabled());
}

TEST_F(AnimationGuiTest, AnimationShowsTheStepsOfTheChosenComponent) {
  ASSERT_TRUE(Start());
  const std::string name = model_->SelectedComponent()->Name;
  WithModal(Button("BtnAnimSet"), [&](QWidget* modal) {
    EXPECT_EQ(modal->objectName(), "FAnim");
    EXPECT_EQ(modal->windowTitle().toStdString(), "Animation - Faces - " + name);
    auto* list = modal->findChild<QListWidget*>("LBKomp");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 3);
    QTest::mouseClick(modal->findChild<QPushButton*>("BtnCancel"), Qt::LeftButton);
  });
  EXPECT_TRUE(prompter_.messages.empty());
}

TEST_F(AnimationGuiTest, AnimateAllTicksUntilStoppedAndClosingActsAsStop) {
  ASSERT_TRUE(Start());
  auto* window = form_->findChild<TFAllAnim*>("FAllAnim");
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
  for (const bool by_close : {false, true}) {
    WithModal(Button("BtnAnimAll"), [&](QWidget* modal) {
      EXPECT_EQ(modal, window);
      EXPECT_EQ(modal->windowTitle(), "Animation");
      EXPECT_TRUE(window->Timer()->isActive());
      EXPECT_TRUE(QTest::qWaitFor([&] { return window->Model().State().Ticks >= 3; }, 20000));
      if (by_close) {
        window->close();
      } else {
        QTest::mouseClick(window->findChild<QPushButton*>("BtnStop"), Qt::LeftButton);
      }
    });
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->Timer()->isActive());
    EXPECT_FALSE(window->Model().State().Running);
  }
}

}  // namespace
}  // namespace kelvo
