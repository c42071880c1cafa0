// TMainForm: the editor's main window. It creates the controls and the four preview windows,
// restores and stores the window settings, shows the editor model's state and forwards every
// user input to the model; it holds no editing logic. The form owns its controls and previews;
// the model and the prompter belong to the program.
#pragma once

#include <QPoint>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "editor/main_window/editor_model.h"
#include "editor/main_window/window_placement.h"
#include "gui/main_window/main_form_controls.h"

class QDockWidget;
class QMainWindow;

namespace kelvo {

class Prompter;
class TFZobr;
class TFRozpt;
class TFBarvy;
class TFVlast;
class TGalerie;
class MainFormActions;
class MainFormStatus;
class DataSetCommands;
class DesktopPort;
class ExportPortraitDialog;

class TMainForm : public QWidget, public EditorListener {
  Q_OBJECT

 public:
  // Creates the controls and the hidden previews; StartUp does the rest.
  TMainForm(EditorModel& model, Prompter& prompter, QWidget* parent = nullptr);
  // Stores the window settings when start-up succeeded.
  ~TMainForm() override;

  // Places the windows from the stored settings (or beside each other), then lets the model
  // load the data set and make the first portrait. False when the library did not load: the
  // user has been told, the program ends with exit code 1.
  bool StartUp();

  TFZobr* Preview(int window) const { return previews_[static_cast<size_t>(window)]; }
  // main_form_docking.cpp: the previews as a column of docks on the form's right, or as
  // windows of their own beside it. View > "Dock previews" switches; the choice is kept.
  bool PreviewsDocked() const { return docked_; }
  void SetPreviewsDocked(bool docked);
  QDockWidget* PreviewDock(int window) const { return docks_[static_cast<size_t>(window)]; }
  const MainFormControls& Controls() const { return c_; }
  TFRozpt* SpreadDialog() const { return spread_dialog_; }
  TFBarvy* ColoursDialog() const { return colours_dialog_; }
  TFVlast* PropertiesDialog() const { return properties_dialog_; }
  TGalerie* GalleryWindow() const { return gallery_; }
  MainFormActions* Actions() const { return actions_; }
  MainFormStatus* StatusBar() const { return status_; }
  DataSetCommands* DataSets() const { return data_sets_; }
  ExportPortraitDialog* ExportDialog() const { return export_dialog_; }

  void EditorChanged(unsigned changes) override;

 signals:
  // The user closed the main window: the other windows are gone and the settings written;
  // the program ends its event loop.
  void Closed();

 protected:
  void moveEvent(QMoveEvent* event) override;
  // An unsaved library, then an unsaved gallery, is offered for saving first; Cancel keeps the
  // program running. Otherwise the previews and dialogs close with it and the settings are written.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // main_form_files.cpp: files dropped on the main window or the gallery window.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreatePreviews();
  void ConnectControls();
  void ConnectPreview(TFZobr* preview);
  void ConnectGallery();
  void ConnectLibraryEditing();  // main_form_edit_library.cpp
  void ConnectAnimation();       // main_form_animation.cpp
  void ConnectAvatar();          // main_form_avatar.cpp
  // main_form_data_sets.cpp: the dialogs of "&Sex" and "&Save" (the menu binds to the buttons);
  // the unsaved-library question (false when closing is to be cancelled); the dialogs' stored
  // folders.
  void ConnectDataSets();
  // main_form_files.cpp: drops and "Open Recent" with its stored list.
  void ConnectFiles();
  bool TakeDrop(QDropEvent* event, bool on_gallery);
  void RestoreRecentFiles();
  void StoreRecentFiles();
  bool MayDropLibrary();
  void StoreDataSetSettings();
  void PlaceWindows(const EditorSettings& settings);
  void BuildDocks();  // main_form_docking.cpp
  MainWindowsRequest WindowsRequest(const std::optional<ScreenPoint>& main) const;
  void DockPreviews(const std::optional<ScreenPoint>& main);
  void FloatPreviews();
  void LetControlsShrink(bool shrink);
  // The floating previews kept wholly on the screen.
  void KeepPreviewsOnScreen();
  // The previews (and with move_main the main window) by editor/window_placement.h.
  void PlacePreviewsBeside(const std::optional<ScreenPoint>& main, bool move_main);
  void PlaceDefaultPreviews();
  void WatchForFrame(int tries);
  FrameMargins KnownMargins() const;
  bool HasDefaultPreviews() const;
  void StoreSettings();
  // Runs one user action on the model (RunReported); after an error the controls are brought
  // back in line with the model.
  void Run(const std::function<void()>& action);
  void ShowState(unsigned changes);
  void ShowComponentList();
  void ShowValues();
  void ShowSnapPoints();
  void ApplyPreviewVisibility();
  void ShowSpreadDialog();

  EditorModel& model_;
  Prompter& prompter_;
  MainFormControls c_;
  std::array<TFZobr*, kPreviewCount + 1> previews_{};
  QMainWindow* dock_host_ = nullptr;  // the controls in its centre, the docked previews right
  std::array<QDockWidget*, kPreviewCount + 1> docks_{};
  bool docked_ = false;
  std::optional<bool> dock_choice_;  // the user's, when made
  TFRozpt* spread_dialog_ = nullptr;
  TFVlast* properties_dialog_ = nullptr;
  TFBarvy* colours_dialog_ = nullptr;
  TGalerie* gallery_ = nullptr;
  MainFormStatus* status_ = nullptr;
  MainFormActions* actions_ = nullptr;
  DataSetCommands* data_sets_ = nullptr;
  std::unique_ptr<DesktopPort> desktop_;  // PNG files and the clipboard, for the model
  ExportPortraitDialog* export_dialog_ = nullptr;
  std::vector<QWidget*> blocked_by_dialog_;  // the form's parts the spread dialog disabled
  bool started_ = false;
  bool settings_stored_ = false;
  bool shown_once_ = false;
  std::array<PreviewSettings, kPreviewCount + 1> stored_previews_{};  // 0 unused
  FrameMargins placed_margins_;  // the frame the previews were last placed with
  QPoint last_pos_;              // the main window's position the previews were last moved with
};

}  // namespace kelvo
