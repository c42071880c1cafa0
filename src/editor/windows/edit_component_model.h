// The edit component dialog without the window: the record of the selected component of the
// current category (name, source, frequency, animation flag and, for Hair and Beards, head
// number and sign) and its four subcomponent rows. "Import" and "Export" of a row and "Export
// all" act at once, whatever closes the dialog; the record fields reach the component only
// through "&Apply". File dialogs and messages go through the session's prompter. Works on one
// session by reference; owned by the dialog.
#pragma once

#include <cstdint>
#include <string>

#include "editor/session/editor_session.h"
#include "editor/session/offset.h"

namespace kelvo {

inline constexpr const char* kBitmapFilter = "Bitmaps (*.bmp)|*.bmp";

struct SubcomponentRow {
  std::string Text;      // "SubKomp" + i: the subcomponent's file name, empty for none
  bool Present = false;  // label, edit and "Export" enabled; "Import" always is
};

struct EditComponentState {
  std::string Caption = "Edit component";
  std::string Name;           // EdNazev
  std::string Source;         // EdSrc
  int32_t Frequency = 0;      // SpCetnost
  int32_t Kind = 0;           // SpDruh
  std::string Signature;      // EdSig
  bool HeadEnabled = false;   // SpDruh, EdSig and their labels: Hair and Beards only
  bool Animation = false;     // ChkAnim
  bool PreserveShift = true;  // ChkSaveRef, kept from one opening to the next
  OneBased<SubcomponentRow, kSubcomponentCount> Rows;
  OneBased<Offset, kSubcomponentCount> SavedShift{};  // carried into an import
  bool Shown = false;
};

class EditComponentModel : private SessionObserver {
 public:
  explicit EditComponentModel(EditorSession& session);
  ~EditComponentModel() override;
  EditComponentModel(const EditComponentModel&) = delete;
  EditComponentModel& operator=(const EditComponentModel&) = delete;

  const EditComponentState& State() const { return state_; }

  // "Edit comp.": fills the dialog from the selected component; false when there is none.
  bool Open();

  void SetName(const std::string& text) { state_.Name = text; }
  void SetSource(const std::string& text) { state_.Source = text; }
  void SetFrequency(int32_t value) { state_.Frequency = value; }
  void SetKind(int32_t value);
  void SetSignature(const std::string& text);
  void SetAnimation(bool on) { state_.Animation = on; }
  void SetPreserveShift(bool on) { state_.PreserveShift = on; }
  void SetRowText(int slot, const std::string& text);

  // "SubImport" + i: the file dialog, then ImportFile.
  void SubImportClick(int slot);
  // A bitmap into the slot; a file that cannot be read is reported, naming it, and the slot
  // stays as it was. True when the slot took the new image.
  bool ImportFile(int slot, const std::string& path);
  // "SubExport" + i: the save dialog preset with the name + ".bmp", then ExportFile.
  void SubExportClick(int slot);
  // Writes the slot's subcomponent as bitmap file(s) named after `path` (the suffix of the
  // category's usual number goes before the extension). A failure is reported, naming the file.
  bool ExportFile(int slot, const std::string& path);
  // "Export all": the folder dialog, then ExportAllTo.
  void BtnExportAllClick();
  // Each slot with a subcomponent as folder + name + ".bmp"; stops at the first failure.
  bool ExportAllTo(const std::string& folder);

  // "&Apply": the fields into the component, an emptied row removes its subcomponent, the
  // others are renamed after the component; the main window shows the result.
  void Apply();
  // "Cancel" and every other way of closing: the fields are dropped.
  void Cancel();

 private:
  void OnSessionEvent(SessionEvent event) override;
  // The component the dialog was opened on, null when it has gone since.
  TKelvoKomp* Component() const;
  FileDialogRequest PictureRequest(const std::string& title) const;
  void ShowRows();

  EditorSession& session_;
  EditComponentState state_;
  TKelvoKomp* component_ = nullptr;
  int category_ = 0;
};

}  // namespace kelvo
