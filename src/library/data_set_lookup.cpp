#include "library/data_set_lookup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "archive/pak.h"
#include "archive/pak_vfs.h"
#include "foundation/errors.h"
#include "foundation/paths.h"

namespace kelvo {
namespace fs = std::filesystem;

namespace {

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

}  // namespace

std::vector<std::string> DataSetsIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(OsPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code kind;
    if (!it->is_directory(kind)) continue;
    const std::string name = it->path().filename().string();
    if (fs::is_regular_file(OsPath(it->path().string() + "/dro"), kind)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void RequireDataSet(TPak& archive, const std::string& name) {
  std::string folder = name;
  while (!folder.empty() && IsSeparator(folder.back())) folder.pop_back();
  if (archive.Files().FileExists(folder + "\\dro")) return;

  const std::string full = ShownFolder(archive.FullName(folder));
  const size_t cut = full.find_last_of('/');
  const std::string parent =
      cut == std::string::npos ? std::string(".") : full.substr(0, cut == 0 ? 1 : cut);
  const std::vector<std::string> beside = DataSetsIn(parent);
  std::string text = "Data set " + ShownFolder(name) + " not found in " + parent +
                     "; found: " + (beside.empty() ? "none" : Joined(beside));
  const std::vector<std::string> inside = DataSetsIn(full);
  if (!inside.empty()) text += "; " + full + " holds the data sets " + Joined(inside);
  throw KelvoError(text);
}

}  // namespace kelvo
