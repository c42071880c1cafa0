// The editor's open gallery (or none): its portraits and its file, reading, saving and reading
// again over a new library, the unsaved state and its question, and the portraits that go into
// the editor and back ("Add to gal.", a double click, "Back to gal."). The gallery is made over
// the session's library; every question and file dialog goes through the session's prompter.
// Owned by the editor model; the gallery window (GalleryWindowModel) shows it and hears of each
// change through GalleryDocumentListener.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/session/editor_session.h"

namespace kelvo {

class TKelvoGallery;
class TKelvoPortret;
class TKelvoTyp;

// Answers of AskToSaveUnsaved. Only Discarded lets the asking command drop unsaved portraits.
enum class UnsavedGallery {
  NothingToSave,  // no gallery, or it is saved
  Saved,          // the user chose Save and it was written
  Discarded,      // the user chose Discard
  Cancelled,      // Cancel, the save dialog cancelled or the save failed: the command ends
};

// What a window showing the gallery brings in line; portraits are numbered 1..Count().
class GalleryDocumentListener {
 public:
  virtual ~GalleryDocumentListener() = default;
  // A gallery file has been read but is not in place yet: what the window makes of it is made
  // now, so that a failure (an exception) leaves the old gallery and is reported as the file's.
  virtual void GalleryRead(TKelvoGallery& gallery) = 0;
  // Another gallery, or none, is in place: read, created or dropped.
  virtual void GalleryReplaced() = 0;
  virtual void PortraitAdded() = 0;  // at the end
  virtual void PortraitChanged(int n) = 0;
  virtual void PortraitDeleted(int n) = 0;  // the later ones moved up by one
  virtual void PortraitsSwapped(int a, int b) = 0;
};

class GalleryDocument : private SessionObserver {
 public:
  explicit GalleryDocument(EditorSession& session);
  ~GalleryDocument() override;
  GalleryDocument(const GalleryDocument&) = delete;
  GalleryDocument& operator=(const GalleryDocument&) = delete;

  void AddListener(GalleryDocumentListener* listener);
  void RemoveListener(GalleryDocumentListener* listener);
  // Called with true before a gallery file is read and with false when it is done.
  void SetBusyHook(std::function<void(bool busy)> busy) { busy_ = std::move(busy); }

  bool HasGallery() const { return gallery_ != nullptr; }
  const TKelvoGallery* Gallery() const { return gallery_.get(); }
  int Count() const;
  bool IsPortrait(int n) const { return n >= 1 && n <= Count(); }
  const TKelvoPortret& Portrait(int n) const;
  // Writable for drawing (a thumbnail); edits go through the commands below, which keep the
  // unsaved state.
  TKelvoPortret& Portrait(int n);
  // True without a gallery.
  bool Saved() const;
  // "Gallery", " - " and the file's name when it has one, " *" when unsaved.
  std::string Caption() const;
  // The portrait taken into the editor, 0 when none.
  int TakenFace() const { return taken_; }

  // Replaces the gallery by the file's, made over the session's library. A file that cannot be
  // read is reported naming the file and the problem; the gallery is then as before. True when
  // it was loaded.
  bool LoadFromFile(const std::string& path);
  // After the session's library was replaced: reads the gallery's file again over the new
  // library; a gallery without a file, or one that no longer loads, is dropped. Runs by itself
  // when the session announces DataSetReplaced; calling it again afterwards does nothing.
  void ReloadForNewLibrary();
  // Frees the gallery; the window shows it empty.
  void Drop();
  // "There's an unsaved gallery in memory that will be lost. Save ?" with Save, Discard and
  // Cancel when the gallery is not saved; Save runs "&Save". The gallery itself stays: after
  // Discard, a new library drops it (or reads its file again) when it comes.
  UnsavedGallery AskToSaveUnsaved();

  // "&Load": the question about the gallery in memory, the file dialog, the file read.
  void LoadWithDialog();
  // "&Save": the save dialog and the write; false when cancelled or failed (a failure is
  // reported).
  bool SaveWithDialog();
  // "&Clear all": the question, then Drop.
  void ClearAll();

  // Appends a copy of the portrait (the checks and questions of "Add to gal.").
  void AddPortrait(const TKelvoPortret& portrait);
  // A double click: portrait n into the session's portrait, when it is of the session's own
  // library; otherwise nothing.
  void TakeIntoEditor(int n);
  // "Back to gal.": writes the session's portrait back into the taken one.
  void BackToGallery();
  // Dragging: deletes portrait n or swaps two; the taken portrait keeps its identity.
  void Delete(int n);
  void Swap(int a, int b);
  void SetName(int n, const std::string& name);
  // Values outside 0..255 are ignored.
  void SetVoice(int n, int voice);

 private:
  UnsavedGallery OfferUnsaved(const std::string& question);
  // Where the gallery file dialogs start: the folder of the gallery opened or saved last, else
  // the data folder.
  std::string LastGalleryFolder() const;
  void OnSessionEvent(SessionEvent event) override;
  void MarkUnsaved();
  // A portrait of the session's own library, which the editor can take.
  bool Editable(int n) const;
  // Reads `path` over the session's library and lets the listeners prepare it; reports and
  // returns null on failure.
  std::unique_ptr<TKelvoGallery> ReadGallery(const std::string& path);
  void Replace(std::unique_ptr<TKelvoGallery> gallery);
  template <typename Event>
  void Tell(Event event);

  EditorSession& session_;
  std::vector<GalleryDocumentListener*> listeners_;
  std::unique_ptr<TKelvoGallery> gallery_;
  const TKelvoTyp* library_ = nullptr;  // the library the gallery was made over
  bool stale_ = false;                  // the session's library was replaced since
  int taken_ = 0;
  std::function<void(bool)> busy_;
};

}  // namespace kelvo
