// The gallery file named on the editor's command line: read into the editor's gallery over
// the editor's current library once start-up is done.
#pragma once

#include <string>

namespace kelvo {

class GalleryDocument;
class Prompter;

// path: as given on the command line; a relative one is taken from the working directory.
// True when the gallery was loaded; otherwise the user has been told why, naming the file, and
// the editor goes on with its portrait.
bool OpenStartupGallery(GalleryDocument& gallery, Prompter& prompter, const std::string& path);

}  // namespace kelvo
