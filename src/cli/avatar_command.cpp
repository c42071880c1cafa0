#include "cli/commands.h"

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
namespace {

int Export(ProcessContext& context, const AvatarOptions& options, std::ostream& out) {
  auto library = LoadLibraryWithImages(context, options.lib.library);
  const ChosenPortrait chosen = ChoosePortrait(context, *library, options.source);
  const TKelvoPortret* portrait = chosen.portrait;
  out << AvatarSettingsText(*portrait) << "\n" << AvatarSexText(*portrait) << "\n";
  return 0;
}

int Import(ProcessContext& context, const AvatarOptions& options, std::ostream& out) {
  // Both texts are checked before anything is loaded or written.
  const std::uint8_t sex = ParseAvatarSex(options.sex);
  AvatarSettings avatar = ParseAvatarSettings(options.settings);
  avatar.Sex = sex;
  const std::string path = CommandLinePath(options.out);
  auto library = LoadLibraryWithImages(context, AvatarImportDataSet(sex));
  std::vector<std::unique_ptr<TKelvoPortret>> portraits;
  portraits.push_back(NextRandomPortrait(*library, context.Random(), std::nullopt));
  ApplyAvatar(*portraits.front(), avatar);
  SaveGallery(context, *library, portraits, path);
  out << "Wrote the " << AvatarImportDataSet(sex) << " avatar portrait to " << path << "\n";
  return 0;
}

}  // namespace

template <>
int Command<AvatarOptions>::Run() {
  return options_.action == AvatarOptions::Action::kExport ? Export(context_, options_, out_)
                                                           : Import(context_, options_, out_);
}

}  // namespace kelvo::cli
