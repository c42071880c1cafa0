// A small type library written into a folder by the GUI tests: Backgrounds carry Faces and
// Hair, Faces carry the paired Eyes. Every hair has a head number unless asked otherwise.
#pragma once

#include <filesystem>
#include <string>

namespace kelvo::test {

void WriteTestLibrary(const std::filesystem::path& dir, bool hair_without_head = false);

// A library whose component file is not valid: loading it raises the fatal data error.
void WriteBrokenLibrary(const std::filesystem::path& dir);

}  // namespace kelvo::test
