// The gallery window without the window: the open gallery (or none), its 80 x 100 thumbnails,
// the grid picture that shows them, the mouse, keyboard and popup-menu rules, and the commands
// of the window's buttons and of the main window's "Add to gal." and "Back to gal.". Works on
// the editor session: portraits are taken from and put back into the session's portrait, and
// the gallery is made over the session's library. Owns the gallery and the thumbnails; the GUI
// owns this model, shows State() and GridImage() and forwards user input. Every question and
// file dialog goes through the session's prompter.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/session/editor_session.h"
#include "editor/session/preview_images.h"
#include "portrait/gallery_grid.h"
#include "portrait/layer.h"

namespace kelvo {

class TKelvoGallery;
class TKelvoPortret;
class TKelvoTyp;

// What the GUI redraws after a command.
enum GalleryChange : unsigned {
  kGalleryGrid = 1u << 0,        // the grid picture, its labels and the buttons' place
  kGalleryStatus = 1u << 1,      // the status bar text
  kGalleryCaption = 1u << 2,     // the window's caption
  kGalleryCursor = 1u << 3,      // hand cursor on or off
  kGalleryBackButton = 1u << 4,  // the main window's "Back to gal." button
  kGalleryShowWindow = 1u << 5,  // the window should come up if it is hidden
  kGalleryAll = (1u << 6) - 1,
};

class GalleryListener {
 public:
  virtual ~GalleryListener() = default;
  virtual void GalleryChanged(unsigned changes) = 0;
};

struct GalleryWindowState {
  std::string Caption = "Gallery";
  int ClientWidth = 731;
  int ClientHeight = 400;
  int ScrollY = 0;          // vertical scroll position
  int TextLineHeight = 11;  // the GUI's font height; the voice goes one line under the name
  std::uint16_t ButtonFace = 0xC618;  // the grid's background, a 5-6-5 pixel
  int PressedFace = -1;               // -1 no gallery or outside, 0 on no portrait, else 1..count
  int TakenFace = 0;                  // the portrait taken into the editor, 0 when none
  bool HandCursor = false;
  bool BackToGalleryEnabled = false;
  std::string StatusText;
  std::string MenuCaption = "no face";  // popup menu: "face " + number or "no face"
  bool MenuItemsEnabled = false;        // "Voice" and "Name"
  std::vector<GalleryLabel> Labels;
  int ButtonsTop = 4;  // where the four buttons go: under the grid, in client coordinates
};

// Answers of AskToSaveUnsaved. Only Discarded lets the asking command drop unsaved portraits.
enum class UnsavedGallery {
  NothingToSave,  // no gallery, or it is saved
  Saved,          // the user chose Save and it was written
  Discarded,      // the user chose Discard
  Cancelled,      // Cancel, the save dialog cancelled or the save failed: the command ends
};

class GalleryWindowModel : private SessionObserver {
 public:
  explicit GalleryWindowModel(EditorSession& session);
  ~GalleryWindowModel() override;
  GalleryWindowModel(const GalleryWindowModel&) = delete;
  GalleryWindowModel& operator=(const GalleryWindowModel&) = delete;

  void SetListener(GalleryListener* listener) { listener_ = listener; }
  // Threads used for a loaded gallery's thumbnails; below 1 (the default): one per core.
  void SetThreads(int threads) { threads_ = threads; }
  // Called while a loaded gallery's thumbnails are made, on the calling thread.
  void SetProgress(std::function<void(int done, int total)> progress) {
    progress_ = std::move(progress);
  }
  // Called with true before a gallery file is read and with false when it is done.
  void SetBusyHook(std::function<void(bool busy)> busy) { busy_ = std::move(busy); }

  const GalleryWindowState& State() const { return state_; }
  bool HasGallery() const { return gallery_ != nullptr; }
  const TKelvoGallery* Gallery() const { return gallery_.get(); }
  int Count() const;
  // True without a gallery.
  bool Saved() const;
  int TakenFace() const { return state_.TakenFace; }
  int Columns() const;
  int Rows() const;
  // The grid picture (0 x 0 without a gallery) and thumbnail n (1..Count()).
  ImageView GridImage() const;
  ImageView Thumbnail(int n) const;

  // --- for other windows ("&Sex", the avatar exchange) ---
  // Replaces the gallery by the file's, made over the session's library. A file that cannot be
  // read is reported naming the file and the problem; the gallery is then as before. True when
  // it was loaded.
  bool LoadFromFile(const std::string& path);
  // After the session's library was replaced: reads the gallery's file again over the new
  // library; a gallery without a file, or one that no longer loads, is dropped. Runs by itself
  // when the session announces DataSetReplaced; calling it again afterwards does nothing.
  void ReloadForNewLibrary();
  // Frees the gallery and its thumbnails; the window shows it empty.
  void Drop();
  // "There's an unsaved gallery in memory that will be lost. Save ?" with Save, Discard and
  // Cancel when the gallery is not saved; Save runs "&Save". The gallery itself stays: after
  // Discard, a new library drops it (or reads its file again) when it comes.
  UnsavedGallery AskToSaveUnsaved();
  // Appends a copy of the portrait (the checks and questions of "Add to gal.").
  void AddPortrait(const TKelvoPortret& portrait);
  // "Back to gal.": writes the session's portrait back into the taken one.
  void BackToGallery();

  // --- the window ---
  void Resize(int clientWidth, int clientHeight);
  void Scroll(int scrollY);
  void SetTextLineHeight(int height);
  void SetButtonFace(std::uint16_t pixel);
  // -1 without a gallery or outside the client area, 0 on no portrait, else the number.
  int HitTest(int x, int y) const;
  void Rebuild();
  void MakeThumbnail(int n);

  void BtnLoadClick();
  void BtnSaveClick();
  void BtnClearClick();
  void BtnAdd10Click();

  // Client coordinates.
  void FormMouseDown(MouseButton button, int x, int y);
  void FormMouseUp(MouseButton button, int x, int y);
  void FormDblClick();
  void KeyDelete();  // removes the pressed portrait, as a drag out of the window does
  void KeyEnter();   // takes the pressed portrait into the editor, as a double click does

  void PMPopup();  // before the popup menu opens
  void MINameClick();
  void MIVoiceClick();

 private:
  // The save dialog and the write; false when cancelled or failed (a failure is reported).
  bool SaveWithDialog();
  UnsavedGallery OfferUnsaved(const std::string& question);
  void OnSessionEvent(SessionEvent event) override;
  void Changed(unsigned changes) { pending_ |= changes; }
  void Report();
  void UpdateCaption();
  void SetTakenFace(int n);
  void DeletePortrait(int n);
  void SwapPortraits(int a, int b);
  void MarkUnsaved();
  bool IsPortrait(int n) const { return n >= 1 && n <= Count(); }
  // A portrait of the session's own library, which the editor can take.
  bool Editable(int n) const;
  void MakeThumbnails();
  Layer ThumbnailOf(TKelvoPortret& portrait);
  // Reads `path` over the session's library; reports and returns null on failure.
  std::unique_ptr<TKelvoGallery> ReadGallery(const std::string& path,
                                             std::vector<Layer>& thumbnails);
  void CopyPortrait(const TKelvoPortret& from, TKelvoPortret& to) const;

  EditorSession& session_;
  GalleryListener* listener_ = nullptr;
  std::unique_ptr<TKelvoGallery> gallery_;
  std::vector<Layer> thumbnails_;  // one per portrait, in order
  Layer grid_;
  GalleryWindowState state_;
  const TKelvoTyp* library_ = nullptr;  // the library the gallery was made over
  bool stale_ = false;                  // the session's library was replaced since
  std::function<void(int, int)> progress_;
  std::function<void(bool)> busy_;
  int threads_ = 0;
  unsigned pending_ = 0;
  int depth_ = 0;  // nested commands; the outermost reports
};

}  // namespace kelvo
