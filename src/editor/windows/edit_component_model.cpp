#include "editor/windows/edit_component_model.h"

#include <algorithm>
#include <optional>

#include "foundation/errors.h"
#include "foundation/paths.h"
#include "library/categories.h"
#include "library/component.h"
#include "library/component_import.h"
#include "library/container.h"
#include "library/process_context.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

bool HasHead(int category) {
  return category == kHair || category == kBeards;
}

bool ValidSlot(int slot) {
  return slot >= 1 && slot <= kSubcomponentCount;
}

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

// What Apply may change, to tell whether it did.
std::string RecordText(const TKelvoKomp& k) {
  std::string text = k.Name + '\n' + k.Source + '\n' + std::to_string(k.Frequency) + '\n' +
                     std::to_string(k.Kind) + '\n' + k.Signature + '\n' + (k.IsFrame ? "1" : "0");
  for (int i = 1; i <= kSubcomponentCount; ++i) {
    text += '\n' + (k.Sub(i) != nullptr ? "+" + k.Sub(i)->FileName : std::string("-"));
  }
  return text;
}

}  // namespace

EditComponentModel::EditComponentModel(EditorSession& session) : session_(session) {
  session_.AddObserver(this);
}

EditComponentModel::~EditComponentModel() {
  session_.RemoveObserver(this);
}

void EditComponentModel::OnSessionEvent(SessionEvent event) {
  // The component may belong to a freed library, or have been removed.
  if (event == SessionEvent::DataSetReplaced ||
      (event == SessionEvent::LibraryEdited && Component() == nullptr)) {
    Cancel();
  }
}

TKelvoKomp* EditComponentModel::Component() const {
  if (component_ == nullptr || !session_.HasLibrary()) return nullptr;
  const auto& components = session_.Container(category_).Components;
  const bool present = std::any_of(components.begin(), components.end(),
                                   [this](const auto& c) { return c.get() == component_; });
  return present ? component_ : nullptr;
}

bool EditComponentModel::Open() {
  TKelvoKomp* komp = session_.SelectedComponent();
  if (komp == nullptr) return false;
  component_ = komp;
  category_ = session_.State().CurrentCategory;
  state_.Caption = "Edit component: " + komp->Name;
  state_.Name = komp->Name;
  state_.Source = komp->Source;
  state_.Frequency = komp->Frequency;
  state_.Animation = komp->IsFrame;
  state_.HeadEnabled = HasHead(category_);
  state_.Kind = state_.HeadEnabled ? komp->Kind : 0;
  state_.Signature = state_.HeadEnabled ? komp->Signature : "";
  state_.SavedShift = {};
  ShowRows();
  state_.Shown = true;
  return true;
}

void EditComponentModel::ShowRows() {
  const TKelvoKomp* komp = Component();
  for (int i = 1; i <= kSubcomponentCount; ++i) {
    const TKelvoSubKomp* sub = komp != nullptr ? komp->Sub(i) : nullptr;
    SubcomponentRow& row = state_.Rows[i];
    row.Present = sub != nullptr;
    row.Text = sub != nullptr ? sub->FileName : "";
  }
}

void EditComponentModel::SetKind(int32_t value) {
  if (state_.HeadEnabled) state_.Kind = value;
}

void EditComponentModel::SetSignature(const std::string& text) {
  if (state_.HeadEnabled) state_.Signature = text;
}

void EditComponentModel::SetRowText(int slot, const std::string& text) {
  if (ValidSlot(slot) && state_.Rows[slot].Present) {
    state_.Rows[slot].Text = text;
  }
}

FileDialogRequest EditComponentModel::PictureRequest(const std::string& title) const {
  FileDialogRequest request;
  request.Title = title;
  request.Filter = kBitmapFilter;
  request.DefaultExt = "bmp";
  const TKelvoKomp* komp = Component();
  request.InitialDir = session_.State().Folders.Start(
      FileKind::Bitmaps,
      komp != nullptr && !komp->Source.empty() ? komp->Source : session_.State().SrcPath);
  return request;
}

void EditComponentModel::SubImportClick(int slot) {
  if (!ValidSlot(slot) || Component() == nullptr) return;
  const std::optional<std::string> path =
      session_.prompter().OpenFile(PictureRequest("Import subcomponent " + std::to_string(slot)));
  if (!path || path->empty()) return;
  session_.State().Folders.Chosen(FileKind::Bitmaps, *path);
  ImportFile(slot, *path);
}

bool EditComponentModel::ImportFile(int slot, const std::string& path) {
  EditorSession::Step step(session_, "Import subcomponent", category_);
  TKelvoKomp* komp = Component();
  if (!ValidSlot(slot) || komp == nullptr) return false;
  EditorSession::Command cmd(session_);
  const TKelvoSubKomp* old = komp->Sub(slot);
  Offset& saved = state_.SavedShift[slot];
  saved = state_.PreserveShift && old != nullptr ? Offset{old->X, old->Y} : Offset{};
  std::optional<KeptOffset> keep;
  if (state_.PreserveShift) keep = KeptOffset{saved.x, saved.y};
  Prompter& prompter = session_.prompter();
  try {
    if (!ImportSubcomponent(session_.Context().Archive(), *komp, slot, path, keep)) {
      ShowWarning(prompter, "Nothing imported: " + path + " has no visible pixel.");
      return false;
    }
  } catch (const FatalDataError& error) {
    ReportError(prompter, error);
    return false;
  } catch (const KelvoError& error) {
    ReportError(prompter, error);
    return false;
  }
  state_.Rows[slot] = {komp->Sub(slot)->FileName, true};
  session_.MarkLibraryChanged();
  session_.Notify(SessionEvent::LibraryEdited, this);
  return true;
}

void EditComponentModel::SubExportClick(int slot) {
  if (!ValidSlot(slot) || Component() == nullptr || Component()->Sub(slot) == nullptr) return;
  FileDialogRequest request = PictureRequest("Export subcomponent " + std::to_string(slot));
  request.FileName = state_.Name + ".bmp";
  const std::optional<std::string> path = session_.prompter().SaveFile(request);
  if (!path || path->empty()) return;
  session_.State().Folders.Chosen(FileKind::Bitmaps, *path);
  ExportFile(slot, *path);
}

bool EditComponentModel::ExportFile(int slot, const std::string& path) {
  TKelvoKomp* komp = Component();
  if (!ValidSlot(slot) || komp == nullptr || komp->Sub(slot) == nullptr) return false;
  TKelvoPortret& portrait = session_.Portrait();
  // The export writes the portrait's selection of the category: the dialog's component.
  TKelvoKomp*& selected = portrait.Selected.at(category_);
  TKelvoKomp* const before = selected;
  selected = komp;
  try {
    if (komp->ImagesLoaded == 0) komp->LoadImages(session_.Context().Archive());
    portrait.ExportSubcompBmp(category_, slot, path);
  } catch (const KelvoError& error) {
    selected = before;
    ReportError(session_.prompter(), error);
    return false;
  }
  selected = before;
  return true;
}

void EditComponentModel::BtnExportAllClick() {
  if (Component() == nullptr) return;
  const std::optional<std::string> folder =
      session_.prompter().ChooseDirectory("Export all", PictureRequest("").InitialDir);
  if (!folder || folder->empty()) return;
  const bool named_as_folder = IsSeparator(folder->back());
  session_.State().Folders.Chosen(FileKind::Bitmaps, named_as_folder ? *folder : *folder + "\\");
  ExportAllTo(*folder);
}

bool EditComponentModel::ExportAllTo(const std::string& folder) {
  const TKelvoKomp* komp = Component();
  if (komp == nullptr) return false;
  const std::string dir = folder.empty() || IsSeparator(folder.back()) ? folder : folder + "\\";
  const std::string file = state_.Name + ".bmp";
  if (const std::string_view why = WhyNameLeavesFolder(file); !why.empty()) {
    ShowError(session_.prompter(), "Cannot export " + ShownName(file) + " into " +
                                       ShownName(folder) + ": " + std::string(why) + ".");
    return false;
  }
  for (int i = 1; i <= kSubcomponentCount; ++i) {
    if (komp->Sub(i) != nullptr && !ExportFile(i, dir + file)) return false;
  }
  return true;
}

void EditComponentModel::Apply() {
  EditorSession::Step step(session_, "Edit comp.", category_);
  TKelvoKomp* komp = Component();
  state_.Shown = false;
  if (komp == nullptr) return;
  EditorSession::Command cmd(session_);
  TKelvoKompKontejner& container = session_.Container(category_);
  const std::string before = RecordText(*komp);
  if (state_.Name != komp->Name) {
    // The name becomes the images' file names, so it must stay inside the category folder.
    if (const std::string_view why = WhyNameLeavesFolder(state_.Name); !why.empty()) {
      ShowWarning(session_.prompter(), "Component name " + state_.Name +
                                           " leads out of the category folder: " +
                                           std::string(why) + ". The old name stays.");
    } else if (container.FindByName(state_.Name) == -1) {
      komp->Name = state_.Name;
    } else {
      ShowWarning(session_.prompter(), "Component " + state_.Name + " already exists!");
    }
  }
  komp->Source = state_.Source;
  komp->Frequency = state_.Frequency;
  komp->IsFrame = state_.Animation;
  if (HasHead(category_)) {
    komp->Kind = state_.Kind;
    komp->Signature = state_.Signature;
  }
  for (int i = 1; i <= kSubcomponentCount; ++i) {
    auto& sub = komp->Subcomponents[i];
    if (!sub) continue;
    if (state_.Rows[i].Text.empty()) {
      sub.reset();
    } else {
      // Another component's image may carry the name already; saving would overwrite it. A
      // name read from the file that leads out of the folder leaves the file name as it was.
      const std::string wanted = komp->Name + "_s" + TwoDigits(i);
      if (NameStaysInFolder(wanted)) sub->FileName = UnusedImageName(container, wanted, komp);
    }
  }
  ShowRows();
  component_ = nullptr;
  if (RecordText(*komp) == before) return;
  session_.MarkLibraryChanged();
  session_.Notify(SessionEvent::LibraryEdited, this);
}

void EditComponentModel::Cancel() {
  state_.Shown = false;
  component_ = nullptr;
}

}  // namespace kelvo
