#include "editor/windows/gallery_document.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "archive/pak.h"
#include "foundation/errors.h"
#include "foundation/paths.h"
#include "library/library_registry.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

const char* const kGalleryFilter = "Gallery (*.xgl)|*.xgl";

bool AskOkCancel(Prompter& prompter, const std::string& text) {
  return prompter.Message(MessageKind::Confirmation, "Question", text, MessageButtons::OkCancel) ==
         MessageAnswer::Ok;
}

std::string::size_type NameStart(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? 0 : slash + 1;
}

bool HasExtension(const std::string& path) {
  return path.find('.', NameStart(path)) != std::string::npos;
}

// A data error names the file it stood in; any other failure gets the file put in front.
std::string LoadFailure(const std::exception& error, const std::string& path) {
  const auto* data = dynamic_cast<const FatalDataError*>(&error);
  if (data == nullptr) {
    return "Cannot load the gallery file " + ShownName(path) + ":\n" + error.what();
  }
  const bool named = data->HasPlace() && data->File() == ShownName(path);
  return FailureText(error) + (named ? "" : "\n(in gallery file " + ShownName(path) + ")");
}

void CopyPortrait(const TKelvoPortret& from, TKelvoPortret& to) {
  for (int c = 1; c <= kCategoryCount; ++c) {
    to.Selected[c] = from.Selected[c];
    to.Position[c] = from.Position[c];
    to.Shift[c] = from.Shift[c];
    to.Span[c] = from.Span[c];
    to.ColourSlots[c] = from.ColourSlots[c];
  }
  to.Name = from.Name;
  to.UpdateSignature();
}

// A component "&Remove" took out after the portrait was made lives on in its undo record, not
// in the library.
bool InLibrary(const TKelvoTyp& library, int category, const TKelvoKomp* component) {
  if (component == nullptr) return true;
  for (const auto& c : library.Container(category).Components) {
    if (c.get() == component) return true;
  }
  return false;
}

}  // namespace

GalleryDocument::GalleryDocument(EditorSession& session) : session_(session) {
  session_.AddObserver(this);
}

GalleryDocument::~GalleryDocument() {
  session_.RemoveObserver(this);
}

void GalleryDocument::AddListener(GalleryDocumentListener* listener) {
  if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) {
    listeners_.push_back(listener);
  }
}

void GalleryDocument::RemoveListener(GalleryDocumentListener* listener) {
  std::erase(listeners_, listener);
}

template <typename Event>
void GalleryDocument::Tell(Event event) {
  // A copy: a listener may come or go while it answers.
  const std::vector<GalleryDocumentListener*> listeners = listeners_;
  for (GalleryDocumentListener* listener : listeners) event(*listener);
}

int GalleryDocument::Count() const {
  return gallery_ ? gallery_->Count() : 0;
}

const TKelvoPortret& GalleryDocument::Portrait(int n) const {
  return gallery_->Portrait(n);
}

TKelvoPortret& GalleryDocument::Portrait(int n) {
  return gallery_->Portrait(n);
}

bool GalleryDocument::Saved() const {
  return !gallery_ || gallery_->Unchanged();
}

std::string GalleryDocument::Caption() const {
  std::string caption = "Gallery";
  if (gallery_) {
    const std::string& path = gallery_->FilePath();
    if (!path.empty()) caption += " - " + path.substr(NameStart(path));
    if (!gallery_->Unchanged()) caption += " *";
  }
  return caption;
}

void GalleryDocument::MarkUnsaved() {
  gallery_->SetUnchanged(false);
}

// --- the gallery as a whole ---

std::unique_ptr<TKelvoGallery> GalleryDocument::ReadGallery(const std::string& path) {
  if (busy_) busy_(true);
  try {
    auto gallery =
        std::make_unique<TKelvoGallery>(session_.Context(), session_.Library(), path, path);
    gallery->Load();
    gallery->LoadImages();
    Tell([&](GalleryDocumentListener& listener) { listener.GalleryRead(*gallery); });
    if (busy_) busy_(false);
    return gallery;
  } catch (const std::exception& error) {
    if (busy_) busy_(false);
    ShowError(session_.prompter(), LoadFailure(error, path));
  }
  return nullptr;
}

void GalleryDocument::Replace(std::unique_ptr<TKelvoGallery> gallery) {
  gallery_ = std::move(gallery);
  library_ = gallery_ ? &session_.Library() : nullptr;
  taken_ = 0;
  Tell([](GalleryDocumentListener& listener) { listener.GalleryReplaced(); });
}

bool GalleryDocument::LoadFromFile(const std::string& path) {
  EditorSession::Command cmd(session_);
  std::unique_ptr<TKelvoGallery> gallery = ReadGallery(path);
  if (!gallery) return false;
  Replace(std::move(gallery));
  session_.Recent().Add(RecentKind::kGallery, path);
  return true;
}

void GalleryDocument::ReloadForNewLibrary() {
  EditorSession::Command cmd(session_);
  if (!gallery_ || (!stale_ && library_ == &session_.Library())) return;
  stale_ = false;
  const std::string path = gallery_->FilePath();
  // Its portraits point into the old library: nothing of it may be used any more.
  Drop();
  if (!path.empty() && session_.HasLibrary()) LoadFromFile(path);
}

void GalleryDocument::Drop() {
  EditorSession::Command cmd(session_);
  Replace(nullptr);
}

UnsavedGallery GalleryDocument::AskToSaveUnsaved() {
  EditorSession::Command cmd(session_);
  if (Saved()) return UnsavedGallery::NothingToSave;
  return OfferUnsaved("There's an unsaved gallery in memory that will be lost. Save ?");
}

UnsavedGallery GalleryDocument::OfferUnsaved(const std::string& question) {
  switch (AskSaveDiscardCancel(session_.prompter(), question)) {
    case MessageAnswer::Save:
      // A cancelled save dialog or a failed write keeps the gallery: nothing is lost.
      return SaveWithDialog() ? UnsavedGallery::Saved : UnsavedGallery::Cancelled;
    case MessageAnswer::Discard:
      return UnsavedGallery::Discarded;
    default:
      return UnsavedGallery::Cancelled;
  }
}

void GalleryDocument::OnSessionEvent(SessionEvent event) {
  if (event != SessionEvent::DataSetReplaced || !gallery_) return;
  stale_ = true;
  ReloadForNewLibrary();
}

std::string GalleryDocument::LastGalleryFolder() const {
  for (const RecentFile& entry : session_.Recent().Entries()) {
    if (entry.Kind != RecentKind::kGallery) continue;
    const size_t cut = entry.Path.find_last_of("\\/");
    if (cut != std::string::npos) return entry.Path.substr(0, cut + 1);
  }
  return session_.Context().Archive().BaseDir();
}

void GalleryDocument::LoadWithDialog() {
  EditorSession::Command cmd(session_);
  Prompter& prompter = session_.prompter();
  if (gallery_) {
    const std::string question = "There's a gallery in memory that will be lost, continue ?";
    // A saved gallery loses nothing but its place in the window.
    const bool goOn = Saved() ? AskOkCancel(prompter, question)
                              : OfferUnsaved(question) != UnsavedGallery::Cancelled;
    if (!goOn) return;
  }
  FileDialogRequest request;
  request.Title = "Load gallery";
  request.Filter = kGalleryFilter;
  request.InitialDir = LastGalleryFolder();
  const std::optional<std::string> path = prompter.OpenFile(request);
  // The gallery in memory goes only when another one has been read in its place.
  if (!path || !session_.HasLibrary()) return;
  LoadFromFile(*path);
}

bool GalleryDocument::SaveWithDialog() {
  EditorSession::Command cmd(session_);
  if (!gallery_) return false;
  FileDialogRequest request;
  request.Title = "Save gallery";
  request.Filter = kGalleryFilter;
  request.FileName = gallery_->FilePath();
  if (request.FileName.empty()) request.InitialDir = LastGalleryFolder();
  std::optional<std::string> path = session_.prompter().SaveFile(request);
  if (!path || path->empty()) return false;
  if (!HasExtension(*path)) *path += ".xgl";
  try {
    gallery_->Save(*path);
    gallery_->SetFilePath(*path);
  } catch (const std::exception& error) {
    ShowError(session_.prompter(),
              "Cannot save the gallery file " + ShownName(*path) + ":\n" + error.what());
    return false;
  }
  session_.Recent().Add(RecentKind::kGallery, *path);
  session_.Report("Saved the gallery to " + ShownName(*path) + " (" + std::to_string(Count()) +
                  (Count() == 1 ? " portrait)" : " portraits)"));
  return true;
}

void GalleryDocument::ClearAll() {
  EditorSession::Command cmd(session_);
  if (!gallery_) return;
  if (!AskYesNo(session_.prompter(), "Really clean all ?", /*defaultNo=*/true)) return;
  Drop();
}

// --- portraits in and out ---

void GalleryDocument::AddPortrait(const TKelvoPortret& portrait) {
  EditorSession::Command cmd(session_);
  Prompter& prompter = session_.prompter();
  if (gallery_) {
    if (Count() > kMaxGalleryPortraits - 1) {
      ShowError(prompter, "Gallery is full, delete some pictures");
      return;
    }
    // A portrait of the gallery's own library needs no slot of its own when read back.
    const LoadedLibraries& libraries = session_.Context().Libraries();
    if (&portrait.Library() != &gallery_->Library() &&
        libraries.Count() >= LoadedLibraries::kMaxLibraries &&
        libraries.FindLibrary(portrait.Library().Path) < 0) {
      ShowError(prompter, "Sorry, maximum is " + std::to_string(LoadedLibraries::kMaxLibraries) +
                              " facetypes in gallery.");
      return;
    }
  } else {
    if (!AskOkCancel(prompter, "No gallery exists, create ?")) return;
    Replace(std::make_unique<TKelvoGallery>(session_.Context(), session_.Library(), "", ""));
  }
  gallery_->Add(portrait);
  MarkUnsaved();
  session_.Report("Added portrait " + std::to_string(Count()) + " to the gallery");
  Tell([](GalleryDocumentListener& listener) { listener.PortraitAdded(); });
}

bool GalleryDocument::Editable(int n) const {
  if (!IsPortrait(n) || !session_.HasPortrait()) return false;
  const TKelvoPortret& portrait = gallery_->Portrait(n);
  return portrait.OwnLibrary && &portrait.Library() == &session_.Library();
}

void GalleryDocument::TakeIntoEditor(int n) {
  EditorSession::Step step(session_, "Take from gallery", 0);
  EditorSession::Command cmd(session_);
  if (!Editable(n)) return;
  TKelvoPortret& editing = session_.Portrait();
  const auto kept = editing.Selected;
  CopyPortrait(gallery_->Portrait(n), editing);
  // A removed component does not come back through the gallery: the editor keeps its choice.
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (!InLibrary(session_.Library(), c, editing.Selected[c])) editing.Selected[c] = kept[c];
  }
  editing.UpdateSignature();
  taken_ = n;
  session_.Notify(SessionEvent::PortraitReplaced, this);
}

void GalleryDocument::BackToGallery() {
  EditorSession::Command cmd(session_);
  const int n = taken_;
  if (!Editable(n)) return;
  CopyPortrait(session_.Portrait(), gallery_->Portrait(n));
  taken_ = 0;
  MarkUnsaved();
  Tell([n](GalleryDocumentListener& listener) { listener.PortraitChanged(n); });
}

void GalleryDocument::Delete(int n) {
  EditorSession::Command cmd(session_);
  if (!IsPortrait(n)) return;
  gallery_->Delete(n);
  if (taken_ == n) {
    taken_ = 0;
  } else if (taken_ > n) {
    taken_ -= 1;
  }
  MarkUnsaved();
  Tell([n](GalleryDocumentListener& listener) { listener.PortraitDeleted(n); });
}

void GalleryDocument::Swap(int a, int b) {
  EditorSession::Command cmd(session_);
  if (!IsPortrait(a) || !IsPortrait(b)) return;
  gallery_->Swap(a, b);
  if (taken_ == a) {
    taken_ = b;
  } else if (taken_ == b) {
    taken_ = a;
  }
  MarkUnsaved();
  Tell([a, b](GalleryDocumentListener& listener) { listener.PortraitsSwapped(a, b); });
}

void GalleryDocument::SetName(int n, const std::string& name) {
  EditorSession::Command cmd(session_);
  if (!IsPortrait(n) || name == gallery_->Portrait(n).Name) return;
  gallery_->Portrait(n).Name = name;
  MarkUnsaved();
}

void GalleryDocument::SetVoice(int n, int voice) {
  EditorSession::Command cmd(session_);
  if (!IsPortrait(n) || voice < 0 || voice > 255 || voice == gallery_->Portrait(n).Voice) return;
  gallery_->Portrait(n).Voice = static_cast<std::uint8_t>(voice);
  MarkUnsaved();
}

}  // namespace kelvo
