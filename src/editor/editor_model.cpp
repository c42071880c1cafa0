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

struct EditorModel::DataSet {
  std::unique_ptr<TKelvoTyp> Library;
  std::unique_ptr<TKelvoPortret> Portrait;
};

EditorModel::Command::~Command() {
  if (--model_.commandDepth_ > 0) return;
  const unsigned changes = std::exchange(model_.pending_, 0u);
  if (changes != 0 && model_.listener_ != nullptr) model_.listener_->EditorChanged(changes);
}

EditorModel::EditorModel(ProcessContext& context, Prompter& prompter)
    : context_(context), prompter_(prompter) {}

EditorModel::~EditorModel() = default;

bool EditorModel::HasPortrait() const {
  return data_ != nullptr && data_->Portrait != nullptr;
}

TKelvoTyp& EditorModel::Library() {
  if (data_ == nullptr) throw EditorError("EditorModel: no library loaded");
  return *data_->Library;
}

TKelvoPortret& EditorModel::Portrait() {
  if (!HasPortrait()) throw EditorError("EditorModel: no portrait");
  return *data_->Portrait;
}

// The model's constness covers its own state, not the library and portrait it edits.
TKelvoKompKontejner& EditorModel::Container(int category) const {
  if (data_ == nullptr) throw EditorError("EditorModel: no library loaded");
  return data_->Library->Container(category);
}

TKelvoKomp* EditorModel::Selected(int category) const {
  if (!HasPortrait()) throw EditorError("EditorModel: no portrait");
  return data_->Portrait->Selected.at(category);
}

TKelvoKomp* EditorModel::SelectedComponent() {
  return HasPortrait() ? Selected(state_.CurrentCategory) : nullptr;
}

bool EditorModel::StartUp(const EditorSettings& settings) {
  Command cmd(*this);
  context_.Random().SeedCommonFromClock();
  if (settings.KeyExists) {
    state_.SrcPath = settings.SrcPath.value_or("");
    for (int i = 1; i <= kPreviewCount; ++i) {
      state_.PreviewVisible[i] = settings.Previews[i - 1].Visible.value_or(true);
    }
  } else {
    state_.SrcPath.clear();
    state_.PreviewVisible = {false, true, true, true, true};
  }
  state_.DragActive = false;

  const std::string loadDirectory = settings.KeyExists ? settings.LoadDirectory.value_or("") : "";
  state_.DataSetDir = "male";
  if (!loadDirectory.empty() && context_.Archive().Files().FileExists(loadDirectory + "\\dro")) {
    state_.DataSetDir = loadDirectory;
  }
  SetCaption(state_.DataSetDir);

  // A library or portrait that cannot be made ends the start-up with the message shown;
  // the caller then ends the program.
  auto data = std::make_unique<DataSet>();
  try {
    data->Library = std::make_unique<TKelvoTyp>(context_.Archive(), state_.DataSetDir);
    data->Library->LoadAll();
    data->Library->LoadImages();
  } catch (const FatalDataError& e) {
    ShowError(prompter_, FatalDataText(e));
    return false;
  } catch (const std::exception& e) {
    ShowError(prompter_, e.what());
    return false;
  }
  data_ = std::move(data);
  CheckHeadNumbers();
  try {
    auto portrait = std::make_unique<TKelvoPortret>(*data_->Library);
    portrait->RandomComponents(context_.Random());
    portrait->RandomColours(context_.Random());
    portrait->ComputePositions();
    portrait->PripravPortret(false);
    data_->Portrait = std::move(portrait);
  } catch (const std::exception& e) {
    ShowError(prompter_, e.what());
    return false;
  }
  previews_.ShowFull(*Portrait().RenderLayer);
  UpdateReducedPreviews();
  state_.Signature = Portrait().Signature;

  state_.CurrentCategory = 3;
  state_.Mode = MouseMode::Components;
  state_.SpreadDialogShown = false;
  undo_.ClearUndo();
  UpdateSpanControls();
  UpdateAnimationControls();
  FillComponentList();
  ShowFrequency();
  ShowClipBoxes();
  FillSnapPointList();
  UpdateSpreadButtons();
  Changed(kChangeAll);
  return true;
}

void EditorModel::StoreSettings(EditorSettings& settings) const {
  settings.KeyExists = true;
  settings.SrcPath = state_.SrcPath;
  for (int i = 1; i <= kPreviewCount; ++i) {
    settings.Previews[i - 1].Visible = state_.PreviewVisible[i];
  }
}

void EditorModel::SetCaption(const std::string& dataSetName) {
  Command cmd(*this);
  state_.Caption = dataSetName.empty() ? "KelvoEd" : "KelvoEd - " + dataSetName;
  Changed(kChangeCaption);
}

bool EditorModel::CheckHeadNumbers() {
  for (const auto& component : Library().Container(10).Components) {
    if (!component->IsFrame && component->Kind == 0) {
      ShowError(prompter_, "Hair   " + component->Name + "   has NO HEAD NUMBER !!!" + "\r\n\r\n" +
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
    previews_.ShowReduced(window, *Portrait().RenderLayer);
    Changed(kChangeReducedImages);
  }
  state_.PreviewVisible[window] = checked;
  Changed(kChangePreviewVisibility);
}

void EditorModel::RefreshPortrait() {
  Command cmd(*this);
  TKelvoPortret& portrait = Portrait();
  ++state_.RefreshCount;
  if (state_.WithSpread.Checked) {
    portrait.ComputePositionsWithSpread();
  } else {
    portrait.ComputePositions();
  }
  if (state_.OnlySelected) {
    portrait.RenderOnly(state_.CurrentCategory);
  } else {
    portrait.RenderVisible();
  }
  previews_.ShowFull(*portrait.RenderLayer);
  Changed(kChangeFullImage);
  if (!state_.DragActive) UpdateReducedPreviews();
  if (state_.DrawSnapPoint.Checked) DrawSnapMarks();
  if (!state_.DragActive) {
    state_.Signature = portrait.Signature;
    Changed(kChangeSignature);
  }
  // Prepared animation frames show the old picture.
  ResetFrames(portrait);
}

void EditorModel::UpdateReducedPreviews() {
  Command cmd(*this);
  if (!HasPortrait() || Portrait().RenderLayer == nullptr) return;
  for (int window = 2; window <= kPreviewCount; ++window) {
    if (state_.PreviewVisible[window]) previews_.ShowReduced(window, *Portrait().RenderLayer);
  }
  Changed(kChangeReducedImages);
}

void EditorModel::ChkKompShowClick(int category, bool checked) {
  Command cmd(*this);
  if (category < 1 || category > kCategoryCount) return;
  state_.Hidden[category] = checked;
  Portrait().Hidden.at(category) = checked;
  Changed(kChangeCategory);
  RefreshPortrait();
}

void EditorModel::ChkKompNahLockClick(int category, bool checked) {
  Command cmd(*this);
  if (category < 1 || category > kCategoryCount) return;
  state_.Locked[category] = checked;
  Changed(kChangeCategory);
}

void EditorModel::ChkUmBodClick(bool checked) {
  Command cmd(*this);
  state_.DrawSnapPoint.Checked = checked;
  Changed(kChangeSnapPoints);
  RefreshPortrait();
}

void EditorModel::SetDrawSnapPoint(bool checked) {
  if (state_.DrawSnapPoint.Checked != checked) ChkUmBodClick(checked);
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
  state_.OnlySelected = checked;
  Changed(kChangeSnapPoints);
  RefreshPortrait();
}

void EditorModel::ChkRozptClick(bool checked) {
  Command cmd(*this);
  state_.WithSpread.Checked = checked;
  Changed(kChangeSnapPoints);
  UpdateSpreadButtons();
  RefreshPortrait();
}

void EditorModel::SetWithSpread(bool checked) {
  if (state_.WithSpread.Checked != checked) ChkRozptClick(checked);
}

void EditorModel::UpdateSpreadButtons() {
  Command cmd(*this);
  state_.SpreadButtonsEnabled = state_.WithSpread.Checked;
  Changed(kChangeSnapPoints);
}

}  // namespace kelvo
