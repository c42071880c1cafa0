// TFRozpt: the spread limits dialog. It shows the model's SpreadDialogState and reports each
// edit, direction button and its closing; the model stores the limits. Owned by the main window
// as a non-modal dialog that the window manager keeps above it.
#pragma once

#include <QWidget>

#include "editor/session/editor_state.h"

class QButtonGroup;
class QSpinBox;

namespace kelvo {

class TFRozpt : public QWidget {
  Q_OBJECT

 public:
  explicit TFRozpt(QWidget* owner);

  // Caption, the four edits and the direction button, without reporting them back.
  void ShowState(const SpreadDialogState& state);
  // Shows the dialog beside the full-size preview, whose clicks it measures, and raises it.
  void ShowBeside();

 signals:
  void LimitChanged(kelvo::SpreadDirection direction, int value);
  void DirectionClicked(kelvo::SpreadDirection direction);
  void HideRequested();  // "Ok", Escape or the title bar's close

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QSpinBox* Edit(SpreadDirection direction) const;

  QSpinBox* up_ = nullptr;
  QSpinBox* down_ = nullptr;
  QSpinBox* left_ = nullptr;
  QSpinBox* right_ = nullptr;
  QButtonGroup* directions_ = nullptr;
};

}  // namespace kelvo
