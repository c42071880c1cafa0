// The editor's main window without the window: it owns the editor session (the data set, the
// undo stack, the previews and the shared state), keeps the main window's own control values in
// MainWindowState, and offers each user action as a method that takes the control's new value. Handlers are named
// after their control (BtnUsePosClick is the "Set" button). The GUI shows State() and the
// previews and redraws what the listener reports; tests drive the same methods directly.
#pragma once

#include <memory>
#include <string>

#include "editor/editor_session.h"
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

class EditorModel : private SessionObserver {
 public:
  EditorModel(ProcessContext& context, Prompter& prompter);
  ~EditorModel();
  EditorModel(const EditorModel&) = delete;
  EditorModel& operator=(const EditorModel&) = delete;

  void SetListener(EditorListener* listener) { session_.SetListener(listener); }
  EditorSession& Session() { return session_; }
  const EditorSession& Session() const { return session_; }

  // Start-up: data set, library, head numbers, first random portrait, control values.
  // Returns false when the library cannot be loaded (the user has been told; exit code 1).
  bool StartUp(const EditorSettings& settings);
  // Writes SrcPath and the preview visibility; window positions are the GUI's.
  void StoreSettings(EditorSettings& settings) const;
  void SetCaption(const std::string& dataSetName) { session_.SetCaption(dataSetName); }
  bool CheckHeadNumbers();
  void ChkZobrClick(int window, bool checked);  // also a preview closed by its title bar

  const MainWindowState& State() const { return state_; }
  const PreviewImages& Previews() const { return session_.Previews(); }
  bool HasPortrait() const { return session_.HasPortrait(); }
  TKelvoTyp& Library() { return session_.Library(); }
  TKelvoPortret& Portrait() { return session_.Portrait(); }
  UndoStack& Undo() { return session_.Undo(); }
  Prompter& prompter() { return session_.prompter(); }
  ProcessContext& Context() { return session_.Context(); }
  TKelvoKomp* SelectedComponent() { return session_.SelectedComponent(); }

  // The central redraw every command ends with.
  void RefreshPortrait() { session_.RefreshPortrait(); }
  void UpdateReducedPreviews() { session_.UpdateReducedPreviews(); }

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
  class Command : public EditorSession::Command {
   public:
    explicit Command(EditorModel& model) : EditorSession::Command(model.session_) {}
  };

  void OnSessionEvent(SessionEvent event) override;
  void OnRendered() override;
  void ShowControls();  // every control from the session's data set
  SessionState& shared_() { return session_.State(); }
  const SessionState& shared_() const { return session_.State(); }
  void Changed(unsigned changes) { session_.Changed(changes); }
  TKelvoKompKontejner& Container(int category) const { return session_.Container(category); }
  TKelvoKomp* Selected(int category) const { return session_.Selected(category); }
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

  EditorSession session_;
  MainWindowState state_;
  bool startingUp_ = false;
  DragState drag_;
  bool suppressSpanX_ = false;
  bool suppressSpanY_ = false;
  bool suppressDefSpanX_ = false;
  bool suppressDefSpanY_ = false;
};

}  // namespace kelvo
