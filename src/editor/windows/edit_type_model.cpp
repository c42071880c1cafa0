#include "editor/windows/edit_type_model.h"

#include "foundation/paths.h"
#include "library/categories.h"
#include "library/container.h"

namespace kelvo {
namespace {

// What Apply may change, to tell whether it did.
std::string SettingsText(const TKelvoKompKontejner& c) {
  return c.ImageDir + '\n' + c.Source + '\n' + std::to_string(c.Bits) + ' ' +
         std::to_string(c.Usual) + ' ' + std::to_string(c.Shadow) + ' ' +
         (c.MaskSecond ? '1' : '0') + (c.InvertMask ? '1' : '0') + (c.ColourMask ? '1' : '0') +
         (c.WithSpan ? '1' : '0');
}

}  // namespace

EditTypeModel::EditTypeModel(EditorSession& session) : session_(session) {
  session_.AddObserver(this);
}

EditTypeModel::~EditTypeModel() {
  session_.RemoveObserver(this);
}

void EditTypeModel::OnSessionEvent(SessionEvent event) {
  if (event == SessionEvent::DataSetReplaced) Cancel();
}

void EditTypeModel::Open() {
  category_ = session_.State().CurrentCategory;
  const TKelvoKompKontejner& c = session_.Container(category_);
  state_.Caption = "Edit type: " + CategoryName(category_);
  state_.ImageDir = c.ImageDir;
  state_.Source = c.Source;
  state_.BitsItem = c.Bits == 8 ? kBitsItem8 : kBitsItem16;
  state_.MaskSecond = c.MaskSecond;
  state_.InvertMask = c.InvertMask;
  state_.ColourMask = c.ColourMask;
  state_.WithSpan = c.WithSpan;
  state_.Usual = c.Usual;
  state_.Shadow = c.Shadow < 1 ? kNoShadow : c.Shadow;
  state_.Shown = true;
}

void EditTypeModel::Apply() {
  EditorSession::Step step(session_, "Edit type", category_);
  if (!state_.Shown) return;
  state_.Shown = false;
  EditorSession::Command cmd(session_);
  TKelvoKompKontejner& c = session_.Container(category_);
  const std::string before = SettingsText(c);
  // PATH names the folder the images are read from and written to, below the library's.
  if (const std::string_view why = WhyNameLeavesFolder(state_.ImageDir); !why.empty()) {
    ShowWarning(session_.prompter(), "Path to components " + state_.ImageDir +
                                         " leads out of the library folder: " + std::string(why) +
                                         ". The old path stays.");
  } else {
    c.ImageDir = state_.ImageDir;
  }
  c.Source = state_.Source;
  c.MaskSecond = state_.MaskSecond;
  c.InvertMask = state_.InvertMask;
  c.ColourMask = state_.ColourMask;
  c.WithSpan = state_.WithSpan;
  c.Usual = state_.Usual;
  c.Bits = state_.BitsItem == kBitsItem16 ? 16 : 8;
  c.Shadow = state_.Shadow == kNoShadow ? -1 : state_.Shadow;
  if (SettingsText(c) != before) session_.MarkLibraryChanged();
  // The span controls and the picture follow the new settings.
  session_.Notify(SessionEvent::LibraryEdited, this);
}

}  // namespace kelvo
