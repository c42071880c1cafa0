// The small type libraries the editor and GUI tests start on, written into a folder.
#pragma once

#include <filesystem>

namespace kelvo::test {

// The editor tests' library: Backgrounds carry Faces and Hair, Faces carry the paired Eyes
// (default span 10, 10), Eyes carry Eyebrows. Faces are f1 (steps a, -, b), the frames a and b,
// f2 and f3; Backgrounds hold one component.
void WriteEditorLibrary(const std::filesystem::path& dir);

// The window tests' library: Backgrounds carry Faces and Hair, Faces carry the paired Eyes.
// Every hair has a head number unless asked otherwise.
void WriteWindowLibrary(const std::filesystem::path& dir, bool hair_without_head = false);

// A library whose component file is not valid: loading it raises the fatal data error.
void WriteBrokenLibrary(const std::filesystem::path& dir);

}  // namespace kelvo::test
