// TFBarvy: the colours dialog, not modal, kept above the main window. It shows its model's
// state (the 11 tabs with their lock boxes, the edit panel and the swatch image) and forwards
// every click, edit and key to the model. Owns its model; uses the properties dialog it is handed.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "editor/windows/colours_dialog_model.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace kelvo {

class TClickPanel;
class TFVlast;
class TPreviewStrip;
class TSwatchImage;

class TFBarvy : public QWidget {
 public:
  static constexpr int kTabWidth = 70;
  static constexpr int kTabHeight = 48;
  static constexpr int kTabGrowth = 16;

  TFBarvy(EditorSession& session, TFVlast& properties, QWidget* owner);

  ColoursDialogModel& Model() { return model_; }
  TSwatchImage* SwatchImage() const { return image_; }
  void ShowState();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Tab {
    TClickPanel* panel = nullptr;
    QLabel* label = nullptr;
    TPreviewStrip* preview = nullptr;
    QCheckBox* lock = nullptr;
  };
  void CreateTabs(QWidget* strip);
  void CreateEditPanel(QWidget* panel);
  // Runs one user action; an error is shown in a box. The window then shows the model again.
  void Run(const std::function<void()>& action);
  void ShowProperties();

  EditorSession& session_;
  TFVlast& properties_;
  ColoursDialogModel model_;
  std::array<Tab, colours_layout::kTypeCount + 1> tabs_{};
  TClickPanel* colour_panel_ = nullptr;
  QSpinBox* contrast_ = nullptr;
  QSpinBox* frequency_ = nullptr;
  TSwatchImage* image_ = nullptr;
};

}  // namespace kelvo
