#include "editor/session/editor_session.h"

#include <algorithm>
#include <utility>

#include "editor/session/data_set_loading.h"
#include "editor/session/undo/edit_snapshot.h"
#include "foundation/paths.h"
#include "library/categories.h"
#include "library/component.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/frames.h"
#include "portrait/portrait.h"

namespace kelvo {

EditorSession::Command::~Command() {
  if (session_.commandDepth_ == 1 && session_.refreshWanted_ && session_.HasPortrait()) {
    try {
      session_.RefreshPortrait();
    } catch (...) {
      // A destructor must not throw; the next command redraws.
    }
  }
  if (--session_.commandDepth_ > 0) return;
  session_.refreshWanted_ = false;
  const unsigned changes = std::exchange(session_.pending_, 0u);
  if (changes != 0 && session_.listener_ != nullptr) session_.listener_->EditorChanged(changes);
  const std::vector<SessionObserver*> observers = session_.observers_;
  for (SessionObserver* observer : observers) observer->OnCommandEnded();
}

EditorSession::EditorSession(ProcessContext& context, Prompter& prompter)
    : context_(context), prompter_(prompter) {}

EditorSession::~EditorSession() {
  undo_.ClearUndo();
  adopted_.clear();
  retired_.clear();
  portrait_.reset();
}

void EditorSession::AddObserver(SessionObserver* observer) {
  if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
    observers_.push_back(observer);
  }
}

void EditorSession::RemoveObserver(SessionObserver* observer) {
  std::erase(observers_, observer);
}

void EditorSession::Notify(SessionEvent event, const SessionObserver* sender) {
  Command cmd(*this);
  // What every area shows may have changed: one redraw when the command ends.
  if (event == SessionEvent::DataSetReplaced || event == SessionEvent::PortraitReplaced ||
      event == SessionEvent::LibraryEdited) {
    RequestRefresh();
  }
  // A copy: an observer may register another while it answers.
  const std::vector<SessionObserver*> observers = observers_;
  for (SessionObserver* observer : observers) {
    if (observer != sender) observer->OnSessionEvent(event);
  }
}

TKelvoTyp& EditorSession::Library() const {
  if (library_ == nullptr) throw EditorError("EditorSession: no library loaded");
  return *library_;
}

TKelvoPortret& EditorSession::Portrait() const {
  if (portrait_ == nullptr) throw EditorError("EditorSession: no portrait");
  return *portrait_;
}

TKelvoKompKontejner& EditorSession::Container(int category) const {
  return Library().Container(category);
}

TKelvoKomp* EditorSession::Selected(int category) const {
  return Portrait().Selected.at(category);
}

TKelvoKomp* EditorSession::SelectedComponent() const {
  return HasPortrait() ? Selected(state_.CurrentCategory) : nullptr;
}

void EditorSession::ReplaceDataSet(std::unique_ptr<TKelvoTyp> library,
                                   std::unique_ptr<TKelvoPortret> portrait) {
  Command cmd(*this);
  undo_.ClearUndo();  // its records point into the old library
  stepBefore_.reset();
  adopted_.clear();
  retired_.clear();
  portrait_.reset();
  library_ = std::move(library);
  portrait_ = std::move(portrait);
  changedOutsideHistory_ = false;
  UpdateUnsaved();
  Notify(SessionEvent::DataSetReplaced);
}

void EditorSession::LoadDataSet(const std::string& name) {
  Command cmd(*this);
  // The new library is read before the old one goes, so a failed load keeps the user's work.
  std::unique_ptr<TKelvoTyp> library = LoadDataSetLibrary(context_.Archive(), name);
  std::unique_ptr<TKelvoPortret> portrait =
      NewRandomPortrait(*library, context_.Random(), state_.Hidden);
  state_.DataSetDir = name;
  SetCaption(name);
  const bool hadHistory = undo_.Count() > 0;
  ReplaceDataSet(std::move(library), std::move(portrait));
  if (hadHistory) Report("Undo history emptied: another data set");
  Changed(kChangeAll);
  RefreshPortrait();
}

void EditorSession::SetCaption(const std::string& dataSetName) {
  Command cmd(*this);
  captionBase_ = dataSetName.empty() ? "KelvoEd" : "KelvoEd - " + ShownFolder(dataSetName);
  state_.Caption.clear();
  UpdateUnsaved();
}

void EditorSession::MarkLibraryChanged() {
  if (StepOpen()) return;  // the step tells by itself whether it changed the library
  changedOutsideHistory_ = true;
  UpdateUnsaved();
}

void EditorSession::MarkSaved() {
  undo_.SetClean();
  changedOutsideHistory_ = false;
  UpdateUnsaved();
}

void EditorSession::UpdateUnsaved() {
  Command cmd(*this);
  state_.LibraryChanged = changedOutsideHistory_ || !undo_.IsClean();
  const std::string caption = captionBase_ + (state_.LibraryChanged ? " *" : "");
  if (caption != state_.Caption) {
    state_.Caption = caption;
    Changed(kChangeCaption);
  }
}

void EditorSession::BeginStep(std::string name, int category) {
  if (stepDepth_++ > 0) return;
  stepName_ = std::move(name);
  stepCategory_ = category;
  adopted_.clear();
  stepBefore_.reset();
  if (HasLibrary() && HasPortrait()) {
    stepBefore_ = std::make_unique<EditCapture>(Capture(*library_, *portrait_));
  }
}

void EditorSession::EndStep() {
  if (stepDepth_ == 0 || --stepDepth_ > 0) return;
  std::unique_ptr<EditCapture> before = std::move(stepBefore_);
  if (before == nullptr || !HasLibrary() || !HasPortrait()) {
    for (auto& komp : adopted_) retired_.push_back(std::move(komp));
    adopted_.clear();
    return;
  }
  try {
    auto record = std::make_unique<SnapshotRecord>(stepName_, stepCategory_, *library_, *portrait_,
                                                   *before, std::move(adopted_), retired_);
    adopted_.clear();
    if (record->Empty()) return;
    undo_.Push(std::move(record));
    Changed(kChangeHistory);
    UpdateUnsaved();
  } catch (...) {
    // Out of memory for the step: the edit stays, without a way back, and the library counts
    // as changed. (A destructor ends the step, so nothing may leave here.)
    changedOutsideHistory_ = true;
    state_.LibraryChanged = true;
  }
}

void EditorSession::AdoptRemoved(std::unique_ptr<TKelvoKomp> component) {
  // Kept while the library lives: a gallery portrait may still name it.
  (StepOpen() ? adopted_ : retired_).push_back(std::move(component));
}

void EditorSession::Report(const std::string& message) {
  Command cmd(*this);
  state_.StatusMessage = message;
  ++state_.StatusCount;
  Changed(kChangeStatus);
}

bool EditorSession::RemoveComponent(int category) {
  Command cmd(*this);
  Step step(*this, "Remove", category);
  TKelvoKompKontejner& container = Container(category);
  TKelvoKomp* selected = Selected(category);
  auto& components = container.Components;
  const auto found = std::find_if(components.begin(), components.end(),
                                  [&](const auto& c) { return c.get() == selected; });
  if (found == components.end()) return false;
  if (components.size() <= 1) {
    ShowError(prompter_, "There must be at least one component");
    Notify(SessionEvent::LibraryEdited);
    return false;
  }
  const std::string name = selected->Name;
  NameStep("Remove " + name);
  // Other components may use it as an animation frame: they lose that frame rather than keep
  // a reference to a component that is not in the library.
  for (const auto& owner : components) {
    for (std::size_t s = 1; s < owner->Frames.size(); ++s) {
      if (owner.get() != selected && owner->Frames[s] == selected) owner->Frames[s] = nullptr;
    }
  }
  std::unique_ptr<TKelvoKomp> removed = std::move(*found);
  const auto next = components.erase(found);
  Portrait().Selected.at(category) =
      next != components.end() ? next->get() : components.back().get();
  AdoptRemoved(std::move(removed));
  Notify(SessionEvent::LibraryEdited);
  Report("Removed " + name + " from " + CategoryName(category) + "; Undo brings it back");
  return true;
}

void EditorSession::AfterHistoryMove() {
  UpdateUnsaved();
  Changed(kChangeHistory);
  // A step may change selections, settings and geometry alike: every area shows it again, and
  // the point edits show where the points went.
  Notify(SessionEvent::LibraryEdited);
  Notify(SessionEvent::PointsMoved);
  RefreshPortrait();
}

void EditorSession::UndoLast() {
  Command cmd(*this);
  if (StepOpen()) return;  // not in the middle of a drag: it would become part of it
  const UndoRecord* record = undo_.NextUndo();
  if (record == nullptr) {
    // The design redraws even then.
    RefreshPortrait();
    Report("Nothing to undo");
    return;
  }
  const std::string description = record->Description();
  undo_.UndoStep();
  AfterHistoryMove();
  Report("Undo: " + description);
}

void EditorSession::UndoEverything() {
  Command cmd(*this);
  if (StepOpen()) return;  // not in the middle of a drag: it would become part of it
  if (undo_.Empty()) {
    RefreshPortrait();
    Report("Nothing to undo");
    return;
  }
  int steps = 0;
  while (undo_.UndoStep()) ++steps;
  AfterHistoryMove();
  Report("Undo all: " + std::to_string(steps) + (steps == 1 ? " edit" : " edits") + " taken back");
}

void EditorSession::RedoLast() {
  Command cmd(*this);
  if (StepOpen()) return;  // not in the middle of a drag: it would become part of it
  const UndoRecord* record = undo_.NextRedo();
  if (record == nullptr) {
    RefreshPortrait();
    Report("Nothing to redo");
    return;
  }
  const std::string description = record->Description();
  undo_.RedoStep();
  AfterHistoryMove();
  Report("Redo: " + description);
}

void EditorSession::GoToStep(std::size_t index) {
  Command cmd(*this);
  if (StepOpen()) return;  // not in the middle of a drag: it would become part of it
  index = std::min(index, undo_.Count());
  if (index == undo_.Index()) return;
  undo_.GoTo(index);
  AfterHistoryMove();
  Report(index == 0 ? "History: at the start"
                    : "History: after " + undo_.Step(index - 1).Description());
}

void EditorSession::RefreshPortrait() {
  Command cmd(*this);
  TKelvoPortret& portrait = Portrait();
  refreshWanted_ = false;
  ++state_.RefreshCount;
  if (state_.WithSpread.Checked) {
    portrait.ComputePositionsWithSpread();
  } else {
    portrait.ComputePositions();
  }
  if (state_.OnlySelected) {
    portrait.RenderOnly(state_.CurrentCategory);
  } else {
    portrait.RenderVisible();
  }
  previews_.ShowFull(*portrait.RenderLayer);
  Changed(kChangeFullImage);
  if (!state_.DragActive) UpdateReducedPreviews();
  const std::vector<SessionObserver*> observers = observers_;
  for (SessionObserver* observer : observers) observer->OnRendered();
  if (!state_.DragActive) {
    state_.Signature = portrait.Signature;
    Changed(kChangeSignature);
  }
  // Prepared animation frames show the old picture.
  ResetFrames(portrait);
}

void EditorSession::UpdateReducedPreviews() {
  Command cmd(*this);
  if (!HasPortrait() || Portrait().RenderLayer == nullptr) return;
  for (int window = 2; window <= kPreviewCount; ++window) {
    if (state_.PreviewVisible[window]) previews_.ShowReduced(window, *Portrait().RenderLayer);
  }
  Changed(kChangeReducedImages);
}

}  // namespace kelvo
