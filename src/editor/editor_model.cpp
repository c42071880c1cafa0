#include "editor/editor_model.h"

#include <exception>
#include <utility>

#include "archive/pak.h"
#include "archive/pak_vfs.h"
#include "foundation/errors.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/frames.h"
#include "portrait/portrait.h"

namespace kelvo {

EditorModel::EditorModel(ProcessContext& context, Prompter& prompter)
    : session_(context, prompter) {
  session_.AddObserver(this);
}

EditorModel::~EditorModel() {
  session_.RemoveObserver(this);
}

void EditorModel::OnRendered() {
  if (shared_().DrawSnapPoint.Checked) DrawSnapMarks();
}

// Another area replaced or edited what the main window shows: refill every control and redraw.
void EditorModel::OnSessionEvent(SessionEvent event) {
  if (startingUp_ || !HasPortrait()) return;
  Command cmd(*this);
  if (event == SessionEvent::DataSetReplaced) state_.SpreadDialogShown = false;
  ShowControls();
  RefreshPortrait();
}

bool EditorModel::StartUp(const EditorSettings& settings) {
  Command cmd(*this);
  session_.Context().Random().SeedCommonFromClock();
  if (settings.KeyExists) {
    shared_().SrcPath = settings.SrcPath.value_or("");
    for (int i = 1; i <= kPreviewCount; ++i) {
      shared_().PreviewVisible[i] = settings.Previews[i - 1].Visible.value_or(true);
    }
  } else {
    shared_().SrcPath.clear();
    shared_().PreviewVisible = {false, true, true, true, true};
  }
  shared_().DragActive = false;

  const std::string loadDirectory = settings.KeyExists ? settings.LoadDirectory.value_or("") : "";
  shared_().DataSetDir = "male";
  if (!loadDirectory.empty() && session_.Context().Archive().Files().FileExists(loadDirectory + "\\dro")) {
    shared_().DataSetDir = loadDirectory;
  }
  SetCaption(shared_().DataSetDir);

  // A library or portrait that cannot be made ends the start-up with the message shown;
  // the caller then ends the program.
  std::unique_ptr<TKelvoTyp> library;
  try {
    library = std::make_unique<TKelvoTyp>(session_.Context().Archive(), shared_().DataSetDir);
    library->LoadAll();
    library->LoadImages();
  } catch (const FatalDataError& e) {
    ShowError(session_.prompter(), FatalDataText(e));
    return false;
  } catch (const std::exception& e) {
    ShowError(session_.prompter(), e.what());
    return false;
  }
  std::unique_ptr<TKelvoPortret> portrait;
  try {
    portrait = std::make_unique<TKelvoPortret>(*library);
    portrait->RandomComponents(session_.Context().Random());
    portrait->RandomColours(session_.Context().Random());
    portrait->ComputePositions();
    portrait->PripravPortret(false);
  } catch (const std::exception& e) {
    ShowError(session_.prompter(), e.what());
    return false;
  }
  startingUp_ = true;
  session_.ReplaceDataSet(std::move(library), std::move(portrait));
  startingUp_ = false;
  CheckHeadNumbers();
  session_.Previews().ShowFull(*Portrait().RenderLayer);
  UpdateReducedPreviews();
  shared_().Signature = Portrait().Signature;

  shared_().CurrentCategory = 3;
  state_.Mode = MouseMode::Components;
  state_.SpreadDialogShown = false;
  ShowControls();
  return true;
}

void EditorModel::ShowControls() {
  Command cmd(*this);
  UpdateSpanControls();
  UpdateAnimationControls();
  FillComponentList();
  ShowFrequency();
  ShowClipBoxes();
  FillSnapPointList();
  UpdateSpreadButtons();
  Changed(kChangeAll);
}

void EditorModel::StoreSettings(EditorSettings& settings) const {
  settings.KeyExists = true;
  settings.SrcPath = shared_().SrcPath;
  for (int i = 1; i <= kPreviewCount; ++i) {
    settings.Previews[i - 1].Visible = shared_().PreviewVisible[i];
  }
}

bool EditorModel::CheckHeadNumbers() {
  for (const auto& component : Library().Container(10).Components) {
    if (!component->IsFrame && component->Kind == 0) {
      ShowError(session_.prompter(), "Hair   " + component->Name + "   has NO HEAD NUMBER !!!" + "\r\n\r\n" +
                               "VX WILL DEFINITELY DIE ON THIS !" + "\r\n\r\n" +
                               "Please correct this IMMEDIATELY !!!");
      return false;
    }
  }
  return true;
}

void EditorModel::ChkZobrClick(int window, bool checked) {
  Command cmd(*this);
  if (window < 1 || window > kPreviewCount) return;
  if (checked && window != 1 && HasPortrait() && Portrait().RenderLayer != nullptr) {
    session_.Previews().ShowReduced(window, *Portrait().RenderLayer);
    Changed(kChangeReducedImages);
  }
  shared_().PreviewVisible[window] = checked;
  Changed(kChangePreviewVisibility);
}

void EditorModel::ChkKompShowClick(int category, bool checked) {
  Command cmd(*this);
  if (category < 1 || category > kCategoryCount) return;
  shared_().Hidden[category] = checked;
  Portrait().Hidden.at(category) = checked;
  Changed(kChangeCategory);
  RefreshPortrait();
}

void EditorModel::ChkKompNahLockClick(int category, bool checked) {
  Command cmd(*this);
  if (category < 1 || category > kCategoryCount) return;
  shared_().Locked[category] = checked;
  Changed(kChangeCategory);
}

void EditorModel::ChkUmBodClick(bool checked) {
  Command cmd(*this);
  shared_().DrawSnapPoint.Checked = checked;
  Changed(kChangeSnapPoints);
  RefreshPortrait();
}

void EditorModel::SetDrawSnapPoint(bool checked) {
  if (shared_().DrawSnapPoint.Checked != checked) ChkUmBodClick(checked);
}

void EditorModel::SetMouseMode(MouseMode mode) {
  state_.Mode = mode;
  Changed(kChangeSnapPoints);
  SetDrawSnapPoint(mode == MouseMode::SnapPoints);
}

void EditorModel::RBNastKompClick() {
  Command cmd(*this);
  SetMouseMode(MouseMode::Components);
}

void EditorModel::RBNastBodClick() {
  Command cmd(*this);
  if (state_.SnapModeEnabled) SetMouseMode(MouseMode::SnapPoints);
}

void EditorModel::ChbLockUmClick(bool checked) {
  Command cmd(*this);
  state_.LockPoints = checked;
  Changed(kChangeSnapPoints);
}

void EditorModel::ChbSelKompClick(bool checked) {
  Command cmd(*this);
  shared_().OnlySelected = checked;
  Changed(kChangeSnapPoints);
  RefreshPortrait();
}

void EditorModel::ChkRozptClick(bool checked) {
  Command cmd(*this);
  shared_().WithSpread.Checked = checked;
  Changed(kChangeSnapPoints);
  UpdateSpreadButtons();
  RefreshPortrait();
}

void EditorModel::SetWithSpread(bool checked) {
  if (shared_().WithSpread.Checked != checked) ChkRozptClick(checked);
}

void EditorModel::UpdateSpreadButtons() {
  Command cmd(*this);
  state_.SpreadButtonsEnabled = shared_().WithSpread.Checked;
  Changed(kChangeSnapPoints);
}

}  // namespace kelvo
