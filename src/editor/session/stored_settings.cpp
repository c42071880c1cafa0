#include "editor/session/stored_settings.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "editor/session/recent_files.h"
#include "foundation/whole_number.h"

namespace kelvo {
namespace {

std::string WinValue(int i, const char* suffix) {
  return "Win" + std::to_string(i) + suffix;
}

}  // namespace

std::optional<int> StoredInt(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  return WholeNumber<int>(*text, {.blanks_around = true});
}

std::optional<bool> StoredBool(const std::optional<std::string>& text) {
  if (!text) return std::nullopt;
  std::string word = *text;
  word.erase(0, std::min(word.size(), word.find_first_not_of(" \t\r\n")));
  word.erase(word.find_last_not_of(" \t\r\n") + 1);
  std::transform(word.begin(), word.end(), word.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (word == "true" || word == "1") return true;
  if (word == "false" || word == "0") return false;
  return std::nullopt;
}

EditorSettings ParseEditorSettings(bool keyExists, const StoredValue& value) {
  EditorSettings settings;
  settings.KeyExists = keyExists;
  if (!keyExists) return settings;
  settings.SrcPath = value("SrcPath");
  settings.MainWinX = StoredInt(value("MainWinX"));
  settings.MainWinY = StoredInt(value("MainWinY"));
  settings.LoadDirectory = value("LoadDirectory");
  settings.SaveDirectory = value("SaveDirectory");
  settings.DockPreviews = StoredBool(value("DockPreviews"));
  for (const FileFolders::Row& row : FileFolders::kTable) {
    settings.Folders.SetFolder(row.Kind, value(row.ValueName).value_or(""));
  }
  for (int i = 1; i <= kPreviewCount; ++i) {
    PreviewSettings& preview = settings.Previews[static_cast<size_t>(i - 1)];
    preview.X = StoredInt(value(WinValue(i, "X")));
    preview.Y = StoredInt(value(WinValue(i, "Y")));
    preview.Visible = StoredBool(value(WinValue(i, "Visible")));
  }
  return settings;
}

static_assert(kStoredRecentLines == 2 * RecentFiles::kMaxPerKind);

std::string RecentValueName(int n) {
  return "Recent" + std::to_string(n);
}

std::vector<std::string> ReadRecentLines(const StoredValue& value) {
  std::vector<std::string> lines;
  for (int n = 1; n <= kStoredRecentLines; ++n) {
    std::optional<std::string> line = value(RecentValueName(n));
    if (line && !line->empty()) lines.push_back(std::move(*line));
  }
  return lines;
}

}  // namespace kelvo
