// The tool's use of gallery files: reading one with the images its portraits need (portraits
// of other libraries through the process registry, as the editor reads them) and writing
// portraits as a new gallery.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "portrait/gallery.h"

namespace kelvo {
class ProcessContext;
class TKelvoPortret;
class TKelvoTyp;
}  // namespace kelvo

namespace kelvo::cli {

// A gallery read for one command.
struct CommandGallery {
  std::unique_ptr<TKelvoGallery> gallery;

  int Count() const { return gallery->Count(); }
  // Portrait 1..Count(); throws an error naming the range otherwise.
  TKelvoPortret& Portrait(int index);
};

// A gallery named on the command line: an absolute path as it is, a relative one from the
// working directory when the file is there, else under the data directory.
std::string GalleryPath(ProcessContext& context, const std::string& path);

// The gallery file at `path` read over `library`, with the images of every portrait.
std::unique_ptr<CommandGallery> LoadGalleryWithImages(ProcessContext& context, TKelvoTyp& library,
                                                      const std::string& path);

struct PortraitSource;

// The one portrait a command works on: the first of the random sequence, or a gallery's.
struct ChosenPortrait {
  std::unique_ptr<CommandGallery> gallery;
  std::unique_ptr<TKelvoPortret> random;
  TKelvoPortret* portrait = nullptr;
};
ChosenPortrait ChoosePortrait(ProcessContext& context, TKelvoTyp& library,
                              const PortraitSource& source);

// Writes the portraits as one gallery file at an absolute path, replacing it only when complete.
void SaveGallery(ProcessContext& context, TKelvoTyp& library,
                 const std::vector<std::unique_ptr<TKelvoPortret>>& portraits,
                 const std::string& path);

}  // namespace kelvo::cli
