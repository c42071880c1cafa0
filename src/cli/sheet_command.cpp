#include "cli/commands.h"

#include <vector>

#include "cli/command_support.h"
#include "cli/gallery_access.h"
#include "cli/image_output.h"
#include "cli/sheet_layout.h"
#include "library/type_library.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"
#include "portrait/thumbnails.h"

namespace kelvo::cli {

template <>
int Command<SheetOptions>::Run() {
  const ImageFileType type = ImageFileTypeOf(options_.out);
  const std::string out = CommandLinePath(options_.out);
  auto library = LoadLibraryWithImages(context_, options_.lib.library);
  auto gallery = LoadGalleryWithImages(context_, *library, options_.gallery);
  std::vector<TKelvoPortret*> portraits;
  for (int n = 1; n <= gallery->Count(); ++n) portraits.push_back(&gallery->Portrait(n));
  const Layer sheet =
      DrawContactSheet(*gallery->gallery, RenderThumbnails(portraits, options_.jobs));
  WriteOutputFile(out, EncodeImage(sheet, type, options_.output.png_level),
                  {.sync = options_.output.sync, .listings = nullptr});
  out_ << "Wrote the sheet of " << portraits.size()
       << (portraits.size() == 1 ? " portrait" : " portraits") << " to " << out << "\n";
  return 0;
}

}  // namespace kelvo::cli
