// One editing session: the current data set (type library and portrait, replaced as a whole),
// the undo stack, the preview pictures, the state every area of the editor shares, the central
// redraw and the change notices to the GUI. Each area model (placement, snapping points, spread,
// component list, random commands and every window or dialog) works on one session by reference;
// area models never include each other and meet only here: a model that changes what others
// show announces it with Notify, and the others answer in SessionEvent.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/session/editor_state.h"
#include "editor/session/preview_images.h"
#include "editor/session/prompter.h"
#include "editor/session/recent_files.h"
#include "editor/session/undo/undo_stack.h"

namespace kelvo {

class ProcessContext;
class TKelvoTyp;
class TKelvoPortret;
class TKelvoKomp;
class TKelvoKompKontejner;
struct EditCapture;

// What every area reads: the data set's name, the current category, the category panel's boxes
// and the drawing options the central redraw follows.
struct SessionState {
  std::string DataSetDir;
  std::string SrcPath;
  FileFolders Folders;              // where each kind's file dialogs start
  std::string Caption = "KelvoEd";  // with " *" while the library has unsaved changes
  int CurrentCategory = 3;
  bool DragActive = false;
  int SnapPointLine = -1;          // the chosen snapping point's line (point SnapPointLine + 1)
  bool SpreadDialogShown = false;  // the spread limits dialog is open
  OneBased<bool, kPreviewCount> PreviewVisible{true, true, true, true};
  PerCategory<bool> Locked{};
  PerCategory<bool> Hidden{};
  CheckBoxState DrawSnapPoint;     // ChkUmBod
  CheckBoxState WithSpread;        // ChkRozpt
  bool OnlySelected = false;       // ChbSelKomp
  bool LibraryChanged = false;     // edits not yet saved with the library (kept by the session)
  std::string Signature;           // EditSig
  std::uint64_t RefreshCount = 0;  // completed RefreshPortrait runs
  std::string StatusMessage;       // what the last command reported, for the status bar
  std::uint64_t StatusCount = 0;   // how many reports were made
};

// Announcements between area models.
enum class SessionEvent {
  DataSetReplaced,   // a new library and portrait: every area refills itself
  PortraitReplaced,  // same library, other selections or colours (gallery, avatar, undo)
  LibraryEdited,     // components added, removed or renamed in the current library
  CategoryChanged,   // the current category moved
  ComponentChosen,   // the list chose another component of the current category
  SelectionsDrawn,   // random commands drew components; the snapping points start over
  SnapPointChosen,   // another snapping point is the chosen one
  PointsMoved,       // undo, redo or the spread moved geometry in the library
};

class SessionObserver {
 public:
  virtual ~SessionObserver() = default;
  virtual void OnSessionEvent(SessionEvent event) = 0;
  // Called at the end of each central redraw, before the reduced previews are made, so marks
  // drawn over preview 1 (the snapping-point crosses) show in it.
  virtual void OnRendered() {}
  // Called when the outermost command has ended, after the listener heard of it: a window that
  // collects its own changes reports them now, once per command.
  virtual void OnCommandEnded() {}
};

class EditorSession {
 public:
  EditorSession(ProcessContext& context, Prompter& prompter);
  ~EditorSession();
  EditorSession(const EditorSession&) = delete;
  EditorSession& operator=(const EditorSession&) = delete;

  // Every command opens one; the outermost reports to the listener what the command changed,
  // then tells the observers that it ended.
  class Command {
   public:
    explicit Command(EditorSession& session) : session_(session) { ++session_.commandDepth_; }
    ~Command();
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

   private:
    EditorSession& session_;
  };

  // One user action as one undo step: every edit between the outermost Step's start and end
  // becomes one record named `name` (and the category, 0 for none), pushed when something
  // changed. A mouse drag opens one at the press and closes it at the release.
  class Step {
   public:
    // Inside a command of its own, so the step's end is reported with the edit.
    Step(EditorSession& session, std::string name, int category = 0)
        : session_(session), cmd_(session) {
      session_.BeginStep(std::move(name), category);
    }
    ~Step() { session_.EndStep(); }
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

   private:
    EditorSession& session_;
    Command cmd_;
  };
  void BeginStep(std::string name, int category);
  void EndStep();
  bool StepOpen() const { return stepDepth_ > 0; }
  // Names the open step after what it turned out to do ("Remove b").
  void NameStep(std::string name) {
    if (StepOpen()) stepName_ = std::move(name);
  }
  // A component the open step took out of the library; the step keeps it for Undo.
  void AdoptRemoved(std::unique_ptr<TKelvoKomp> component);

  void SetListener(EditorListener* listener) { listener_ = listener; }
  void AddObserver(SessionObserver* observer);
  void RemoveObserver(SessionObserver* observer);
  // Tells every observer but the sender (which may be null).
  void Notify(SessionEvent event, const SessionObserver* sender = nullptr);
  void Changed(unsigned changes) { pending_ |= changes; }
  // A redraw once the outermost command ends, unless RefreshPortrait runs before: observers
  // that show changed values ask for it, so one command redraws once.
  void RequestRefresh() { refreshWanted_ = true; }
  // For a caller that has just put up the picture by other means (the start-up).
  void CancelRefresh() { refreshWanted_ = false; }

  ProcessContext& Context() { return context_; }
  Prompter& prompter() { return prompter_; }
  SessionState& State() { return state_; }
  const SessionState& State() const { return state_; }
  UndoStack& Undo() { return undo_; }
  PreviewImages& Previews() { return previews_; }
  RecentFiles& Recent() { return recent_; }
  const RecentFiles& Recent() const { return recent_; }
  const PreviewImages& Previews() const { return previews_; }

  bool HasLibrary() const { return library_ != nullptr; }
  bool HasPortrait() const { return portrait_ != nullptr; }
  // EditorError when none is loaded.
  TKelvoTyp& Library() const;
  TKelvoPortret& Portrait() const;
  TKelvoKompKontejner& Container(int category) const;
  TKelvoKomp* Selected(int category) const;
  TKelvoKomp* SelectedComponent() const;  // of the current category, null without a portrait

  // Swaps in a complete data set (the portrait over the library); the old one is freed, so the
  // undo stack is emptied first. Observers hear DataSetReplaced.
  void ReplaceDataSet(std::unique_ptr<TKelvoTyp> library, std::unique_ptr<TKelvoPortret> portrait);
  // Another data set (or the same one anew): its library, a new random portrait with the hide
  // boxes as its hide flags, an empty undo stack, the caption, every area refilled and the
  // picture redrawn. A library that fails to load throws and leaves the current data set as it
  // was. The caller checks the head numbers.
  void LoadDataSet(const std::string& name);
  void SetCaption(const std::string& dataSetName);
  // An edit outside any step (none today) leaves the library unsaved until the next save.
  void MarkLibraryChanged();
  // "&Save" wrote the library: the present step is the clean one.
  void MarkSaved();
  // A short line for the status bar saying what a command did.
  void Report(const std::string& message);
  // Removes the selected component of `category` from the library as an undoable edit: steps
  // that used it become empty, the one after it (or before, when it was the last) becomes
  // selected, observers hear LibraryEdited; Undo brings all of it back. False, with the message
  // shown, when it is the category's only component; the history stays as it was.
  bool RemoveComponent(int category);

  // "Undo", "Undo all", "Redo" and a click in the history (GoToStep: `index` steps done):
  // observers hear PointsMoved (LibraryEdited when a record put
  // back or took out a component), then the portrait is redrawn; the status bar hears what was
  // taken back ("Undo: Set, Faces").
  void UndoLast();
  void UndoEverything();
  void RedoLast();
  void GoToStep(std::size_t index);

  // The central redraw every command ends with.
  void RefreshPortrait();
  void UpdateReducedPreviews();

 private:
  // After Undo, Redo or a jump in the history: the unsaved mark, every area and the picture.
  void AfterHistoryMove();
  // LibraryChanged and the caption's mark from the history's clean state.
  void UpdateUnsaved();

  ProcessContext& context_;
  Prompter& prompter_;
  EditorListener* listener_ = nullptr;
  std::vector<SessionObserver*> observers_;
  std::unique_ptr<TKelvoTyp> library_;
  std::unique_ptr<TKelvoPortret> portrait_;  // refers to library_, so it goes first
  // Components out of the library whose undo steps are gone; gallery portraits may name them.
  std::vector<std::unique_ptr<TKelvoKomp>> retired_;
  UndoStack undo_;
  PreviewImages previews_;
  RecentFiles recent_;
  SessionState state_;
  int commandDepth_ = 0;
  int stepDepth_ = 0;
  std::string stepName_;
  int stepCategory_ = 0;
  std::unique_ptr<EditCapture> stepBefore_;  // null when the step has no data set to watch
  std::vector<std::unique_ptr<TKelvoKomp>> adopted_;
  bool changedOutsideHistory_ = false;
  std::string captionBase_ = "KelvoEd";
  unsigned pending_ = 0;
  bool refreshWanted_ = false;
};

}  // namespace kelvo
