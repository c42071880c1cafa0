#include "editor/main_window/status_bar_model.h"

#include "editor/session/preview_images.h"
#include "foundation/paths.h"
#include "library/categories.h"
#include "library/component.h"

namespace kelvo {

void StatusBarModel::Update() {
  const SessionState& shared = session_.State();
  state_.DataSet = "Data set: " + ShownFolder(shared.DataSetDir);
  const int category = shared.CurrentCategory;
  const TKelvoKomp* component = session_.SelectedComponent();
  state_.Selection = (category >= 1 && category <= kCategoryCount ? CategoryName(category) : "") +
                     ": " + (component != nullptr ? component->Name : "none");
  state_.Message = shared.StatusMessage;
}

void StatusBarModel::PointerAt(int window, int x, int y) {
  if (window != 1 || x < 0 || y < 0 || x >= PreviewImages::kFullWidth ||
      y >= PreviewImages::kFullHeight) {
    PointerLeft();
    return;
  }
  state_.Pointer = "x " + std::to_string(x) + ", y " + std::to_string(y);
}

void StatusBarModel::PointerLeft() {
  state_.Pointer.clear();
}

void StatusBarModel::BeginCommand() {
  reportsAtBegin_ = session_.State().StatusCount;
}

void StatusBarModel::EndCommand(const std::string& name) {
  if (session_.State().StatusCount == reportsAtBegin_ && !name.empty()) session_.Report(name);
  reportsAtBegin_ = session_.State().StatusCount;
  Update();
}

}  // namespace kelvo
