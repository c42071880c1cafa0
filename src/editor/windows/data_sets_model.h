// The data sets area: "&Sex" changes the data set through the change-sex dialog (TFLoad),
// "&Save" writes the library through the save dialog (TFSave) with Ulozkomp, and unsaved library
// changes are offered for saving before a change of data set or the end of the program drops
// them. Holds the values of both dialogs; what it does not own (the two dialogs and the gallery's
// question) is reached through DataSetWindows, which the editor model implements (the dialogs
// through the GUI's DataSetDialogs) and tests fake. Works on one session by reference; owned by
// the editor model.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/session/editor_session.h"

namespace kelvo {

inline constexpr const char* kSaveBlockedText =
    "Save not completed. Correct the heads in \"Edit comp\".";
inline constexpr const char* kUnsavedLibraryText =
    "The library has unsaved changes that will be lost. Save them ?";

// TFLoad: the hidden directory list and the chosen data set.
struct ChangeSexDialogState {
  std::string Directory;  // DirListBox, stored as "LoadDirectory"
  std::string Result;     // "male", "female", "ape" or a directory
};

// TFSave: the directory list, the target field and "Save pictures".
struct SaveDialogState {
  std::string ListDirectory;           // DirListBox
  std::vector<std::string> ListLines;  // ".." (but at the root), then the subfolders by name
  std::string Target;                  // EdAdr, stored as "SaveDirectory"
  bool SavePictures = true;            // ChbData
};

struct DataSetsState {
  ChangeSexDialogState Load;
  SaveDialogState Save;
};

// Answers of OfferUnsavedLibrary.
enum class UnsavedLibrary {
  NothingToSave,  // the library holds no unsaved change
  Saved,          // the user chose to save and it was written
  Discarded,      // the user chose to drop the changes
  Cancelled,      // the user cancelled the question, the save dialog, or the save failed
};

// The two dialogs, which the GUI shows.
class DataSetDialogs {
 public:
  virtual ~DataSetDialogs() = default;
  // Show the dialog modally over the model's values; true when it closed with OK.
  virtual bool ExecuteChangeSex() = 0;
  virtual bool ExecuteSave() = 0;
};

class DataSetWindows : public DataSetDialogs {
 public:
  // The unsaved-gallery question; false when the command is to end there (cancelled, or the
  // save was not done).
  virtual bool OfferUnsavedGallery() = 0;
};

class DataSetsModel {
 public:
  DataSetsModel(EditorSession& session, DataSetWindows& windows);
  DataSetsModel(const DataSetsModel&) = delete;
  DataSetsModel& operator=(const DataSetsModel&) = delete;

  const DataSetsState& State() const { return state_; }

  // --- TFLoad ---
  // A stored directory that exists becomes the list's; else the list starts in `startDirectory`.
  void LoadFormCreate(const std::optional<std::string>& loadDirectory,
                      const std::string& startDirectory);
  void Button3Click() { state_.Load.Result = "male"; }                 // "Male Pak"
  void Button4Click() { state_.Load.Result = "female"; }               // "Female Pak"
  void Button5Click() { state_.Load.Result = "ape"; }                  // "Ape Pak"
  void Button1Click() { state_.Load.Result = state_.Load.Directory; }  // "&Load"
  // "Other...": the folder chooser; a chosen folder becomes the list's directory and the result,
  // as "&Load" does. False when it was cancelled.
  bool BtnOtherClick();

  // --- TFSave ---
  // The folder last saved to, as stored; one that exists is shown at once.
  void SaveFormCreate(const std::optional<std::string>& saveDirectory);
  // What "&Save" proposes: the folder last saved to while it is writable, else the user's data
  // folder for the open data set (XdgDataHome() + "KelvoEd/" + its name); never the working
  // folder. The list shows the nearest folder of it that exists.
  std::string ProposedSaveFolder() const;
  // The folder the last save wrote to ("SaveDirectory"); empty before any.
  const std::string& LastSavedFolder() const { return lastSaved_; }
  // The list moved to `directory`; the target follows. A folder that cannot be read keeps the
  // list where it was.
  void DirListBoxChange(const std::string& directory);
  void DirListBoxOpen(int line);  // a double click on ListLines[line]
  void EdAdrChange(const std::string& text) { state_.Save.Target = text; }
  void ChbDataClick(bool checked) { state_.Save.SavePictures = checked; }

  // --- the main window ---
  // "&Sex": the unsaved-gallery question, the dialog, the unsaved-library question, the new data
  // set (a gallery reloads itself over it), the head-number check. A data set that fails to load
  // is reported and the current one stays.
  void BtnNacistClick();
  // A library folder from "Open Recent" or a drop: both unsaved-work questions, then the folder
  // as the data set; false when cancelled or it did not load (reported).
  bool OpenLibraryFolder(const std::string& folder);
  // "&Save": the dialog, the head-number block, Ulozkomp. True when the library was written;
  // a failed write is reported and leaves the library where it was.
  bool BtnUlozClick();
  // Creates `folder` with its parents and writes the text files, with `withPictures` also the
  // images; each file is written whole or not at all. Throws EditorError
  // "TMainForm.Ulozkomp: cant forcedir " + folder when the folder cannot be made.
  void Ulozkomp(const std::string& folder, bool withPictures);
  // With unsaved library changes: "Question" with Save (runs "&Save"), Discard and Cancel.
  UnsavedLibrary OfferUnsavedLibrary();
  // Both questions before another command replaces the data set (the avatar import); false when
  // the user cancelled one of them.
  bool OfferUnsavedWork();

 private:
  void ListFolder(const std::string& directory);
  void ShowSaveFolder(const std::string& folder);
  bool LoadChosen(const std::string& name);

  EditorSession& session_;
  DataSetWindows& windows_;
  DataSetsState state_;
  std::string lastSaved_;
};

}  // namespace kelvo
