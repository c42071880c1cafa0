// The editor's main window without the window: it owns the current type library, the portrait,
// the undo stack and the preview pictures, keeps every control value in MainWindowState, and
// offers each user action as a method that takes the control's new value. Handlers are named
// after their control (BtnUsePosClick is the "Set" button). The GUI shows State() and the
// previews and redraws what the listener reports; tests drive the same methods directly.
#pragma once

#include <memory>
#include <string>

#include "editor/editor_state.h"
#include "editor/preview_images.h"
#include "editor/prompter.h"
#include "editor/undo_stack.h"

namespace kelvo {

class ProcessContext;
class TKelvoTyp;
class TKelvoPortret;
class TKelvoKomp;
class TKelvoKompKontejner;
enum class Nation;

class EditorModel {
 public:
  EditorModel(ProcessContext& context, Prompter& prompter);
  ~EditorModel();
  EditorModel(const EditorModel&) = delete;
  EditorModel& operator=(const EditorModel&) = delete;

  void SetListener(EditorListener* listener) { listener_ = listener; }

  // Start-up: data set, library, head numbers, first random portrait, control values.
  // Returns false when the library cannot be loaded (the user has been told; exit code 1).
  bool StartUp(const EditorSettings& settings);
  // Writes SrcPath and the preview visibility; window positions are the GUI's.
  void StoreSettings(EditorSettings& settings) const;
  void SetCaption(const std::string& dataSetName);
  bool CheckHeadNumbers();
  void ChkZobrClick(int window, bool checked);  // also a preview closed by its title bar

  const MainWindowState& State() const { return state_; }
  const PreviewImages& Previews() const { return previews_; }
  bool HasPortrait() const;
  TKelvoTyp& Library();
  TKelvoPortret& Portrait();
  UndoStack& Undo() { return undo_; }
  Prompter& prompter() { return prompter_; }
  ProcessContext& Context() { return context_; }
  TKelvoKomp* SelectedComponent();  // of the current category

  // The central redraw every command ends with.
  void RefreshPortrait();
  void UpdateReducedPreviews();

  // Category and component list.
  void CategoryButtonClick(int category);
  void RGKompClick(int filter);
  void LbxKompClick(int line);
  void FillComponentList();
  void SelectCurrentInList();
  StepOwner FindStepOwner(int line) const;
  void ShowFrequency();
  void SpinEditCetnChange(int frequency);
  void UpdateAnimationControls();
  void UpdateSpanControls();
  void ShowDefaultSpan();
  void ShowPositionValues();
  void ShowClipBoxes();
  void ChkOrezClick(int subcomponent, bool checked);
  void ChkKompShowClick(int category, bool checked);     // hide box
  void ChkKompNahLockClick(int category, bool checked);  // lock box

  // Shift, span and default span edits; the GUI calls them when the value changed.
  void SpinEditPosXChange(int value);
  void SpinEditPosYChange(int value);
  void SpinEditRozXChange(int value);
  void SpinEditRozYChange(int value);
  void SEDefRozXChange(int value);
  void SEDefRozYChange(int value);

  void BakePosition(int category);
  void BtnUsePosClick();      // "Set"
  void BtnUsePosAllClick();   // "Set all"
  void BtnNullClick();        // "Unset"
  void BtnNullAllClick();     // "Unset all"
  void BtnDefRozesunClick();  // "Def. span"
  void BtnSmazatClick();      // "&Remove"

  // Snapping points and the drawing options.
  void FillSnapPointList();
  void LbxUmistClick(int line);
  void ShowSnapPoint();
  void SpinUmistXChange(int value);
  void SpinUmistYChange(int value);
  Offset SnapPointAbsolute() const;  // full-image pixels; EditorError "A sakra"
  void DrawSnapMarks();
  void ChkUmBodClick(bool checked);    // "Draw snap point"
  void RBNastKompClick();              // mouse used for components
  void RBNastBodClick();               // mouse used for snapping points
  void ChbLockUmClick(bool checked);   // "Lock" of the points
  void ChbSelKompClick(bool checked);  // "Only selected comp."
  void ChkRozptClick(bool checked);    // "w. spread"
  void UpdateSpreadButtons();
  void BtnNahUmBClick();       // "Rnd.spread"
  void BtnRozptUseClick();     // "Apply"
  void BtnRozptVsemClick();    // "Copy to all"
  void BtnRozptNulNahClick();  // "Unset" of the spread
  void BtnNastNahUmBClick();   // "Edit": the spread dialog

  // Spread limits dialog.
  void SpreadDialogShow();
  void SpreadDialogHide();
  void SpreadLimitChange(SpreadDirection direction, int value);  // SEUp, SEDown, ...
  void SpreadDirectionClick(SpreadDirection direction);

  // Random portrait commands; the lock boxes keep a category's component.
  void BtnNahodKompClick();     // "Random"
  void BtnNahodAllClick();      // "Random all"
  void BtnNahodKompAllClick();  // "Rand. comps."
  void BtnBarvaNahAllClick();   // "Rand. colors"
  void BtnNahAmerClick();       // "Amer."
  void BtnNahArabClick();       // "Arab."
  void BtnNahRusClick();        // "Rus."

  // Undo of component geometry.
  void BtnUndoClick();     // "Undo"
  void BtnUndoAllClick();  // "Undo all"

  // Mouse in a preview window (only window 1 reacts); image pixel coordinates.
  void ImageMouseDown(int window, MouseButton button, int x, int y);
  void ImageMouseMove(int window, int x, int y);
  void ImageMouseUp(int window, MouseButton button, int x, int y);

 private:
  // Every command opens one; the outermost reports to the listener what the command changed.
  class Command {
   public:
    explicit Command(EditorModel& model) : model_(model) { ++model_.commandDepth_; }
    ~Command();
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

   private:
    EditorModel& model_;
  };

  void Changed(unsigned changes) { pending_ |= changes; }
  TKelvoKompKontejner& Container(int category) const;
  TKelvoKomp* Selected(int category) const;
  int SnapPointCount() const;  // of the current category
  void ShowUndonePoint();
  void StoreDefaultSpan(bool vertical, int value);
  void StorePointCoordinate(bool vertical, int value);
  void SetDrawSnapPoint(bool checked);
  void SetWithSpread(bool checked);
  void SetMouseMode(MouseMode mode);
  void BakeComponent(int category, TKelvoKomp& component, Offset shift, Offset span);
  int DefaultSpanPoint(int category, int* parent);
  void RandomUnlockedComponents();
  void RandomNation(Nation nation);
  void ShowRandomResult();

  ProcessContext& context_;
  Prompter& prompter_;
  EditorListener* listener_ = nullptr;
  struct DataSet;  // the library and the portrait over it, replaced as a whole
  std::unique_ptr<DataSet> data_;
  UndoStack undo_;
  PreviewImages previews_;
  MainWindowState state_;
  DragState drag_;
  bool suppressSpanX_ = false;
  bool suppressSpanY_ = false;
  bool suppressDefSpanX_ = false;
  bool suppressDefSpanY_ = false;
  int commandDepth_ = 0;
  unsigned pending_ = 0;
};

}  // namespace kelvo
