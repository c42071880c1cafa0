// The tool's use of gallery files: reading one with the images its portraits need (portraits
// of other libraries through the process registry, as the editor reads them) and writing
// portraits as a new gallery.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kelvo {
class ProcessContext;
class TKelvoGallery;
class TKelvoPortret;
class TKelvoTyp;
}  // namespace kelvo

namespace kelvo::cli {

// The gallery file at `path` (taken from the working directory, else under the data
// directory), read over `library` with the images of every portrait.
std::unique_ptr<TKelvoGallery> LoadGalleryWithImages(ProcessContext& context, TKelvoTyp& library,
                                                     const std::string& path);

int GalleryCount(const TKelvoGallery& gallery);
// Portrait 1..GalleryCount; throws an error naming the range otherwise.
TKelvoPortret& GalleryPortrait(TKelvoGallery& gallery, int index);

// Writes the portraits as one gallery file, replacing it only when complete.
void SaveGallery(ProcessContext& context, TKelvoTyp& library,
                 const std::vector<std::unique_ptr<TKelvoPortret>>& portraits,
                 const std::string& path);

}  // namespace kelvo::cli
