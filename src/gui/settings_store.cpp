#include "gui/settings_store.h"

#include "editor/session/stored_settings.h"
#include "gui/registry_key.h"
#include "gui/text_codec.h"

namespace kelvo {
namespace {

QString WinValue(int i, const char* suffix) {
  return QString("Win%1%2").arg(i).arg(QLatin1String(suffix));
}

std::optional<std::string> ReadText(const RegistryKey& key, const QString& name) {
  const std::optional<QString> text = key.ReadString(name);
  if (!text) return std::nullopt;
  return ToAnsi(*text);
}

}  // namespace

EditorSettings ReadEditorSettings(const QString& key_path) {
  const RegistryKey key(key_path);
  return ParseEditorSettings(key.Exists(), [&key](const std::string& name) {
    return ReadText(key, QString::fromStdString(name));
  });
}

bool WriteEditorSettings(const EditorSettings& settings, const QString& key_path) {
  RegistryKey key(key_path);
  if (settings.SrcPath) key.WriteString("SrcPath", FromAnsi(*settings.SrcPath));
  if (settings.MainWinX) key.WriteInt("MainWinX", *settings.MainWinX);
  if (settings.MainWinY) key.WriteInt("MainWinY", *settings.MainWinY);
  for (int i = 1; i <= kPreviewCount; ++i) {
    const PreviewSettings& preview = settings.Previews[static_cast<size_t>(i - 1)];
    if (preview.X) key.WriteInt(WinValue(i, "X"), *preview.X);
    if (preview.Y) key.WriteInt(WinValue(i, "Y"), *preview.Y);
    if (preview.Visible) key.WriteBool(WinValue(i, "Visible"), *preview.Visible);
  }
  if (settings.DockPreviews) key.WriteBool("DockPreviews", *settings.DockPreviews);
  for (const FileFolders::Row& row : FileFolders::kTable) {
    const std::string& folder = settings.Folders.Folder(row.Kind);
    if (!folder.empty()) key.WriteString(row.ValueName, FromAnsi(folder));
  }
  return key.Flush();
}

}  // namespace kelvo
