#include "editor/session/editor_session.h"

#include <algorithm>
#include <utility>

#include "editor/session/data_set_loading.h"
#include "editor/session/undo/removal_record.h"
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
  portrait_.reset();
  library_ = std::move(library);
  portrait_ = std::move(portrait);
  state_.LibraryChanged = false;
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
  ReplaceDataSet(std::move(library), std::move(portrait));
  Changed(kChangeAll);
  RefreshPortrait();
}

void EditorSession::SetCaption(const std::string& dataSetName) {
  Command cmd(*this);
  state_.Caption = dataSetName.empty() ? "KelvoEd" : "KelvoEd - " + ShownFolder(dataSetName);
  Changed(kChangeCaption);
}

void EditorSession::MarkLibraryChanged() {
  state_.LibraryChanged = true;
}

void EditorSession::Report(const std::string& message) {
  Command cmd(*this);
  state_.StatusMessage = message;
  ++state_.StatusCount;
  Changed(kChangeStatus);
}

bool EditorSession::RemoveComponent(int category) {
  Command cmd(*this);
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
  auto record = std::make_unique<RemovalRecord>(container, Portrait(), *selected);
  record->Redo();
  undo_.Push(std::move(record));
  MarkLibraryChanged();
  Notify(SessionEvent::LibraryEdited);
  Report("Removed " + name + " from " + CategoryName(category) + "; Undo brings it back");
  return true;
}

SessionEvent EditorSession::EventAfter(const UndoRecord& record) {
  return record.ChangesComponentList() ? SessionEvent::LibraryEdited : SessionEvent::PointsMoved;
}

void EditorSession::UndoLast() {
  Command cmd(*this);
  const UndoRecord* record = undo_.NextUndo();
  if (record == nullptr) {
    // The design redraws even then.
    RefreshPortrait();
    Report("Nothing to undo");
    return;
  }
  const std::string description = record->Description();
  const SessionEvent event = EventAfter(*record);
  undo_.UndoStep();
  MarkLibraryChanged();
  Notify(event);
  RefreshPortrait();
  Report("Undo: " + description);
}

void EditorSession::UndoEverything() {
  Command cmd(*this);
  if (undo_.Empty()) {
    RefreshPortrait();
    Report("Nothing to undo");
    return;
  }
  SessionEvent event = SessionEvent::PointsMoved;
  int steps = 0;
  while (const UndoRecord* record = undo_.NextUndo()) {
    if (EventAfter(*record) == SessionEvent::LibraryEdited) event = SessionEvent::LibraryEdited;
    undo_.UndoStep();
    MarkLibraryChanged();
    ++steps;
  }
  Notify(event);
  RefreshPortrait();
  Report("Undo all: " + std::to_string(steps) + (steps == 1 ? " edit" : " edits") + " taken back");
}

void EditorSession::RedoLast() {
  Command cmd(*this);
  const UndoRecord* record = undo_.NextRedo();
  if (record == nullptr) {
    RefreshPortrait();
    Report("Nothing to redo");
    return;
  }
  const std::string description = record->Description();
  const SessionEvent event = EventAfter(*record);
  undo_.RedoStep();
  MarkLibraryChanged();
  Notify(event);
  RefreshPortrait();
  Report("Redo: " + description);
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
