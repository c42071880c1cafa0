// Placeholder bodies so that the window layer can build against the model while the commands
// are being written; every command is a no-op and no library is loaded.
#include "editor/editor_model.h"

namespace kelvo {

struct EditorModel::DataSet {};

EditorModel::EditorModel(ProcessContext& context, Prompter& prompter)
    : context_(context), prompter_(prompter) {}
EditorModel::~EditorModel() = default;

TKelvoTyp& EditorModel::Library() {
  throw EditorError("no library loaded");
}
TKelvoPortret& EditorModel::Portrait() {
  throw EditorError("no portrait");
}
bool EditorModel::StartUp(const EditorSettings& /*settings*/) {
  return false;
}
void EditorModel::StoreSettings(EditorSettings& /*settings*/) const {}
void EditorModel::SetCaption(const std::string& /*dataSetName*/) {}
bool EditorModel::CheckHeadNumbers() {
  return false;
}
void EditorModel::ChkZobrClick(int /*window*/, bool /*checked*/) {}
bool EditorModel::HasPortrait() const {
  return false;
}
TKelvoKomp* EditorModel::SelectedComponent() {
  return nullptr;
}
void EditorModel::RefreshPortrait() {}
void EditorModel::UpdateReducedPreviews() {}
void EditorModel::CategoryButtonClick(int /*category*/) {}
void EditorModel::RGKompClick(int /*filter*/) {}
void EditorModel::LbxKompClick(int /*line*/) {}
void EditorModel::FillComponentList() {}
void EditorModel::SelectCurrentInList() {}
StepOwner EditorModel::FindStepOwner(int /*line*/) const {
  return {};
}
void EditorModel::ShowFrequency() {}
void EditorModel::SpinEditCetnChange(int /*frequency*/) {}
void EditorModel::UpdateAnimationControls() {}
void EditorModel::UpdateSpanControls() {}
void EditorModel::ShowDefaultSpan() {}
void EditorModel::ShowPositionValues() {}
void EditorModel::ShowClipBoxes() {}
void EditorModel::ChkOrezClick(int /*subcomponent*/, bool /*checked*/) {}
void EditorModel::ChkKompShowClick(int /*category*/, bool /*checked*/) {}
void EditorModel::ChkKompNahLockClick(int /*category*/, bool /*checked*/) {}
void EditorModel::SpinEditPosXChange(int /*value*/) {}
void EditorModel::SpinEditPosYChange(int /*value*/) {}
void EditorModel::SpinEditRozXChange(int /*value*/) {}
void EditorModel::SpinEditRozYChange(int /*value*/) {}
void EditorModel::SEDefRozXChange(int /*value*/) {}
void EditorModel::SEDefRozYChange(int /*value*/) {}
void EditorModel::BakePosition(int /*category*/) {}
void EditorModel::BtnUsePosClick() {}
void EditorModel::BtnUsePosAllClick() {}
void EditorModel::BtnNullClick() {}
void EditorModel::BtnNullAllClick() {}
void EditorModel::BtnDefRozesunClick() {}
void EditorModel::BtnSmazatClick() {}
void EditorModel::FillSnapPointList() {}
void EditorModel::LbxUmistClick(int /*line*/) {}
void EditorModel::ShowSnapPoint() {}
void EditorModel::SpinUmistXChange(int /*value*/) {}
void EditorModel::SpinUmistYChange(int /*value*/) {}
Offset EditorModel::SnapPointAbsolute() const {
  return {};
}
void EditorModel::DrawSnapMarks() {}
void EditorModel::ChkUmBodClick(bool /*checked*/) {}
void EditorModel::RBNastKompClick() {}
void EditorModel::RBNastBodClick() {}
void EditorModel::ChbLockUmClick(bool /*checked*/) {}
void EditorModel::ChbSelKompClick(bool /*checked*/) {}
void EditorModel::ChkRozptClick(bool /*checked*/) {}
void EditorModel::UpdateSpreadButtons() {}
void EditorModel::SpreadDialogShow() {}
void EditorModel::SpreadDialogHide() {}
void EditorModel::SpreadLimitChange(SpreadDirection /*direction*/, int /*value*/) {}
void EditorModel::SpreadDirectionClick(SpreadDirection /*direction*/) {}
void EditorModel::ImageMouseDown(int /*window*/, MouseButton /*button*/, int /*x*/, int /*y*/) {}
void EditorModel::ImageMouseMove(int /*window*/, int /*x*/, int /*y*/) {}
void EditorModel::ImageMouseUp(int /*window*/, MouseButton /*button*/, int /*x*/, int /*y*/) {}
}  // namespace kelvo
