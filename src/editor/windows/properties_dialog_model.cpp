#include "editor/windows/properties_dialog_model.h"

#include <algorithm>
#include <utility>

#include "library/component.h"

namespace kelvo {

PropertiesDialogModel::PropertiesDialogModel(EditorSession& session) : session_(session) {
  for (int i = 1; i <= kPropertyCount; ++i) state_.Labels[i] = PropertyName(i);
  session_.AddObserver(this);
}

PropertiesDialogModel::~PropertiesDialogModel() {
  session_.RemoveObserver(this);
}

void PropertiesDialogModel::OnSessionEvent(SessionEvent event) {
  // The store action points into the old data set.
  if (event == SessionEvent::DataSetReplaced) BtnCancelClick();
}

PropertiesDialogModel::PropertyValues PropertiesDialogModel::Values() const {
  return state_.Values;
}

void PropertiesDialogModel::Open(const std::string& caption, const PropertyValues& values,
                                 StoreAction store) {
  state_.Caption = caption;
  for (int i = 1; i <= kPropertyCount; ++i) SetRow(i, values[i]);
  store_ = std::move(store);
  state_.Shown = true;
}

bool PropertiesDialogModel::OpenForSelectedComponent() {
  TKelvoKomp* komp = session_.SelectedComponent();
  if (komp == nullptr) return false;
  Open("Properties - " + komp->Name, komp->Properties, [this, komp](const PropertyValues& stored) {
    const bool changed = komp->Properties != stored;
    komp->Properties = stored;
    if (changed) session_.MarkLibraryChanged();
  });
  return true;
}

void PropertiesDialogModel::SetRow(int row, int value) {
  if (row < 1 || row > kPropertyCount) return;
  state_.Values[row] = std::clamp(value, kPropertyMin, kPropertyMax);
}

void PropertiesDialogModel::VlastMinBClick(int row) {
  SetRow(row, kPropertyMin);
}
void PropertiesDialogModel::VlastMaxBClick(int row) {
  SetRow(row, kPropertyMax);
}
void PropertiesDialogModel::VlastTBarChange(int row, int position) {
  SetRow(row, position);
}
void PropertiesDialogModel::VlastSEdChange(int row, int value) {
  SetRow(row, value);
}

void PropertiesDialogModel::BtnUseClick() {
  EditorSession::Step step(session_, "Properties", session_.State().CurrentCategory);
  StoreAction store = std::exchange(store_, nullptr);
  state_.Shown = false;
  if (store) store(Values());
}

void PropertiesDialogModel::BtnCancelClick() {
  store_ = nullptr;
  state_.Shown = false;
}

}  // namespace kelvo
