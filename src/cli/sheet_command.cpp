#include "cli/commands.h"

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

template <>
int Command<SheetOptions>::Run() {
  const ImageFileType type = ImageFileTypeOf(options_.out);
  const std::string out = CommandLinePath(options_.out);
  auto library = LoadLibraryWithImages(context_, options_.lib.library);
  auto gallery = LoadGalleryWithImages(context_, *library, options_.gallery);
  std::vector<SheetPortrait> cells(static_cast<std::size_t>(gallery->Count()));
  ForEachInParallel(options_.jobs, gallery->Count(), [&](int i, RenderScratch& scratch) {
    TKelvoPortret& portrait = gallery->Portrait(i + 1);
    // The thumbnail is the 4 x 4 box average of the full render.
    cells[static_cast<std::size_t>(i)] = {RenderPortraitImage(portrait, 4, scratch), portrait.Name,
                                          portrait.Voice};
  });
  WriteOutputFile(out, EncodeImage(DrawContactSheet(cells), type, options_.output.png_level),
                  {.sync = options_.output.sync, .listings = nullptr});
  out_ << "Wrote the sheet of " << cells.size() << (cells.size() == 1 ? " portrait" : " portraits")
       << " to " << out << "\n";
  return 0;
}

}  // namespace kelvo::cli
