// TFEdKont: the edit type dialog. The category container's folders, " Bits " choice, mask and
// span boxes, usual number of subcomponents and the " Shadow " buttons ("RBStin0" for none,
// "RBStin" + i). It shows its model's state and forwards every edit; "&Apply" lets the model
// write the values back. Owns its model; modal, centred on the screen.
#pragma once

#include <QDialog>
#include <array>

#include "editor/windows/edit_type_model.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace kelvo {

class RadioGroup;

class TFEdKont : public QDialog {
 public:
  static constexpr int kShadowButtons = 5;  // "none" and subcomponents 1..4

  TFEdKont(EditorSession& session, QWidget* owner);

  EditTypeModel& Model() { return model_; }
  int Execute();
  void ShowState();

  void done(int result) override;

 private:
  // Returns the right edge of the " Shadow " group.
  int CreateShadowButtons();

  EditorSession& session_;
  EditTypeModel model_;
  QLineEdit* image_dir_ = nullptr;
  QLineEdit* source_ = nullptr;
  RadioGroup* bits_ = nullptr;
  QCheckBox* mask_second_ = nullptr;
  QCheckBox* invert_ = nullptr;
  QCheckBox* colour_mask_ = nullptr;
  QCheckBox* with_span_ = nullptr;
  QSpinBox* usual_ = nullptr;
  QButtonGroup* shadow_ = nullptr;
};

}  // namespace kelvo
