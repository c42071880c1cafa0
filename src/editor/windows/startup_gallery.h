// The gallery file named on the editor's command line: read into the gallery window's model over
// the editor's current library once start-up is done.
#pragma once

#include <string>

namespace kelvo {

class GalleryWindowModel;
class Prompter;

// path: as given on the command line; a relative one is taken from the working directory.
// True when the gallery was loaded; otherwise the user has been told why, naming the file, and
// the editor goes on with its portrait.
bool OpenStartupGallery(GalleryWindowModel& gallery, Prompter& prompter, const std::string& path);

}  // namespace kelvo
