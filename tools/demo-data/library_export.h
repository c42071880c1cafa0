// Hands a generated data set to the library's own classes and writes it with
// the library's writers: the five keyword files and the image folders.
#pragma once

#include <memory>
#include <string>

#include "plan.h"

namespace kelvo {
class TKelvoTyp;
class TPak;
}  // namespace kelvo

namespace kelvo::demo {

// A type library holding the data set, its images in memory (counted as loaded).
std::unique_ptr<TKelvoTyp> ToLibrary(const DataSet& ds, TPak& archive,
                                     const std::string& directory);

// Writes the data set into `directory` (created if missing). It is first written
// beside it and then moved into place, so a failure never leaves half a library.
void WriteDataSet(const DataSet& ds, TPak& archive, const std::string& directory);

}  // namespace kelvo::demo
