// The main window's animation commands: "Anim. comp." played by the timer TMAnim with the
// window disabled (through the editor model), "Animation" with TFAnim, the double click on a
// step line with TFAnimList, "Animate all" with TFAllAnim. The dialogs show their own models and
// forward.
#include <QApplication>
#include <QListWidget>
#include <QObject>
#include <QPushButton>
#include <QTimer>

#include "editor/session/list_choice.h"
#include "gui/dialogs/all_anim_window.h"
#include "gui/dialogs/anim_dialog.h"
#include "gui/dialogs/anim_list_dialog.h"
#include "gui/main_window/main_form.h"

namespace kelvo {
namespace {

// Lives as long as the form, as its child; the dialogs are the form's children too.
class AnimationCommands : public QObject {
 public:
  AnimationCommands(EditorSession& session, QWidget* form)
      : QObject(form),
        settings(new TFAnim(session, form)),
        chooser(new TFAnimList(session, form)),
        all(new TFAllAnim(session, form)),
        timer(new QTimer(this)) {
    setObjectName("AnimationCommands");
    timer->setObjectName("TMAnim");
  }

  TFAnim* settings;
  TFAnimList* chooser;
  TFAllAnim* all;
  QTimer* timer;
};

ListChoice ChoiceOf(const ComponentListModel& list, int line) {
  const ComponentListState& s = list.State();
  ListChoice choice;
  choice.Filter = s.Filter;
  if (line >= 0 && line < static_cast<int>(s.ComponentLines.size())) {
    choice.Line = s.ComponentLines[static_cast<size_t>(line)];
    choice.Owner = list.FindStepOwner(line);
  }
  return choice;
}

// The wait cursor for as long as the scope lasts.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void TMainForm::ConnectAnimation() {
  auto* commands = new AnimationCommands(model_.Session(), this);
  const ComponentListModel* list = &model_.ComponentList();
  auto chosen = [list] { return ChoiceOf(*list, list->State().ComponentLine); };
  auto finish = [this, commands] {
    commands->timer->stop();
    setEnabled(true);
  };

  connect(c_.BtnAnimuj, &QPushButton::clicked, this, [this, commands, chosen] {
    Run([&] {
      if (!model_.BtnAnimujClick(chosen())) return;
      commands->timer->setInterval(commands->settings->Model().State().Delay);
      commands->timer->start();
      setEnabled(false);
    });
  });
  connect(commands->timer, &QTimer::timeout, this, [this, commands, finish] {
    Run([&] {
      bool done = true;
      try {
        done = model_.TMAnimTimer();
      } catch (...) {
        finish();
        throw;
      }
      if (done) finish();
    });
  });

  connect(c_.BtnAnimSet, &QPushButton::clicked, this, [this, commands, chosen] {
    Run([&] {
      AnimSettingsModel& settings = commands->settings->Model();
      if (!settings.BtnAnimSetClick(chosen())) return;
      const int result = commands->settings->Execute();
      settings.Close(result == QDialog::Accepted);
    });
  });

  connect(c_.LbxKomp, &QListWidget::itemDoubleClicked, this,
          [this, commands, list](QListWidgetItem* item) {
            Run([&] {
              StepChooserModel& chooser = commands->chooser->Model();
              if (!chooser.LbxKompDblClick(ChoiceOf(*list, c_.LbxKomp->row(item)))) return;
              const int result = commands->chooser->Execute();
              chooser.Close(result);
            });
          });

  connect(c_.BtnAnimAll, &QPushButton::clicked, this, [this, commands, chosen] {
    Run([&] {
      bool started = false;
      {
        const WaitCursor wait;
        started = commands->all->Model().BtnAnimAllClick(chosen());
      }
      if (started) commands->all->Execute();
    });
  });

  c_.BtnAnimAll->setEnabled(true);
  c_.Button6->setEnabled(true);
}

}  // namespace kelvo
