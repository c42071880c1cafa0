#include "editor/session/file_folders.h"

namespace kelvo {

const std::string& FileFolders::Start(FileKind kind, const std::string& fallback) const {
  const std::string& folder = Folder(kind);
  return folder.empty() ? fallback : folder;
}

void FileFolders::Chosen(FileKind kind, const std::string& path) {
  // Names keep their Windows form inside the program; a dialog may hand back either separator.
  const std::size_t end = path.find_last_of("/\\");
  if (end == std::string::npos) return;  // a bare name says nothing about its folder
  SetFolder(kind, path.substr(0, end + 1));
}

}  // namespace kelvo
