#include "editor/windows/avatar_model.h"

#include <exception>
#include <utility>

#include "editor/session/data_set_loading.h"
#include "editor/windows/avatar_folders.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/frames.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

Layer Picture() {
  Layer picture = std::move(*create_layer(kAvatarPictureWidth, kAvatarPictureHeight, "avatar"));
  std::fill(picture.pixels.begin(), picture.pixels.end(), std::uint16_t{0});
  return picture;
}

bool InRange(int line, size_t size) {
  return line >= 0 && static_cast<size_t>(line) < size;
}

}  // namespace

AvatarExchangeModel::AvatarExchangeModel(EditorSession& session, KeyStore& store,
                                         std::function<void()> checkHeads)
    : session_(session),
      store_(store),
      checkHeads_(std::move(checkHeads)),
      avatarPicture_(Picture()),
      currentPicture_(Picture()) {}

AvatarExchangeModel::~AvatarExchangeModel() = default;

ImageView AvatarExchangeModel::AvatarPicture() const {
  return ViewOf(avatarPicture_);
}

ImageView AvatarExchangeModel::CurrentPicture() const {
  return ViewOf(currentPicture_);
}

std::string AvatarExchangeModel::ProfileName() const {
  const std::string mod = InRange(state_.Mod, state_.Mods.size()) ? state_.Mods[state_.Mod] : "";
  const std::string profile =
      InRange(state_.Profile, state_.Profiles.size()) ? state_.Profiles[state_.Profile] : "";
  return "\"" + profile + "\" of the mod \"" + mod + "\"";
}

std::optional<std::string> AvatarExchangeModel::SelectedKey() const {
  if (!InRange(state_.Mod, state_.Mods.size()) ||
      !InRange(state_.Profile, state_.Profiles.size())) {
    return std::nullopt;
  }
  return AvatarKeyPath(state_.Mods[state_.Mod], state_.Profiles[state_.Profile]);
}

void AvatarExchangeModel::FormShow() {
  BuildModCombo();
  UpdateKevloCurr();
}

void AvatarExchangeModel::BuildModCombo() {
  state_.Mods = ListAvatarMods(session_.Context().ProgramFolder("Mods"));
  state_.Mod = -1;
  ModComboChange(state_.Mods.empty() ? -1 : 0);
}

void AvatarExchangeModel::ModComboChange(int line) {
  state_.Mod = InRange(line, state_.Mods.size()) ? line : -1;
  BuildProfileCombo();
}

void AvatarExchangeModel::BuildProfileCombo() {
  state_.Profiles.clear();
  if (state_.Mod >= 0) {
    state_.Profiles = ListAvatarProfiles(session_.Context().ProgramFolder("UserProfiles"),
                                         state_.Mods[state_.Mod]);
  }
  // Without profiles the avatar of the mod chosen before must not stay on show.
  ProfileComboChange(state_.Profiles.empty() ? -1 : 0);
}

void AvatarExchangeModel::ProfileComboChange(int line) {
  state_.Profile = InRange(line, state_.Profiles.size()) ? line : -1;
  state_.ExportEnabled = state_.Profile >= 0;
  GetAvatarInfo();
}

void AvatarExchangeModel::GetAvatarInfo() {
  state_.AvatarShown = false;
  state_.ImportEnabled = false;
  const std::optional<std::string> key = SelectedKey();
  if (!key || !store_.KeyExists(*key)) return;
  try {
    const std::optional<std::string> settings = store_.ReadText(*key, kAvatarSettingsValue);
    const std::optional<std::string> sex = store_.ReadText(*key, kAvatarSexValue);
    if (!settings || !sex) return;
    const std::uint8_t avatarSex = ParseAvatarSex(*sex);
    if (settings->empty()) return;
    AvatarSettings avatar = ParseAvatarSettings(*settings);
    avatar.Sex = avatarSex;
    ShowPreview(avatar);
    state_.Avatar = avatar;
    state_.AvatarShown = true;
    state_.ImportEnabled = true;
  } catch (const std::exception& error) {
    ShowError(session_.prompter(), "The avatar of the profile " + ProfileName() +
                                       " cannot be shown: " + FailureText(error));
  }
}

void AvatarExchangeModel::ShowPreview(const AvatarSettings& avatar) {
  // Built whole before it replaces the old preview, so a library that fails leaves nothing half.
  auto library = LoadDataSetLibrary(session_.Context().Archive(), AvatarPreviewDataSet(avatar.Sex));
  auto portrait = std::make_unique<TKelvoPortret>(*library);
  portrait->RandomComponents(session_.Context().Random());
  portrait->RandomColours(session_.Context().Random());
  portrait->ComputePositions();
  portrait->PripravPortret(false);
  ApplyAvatar(*portrait, avatar);
  Layer picture = Picture();
  MakeSmallPortrait(*portrait, picture);
  previewPortrait_.reset();
  previewLibrary_ = std::move(library);
  previewPortrait_ = std::move(portrait);
  avatarPicture_ = std::move(picture);
}

void AvatarExchangeModel::UpdateKevloCurr() {
  if (!session_.HasPortrait()) return;
  const TKelvoPortret& portrait = session_.Portrait();
  if (portrait.RenderLayer) reduce_layer(4, *portrait.RenderLayer, currentPicture_);
}

void AvatarExchangeModel::ImportButtonClick() {
  if (!state_.ImportEnabled) return;
  EditorSession::Command cmd(session_);
  const AvatarSettings avatar = state_.Avatar;
  if (mayReplace_ && !mayReplace_()) return;
  try {
    // The gallery window hears of the new library and reads its gallery again over it.
    session_.LoadDataSet(AvatarImportDataSet(avatar.Sex));
  } catch (const std::exception& error) {
    ReportError(session_.prompter(), error);
    return;
  }
  if (checkHeads_) checkHeads_();
  {
    // The new data set starts with an empty history; the avatar's settings are its first step.
    EditorSession::Step step(session_, "Import avatar", 0);
    ApplyAvatar(session_.Portrait(), avatar);
  }
  session_.Notify(SessionEvent::PortraitReplaced);
  session_.RefreshPortrait();
  UpdateKevloCurr();
}

void AvatarExchangeModel::ExportButtonClick() {
  if (!state_.ExportEnabled || !session_.HasPortrait()) return;
  const std::optional<std::string> key = SelectedKey();
  if (!key) {
    ShowError(session_.prompter(), "The avatar cannot be stored for the profile " + ProfileName() +
                                       ": a settings key cannot take that name.");
    return;
  }
  const TKelvoPortret& portrait = session_.Portrait();
  const KeyStore::Values values{{kAvatarSettingsValue, AvatarSettingsText(portrait)},
                                {kAvatarSexValue, AvatarSexText(portrait)}};
  if (!store_.WriteTexts(*key, values)) {
    ShowError(session_.prompter(), "The avatar could not be stored for the profile " +
                                       ProfileName() + ": the settings cannot be written.");
  }
  GetAvatarInfo();
}

}  // namespace kelvo
