#include "editor/windows/data_sets_model.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>

#include "archive/pak.h"
#include "editor/session/data_set_loading.h"
#include "foundation/errors.h"
#include "foundation/paths.h"
#include "foundation/program_places.h"
#include "library/component.h"
#include "library/container.h"
#include "library/type_library.h"

namespace kelvo {
namespace {

bool IsDirectory(const std::string& name) {
  std::error_code ec;
  return !name.empty() && std::filesystem::is_directory(OsPath(name), ec);
}

// The failure as the user sees it: a data error with its "Kelvo ERROR: " prefix and, since its
// text does not say where it was found, `where`.
void Report(Prompter& prompter, const std::exception& error, const std::string& where) {
  const bool data = dynamic_cast<const FatalDataError*>(&error) != nullptr;
  ShowError(prompter, FailureText(error) + (data ? "\r\n\r\n" + where : ""));
}

}  // namespace

DataSetsModel::DataSetsModel(EditorSession& session, DataSetWindows& windows)
    : session_(session), windows_(windows) {}

// --- TFLoad ---

void DataSetsModel::LoadFormCreate(const std::optional<std::string>& loadDirectory,
                                   const std::string& startDirectory) {
  state_.Load.Directory =
      loadDirectory && IsDirectory(*loadDirectory) ? *loadDirectory : startDirectory;
}

bool DataSetsModel::BtnOtherClick() {
  const std::optional<std::string> chosen =
      session_.prompter().ChooseDirectory("Open a library folder", state_.Load.Directory);
  if (!chosen || chosen->empty()) return false;
  state_.Load.Directory = *chosen;
  Button1Click();
  return true;
}

// --- TFSave ---

void DataSetsModel::SaveFormCreate(const std::optional<std::string>& saveDirectory) {
  if (!saveDirectory || !IsDirectory(*saveDirectory)) return;
  lastSaved_ = *saveDirectory;
  DirListBoxChange(*saveDirectory);
}

std::string DataSetsModel::ProposedSaveFolder() const {
  if (!lastSaved_.empty() && IsWritableFolder(ShownFolder(lastSaved_))) return lastSaved_;
  const std::string dataSet = session_.State().DataSetDir;
  const std::string name = std::filesystem::path(ShownFolder(dataSet)).filename().string();
  const std::string home = XdgDataHome();
  if (!home.empty()) return home + "KelvoEd/" + (name.empty() ? "library" : name);
  // No home at all: the data set's own folder, the one place known to hold a library.
  return session_.HasLibrary() ? ShownFolder(session_.Library().Path) : dataSet;
}

void DataSetsModel::ShowSaveFolder(const std::string& folder) {
  std::filesystem::path shown = OsPath(folder);
  while (!shown.empty() && !IsDirectory(shown.string()) && shown.has_relative_path()) {
    shown = shown.parent_path();
  }
  DirListBoxChange(shown.string());
  state_.Save.Target = folder;
}

void DataSetsModel::ListFolder(const std::string& directory) {
  const std::filesystem::path folder = OsPath(directory);
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code kind;
    if (it->is_directory(kind)) names.push_back(it->path().filename().string());
  }
  if (ec) return;  // unreadable: the list stays where it was
  std::sort(names.begin(), names.end());
  state_.Save.ListLines.clear();
  if (folder.has_relative_path()) state_.Save.ListLines.push_back("..");
  state_.Save.ListLines.insert(state_.Save.ListLines.end(), names.begin(), names.end());
  state_.Save.ListDirectory = directory;
  state_.Save.Target = directory;
}

void DataSetsModel::DirListBoxChange(const std::string& directory) {
  if (IsDirectory(directory)) ListFolder(directory);
}

void DataSetsModel::DirListBoxOpen(int line) {
  const std::vector<std::string>& lines = state_.Save.ListLines;
  if (line < 0 || line >= static_cast<int>(lines.size())) return;
  const std::filesystem::path here = OsPath(state_.Save.ListDirectory);
  const std::string& name = lines[static_cast<size_t>(line)];
  const std::filesystem::path next =
      name == ".." ? here.lexically_normal().parent_path() : here / name;
  DirListBoxChange(next.lexically_normal().string());
}

// --- the main window ---

void DataSetsModel::BtnNacistClick() {
  EditorSession::Command cmd(session_);
  if (!windows_.OfferUnsavedGallery()) return;
  state_.Load.Result.clear();
  if (!windows_.ExecuteChangeSex() || state_.Load.Result.empty()) return;
  if (OfferUnsavedLibrary() == UnsavedLibrary::Cancelled) return;
  LoadChosen(state_.Load.Result);
}

bool DataSetsModel::OpenLibraryFolder(const std::string& folder) {
  EditorSession::Command cmd(session_);
  if (!OfferUnsavedWork()) return false;
  return LoadChosen(folder);
}

bool DataSetsModel::LoadChosen(const std::string& name) {
  try {
    session_.LoadDataSet(name);
  } catch (const std::exception& error) {
    // The current data set is still there: the user keeps working on it.
    Report(session_.prompter(), error,
           "in the data set " + ShownFolder(session_.Library().Archive().FullName(name)));
    return false;
  }
  if (name != "male" && name != "female" && name != "ape") {
    session_.Recent().Add(RecentKind::kLibrary, name);
  }
  CheckHeadNumbers(session_.Library(), session_.prompter());
  return true;
}

bool DataSetsModel::BtnUlozClick() {
  EditorSession::Command cmd(session_);
  ShowSaveFolder(ProposedSaveFolder());
  if (!windows_.ExecuteSave()) return false;
  if (!CheckHeadNumbers(session_.Library(), session_.prompter())) {
    ShowInformation(session_.prompter(), kSaveBlockedText);
    return false;
  }
  try {
    Ulozkomp(state_.Save.Target, state_.Save.SavePictures);
  } catch (const std::exception& error) {
    ReportError(session_.prompter(), error);
    return false;
  }
  lastSaved_ = state_.Save.Target;
  session_.Recent().Add(RecentKind::kLibrary, state_.Save.Target);
  const TKelvoTyp& library = session_.Library();
  int files = 5;  // dro, dep, cmp, col, ani
  for (int c = 1; state_.Save.SavePictures && c <= kCategoryCount; ++c) {
    for (const auto& component : library.Container(c).Components) {
      for (int sub = 1; sub <= kSubcomponentCount; ++sub) files += component->Sub(sub) ? 1 : 0;
    }
  }
  session_.Report("Saved the library to " +
                  ShownFolder(library.Archive().FullName(state_.Save.Target)) + " (" +
                  std::to_string(files) + " files)");
  return true;
}

void DataSetsModel::Ulozkomp(const std::string& folder, bool withPictures) {
  TKelvoTyp& library = session_.Library();
  const std::string cantForceDir = "TMainForm.Ulozkomp: cant forcedir " + folder;
  // An empty name would mean the data directory itself.
  if (folder.empty()) throw EditorError(cantForceDir);
  library.CheckImageNames();  // before the folder is made: a refusal leaves nothing
  const std::filesystem::path target = OsPath(library.Archive().FullName(folder));
  std::error_code ec;
  std::filesystem::create_directories(target, ec);
  if (!std::filesystem::is_directory(target, ec)) throw EditorError(cantForceDir);

  // The writers move the library to the folder; a failed write leaves it where it was, so the
  // next save does not take a half-written folder for its home.
  const std::string oldPath = library.Path;
  std::vector<std::string> oldImagePaths;
  for (int c = 1; c <= kCategoryCount; ++c) oldImagePaths.push_back(library.Container(c).LibPath);
  try {
    library.SaveTextAs(folder);
    if (withPictures) library.SaveImagesAs(folder);
  } catch (...) {
    library.Path = oldPath;
    for (int c = 1; c <= kCategoryCount; ++c) {
      library.Container(c).LibPath = oldImagePaths[static_cast<size_t>(c - 1)];
    }
    throw;
  }
  session_.MarkSaved();
}

bool DataSetsModel::OfferUnsavedWork() {
  return windows_.OfferUnsavedGallery() && OfferUnsavedLibrary() != UnsavedLibrary::Cancelled;
}

UnsavedLibrary DataSetsModel::OfferUnsavedLibrary() {
  if (!session_.HasLibrary() || !session_.State().LibraryChanged) {
    return UnsavedLibrary::NothingToSave;
  }
  switch (AskSaveDiscardCancel(session_.prompter(), kUnsavedLibraryText)) {
    case MessageAnswer::Save:
      return BtnUlozClick() ? UnsavedLibrary::Saved : UnsavedLibrary::Cancelled;
    case MessageAnswer::Discard:
      return UnsavedLibrary::Discarded;
    default:
      return UnsavedLibrary::Cancelled;
  }
}

}  // namespace kelvo
