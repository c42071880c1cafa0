// The avatar exchange dialog without the window: the game's mods and profiles, the avatar stored
// for the chosen profile (read, previewed over a library of its own, imported into the editor)
// and the export of the editor's portrait into that profile. Works on the editor session and a
// key store (QSettings in the GUI, in memory in tests); owns its preview library, preview
// portrait and the two 80 x 100 pictures. Messages go through the session's prompter.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/session/editor_session.h"
#include "editor/session/key_store.h"
#include "editor/session/preview_images.h"
#include "portrait/avatar_settings.h"
#include "portrait/layer.h"

namespace kelvo {

class TKelvoTyp;
class TKelvoPortret;

inline constexpr int kAvatarPictureWidth = 80;
inline constexpr int kAvatarPictureHeight = 100;

struct AvatarExchangeState {
  std::string Caption = "Import\\Export Multiplayer Avatar";
  std::vector<std::string> Mods;  // ModCombo
  int Mod = -1;                   // the chosen line, -1 for none
  std::vector<std::string> Profiles;
  int Profile = -1;
  bool AvatarShown = false;  // CurAvImage shows the stored avatar; hidden, "No Avatar Set" shows
  bool ImportEnabled = false;
  bool ExportEnabled = false;  // only with a profile to write to
  AvatarSettings Avatar;       // read last
};

class AvatarExchangeModel {
 public:
  // `checkHeads` is the main window's head-number check, run after the import changed the
  // data set; it may be empty.
  AvatarExchangeModel(EditorSession& session, KeyStore& store, std::function<void()> checkHeads);
  ~AvatarExchangeModel();
  AvatarExchangeModel(const AvatarExchangeModel&) = delete;
  AvatarExchangeModel& operator=(const AvatarExchangeModel&) = delete;

  // Asked before an import replaces the data set (unsaved gallery and library); false keeps the
  // editor as it is. Without one the import goes ahead.
  void SetReplaceGuard(std::function<bool()> mayReplace) { mayReplace_ = std::move(mayReplace); }

  const AvatarExchangeState& State() const { return state_; }
  ImageView AvatarPicture() const;   // CurAvImage
  ImageView CurrentPicture() const;  // KevloCurrImage
  // The chosen mod and profile's key; nothing without a profile or for a name no key can take.
  std::optional<std::string> SelectedKey() const;

  void FormShow();  // the mods, then the editor's picture
  void BuildModCombo();
  void ModComboChange(int line);
  void BuildProfileCombo();
  void ProfileComboChange(int line);
  // Reads the chosen profile's avatar and shows its preview; a missing key or value leaves
  // "No Avatar Set", a value that cannot be read is reported naming it.
  void GetAvatarInfo();
  void UpdateKevloCurr();
  // Switches the editor to the avatar's sex (the gallery follows the new library), checks the
  // head numbers and applies the avatar to the editor's portrait.
  void ImportButtonClick();
  // Writes the editor's portrait into the chosen profile, then reads it back.
  void ExportButtonClick();

 private:
  std::string ProfileName() const;
  void ShowPreview(const AvatarSettings& avatar);

  EditorSession& session_;
  KeyStore& store_;
  std::function<void()> checkHeads_;
  std::function<bool()> mayReplace_;
  AvatarExchangeState state_;
  std::unique_ptr<TKelvoTyp> previewLibrary_;
  std::unique_ptr<TKelvoPortret> previewPortrait_;  // over previewLibrary_, so it goes first
  Layer avatarPicture_;
  Layer currentPicture_;
};

}  // namespace kelvo
