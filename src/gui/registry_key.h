// One per-user settings key, named by its Windows registry path ("\Software\Nerab\Vx\KelvoEd"),
// stored with QSettings: the first component after "Software" is the organisation, the next the
// application, the rest nested groups; value names are kept as they are.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace kelvo {

class RegistryKey {
 public:
  explicit RegistryKey(const QString& key_path);

  // True when the key holds at least one value or subkey.
  bool Exists() const;

  // Missing values, and values that do not parse as their kind, read as empty.
  std::optional<QString> ReadString(const QString& name) const;
  std::optional<int> ReadInt(const QString& name) const;
  std::optional<bool> ReadBool(const QString& name) const;

  void WriteString(const QString& name, const QString& value);
  void WriteInt(const QString& name, int value);
  void WriteBool(const QString& name, bool value);

  // Writes pending values to disk; false when the store cannot be written.
  bool Flush();

  const QString& Organisation() const { return organisation_; }
  const QString& Application() const { return application_; }
  const QString& Group() const { return group_; }

 private:
  QString Path(const QString& name) const;

  QString organisation_;
  QString application_;
  QString group_;  // "A/B" for nested groups, empty for the application's top level
  std::unique_ptr<QSettings> settings_;
};

}  // namespace kelvo
