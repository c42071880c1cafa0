// The Qt message boxes behind the prompter, on the offscreen platform: which standard buttons a
// question shows, which one is preselected, and what Enter, Escape and a click answer.
#include "gui/qt_prompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

namespace kelvo {
namespace {

// Notes the next message box that comes up and answers it with `act`; a box still open after
// that is closed, so a wrong expectation cannot hang the test.
class BoxAnswerer : public QObject {
 public:
  explicit BoxAnswerer(std::function<void(QMessageBox*)> act) : act_(std::move(act)) {
    qApp->installEventFilter(this);
  }
  ~BoxAnswerer() override { qApp->removeEventFilter(this); }

  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton preselected = QMessageBox::NoButton;
  QString caption;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box == nullptr || event->type() != QEvent::Show || seen_) return false;
    seen_ = true;
    QTimer::singleShot(0, box, [this, box] {
      buttons = box->standardButtons();
      preselected = box->standardButton(box->defaultButton());
      caption = box->windowTitle();
      act_(box);
      if (box->isVisible()) box->reject();
    });
    return false;
  }

 private:
  std::function<void(QMessageBox*)> act_;
  bool seen_ = false;
};

// A key goes where the user's would: to the button that has the focus.
std::function<void(QMessageBox*)> Press(Qt::Key key) {
  return [key](QMessageBox* box) {
    QWidget* target = box->focusWidget() != nullptr ? box->focusWidget() : box;
    QTest::keyClick(target, key);
  };
}

std::function<void(QMessageBox*)> Click(QMessageBox::StandardButton button) {
  return [button](QMessageBox* box) { QTest::mouseClick(box->button(button), Qt::LeftButton); };
}

TEST(QtPrompterTest, QuestionsShowTheirButtonsAndPreselectTheSafeOne) {
  using Box = QMessageBox;
  const Box::StandardButtons saveDiscardCancel = Box::Save | Box::Discard | Box::Cancel;
  struct Row {
    const char* what;
    MessageButtons buttons;
    Box::StandardButtons shown;
    Box::StandardButton preselected;
    std::function<void(QMessageBox*)> act;
    MessageAnswer answer;
  };
  const Row rows[] = {
      {"unsaved work, Enter", MessageButtons::SaveDiscardCancel, saveDiscardCancel, Box::Cancel,
       Press(Qt::Key_Return), MessageAnswer::Cancel},
      {"unsaved work, Escape", MessageButtons::SaveDiscardCancel, saveDiscardCancel, Box::Cancel,
       Press(Qt::Key_Escape), MessageAnswer::Cancel},
      {"unsaved work, Save", MessageButtons::SaveDiscardCancel, saveDiscardCancel, Box::Cancel,
       Click(Box::Save), MessageAnswer::Save},
      {"unsaved work, Discard", MessageButtons::SaveDiscardCancel, saveDiscardCancel, Box::Cancel,
       Click(Box::Discard), MessageAnswer::Discard},
      {"No preselected, Enter", MessageButtons::YesNoDefaultNo, Box::Yes | Box::No, Box::No,
       Press(Qt::Key_Return), MessageAnswer::No},
      {"No preselected, Yes", MessageButtons::YesNoDefaultNo, Box::Yes | Box::No, Box::No,
       Click(Box::Yes), MessageAnswer::Yes},
  };
  QtPrompter prompter;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    BoxAnswerer answerer(row.act);
    const MessageAnswer answer =
        prompter.Message(MessageKind::Confirmation, "Question", "Save ?", row.buttons);
    EXPECT_EQ(answerer.caption, "Question");
    EXPECT_EQ(answerer.buttons, row.shown);
    EXPECT_EQ(answerer.preselected, row.preselected);
    EXPECT_EQ(answer, row.answer);
  }
}

}  // namespace
}  // namespace kelvo
