#include "gui/qt_key_store.h"

#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

#include "gui/registry_key.h"

namespace kelvo {
namespace {

// The settings file of the key and the group path inside it.
struct OpenKey {
  std::unique_ptr<QSettings> settings;
  QString group;
};

OpenKey Open(const std::string& key) {
  const RegistryKey mapped(QString::fromStdString(key));
  return {std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                      mapped.Organisation(), mapped.Application()),
          mapped.Group()};
}

}  // namespace

bool QtKeyStore::KeyExists(const std::string& key) const {
  return RegistryKey(QString::fromStdString(key)).Exists();
}

std::optional<std::string> QtKeyStore::ReadText(const std::string& key,
                                                const std::string& name) const {
  OpenKey open = Open(key);
  if (!open.group.isEmpty()) open.settings->beginGroup(open.group);
  const QVariant value = open.settings->value(QString::fromStdString(name));
  if (!value.isValid()) return std::nullopt;
  // Plain INI values read back as strings; lists, byte arrays and typed values are not texts.
  if (value.typeId() != QMetaType::QString) throw KeyStoreError(name + " holds no text");
  return value.toString().toStdString();
}

bool QtKeyStore::WriteTexts(const std::string& key, const Values& values) {
  OpenKey open = Open(key);
  if (!open.group.isEmpty()) open.settings->beginGroup(open.group);
  for (const auto& [name, text] : values) {
    open.settings->setValue(QString::fromStdString(name), QString::fromStdString(text));
  }
  if (!open.group.isEmpty()) open.settings->endGroup();
  open.settings->sync();
  return open.settings->status() == QSettings::NoError;
}

}  // namespace kelvo
