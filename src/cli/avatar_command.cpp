#include "cli/avatar_command.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "cli/command_support.h"
#include "cli/gallery_access.h"
#include "cli/image_output.h"
#include "cli/random_portraits.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/avatar_settings.h"
#include "portrait/portrait.h"

namespace kelvo::cli {

int AvatarCommand::Run() {
  return options_.action == AvatarOptions::Action::kExport ? Export() : Import();
}

int AvatarCommand::Export() {
  auto library = LoadLibraryWithImages(context_, options_.lib.library);
  const ChosenPortrait chosen = ChoosePortrait(context_, *library, options_.source);
  const TKelvoPortret* portrait = chosen.portrait;
  out_ << AvatarSettingsText(*portrait) << "\n" << AvatarSexText(*portrait) << "\n";
  return 0;
}

int AvatarCommand::Import() {
  // Both texts are checked before anything is loaded or written.
  const std::uint8_t sex = ParseAvatarSex(options_.sex);
  AvatarSettings avatar = ParseAvatarSettings(options_.settings);
  avatar.Sex = sex;
  const std::string out = CommandLinePath(options_.out);
  auto library = LoadLibraryWithImages(context_, AvatarImportDataSet(sex));
  std::vector<std::unique_ptr<TKelvoPortret>> portraits;
  portraits.push_back(NextRandomPortrait(*library, context_.Random(), std::nullopt));
  ApplyAvatar(*portraits.front(), avatar);
  SaveGallery(context_, *library, portraits, out);
  out_ << "Wrote the " << AvatarImportDataSet(sex) << " avatar portrait to " << out << "\n";
  return 0;
}

}  // namespace kelvo::cli
