// Reading and writing the editor's per-user window settings (positions of the main window and
// the four previews, preview visibility, "SrcPath", "LoadDirectory") under the key
// "\Software\Nerab\Vx\KelvoEd", with the value names unchanged ("MainWinX", "Win1Visible"...).
#pragma once

#include <QString>

#include "editor/session/editor_state.h"

namespace kelvo {

inline constexpr const char* kEditorSettingsKey = "\\Software\\Nerab\\Vx\\KelvoEd";

// KeyExists is false, and every value empty, when the key is absent. A single missing or
// unreadable value stays empty, so the caller uses its default for that value only.
EditorSettings ReadEditorSettings(const QString& key_path = kEditorSettingsKey);

// Writes "SrcPath", the main window and preview positions and the preview visibility; values
// left empty are not written, and "LoadDirectory" never is (the change-sex dialog owns it).
// Returns false when the store cannot be written; exit ignores that.
bool WriteEditorSettings(const EditorSettings& settings,
                         const QString& key_path = kEditorSettingsKey);

}  // namespace kelvo
