#include "cli/sheet_command.h"

#include <vector>

#include "cli/command_support.h"
#include "cli/gallery_access.h"
#include "cli/image_output.h"
#include "cli/render_pipeline.h"
#include "cli/sheet_layout.h"
#include "library/type_library.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"

namespace kelvo::cli {

int SheetCommand::Run() {
  const ImageFileType type = ImageFileTypeOf(options_.out);
  const std::string out = CommandLinePath(options_.out);
  auto library = LoadLibraryWithImages(context_, options_.lib.library);
  auto gallery = LoadGalleryWithImages(context_, *library, options_.gallery);
  std::vector<SheetPortrait> cells;
  for (int n = 1; n <= gallery->Count(); ++n) {
    TKelvoPortret& portrait = gallery->Portrait(n);
    // The thumbnail is the 4 x 4 box average of the full render.
    cells.push_back({RenderPortraitImage(portrait, 4), portrait.Name, portrait.Voice});
  }
  WriteOutputFile(out, EncodeImage(DrawContactSheet(cells), type));
  out_ << "Wrote the sheet of " << cells.size() << (cells.size() == 1 ? " portrait" : " portraits")
       << " to " << out << "\n";
  return 0;
}

}  // namespace kelvo::cli
