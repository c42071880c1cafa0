// Data sets are the folders that hold a "dro" file. Loading one that is none says which data
// sets lie beside the name instead of failing on its first file.
#pragma once

#include <string>
#include <vector>

namespace kelvo {

class TPak;

// The names of the subfolders of `folder` (a file-system path) that hold a "dro" file, in any
// letter case, sorted; empty when the folder cannot be read.
std::vector<std::string> DataSetsIn(const std::string& folder);

// Throws KelvoError "Data set <name> not found in <folder>; found: <names>" (or "none") when the
// archive has no "dro" file for the data set `name`; <folder> is the one the name points into.
// When the named folder exists and holds data sets itself, the message lists those too.
void RequireDataSet(TPak& archive, const std::string& name);

}  // namespace kelvo
