// The main window's model: it owns the editor session, the area models of the main window
// (component list, placement, snapping points, spread, random commands, import, mirror,
// animation, frame export), the data-set commands and the editor's gallery, and offers each
// control of the window as a method named after it (BtnUsePosClick is the "Set" button) that
// calls one area model. The GUI shows the area models' states and the previews and redraws what
// the listener reports; tests drive the same methods directly. Dialogs and secondary windows get
// the session with Session() and bring their own area models.
#pragma once

#include <memory>
#include <string>

#include "editor/main_window/animation_model.h"
#include "editor/main_window/component_list_model.h"
#include "editor/main_window/frame_export_model.h"
#include "editor/main_window/import_model.h"
#include "editor/main_window/mirror_command.h"
#include "editor/main_window/placement_model.h"
#include "editor/main_window/portrait_code_model.h"
#include "editor/main_window/portrait_export_model.h"
#include "editor/main_window/preview_mouse.h"
#include "editor/main_window/random_model.h"
#include "editor/main_window/snap_points_model.h"
#include "editor/main_window/spread_model.h"
#include "editor/session/editor_session.h"
#include "editor/windows/data_sets_model.h"
#include "editor/windows/gallery_document.h"
#include "foundation/program_places.h"

namespace kelvo {

// The session header declares the library and portrait classes this facade names.
class EditorModel {
 public:
  EditorModel(ProcessContext& context, Prompter& prompter);
  ~EditorModel();
  EditorModel(const EditorModel&) = delete;
  EditorModel& operator=(const EditorModel&) = delete;

  void SetListener(EditorListener* listener) { session_.SetListener(listener); }
  EditorSession& Session() { return session_; }
  const EditorSession& Session() const { return session_; }

  // The main window's areas and their control values.
  ComponentListModel& ComponentList() { return list_; }
  const ComponentListModel& ComponentList() const { return list_; }
  PlacementModel& Placement() { return placement_; }
  const PlacementModel& Placement() const { return placement_; }
  SnapPointsModel& SnapPoints() { return snapPoints_; }
  const SnapPointsModel& SnapPoints() const { return snapPoints_; }
  SpreadModel& Spread() { return spread_; }
  const SpreadModel& Spread() const { return spread_; }
  RandomModel& Random() { return random_; }
  const RandomModel& Random() const { return random_; }
  // "&Sex" and "&Save" with their two dialogs, which the GUI shows through `dialogs` (none: both
  // count as cancelled).
  DataSetsModel& DataSets() { return dataSets_; }
  void SetDataSetDialogs(DataSetDialogs* dialogs) { dataSetWindows_.dialogs = dialogs; }
  // The open gallery; the gallery window shows it.
  GalleryDocument& Gallery() { return gallery_; }
  // The desktop's PNG writer and clipboard, and the export dialog (none: those commands do
  // nothing).
  void SetDesktopPort(DesktopPort* port);
  void SetPortraitExportDialog(PortraitExportDialog* dialog) { portraitExport_.SetDialog(dialog); }
  PortraitExportModel& PortraitExport() { return portraitExport_; }
  PortraitCodeModel& PortraitCode() { return portraitCode_; }

  // Start-up: data set, library, head numbers, first random portrait, control values.
  // A stored data set that cannot be loaded is replaced by "male" after its error box, and the
  // user is told. Returns false when "male" cannot be loaded (the user has been told; exit
  // code 1).
  bool StartUp(const EditorSettings& settings);
  // Writes SrcPath and the preview visibility; window positions are the GUI's.
  void StoreSettings(EditorSettings& settings) const;
  void SetCaption(const std::string& dataSetName) { session_.SetCaption(dataSetName); }
  bool CheckHeadNumbers();
  void ChkZobrClick(int window, bool checked);  // also a preview closed by its title bar

  const PreviewImages& Previews() const { return session_.Previews(); }
  bool HasPortrait() const { return session_.HasPortrait(); }
  TKelvoTyp& Library() { return session_.Library(); }
  TKelvoPortret& Portrait() { return session_.Portrait(); }
  UndoStack& Undo() { return session_.Undo(); }
  Prompter& prompter() { return session_.prompter(); }
  ProcessContext& Context() { return session_.Context(); }
  TKelvoKomp* SelectedComponent() { return session_.SelectedComponent(); }
  void RefreshPortrait() { session_.RefreshPortrait(); }
  void UpdateReducedPreviews() { session_.UpdateReducedPreviews(); }

  // Category and component list.
  void CategoryButtonClick(int category) { list_.ChooseCategory(category); }
  void RGKompClick(int filter) { list_.ChooseFilter(filter); }
  void LbxKompClick(int line) {
    EditorSession::Step step(session_, "Choose component", Current());
    list_.ChooseLine(line);
  }
  void SelectCurrentInList() { list_.SelectCurrentInList(); }
  StepOwner FindStepOwner(int line) const { return list_.FindStepOwner(line); }
  void SpinEditCetnChange(int frequency) {
    EditorSession::Step step(session_, "Freq.", Current());
    list_.SetFrequency(frequency);
  }
  void ChkOrezClick(int subcomponent, bool checked) {
    EditorSession::Step step(session_, "Clip", Current());
    list_.SetClip(subcomponent, checked);
  }
  void ChkKompShowClick(int category, bool checked) { list_.SetHidden(category, checked); }
  void ChkKompNahLockClick(int category, bool checked) { list_.SetLocked(category, checked); }
  void BtnSmazatClick() {  // "&Remove"
    EditorSession::Step step(session_, "Remove", Current());
    list_.Remove();
  }

  // Shift, span and default span; the GUI calls them when the value changed.
  void SpinEditPosXChange(int value) {
    EditorSession::Step step(session_, "Shift", Current());
    placement_.SetShiftX(value);
  }
  void SpinEditPosYChange(int value) {
    EditorSession::Step step(session_, "Shift", Current());
    placement_.SetShiftY(value);
  }
  void SpinEditRozXChange(int value) {
    EditorSession::Step step(session_, "Span", Current());
    placement_.SetSpanX(value);
  }
  void SpinEditRozYChange(int value) {
    EditorSession::Step step(session_, "Span", Current());
    placement_.SetSpanY(value);
  }
  void SEDefRozXChange(int value) {
    EditorSession::Step step(session_, "Default span", Current());
    placement_.SetDefaultSpanX(value);
  }
  void SEDefRozYChange(int value) {
    EditorSession::Step step(session_, "Default span", Current());
    placement_.SetDefaultSpanY(value);
  }
  void BtnUsePosClick() {  // "Set"
    EditorSession::Step step(session_, "Set", Current());
    placement_.Set();
  }
  void BtnUsePosAllClick() {  // "Set all"
    EditorSession::Step step(session_, "Set all", 0);
    placement_.SetAll();
  }
  void BtnNullClick() {  // "Unset"
    EditorSession::Step step(session_, "Unset", Current());
    placement_.Unset();
  }
  void BtnNullAllClick() {  // "Unset all"
    EditorSession::Step step(session_, "Unset all", 0);
    placement_.UnsetAll();
  }
  void BtnDefRozesunClick() {  // "Def. span"
    EditorSession::Step step(session_, "Def. span", Current());
    placement_.DefaultSpan();
  }

  // Snapping points and the drawing options.
  void LbxUmistClick(int line) { snapPoints_.ChooseLine(line); }
  void SpinUmistXChange(int value) {
    EditorSession::Step step(session_, "Move point", Current());
    snapPoints_.SetPointX(value);
  }
  void SpinUmistYChange(int value) {
    EditorSession::Step step(session_, "Move point", Current());
    snapPoints_.SetPointY(value);
  }
  Offset SnapPointAbsolute() const;  // full-image pixels; EditorError "A sakra"
  void ChkUmBodClick(bool checked) { snapPoints_.SetDrawSnapPoint(checked); }
  void RBNastKompClick() { snapPoints_.ChooseComponentsMode(); }
  void RBNastBodClick() { snapPoints_.ChoosePointsMode(); }
  void ChbLockUmClick(bool checked) { snapPoints_.SetLockPoints(checked); }
  void ChbSelKompClick(bool checked) { snapPoints_.SetOnlySelected(checked); }

  // Spread.
  void ChkRozptClick(bool checked) { spread_.SetWithSpread(checked); }  // "w. spread"
  void BtnNahUmBClick() {                                               // "Rnd.spread"
    EditorSession::Step step(session_, "Rnd.spread", Current());
    spread_.RandomSpread();
  }
  void BtnRozptUseClick() {  // "Apply"
    EditorSession::Step step(session_, "Apply spread", Current());
    spread_.Apply();
  }
  void BtnRozptVsemClick() {  // "Copy to all"
    EditorSession::Step step(session_, "Copy to all", Current());
    spread_.CopyToAll();
  }
  void BtnRozptNulNahClick() {  // "Unset" of the spread
    EditorSession::Step step(session_, "Unset spread", Current());
    spread_.Unset();
  }
  void BtnNastNahUmBClick() { spread_.Edit(); }  // "Edit": the spread dialog
  void SpreadDialogShow() { spread_.DialogShow(); }
  void SpreadDialogHide() { spread_.DialogHide(); }
  void SpreadLimitChange(SpreadDirection d, int value) {
    EditorSession::Step step(session_, "Spread limit", Current());
    spread_.SetLimit(d, value);
  }
  void SpreadDirectionClick(SpreadDirection d) { spread_.ChooseDirection(d); }

  // Random portrait commands.
  void BtnNahodKompClick() {  // "Random"
    EditorSession::Step step(session_, "Random", Current());
    random_.RandomComponent();
  }
  void BtnNahodAllClick() {  // "Random all"
    EditorSession::Step step(session_, "Random all", 0);
    random_.RandomAll();
  }
  void BtnNahodKompAllClick() {  // "Rand. comps."
    EditorSession::Step step(session_, "Rand. comps.", 0);
    random_.RandomComponents();
  }
  void BtnBarvaNahAllClick() {  // "Rand. colors"
    EditorSession::Step step(session_, "Rand. colors", 0);
    random_.RandomColours();
  }
  void BtnNahAmerClick() {  // "Amer."
    EditorSession::Step step(session_, "Amer.", 0);
    random_.RandomNation(Nation::kAmerican);
  }
  void BtnNahArabClick() {  // "Arab."
    EditorSession::Step step(session_, "Arab.", 0);
    random_.RandomNation(Nation::kArabian);
  }
  void BtnNahRusClick() {  // "Rus."
    EditorSession::Step step(session_, "Rus.", 0);
    random_.RandomNation(Nation::kRussian);
  }
  void BtnRollPrevClick() {  // "Prev. roll"
    EditorSession::Step step(session_, "Prev. roll", 0);
    random_.PreviousRoll();
  }
  void BtnRollNextClick() {  // "Next roll"
    EditorSession::Step step(session_, "Next roll", 0);
    random_.NextRoll();
  }

  // Library editing, animation and export.
  void BtnImportClick() {  // "&Import"
    EditorSession::Step step(session_, "Import", Current());
    import_.BtnImportClick();
  }
  void BtnMirrorClick() {  // "Mirror"
    EditorSession::Step step(session_, "Mirror", 0);
    mirror_.BtnMirrorClick();
  }
  // "Anim. comp." on the list's chosen line; true when a run started, which TMAnimTimer plays
  // one step at a time until it returns true.
  bool BtnAnimujClick(const ListChoice& choice) { return animation_.BtnAnimujClick(choice); }
  bool TMAnimTimer() { return animation_.TMAnimTimer(); }
  void Button1Click() { animation_.Button1Click(); }    // the hidden "1"
  void Button6Click() { frameExport_.Button6Click(); }  // "Save As BMP"
  // File > "Export portrait...", Edit > "Copy portrait", "Copy portrait code" and "Paste
  // portrait code".
  // At first in the user's home, never the working folder.
  void ExportPortraitClick() { portraitExport_.ExportPortraitClick(HomeFolder()); }
  void CopyPortraitClick() { portraitExport_.CopyPortraitClick(); }
  void CopyPortraitCodeClick() { portraitCode_.CopyCodeClick(); }
  void PastePortraitCodeClick() { portraitCode_.PasteCodeClick(); }

  // Data sets and the gallery.
  void BtnNacistClick() { dataSets_.BtnNacistClick(); }         // "&Sex"
  void BtnUlozClick() { dataSets_.BtnUlozClick(); }             // "&Save"
  void BtnPridGalClick() { gallery_.AddPortrait(Portrait()); }  // "Add to gal."
  void BtnBackToGalClick() { gallery_.BackToGallery(); }        // "Back to gal."

  // File > "Open Recent": a gallery (after the unsaved-gallery question) or a library folder
  // (after both unsaved-work questions). One that no longer exists is reported and removed from
  // the list. True when it was opened.
  bool OpenRecent(const RecentFile& entry);
  // A file dropped on the main window (`onGallery` false) or the gallery window: a ".xgl" opens
  // in the gallery as "Open Recent" does, a ".bmp" on the main window runs "&Import" with it;
  // anything else is refused in the status bar. True when the file was taken.
  bool DropFile(const std::string& path, bool onGallery);

  // Undo and redo of component geometry.
  void BtnUndoClick() { session_.UndoLast(); }                        // "Undo"
  void BtnUndoAllClick() { session_.UndoEverything(); }               // "Undo all"
  void BtnRedoClick() { session_.RedoLast(); }                        // "Redo"
  void HistoryClick(std::size_t index) { session_.GoToStep(index); }  // the history list

  // Mouse in a preview window; image pixel coordinates.
  void ImageMouseDown(int window, MouseButton button, int x, int y) {
    mouse_.Down(window, button, x, y);
  }
  void ImageMouseMove(int window, int x, int y) { mouse_.Move(window, x, y); }
  void ImageMouseUp(int window, MouseButton button, int x, int y) {
    mouse_.Up(window, button, x, y);
  }

 private:
  int Current() const { return session_.State().CurrentCategory; }

  // The data-set commands' windows: the gallery's question is answered here, the dialogs by the
  // GUI.
  class DataSetWindowLinks : public DataSetWindows {
   public:
    explicit DataSetWindowLinks(GalleryDocument& gallery) : gallery_(gallery) {}
    bool OfferUnsavedGallery() override;
    bool ExecuteChangeSex() override { return dialogs != nullptr && dialogs->ExecuteChangeSex(); }
    bool ExecuteSave() override { return dialogs != nullptr && dialogs->ExecuteSave(); }
    DataSetDialogs* dialogs = nullptr;

   private:
    GalleryDocument& gallery_;
  };

  // Loads a data set and makes its first portrait; false with the error shown.
  bool LoadStartDataSet(const std::string& dir, std::unique_ptr<TKelvoTyp>& library,
                        std::unique_ptr<TKelvoPortret>& portrait);
  EditorSession session_;
  // Observers in this order: the list, then the areas that follow its choice.
  ComponentListModel list_;
  PlacementModel placement_;
  SnapPointsModel snapPoints_;
  SpreadModel spread_;
  RandomModel random_;
  PreviewMouse mouse_;
  ImportModel import_;
  MirrorCommand mirror_;
  AnimationModel animation_;
  FrameExportModel frameExport_;
  PortraitExportModel portraitExport_;
  PortraitCodeModel portraitCode_;
  // After the main-window areas: it reads its file again over a new library once they refilled.
  GalleryDocument gallery_;
  DataSetWindowLinks dataSetWindows_;
  DataSetsModel dataSets_;
};

}  // namespace kelvo
