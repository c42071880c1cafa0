// The random portrait commands and the undo buttons of the main window.
#include "editor/editor_model.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo {

// Controls that follow the selected components, then the redraw.
void EditorModel::ShowRandomResult() {
  SelectCurrentInList();
  FillSnapPointList();
  ShowFrequency();
  ShowClipBoxes();
}

void EditorModel::RandomUnlockedComponents() {
  TKelvoPortret& portrait = Portrait();
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (!shared_().Locked[static_cast<size_t>(c)]) portrait.RandomComponent(c, session_.Context().Random());
  }
}

void EditorModel::BtnNahodKompClick() {
  Command cmd(*this);
  Portrait().RandomComponent(shared_().CurrentCategory, session_.Context().Random());
  ShowRandomResult();
  ShowSnapPoint();
  RefreshPortrait();
}

void EditorModel::BtnNahodAllClick() {
  Command cmd(*this);
  RandomUnlockedComponents();
  Portrait().RandomColours(session_.Context().Random());
  ShowRandomResult();
  RefreshPortrait();
}

void EditorModel::BtnNahodKompAllClick() {
  Command cmd(*this);
  RandomUnlockedComponents();
  ShowRandomResult();
  RefreshPortrait();
}

void EditorModel::BtnBarvaNahAllClick() {
  Command cmd(*this);
  Portrait().RandomColours(session_.Context().Random());
  RefreshPortrait();
}

void EditorModel::RandomNation(Nation nation) {
  Command cmd(*this);
  TKelvoPortret& portrait = Portrait();
  portrait.ApplyNationPreset(nation);
  for (int c = 1; c <= kCategoryCount; ++c) {
    if (shared_().Locked[static_cast<size_t>(c)]) continue;
    const int i = portrait.RandomComponentIndexByProperties(c, session_.Context().Random());
    TKelvoKompKontejner& container = Container(c);
    // An empty category has nothing to choose.
    if (i >= 1 && i <= container.ComponentCount()) {
      portrait.Selected.at(static_cast<size_t>(c)) = &container.Komp(i);
    }
  }
  portrait.RandomColoursByProperties(session_.Context().Random());
  ShowRandomResult();
  RefreshPortrait();
}

void EditorModel::BtnNahAmerClick() {
  RandomNation(Nation::kAmerican);
}
void EditorModel::BtnNahArabClick() {
  RandomNation(Nation::kArabian);
}
void EditorModel::BtnNahRusClick() {
  RandomNation(Nation::kRussian);
}

void EditorModel::BtnUndoClick() {
  Command cmd(*this);
  session_.Undo().UndoStep();
  ShowUndonePoint();
  RefreshPortrait();
}

void EditorModel::BtnUndoAllClick() {
  Command cmd(*this);
  while (!session_.Undo().Empty()) session_.Undo().UndoStep();
  ShowUndonePoint();
  RefreshPortrait();
}

}  // namespace kelvo
