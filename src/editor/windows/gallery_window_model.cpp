#include "editor/windows/gallery_window_model.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include "archive/pak.h"
#include "foundation/errors.h"
#include "foundation/paths.h"
#include "foundation/whole_number.h"
#include "library/library_registry.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"
#include "portrait/thumbnails.h"

namespace kelvo {
namespace {

const char* const kGalleryFilter = "Gallery (*.xgl)|*.xgl";

// Reports the collected changes once the outermost command ends, whatever way it ends.
class ChangeScope {
 public:
  ChangeScope(int& depth, std::function<void()> report)
      : depth_(depth), report_(std::move(report)) {
    ++depth_;
  }
  ~ChangeScope() {
    if (--depth_ == 0) report_();
  }
  ChangeScope(const ChangeScope&) = delete;
  ChangeScope& operator=(const ChangeScope&) = delete;

 private:
  int& depth_;
  std::function<void()> report_;
};

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

// The slot colours of portraits whose library cannot be rendered here.
std::uint16_t SlotColour(int slot) {
  switch (slot) {
    case 1:
      return 0xFFFF;  // white
    case 2:
      return 0x001F;  // blue
    case 3:
      return 0xF800;  // red
    default:
      return 0x8410;  // grey 128, 128, 128
  }
}

// A whole decimal number with optional blanks around it.
std::optional<int> WholeNumber(const std::string& text) {
  return kelvo::WholeNumber<int>(text, {.blanks_around = true, .plus_sign = true});
}

}  // namespace

GalleryWindowModel::GalleryWindowModel(EditorSession& session) : session_(session) {
  session_.AddObserver(this);
}

GalleryWindowModel::~GalleryWindowModel() {
  session_.RemoveObserver(this);
}

int GalleryWindowModel::Count() const {
  return gallery_ ? gallery_->Count() : 0;
}

bool GalleryWindowModel::Saved() const {
  return !gallery_ || gallery_->Unchanged();
}

int GalleryWindowModel::Columns() const {
  return GalleryGrid::ColumnsFor(state_.ClientWidth);
}

int GalleryWindowModel::Rows() const {
  return GalleryGrid(Columns(), Count()).Rows();
}

ImageView GalleryWindowModel::GridImage() const {
  return ViewOf(grid_);
}

ImageView GalleryWindowModel::Thumbnail(int n) const {
  if (!IsPortrait(n)) return {};
  return ViewOf(thumbnails_[static_cast<size_t>(n - 1)]);
}

void GalleryWindowModel::Report() {
  const unsigned changes = std::exchange(pending_, 0u);
  if (changes != 0 && listener_ != nullptr) listener_->GalleryChanged(changes);
}

#define KELVO_GALLERY_COMMAND() const ChangeScope scope_(depth_, [this] { Report(); })

void GalleryWindowModel::UpdateCaption() {
  std::string caption = "Gallery";
  if (gallery_) {
    const std::string& path = gallery_->FilePath();
    if (!path.empty()) caption += " - " + path.substr(NameStart(path));
    if (!gallery_->Unchanged()) caption += " *";
  }
  if (caption != state_.Caption) {
    state_.Caption = caption;
    Changed(kGalleryCaption);
  }
}

void GalleryWindowModel::SetTakenFace(int n) {
  state_.TakenFace = n;
  const bool enabled = n != 0;
  if (enabled != state_.BackToGalleryEnabled) {
    state_.BackToGalleryEnabled = enabled;
    Changed(kGalleryBackButton);
  }
}

void GalleryWindowModel::MarkUnsaved() {
  gallery_->SetUnchanged(false);
  UpdateCaption();
}

// --- grid ---

void GalleryWindowModel::Resize(int clientWidth, int clientHeight) {
  KELVO_GALLERY_COMMAND();
  state_.ClientWidth = std::max(0, clientWidth);
  state_.ClientHeight = std::max(0, clientHeight);
  Rebuild();
}

void GalleryWindowModel::Scroll(int scrollY) {
  state_.ScrollY = std::max(0, scrollY);
  state_.ButtonsTop = grid_.height - state_.ScrollY + 4;
}

void GalleryWindowModel::SetTextLineHeight(int height) {
  KELVO_GALLERY_COMMAND();
  state_.TextLineHeight = std::max(1, height);
  Rebuild();
}

void GalleryWindowModel::SetButtonFace(std::uint16_t pixel) {
  KELVO_GALLERY_COMMAND();
  state_.ButtonFace = pixel;
  Rebuild();
}

int GalleryWindowModel::HitTest(int x, int y) const {
  if (!gallery_) return -1;
  if (x < 0 || y < 0 || x >= state_.ClientWidth || y >= state_.ClientHeight) return -1;
  return GalleryGrid(Columns(), Count()).PortraitAt(x, y + state_.ScrollY);
}

void GalleryWindowModel::Rebuild() {
  KELVO_GALLERY_COMMAND();
  Changed(kGalleryGrid);
  state_.Labels.clear();
  if (!gallery_) {
    grid_ = Layer{};
    state_.ButtonsTop = 4 - state_.ScrollY;
    return;
  }
  const GalleryGrid grid(Columns(), Count());
  grid_ = grid.Draw(thumbnails_, state_.ButtonFace);
  state_.ButtonsTop = grid_.height - state_.ScrollY + 4;
  state_.Labels = grid.Labels(*gallery_, state_.TextLineHeight);
}

Layer GalleryWindowModel::ThumbnailOf(TKelvoPortret& portrait) {
  if (portrait.OwnLibrary) return RenderThumbnail(portrait);
  return FilledThumbnail(
      SlotColour(session_.Context().Libraries().FindLibrary(portrait.Library().Path)));
}

void GalleryWindowModel::MakeThumbnail(int n) {
  if (!IsPortrait(n)) return;
  thumbnails_[static_cast<size_t>(n - 1)] = ThumbnailOf(gallery_->Portrait(n));
}

// --- the gallery as a whole ---

std::unique_ptr<TKelvoGallery> GalleryWindowModel::ReadGallery(const std::string& path,
                                                               std::vector<Layer>& thumbnails) {
  if (busy_) busy_(true);
  try {
    auto gallery =
        std::make_unique<TKelvoGallery>(session_.Context(), session_.Library(), path, path);
    gallery->Load();
    gallery->LoadImages();
    std::vector<TKelvoPortret*> own;
    for (int n = 1; n <= gallery->Count(); ++n) {
      if (gallery->Portrait(n).OwnLibrary) own.push_back(&gallery->Portrait(n));
    }
    std::vector<Layer> rendered = RenderThumbnails(own, threads_, progress_);
    thumbnails.clear();
    for (int n = 1, next = 0; n <= gallery->Count(); ++n) {
      TKelvoPortret& portrait = gallery->Portrait(n);
      thumbnails.push_back(portrait.OwnLibrary ? std::move(rendered[static_cast<size_t>(next++)])
                                               : ThumbnailOf(portrait));
    }
    if (busy_) busy_(false);
    return gallery;
  } catch (const FatalDataError& error) {
    if (busy_) busy_(false);
    const bool named = error.HasPlace() && error.File() == ShownName(path);
    ShowError(session_.prompter(),
              FatalDataText(error) + (named ? "" : "\n(in gallery file " + ShownName(path) + ")"));
  } catch (const std::exception& error) {
    if (busy_) busy_(false);
    ShowError(session_.prompter(),
              "Cannot load the gallery file " + ShownName(path) + ":\n" + error.what());
  }
  return nullptr;
}

bool GalleryWindowModel::LoadFromFile(const std::string& path) {
  KELVO_GALLERY_COMMAND();
  std::vector<Layer> thumbnails;
  std::unique_ptr<TKelvoGallery> gallery = ReadGallery(path, thumbnails);
  if (!gallery) return false;
  gallery_ = std::move(gallery);
  thumbnails_ = std::move(thumbnails);
  library_ = &session_.Library();
  SetTakenFace(0);
  state_.PressedFace = -1;
  UpdateCaption();
  Rebuild();
  return true;
}

void GalleryWindowModel::ReloadForNewLibrary() {
  KELVO_GALLERY_COMMAND();
  if (!gallery_ || (!stale_ && library_ == &session_.Library())) return;
  stale_ = false;
  const std::string path = gallery_->FilePath();
  // Its portraits point into the old library: nothing of it may be used any more.
  Drop();
  if (!path.empty() && session_.HasLibrary()) LoadFromFile(path);
}

void GalleryWindowModel::Drop() {
  KELVO_GALLERY_COMMAND();
  gallery_.reset();
  thumbnails_.clear();
  library_ = nullptr;
  SetTakenFace(0);
  state_.PressedFace = -1;
  UpdateCaption();
  Rebuild();
}

UnsavedGallery GalleryWindowModel::AskToSaveUnsaved() {
  KELVO_GALLERY_COMMAND();
  if (Saved()) return UnsavedGallery::NothingToSave;
  return OfferUnsaved("There's an unsaved gallery in memory that will be lost. Save ?");
}

UnsavedGallery GalleryWindowModel::OfferUnsaved(const std::string& question) {
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

void GalleryWindowModel::OnSessionEvent(SessionEvent event) {
  if (event != SessionEvent::DataSetReplaced || !gallery_) return;
  stale_ = true;
  ReloadForNewLibrary();
}

// --- portraits in and out ---

void GalleryWindowModel::AddPortrait(const TKelvoPortret& portrait) {
  KELVO_GALLERY_COMMAND();
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
    gallery_ = std::make_unique<TKelvoGallery>(session_.Context(), session_.Library(), "", "");
    library_ = &session_.Library();
    thumbnails_.clear();
  }
  gallery_->Add(portrait);
  thumbnails_.push_back(RenderThumbnail(gallery_->Portrait(Count())));
  MarkUnsaved();
  Rebuild();
  Changed(kGalleryShowWindow);
}

void GalleryWindowModel::BtnAdd10Click() {
  KELVO_GALLERY_COMMAND();
  if (!session_.HasLibrary()) return;
  TKelvoPortret portrait(session_.Library());
  portrait.LibraryName = WithoutTrailingBackslash(session_.Library().Path);
  for (int i = 0; i < 10; ++i) {
    portrait.RandomComponents(session_.Context().Random());
    portrait.RandomColours(session_.Context().Random());
    portrait.ComputePositions();
    portrait.PripravPortret(false);
    AddPortrait(portrait);
  }
}

void GalleryWindowModel::CopyPortrait(const TKelvoPortret& from, TKelvoPortret& to) const {
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

bool GalleryWindowModel::Editable(int n) const {
  if (!IsPortrait(n) || !session_.HasPortrait()) return false;
  const TKelvoPortret& portrait = gallery_->Portrait(n);
  return portrait.OwnLibrary && &portrait.Library() == &session_.Library();
}

void GalleryWindowModel::FormDblClick() {
  KELVO_GALLERY_COMMAND();
  const int n = state_.PressedFace;
  if (!Editable(n)) return;
  CopyPortrait(gallery_->Portrait(n), session_.Portrait());
  SetTakenFace(n);
  session_.Notify(SessionEvent::PortraitReplaced, this);
}

void GalleryWindowModel::BackToGallery() {
  KELVO_GALLERY_COMMAND();
  const int n = state_.TakenFace;
  if (!Editable(n)) return;
  CopyPortrait(session_.Portrait(), gallery_->Portrait(n));
  MakeThumbnail(n);
  MarkUnsaved();
  SetTakenFace(0);
  Rebuild();
}

// --- buttons ---

void GalleryWindowModel::BtnLoadClick() {
  KELVO_GALLERY_COMMAND();
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
  request.InitialDir = session_.Context().Archive().BaseDir();
  const std::optional<std::string> path = prompter.OpenFile(request);
  // The gallery in memory goes only when another one has been read in its place.
  if (!path || !session_.HasLibrary()) return;
  LoadFromFile(*path);
}

void GalleryWindowModel::BtnSaveClick() {
  KELVO_GALLERY_COMMAND();
  SaveWithDialog();
}

bool GalleryWindowModel::SaveWithDialog() {
  if (!gallery_) return false;
  FileDialogRequest request;
  request.Title = "Save gallery";
  request.Filter = kGalleryFilter;
  request.FileName = gallery_->FilePath();
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
  UpdateCaption();
  return true;
}

void GalleryWindowModel::BtnClearClick() {
  KELVO_GALLERY_COMMAND();
  if (!gallery_) return;
  if (!AskYesNo(session_.prompter(), "Really clean all ?", /*defaultNo=*/true)) return;
  Drop();
}

// --- mouse and keyboard ---

void GalleryWindowModel::FormMouseDown(MouseButton button, int x, int y) {
  KELVO_GALLERY_COMMAND();
  state_.PressedFace = HitTest(x, y);
  if (IsPortrait(state_.PressedFace)) {
    state_.StatusText =
        WithoutTrailingBackslash(gallery_->Portrait(state_.PressedFace).Library().Path);
    state_.HandCursor = button == MouseButton::Left;
  } else {
    state_.StatusText.clear();
  }
  Changed(kGalleryStatus | kGalleryCursor);
}

void GalleryWindowModel::FormMouseUp(MouseButton button, int x, int y) {
  KELVO_GALLERY_COMMAND();
  state_.HandCursor = false;
  Changed(kGalleryCursor);
  const int pressed = state_.PressedFace;
  if (button != MouseButton::Left || !IsPortrait(pressed)) return;
  const int target = HitTest(x, y);
  if (target == -1) {
    DeletePortrait(pressed);
  } else if (target != pressed && target != 0) {
    SwapPortraits(pressed, target);
  }
}

void GalleryWindowModel::DeletePortrait(int n) {
  thumbnails_.erase(thumbnails_.begin() + (n - 1));
  gallery_->Delete(n);
  // The taken portrait keeps its identity, not its number.
  if (state_.TakenFace == n) {
    SetTakenFace(0);
  } else if (state_.TakenFace > n) {
    state_.TakenFace -= 1;
  }
  state_.PressedFace = 0;
  MarkUnsaved();
  Rebuild();
}

void GalleryWindowModel::SwapPortraits(int a, int b) {
  gallery_->Swap(a, b);
  MakeThumbnail(a);
  MakeThumbnail(b);
  if (state_.TakenFace == a) {
    state_.TakenFace = b;
  } else if (state_.TakenFace == b) {
    state_.TakenFace = a;
  }
  MarkUnsaved();
  Rebuild();
}

void GalleryWindowModel::KeyDelete() {
  KELVO_GALLERY_COMMAND();
  if (IsPortrait(state_.PressedFace)) DeletePortrait(state_.PressedFace);
}

void GalleryWindowModel::KeyEnter() {
  FormDblClick();
}

// --- popup menu ---

void GalleryWindowModel::PMPopup() {
  const int n = state_.PressedFace;
  state_.MenuItemsEnabled = IsPortrait(n);
  state_.MenuCaption = IsPortrait(n) ? "face " + std::to_string(n) : "no face";
}

void GalleryWindowModel::MINameClick() {
  KELVO_GALLERY_COMMAND();
  const int n = state_.PressedFace;
  if (!IsPortrait(n)) return;
  TKelvoPortret& portrait = gallery_->Portrait(n);
  const std::optional<std::string> name =
      session_.prompter().InputText("face " + std::to_string(n), "Name", portrait.Name);
  if (!name) return;
  if (*name != portrait.Name) {
    portrait.Name = *name;
    MarkUnsaved();
  }
  Rebuild();
}

void GalleryWindowModel::MIVoiceClick() {
  KELVO_GALLERY_COMMAND();
  const int n = state_.PressedFace;
  if (!IsPortrait(n)) return;
  TKelvoPortret& portrait = gallery_->Portrait(n);
  const std::optional<std::string> text = session_.prompter().InputText(
      "face " + std::to_string(n), "Voice", std::to_string(portrait.Voice));
  if (!text) return;
  const int value = WholeNumber(*text).value_or(portrait.Voice);
  if (value >= 0 && value <= 255 && value != portrait.Voice) {
    portrait.Voice = static_cast<std::uint8_t>(value);
    MarkUnsaved();
  }
  Rebuild();
}

}  // namespace kelvo
