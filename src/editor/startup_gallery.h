// The gallery file named on the editor's command line: read with the core over the editor's
// current library once start-up is done. The caller owns the gallery and hands it to the
// gallery window.
#pragma once

#include <memory>
#include <string>

namespace kelvo {

class EditorModel;
class TKelvoGallery;

// path: as given on the command line; a relative one is taken from the working directory.
// Returns the gallery with its images, or null when it cannot be read: the user has been told
// why, naming the file, and the editor goes on with its portrait.
std::unique_ptr<TKelvoGallery> OpenStartupGallery(EditorModel& model, const std::string& path);

}  // namespace kelvo
