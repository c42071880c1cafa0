// The edit type dialog without the window: the settings of the current category's container
// (folders, depth, masks, span, usual number of subcomponents and shadow). They reach the
// container only through "&Apply", which then lets the main window show the result. Works on
// one session by reference; owned by the dialog.
#pragma once

#include <cstdint>
#include <string>

#include "editor/session/editor_session.h"

namespace kelvo {

inline constexpr int kBitsItem8 = 0;  // RGBits items
inline constexpr int kBitsItem16 = 1;
inline constexpr int kNoShadow = 0;  // the "none" button, RBStin0

struct EditTypeState {
  std::string Caption = "Edit type";
  std::string ImageDir;        // EdKompPath
  std::string Source;          // EdSrcPath
  int BitsItem = kBitsItem8;   // RGBits
  bool MaskSecond = false;     // ChkOrezMask
  bool InvertMask = false;     // ChkOmskInv
  bool ColourMask = false;     // ChkColMask
  bool WithSpan = false;       // ChbRozesun
  int32_t Usual = 1;           // SEUsual
  int32_t Shadow = kNoShadow;  // the chosen shadow button: 0 none, else the subcomponent
  bool Shown = false;
};

class EditTypeModel : private SessionObserver {
 public:
  explicit EditTypeModel(EditorSession& session);
  ~EditTypeModel() override;
  EditTypeModel(const EditTypeModel&) = delete;
  EditTypeModel& operator=(const EditTypeModel&) = delete;

  const EditTypeState& State() const { return state_; }

  // "Edit type": fills the dialog from the current category's container.
  void Open();

  void SetImageDir(const std::string& text) { state_.ImageDir = text; }
  void SetSource(const std::string& text) { state_.Source = text; }
  void SetBitsItem(int item) { state_.BitsItem = item == kBitsItem16 ? kBitsItem16 : kBitsItem8; }
  void SetMaskSecond(bool on) { state_.MaskSecond = on; }
  void SetInvertMask(bool on) { state_.InvertMask = on; }
  void SetColourMask(bool on) { state_.ColourMask = on; }
  void SetWithSpan(bool on) { state_.WithSpan = on; }
  void SetUsual(int32_t value) { state_.Usual = value; }
  void SetShadow(int32_t button) { state_.Shadow = button < 1 ? kNoShadow : button; }

  // "&Apply": every field into the container; the main window shows the result.
  void Apply();
  void Cancel() { state_.Shown = false; }

 private:
  void OnSessionEvent(SessionEvent event) override;

  EditorSession& session_;
  EditTypeState state_;
  int category_ = 0;
};

}  // namespace kelvo
