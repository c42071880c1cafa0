// The gallery window without the window: the 80 x 100 thumbnails of the editor's gallery
// (GalleryDocument), the grid picture that shows them, the mouse, keyboard and popup-menu rules
// and the window's four buttons. The portraits, their file and the questions about them are the
// document's; this model follows its changes. The GUI owns this model, shows State() and
// GridImage() and forwards user input. Changes are collected while a session command runs and
// reported to the listener once, when the outermost command ends.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/session/editor_session.h"
#include "editor/session/preview_images.h"
#include "editor/windows/gallery_document.h"
#include "portrait/gallery_grid.h"
#include "portrait/layer.h"

namespace kelvo {

class TKelvoGallery;
class TKelvoPortret;

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
  bool HandCursor = false;
  bool BackToGalleryEnabled = false;
  std::string StatusText;
  std::string MenuCaption = "no face";  // popup menu: "face " + number or "no face"
  bool MenuItemsEnabled = false;        // "Voice" and "Name"
  std::vector<GalleryLabel> Labels;
  int ButtonsTop = 4;  // where the four buttons go: under the grid, in client coordinates
};

class GalleryWindowModel : private SessionObserver, private GalleryDocumentListener {
 public:
  GalleryWindowModel(EditorSession& session, GalleryDocument& document);
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

  GalleryDocument& Document() { return document_; }
  const GalleryDocument& Document() const { return document_; }
  const GalleryWindowState& State() const { return state_; }
  bool HasGallery() const { return document_.HasGallery(); }
  int Count() const { return document_.Count(); }
  int TakenFace() const { return document_.TakenFace(); }
  int Columns() const;
  int Rows() const;
  // The grid picture (0 x 0 without a gallery) and thumbnail n (1..Count()).
  ImageView GridImage() const;
  ImageView Thumbnail(int n) const;

  void Resize(int clientWidth, int clientHeight);
  void Scroll(int scrollY);
  void SetTextLineHeight(int height);
  void SetButtonFace(std::uint16_t pixel);
  // -1 without a gallery or outside the client area, 0 on no portrait, else the number.
  int HitTest(int x, int y) const;
  void Rebuild();
  void MakeThumbnail(int n);

  void BtnLoadClick() { document_.LoadWithDialog(); }
  void BtnSaveClick() { document_.SaveWithDialog(); }
  void BtnClearClick() { document_.ClearAll(); }
  void BtnAdd10Click();

  // Client coordinates.
  void FormMouseDown(MouseButton button, int x, int y);
  void FormMouseUp(MouseButton button, int x, int y);
  void FormDblClick();
  // Removes the pressed portrait after a question (No preselected), as a drag out of the
  // window does without one.
  void KeyDelete();
  void KeyEnter();  // takes the pressed portrait into the editor, as a double click does
  // Arrow keys: the highlight (the pressed portrait) moves dx cells across and dy rows down,
  // staying within 1..Count(); from none it starts at portrait 1. The status bar follows as for
  // a press.
  void KeyMove(int dx, int dy);
  // The highlighted portrait's cell in grid pixels; empty when none is highlighted.
  Rect HighlightRect() const;

  void PMPopup();  // before the popup menu opens
  void MINameClick();
  void MIVoiceClick();

 private:
  void OnSessionEvent(SessionEvent) override {}
  void OnCommandEnded() override;
  void GalleryRead(TKelvoGallery& gallery) override;
  void GalleryReplaced() override;
  void PortraitAdded() override;
  void PortraitChanged(int n) override;
  void PortraitDeleted(int n) override;
  void PortraitsSwapped(int a, int b) override;

  void Changed(unsigned changes) { pending_ |= changes; }
  void Report();
  void DeletePortrait(int n);
  bool IsPortrait(int n) const { return document_.IsPortrait(n); }
  void MakeThumbnails();
  Layer ThumbnailOf(TKelvoPortret& portrait);

  EditorSession& session_;
  GalleryDocument& document_;
  GalleryListener* listener_ = nullptr;
  std::vector<Layer> thumbnails_;  // one per portrait, in order
  std::vector<Layer> read_;        // those of a gallery just read, until it is in place
  Layer grid_;
  GalleryWindowState state_;
  std::function<void(int, int)> progress_;
  int threads_ = 0;
  unsigned pending_ = 0;
};

}  // namespace kelvo
