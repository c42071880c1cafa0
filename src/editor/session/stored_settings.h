// The editor's window settings read back from their stored texts ("MainWinX", "Win1Visible",
// "LoadDirectory"...). The store hands over whatever a user or another program left there, so
// every value is read here, without Qt, where the fuzz targets reach it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/session/editor_state.h"

namespace kelvo {

// The text of one stored value; nothing when it is missing or holds no text.
using StoredValue = std::function<std::optional<std::string>(const std::string& name)>;

// A whole number with blanks around it allowed; anything else reads as empty.
std::optional<int> StoredInt(const std::optional<std::string>& text);
// "true"/"1" and "false"/"0" in any case with blanks around; anything else reads as empty.
std::optional<bool> StoredBool(const std::optional<std::string>& text);

// Every value empty when the key is absent; a single unreadable value stays empty, so the caller
// uses its default for that value only.
EditorSettings ParseEditorSettings(bool keyExists, const StoredValue& value);

// File > "Open Recent" is stored as text lines under "Recent1", "Recent2"..., the newest first:
// room for every entry of both kinds.
inline constexpr int kStoredRecentLines = 16;
std::string RecentValueName(int n);
// The lines that hold text, in their stored order.
std::vector<std::string> ReadRecentLines(const StoredValue& value);

}  // namespace kelvo
