#include "gui/registry_key.h"

#include <string>

#include "editor/session/stored_settings.h"

namespace kelvo {

RegistryKey::RegistryKey(const QString& key_path) {
  QStringList parts = QString(key_path).replace('/', '\\').split('\\', Qt::SkipEmptyParts);
  if (!parts.isEmpty() && parts.front().compare("Software", Qt::CaseInsensitive) == 0) {
    parts.removeFirst();
  }
  organisation_ = parts.isEmpty() ? QString("KelvoEd") : parts.takeFirst();
  application_ = parts.isEmpty() ? organisation_ : parts.takeFirst();
  group_ = parts.join('/');
  settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                          organisation_, application_);
}

QString RegistryKey::Path(const QString& name) const {
  return group_.isEmpty() ? name : group_ + '/' + name;
}

bool RegistryKey::Exists() const {
  if (group_.isEmpty()) return !settings_->allKeys().isEmpty();
  settings_->beginGroup(group_);
  const bool exists = !settings_->childKeys().isEmpty() || !settings_->childGroups().isEmpty();
  settings_->endGroup();
  return exists;
}

std::optional<QString> RegistryKey::ReadString(const QString& name) const {
  const QVariant value = settings_->value(Path(name));
  if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
  return value.toString();
}

std::optional<int> RegistryKey::ReadInt(const QString& name) const {
  const std::optional<QString> text = ReadString(name);
  return StoredInt(text ? std::optional(text->toStdString()) : std::nullopt);
}

std::optional<bool> RegistryKey::ReadBool(const QString& name) const {
  const std::optional<QString> text = ReadString(name);
  return StoredBool(text ? std::optional(text->toStdString()) : std::nullopt);
}

void RegistryKey::WriteString(const QString& name, const QString& value) {
  settings_->setValue(Path(name), value);
}

void RegistryKey::WriteInt(const QString& name, int value) {
  settings_->setValue(Path(name), value);
}

void RegistryKey::WriteBool(const QString& name, bool value) {
  settings_->setValue(Path(name), value);
}

bool RegistryKey::Flush() {
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace kelvo
