// Reading and writing the editor's per-user window settings (positions of the main window and
// the four previews, preview visibility, "SrcPath", "LoadDirectory", "SaveDirectory") under the key
// "\Software\Nerab\Vx\KelvoEd", with the value names unchanged ("MainWinX", "Win1Visible"...).
#pragma once

#include <QString>

#include "editor/session/editor_state.h"

namespace kelvo {

inline constexpr const char* kEditorSettingsKey = "\\Software\\Nerab\\Vx\\KelvoEd";

// ParseEditorSettings over the stored texts.
EditorSettings ReadEditorSettings(const QString& key_path = kEditorSettingsKey);

// Writes "SrcPath", the main window and preview positions and the preview visibility; values
// left empty are not written, and the two directories never are (the data-set dialogs own them).
// Returns false when the store cannot be written; exit ignores that.
bool WriteEditorSettings(const EditorSettings& settings,
                         const QString& key_path = kEditorSettingsKey);

}  // namespace kelvo
