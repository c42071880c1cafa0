#include "cli/commands.h"

#include <memory>

#include "cli/command_support.h"
#include "cli/gallery_access.h"
#include "cli/image_output.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/frame_export.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"

namespace kelvo::cli {

template <>
int Command<FramesOptions>::Run() {
  const std::string out = CommandLinePath(options_.out);
  auto library = LoadLibraryWithImages(context_, options_.lib.library);
  const ChosenPortrait chosen = ChoosePortrait(context_, *library, options_.source);
  TKelvoPortret* portrait = chosen.portrait;
  portrait->Hidden.fill(false);
  PlainFrameDrawer drawer;
  const std::vector<std::string> written = ExportFrameFiles(*portrait, FrameFileBase(out), drawer);
  for (const std::string& name : written) out_ << name << "\n";
  out_ << "Wrote " << written.size() << " frame files\n";
  return 0;
}

}  // namespace kelvo::cli
