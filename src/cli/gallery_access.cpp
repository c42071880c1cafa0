#include "cli/gallery_access.h"

#include <filesystem>

#include "archive/pak.h"
#include "cli/cli_options.h"
#include "cli/random_portraits.h"
#include "foundation/errors.h"
#include "foundation/paths.h"
#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo::cli {

TKelvoPortret& CommandGallery::Portrait(int index) {
  const int count = Count();
  if (index < 1 || index > count) {
    throw KelvoError("The gallery " + ShownName(gallery->FilePath()) + " holds " +
                     std::to_string(count) + (count == 1 ? " portrait" : " portraits") +
                     "; there is no portrait " + std::to_string(index) + ".");
  }
  return gallery->Portrait(index);
}

std::string GalleryPath(ProcessContext& context, const std::string& path) {
  const std::filesystem::path given(path);
  if (given.is_absolute()) return path;
  std::error_code ec;
  if (std::filesystem::exists(given, ec)) {
    return (std::filesystem::current_path() / given).lexically_normal().string();
  }
  return context.Archive().FullName(path);
}

std::unique_ptr<CommandGallery> LoadGalleryWithImages(ProcessContext& context, TKelvoTyp& library,
                                                      const std::string& path) {
  auto loaded = std::make_unique<CommandGallery>();
  const std::string file = GalleryPath(context, path);
  loaded->gallery = std::make_unique<TKelvoGallery>(context, library, file, file);
  // The reader's messages name the fault but not the file; say which one it was.
  const std::string where = "\n(in gallery file " + ShownName(file) + ")";
  try {
    loaded->gallery->Load();
  } catch (FatalDataError& error) {
    // The reader names its own file and line; an error from a library the gallery loads
    // names that library's file, and the gallery is added.
    if (error.HasPlace() && error.File() == ShownName(file)) throw;
    FatalDataError named(error.what() + where);
    if (error.HasPlace()) named.SetPlace(error.File(), error.Line());
    throw named;
  } catch (const IoError&) {
    throw;
  } catch (const KelvoError& error) {
    throw KelvoError(error.what() + where);
  }
  loaded->gallery->LoadImages();
  return loaded;
}

void SaveGallery(ProcessContext& context, TKelvoTyp& library,
                 const std::vector<std::unique_ptr<TKelvoPortret>>& portraits,
                 const std::string& path) {
  TKelvoGallery gallery(context, library, path, path);
  for (const auto& portrait : portraits) gallery.Add(*portrait);
  gallery.Save(path);
}

ChosenPortrait ChoosePortrait(ProcessContext& context, TKelvoTyp& library,
                              const PortraitSource& source) {
  ChosenPortrait chosen;
  if (source.IsRandom()) {
    context.Random().SetPortraitSeed(source.seed);
    chosen.random = NextRandomPortrait(library, context.Random(), std::nullopt);
    chosen.portrait = chosen.random.get();
  } else {
    chosen.gallery = LoadGalleryWithImages(context, library, source.gallery);
    chosen.portrait = &chosen.gallery->Portrait(source.index);
  }
  return chosen;
}

}  // namespace kelvo::cli
