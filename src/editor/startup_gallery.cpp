#include "editor/startup_gallery.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "editor/editor_model.h"
#include "foundation/errors.h"
#include "portrait/gallery.h"

namespace kelvo {

std::unique_ptr<TKelvoGallery> OpenStartupGallery(EditorModel& model, const std::string& path) {
  std::error_code ec;
  std::filesystem::path file = std::filesystem::absolute(path, ec);
  const std::string name = ec ? path : file.lexically_normal().string();
  // The reader's messages name the fault but not the file; say which one it was.
  const std::string where = "\n(in gallery file " + name + ")";
  try {
    if (!std::filesystem::is_regular_file(name, ec)) {
      throw KelvoError("Cannot open the gallery file " + name + ": no such file.");
    }
    auto gallery = std::make_unique<TKelvoGallery>(model.Context(), model.Library(), name, name);
    gallery->Load();
    gallery->LoadImages();
    return gallery;
  } catch (const FatalDataError& error) {
    ShowError(model.prompter(), FatalDataText(error) + where);
  } catch (const IoError& error) {
    ShowError(model.prompter(), error.what());
  } catch (const std::exception& error) {
    ShowError(model.prompter(), error.what() + where);
  }
  return nullptr;
}

}  // namespace kelvo
