#include "editor/main_window/editor_model.h"

#include <cctype>
#include <exception>
#include <filesystem>
#include <system_error>
#include <utility>

#include "archive/pak.h"
#include "archive/pak_vfs.h"
#include "editor/main_window/snap_geometry.h"
#include "editor/session/data_set_loading.h"
#include "foundation/paths.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

EditorModel::EditorModel(ProcessContext& context, Prompter& prompter)
    : session_(context, prompter),
      list_(session_),
      placement_(session_),
      snapPoints_(session_),
      spread_(session_),
      random_(session_),
      mouse_(session_, placement_, snapPoints_, spread_),
      import_(session_),
      mirror_(session_),
      animation_(session_),
      frameExport_(session_),
      portraitExport_(session_),
      portraitCode_(session_),
      gallery_(session_),
      dataSetWindows_(gallery_),
      dataSets_(session_, dataSetWindows_) {
  portraitCode_.SetReplaceGuard([this] { return dataSets_.OfferUnsavedWork(); });
  portraitCode_.SetHeadCheck([this] { CheckHeadNumbers(); });
}

EditorModel::~EditorModel() = default;

void EditorModel::SetDesktopPort(DesktopPort* port) {
  portraitExport_.SetPort(port);
  portraitCode_.SetPort(port);
}

bool EditorModel::DataSetWindowLinks::OfferUnsavedGallery() {
  return gallery_.AskToSaveUnsaved() != UnsavedGallery::Cancelled;
}

Offset EditorModel::SnapPointAbsolute() const {
  return kelvo::SnapPointAbsolute(session_);
}

bool EditorModel::StartUp(const EditorSettings& settings) {
  EditorSession::Command cmd(session_);
  SessionState& shared = session_.State();
  session_.Context().Random().SeedCommonFromClock();
  if (settings.KeyExists) {
    shared.SrcPath = settings.SrcPath.value_or("");
    shared.Folders = settings.Folders;
    for (int i = 1; i <= kPreviewCount; ++i) {
      shared.PreviewVisible[i] = settings.Previews[i - 1].Visible.value_or(true);
    }
  } else {
    shared.SrcPath.clear();
    shared.PreviewVisible = {true, true, true, true};
  }
  shared.DragActive = false;

  const std::string loadDirectory = settings.KeyExists ? settings.LoadDirectory.value_or("") : "";
  shared.DataSetDir = "male";
  if (!loadDirectory.empty() &&
      session_.Context().Archive().Files().FileExists(loadDirectory + "\\dro")) {
    shared.DataSetDir = loadDirectory;
  }
  // A stored data set that does not load gives way to the bundled "male", so that one broken
  // folder does not end every start; when "male" fails too the start-up ends and the caller
  // ends the program.
  SetCaption(shared.DataSetDir);
  std::unique_ptr<TKelvoTyp> library;
  std::unique_ptr<TKelvoPortret> portrait;
  if (!LoadStartDataSet(shared.DataSetDir, library, portrait)) {
    if (shared.DataSetDir == "male") return false;
    const std::string failed = shared.DataSetDir;
    shared.DataSetDir = "male";
    SetCaption(shared.DataSetDir);
    if (!LoadStartDataSet(shared.DataSetDir, library, portrait)) return false;
    ShowInformation(session_.prompter(), "The data set " + ShownFolder(failed) +
                                             " could not be loaded; the bundled data set " +
                                             shared.DataSetDir + " is open instead.");
  }
  shared.CurrentCategory = 3;
  shared.SpreadDialogShown = false;
  // Every area fills its controls from the new data set; the first picture is the one just
  // prepared, so the redraw the replacement asks for is not needed.
  session_.ReplaceDataSet(std::move(library), std::move(portrait));
  session_.CancelRefresh();
  CheckHeadNumbers();
  session_.Previews().ShowFull(*Portrait().RenderLayer);
  UpdateReducedPreviews();
  shared.Signature = Portrait().Signature;
  if (shared.DataSetDir != "male" && shared.DataSetDir != "female" && shared.DataSetDir != "ape") {
    session_.Report("Opened the library in " + ShownFolder(Library().Path) +
                    " instead of a bundled data set");
  }
  session_.Changed(kChangeAll);
  return true;
}

bool EditorModel::LoadStartDataSet(const std::string& dir, std::unique_ptr<TKelvoTyp>& library,
                                   std::unique_ptr<TKelvoPortret>& portrait) {
  try {
    auto loaded = LoadDataSetLibrary(session_.Context().Archive(), dir);
    portrait = NewRandomPortrait(*loaded, session_.Context().Random(), session_.State().Hidden);
    library = std::move(loaded);
    return true;
  } catch (const std::exception& e) {
    ReportError(session_.prompter(), e);
  }
  return false;
}

void EditorModel::StoreSettings(EditorSettings& settings) const {
  settings.KeyExists = true;
  settings.SrcPath = session_.State().SrcPath;
  settings.Folders = session_.State().Folders;
  for (int i = 1; i <= kPreviewCount; ++i) {
    settings.Previews[i - 1].Visible = session_.State().PreviewVisible[i];
  }
}

bool EditorModel::CheckHeadNumbers() {
  return kelvo::CheckHeadNumbers(Library(), session_.prompter());
}

bool EditorModel::OpenRecent(const RecentFile& entry) {
  EditorSession::Command cmd(session_);
  const bool gallery = entry.Kind == RecentKind::kGallery;
  std::error_code ec;
  const bool exists = gallery
                          ? std::filesystem::is_regular_file(OsPath(entry.Path), ec)
                          : session_.Context().Archive().Files().FileExists(entry.Path + "\\dro");
  if (!exists) {
    ShowError(session_.prompter(), (gallery ? "The gallery " : "The library folder ") +
                                       ShownName(entry.Path) +
                                       " no longer exists; it is removed from the recent list.");
    session_.Recent().Remove(entry);
    return false;
  }
  if (!gallery) return dataSets_.OpenLibraryFolder(entry.Path);
  if (gallery_.AskToSaveUnsaved() == UnsavedGallery::Cancelled) return false;
  if (!gallery_.LoadFromFile(entry.Path)) return false;
  session_.Report("Opened the gallery " + ShownName(entry.Path) + " (" +
                  std::to_string(gallery_.Count()) + " portraits)");
  return true;
}

bool EditorModel::DropFile(const std::string& path, bool onGallery) {
  EditorSession::Command cmd(session_);
  std::string ext = std::filesystem::path(ShownName(path)).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == ".xgl") return OpenRecent({RecentKind::kGallery, path});
  if (ext == ".bmp" && !onGallery) {
    import_.ImportFile(path);
    return true;
  }
  session_.Report("Cannot open " + ShownName(path) +
                  (onGallery ? ": only galleries (.xgl) can be dropped here"
                             : ": only galleries (.xgl) and bitmaps to import (.bmp) can be "
                               "dropped here"));
  return false;
}

void EditorModel::ChkZobrClick(int window, bool checked) {
  EditorSession::Command cmd(session_);
  if (window < 1 || window > kPreviewCount) return;
  if (checked && window != 1 && HasPortrait() && Portrait().RenderLayer != nullptr) {
    session_.Previews().ShowReduced(window, *Portrait().RenderLayer);
    session_.Changed(kChangeReducedImages);
  }
  session_.State().PreviewVisible[window] = checked;
  session_.Changed(kChangePreviewVisibility);
}

}  // namespace kelvo
