#include "editor/windows/startup_gallery.h"

#include <filesystem>
#include <system_error>

#include "editor/session/prompter.h"
#include "editor/windows/gallery_document.h"
#include "foundation/paths.h"

namespace kelvo {

bool OpenStartupGallery(GalleryDocument& gallery, Prompter& prompter, const std::string& path) {
  std::error_code ec;
  std::filesystem::path file = std::filesystem::absolute(path, ec);
  // The gallery keeps the name for "&Save": a full one still works after a change of folder.
  const std::string name = ec ? path : file.lexically_normal().string();
  if (!std::filesystem::is_regular_file(name, ec)) {
    ShowError(prompter, "Cannot open the gallery file " + ShownName(name) + ": no such file.");
    return false;
  }
  return gallery.LoadFromFile(name);
}

}  // namespace kelvo
