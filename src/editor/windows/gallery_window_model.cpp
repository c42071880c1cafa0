#include "editor/windows/gallery_window_model.h"

#include <algorithm>
#include <optional>
#include <utility>

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

GalleryWindowModel::GalleryWindowModel(EditorSession& session, GalleryDocument& document)
    : session_(session), document_(document) {
  session_.AddObserver(this);
  document_.AddListener(this);
  state_.Caption = document_.Caption();
  state_.BackToGalleryEnabled = document_.TakenFace() != 0;
  if (HasGallery()) {
    MakeThumbnails();
    Rebuild();
  }
}

GalleryWindowModel::~GalleryWindowModel() {
  document_.RemoveListener(this);
  session_.RemoveObserver(this);
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

// The caption and "Back to gal." follow the document; everything goes out once per command.
void GalleryWindowModel::OnCommandEnded() {
  const std::string caption = document_.Caption();
  if (caption != state_.Caption) {
    state_.Caption = caption;
    Changed(kGalleryCaption);
  }
  const bool enabled = document_.TakenFace() != 0;
  if (enabled != state_.BackToGalleryEnabled) {
    state_.BackToGalleryEnabled = enabled;
    Changed(kGalleryBackButton);
  }
  Report();
}

void GalleryWindowModel::Report() {
  const unsigned changes = std::exchange(pending_, 0u);
  if (changes != 0 && listener_ != nullptr) listener_->GalleryChanged(changes);
}

// --- grid ---

void GalleryWindowModel::Resize(int clientWidth, int clientHeight) {
  EditorSession::Command cmd(session_);
  state_.ClientWidth = std::max(0, clientWidth);
  state_.ClientHeight = std::max(0, clientHeight);
  Rebuild();
}

void GalleryWindowModel::Scroll(int scrollY) {
  state_.ScrollY = std::max(0, scrollY);
  state_.ButtonsTop = grid_.height - state_.ScrollY + 4;
}

void GalleryWindowModel::SetTextLineHeight(int height) {
  EditorSession::Command cmd(session_);
  state_.TextLineHeight = std::max(1, height);
  Rebuild();
}

void GalleryWindowModel::SetButtonFace(std::uint16_t pixel) {
  EditorSession::Command cmd(session_);
  state_.ButtonFace = pixel;
  Rebuild();
}

int GalleryWindowModel::HitTest(int x, int y) const {
  if (!HasGallery()) return -1;
  if (x < 0 || y < 0 || x >= state_.ClientWidth || y >= state_.ClientHeight) return -1;
  return GalleryGrid(Columns(), Count()).PortraitAt(x, y + state_.ScrollY);
}

void GalleryWindowModel::Rebuild() {
  EditorSession::Command cmd(session_);
  Changed(kGalleryGrid);
  state_.Labels.clear();
  if (!HasGallery()) {
    grid_ = Layer{};
    state_.ButtonsTop = 4 - state_.ScrollY;
    return;
  }
  const GalleryGrid grid(Columns(), Count());
  grid_ = grid.Draw(thumbnails_, state_.ButtonFace);
  state_.ButtonsTop = grid_.height - state_.ScrollY + 4;
  state_.Labels = grid.Labels(*document_.Gallery(), state_.TextLineHeight);
}

Layer GalleryWindowModel::ThumbnailOf(TKelvoPortret& portrait) {
  if (portrait.OwnLibrary) return RenderThumbnail(portrait);
  return FilledThumbnail(
      SlotColour(session_.Context().Libraries().FindLibrary(portrait.Library().Path)));
}

void GalleryWindowModel::MakeThumbnail(int n) {
  if (!IsPortrait(n)) return;
  thumbnails_[static_cast<size_t>(n - 1)] = ThumbnailOf(document_.Portrait(n));
}

void GalleryWindowModel::MakeThumbnails() {
  thumbnails_.clear();
  for (int n = 1; n <= Count(); ++n) thumbnails_.push_back(ThumbnailOf(document_.Portrait(n)));
}

// --- following the document ---

void GalleryWindowModel::GalleryRead(TKelvoGallery& gallery) {
  read_.clear();
  std::vector<TKelvoPortret*> own;
  for (int n = 1; n <= gallery.Count(); ++n) {
    if (gallery.Portrait(n).OwnLibrary) own.push_back(&gallery.Portrait(n));
  }
  std::vector<Layer> rendered = RenderThumbnails(own, threads_, progress_);
  std::vector<Layer> thumbnails;
  for (int n = 1, next = 0; n <= gallery.Count(); ++n) {
    TKelvoPortret& portrait = gallery.Portrait(n);
    thumbnails.push_back(portrait.OwnLibrary ? std::move(rendered[static_cast<size_t>(next++)])
                                             : ThumbnailOf(portrait));
  }
  read_ = std::move(thumbnails);
}

void GalleryWindowModel::GalleryReplaced() {
  EditorSession::Command cmd(session_);
  thumbnails_ = std::exchange(read_, {});
  // Created or dropped, or read while another window's preparation failed.
  if (thumbnails_.size() != static_cast<size_t>(Count())) MakeThumbnails();
  state_.PressedFace = -1;
  Rebuild();
}

void GalleryWindowModel::PortraitAdded() {
  EditorSession::Command cmd(session_);
  thumbnails_.push_back(RenderThumbnail(document_.Portrait(Count())));
  Rebuild();
  Changed(kGalleryShowWindow);
}

void GalleryWindowModel::PortraitChanged(int n) {
  EditorSession::Command cmd(session_);
  MakeThumbnail(n);
  Rebuild();
}

void GalleryWindowModel::PortraitDeleted(int n) {
  EditorSession::Command cmd(session_);
  thumbnails_.erase(thumbnails_.begin() + (n - 1));
  Rebuild();
}

void GalleryWindowModel::PortraitsSwapped(int a, int b) {
  EditorSession::Command cmd(session_);
  MakeThumbnail(a);
  MakeThumbnail(b);
  Rebuild();
}

// --- buttons ---

void GalleryWindowModel::BtnAdd10Click() {
  EditorSession::Command cmd(session_);
  if (!session_.HasLibrary()) return;
  TKelvoPortret portrait(session_.Library());
  portrait.LibraryName = WithoutTrailingBackslash(session_.Library().Path);
  for (int i = 0; i < 10; ++i) {
    portrait.RandomComponents(session_.Context().Random());
    portrait.RandomColours(session_.Context().Random());
    portrait.ComputePositions();
    portrait.PripravPortret(false);
    document_.AddPortrait(portrait);
  }
}

// --- mouse and keyboard ---

void GalleryWindowModel::FormMouseDown(MouseButton button, int x, int y) {
  EditorSession::Command cmd(session_);
  state_.PressedFace = HitTest(x, y);
  if (IsPortrait(state_.PressedFace)) {
    state_.StatusText =
        WithoutTrailingBackslash(document_.Portrait(state_.PressedFace).Library().Path);
    state_.HandCursor = button == MouseButton::Left;
  } else {
    state_.StatusText.clear();
  }
  Changed(kGalleryStatus | kGalleryCursor);
}

void GalleryWindowModel::FormMouseUp(MouseButton button, int x, int y) {
  EditorSession::Command cmd(session_);
  state_.HandCursor = false;
  Changed(kGalleryCursor);
  const int pressed = state_.PressedFace;
  if (button != MouseButton::Left || !IsPortrait(pressed)) return;
  const int target = HitTest(x, y);
  if (target == -1) {
    DeletePortrait(pressed);
  } else if (target != pressed && target != 0) {
    document_.Swap(pressed, target);
  }
}

void GalleryWindowModel::FormDblClick() {
  document_.TakeIntoEditor(state_.PressedFace);
}

void GalleryWindowModel::DeletePortrait(int n) {
  document_.Delete(n);
  state_.PressedFace = 0;
}

void GalleryWindowModel::KeyDelete() {
  EditorSession::Command cmd(session_);
  const int n = state_.PressedFace;
  if (!IsPortrait(n)) return;
  // A key is easier to press by mistake than a drag out of the window: it asks first.
  if (!AskYesNo(session_.prompter(), "Delete portrait " + std::to_string(n) + " from the gallery ?",
                /*defaultNo=*/true)) {
    return;
  }
  DeletePortrait(n);
}

void GalleryWindowModel::KeyEnter() {
  FormDblClick();
}

void GalleryWindowModel::KeyMove(int dx, int dy) {
  EditorSession::Command cmd(session_);
  if (Count() < 1) return;
  int n = 1;
  if (IsPortrait(state_.PressedFace)) {
    const int columns = Columns();
    const int moved = state_.PressedFace + dx + dy * columns;
    // A row up or down that leaves the grid stays where it is; across, it stops at the ends.
    n = dy != 0 && (moved < 1 || moved > Count()) ? state_.PressedFace
                                                  : std::clamp(moved, 1, Count());
  }
  state_.PressedFace = n;
  state_.StatusText = WithoutTrailingBackslash(document_.Portrait(n).Library().Path);
  Changed(kGalleryStatus | kGalleryGrid);
}

Rect GalleryWindowModel::HighlightRect() const {
  if (!IsPortrait(state_.PressedFace)) return Rect{};
  const int columns = Columns();
  const int x = (state_.PressedFace - 1) % columns * kGalleryCellWidth;
  const int y = (state_.PressedFace - 1) / columns * kGalleryCellHeight;
  return Rect{x, y, x + kGalleryCellWidth, y + kGalleryCellHeight};
}

// --- popup menu ---

void GalleryWindowModel::PMPopup() {
  const int n = state_.PressedFace;
  state_.MenuItemsEnabled = IsPortrait(n);
  state_.MenuCaption = IsPortrait(n) ? "face " + std::to_string(n) : "no face";
}

void GalleryWindowModel::MINameClick() {
  EditorSession::Command cmd(session_);
  const int n = state_.PressedFace;
  if (!IsPortrait(n)) return;
  const std::optional<std::string> name = session_.prompter().InputText(
      "face " + std::to_string(n), "Name", document_.Portrait(n).Name);
  if (!name) return;
  document_.SetName(n, *name);
  Rebuild();
}

void GalleryWindowModel::MIVoiceClick() {
  EditorSession::Command cmd(session_);
  const int n = state_.PressedFace;
  if (!IsPortrait(n)) return;
  const int voice = document_.Portrait(n).Voice;
  const std::optional<std::string> text =
      session_.prompter().InputText("face " + std::to_string(n), "Voice", std::to_string(voice));
  if (!text) return;
  document_.SetVoice(n, WholeNumber(*text).value_or(voice));
  Rebuild();
}

}  // namespace kelvo
