#include "cli/commands.h"

#include <memory>
#include <vector>

#include "cli/command_support.h"
#include "cli/gallery_access.h"
#include "cli/image_output.h"
#include "cli/sheet_layout.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/frames.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"
#include "portrait/thumbnails.h"

namespace kelvo::cli {

template <>
int Command<AnimOptions>::Run() {
  const ImageFileType type = ImageFileTypeOf(options_.out);
  const std::string out = CommandLinePath(options_.out);
  auto library = LoadLibraryWithImages(context_, options_.lib.library);
  const ChosenPortrait chosen = ChoosePortrait(context_, *library, options_.source);
  TKelvoPortret* portrait = chosen.portrait;

  Layer small = std::move(*create_layer(kThumbnailWidth, kThumbnailHeight, "kelvo anim"));
  MakeSmallPortrait(*portrait, small);
  GenerateAllFrames(*portrait);
  std::vector<Layer> tiles;
  for (int m = 0; m < kMouthSteps; ++m) {
    tiles.push_back(small);
    PasteMouthFrame(*portrait, m, tiles.back());
  }
  for (int brow = 0; brow < kEyebrowSteps; ++brow) {
    for (int eye = 0; eye < kEyeSteps; ++eye) {
      tiles.push_back(small);
      PasteBrowFrame(*portrait, brow, tiles.back());
      PasteEyeFrame(*portrait, eye, tiles.back());
    }
  }
  const Layer sheet = DrawTileSheet(tiles, kMouthSteps, kThumbnailWidth, kThumbnailHeight);
  WriteOutputFile(out, EncodeImage(sheet, type, options_.output.png_level),
                  {.sync = options_.output.sync, .listings = nullptr});
  out_ << "Wrote the animation sheet (" << sheet.width << " x " << sheet.height << ") to " << out
       << "\n";
  return 0;
}

}  // namespace kelvo::cli
