// Per-user keys holding named text values, as the registry keeps them on Windows. The GUI's
// store is QSettings; tests and tools use MemoryKeyStore. A key is named by its registry path
// ("Software\Nerab\Grimvale\normal\Player"); the caller makes sure its parts are plain names.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kelvo {

// A value that is there but holds no text (a list, a number of another kind, binary data).
class KeyStoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class KeyStore {
 public:
  using Values = std::vector<std::pair<std::string, std::string>>;

  virtual ~KeyStore() = default;
  virtual bool KeyExists(const std::string& key) const = 0;
  // Nothing when the key or the value is missing; KeyStoreError when the value is no text.
  virtual std::optional<std::string> ReadText(const std::string& key,
                                              const std::string& name) const = 0;
  // Creates the key when missing and writes the values; false when the store cannot be written.
  virtual bool WriteTexts(const std::string& key, const Values& values) = 0;
};

class MemoryKeyStore : public KeyStore {
 public:
  bool KeyExists(const std::string& key) const override { return keys_.count(key) != 0; }
  std::optional<std::string> ReadText(const std::string& key,
                                      const std::string& name) const override {
    const auto found = keys_.find(key);
    if (found == keys_.end()) return std::nullopt;
    const auto value = found->second.find(name);
    if (value == found->second.end()) return std::nullopt;
    if (!value->second.IsText) throw KeyStoreError(name + " holds no text");
    return value->second.Text;
  }
  bool WriteTexts(const std::string& key, const Values& values) override {
    if (FailWrites) return false;
    auto& stored = keys_[key];
    for (const auto& [name, text] : values) stored[name] = {text, true};
    return true;
  }

  // For tests: a value of another kind, and a store that cannot be written.
  void WriteNonText(const std::string& key, const std::string& name) { keys_[key][name] = {}; }
  bool FailWrites = false;

 private:
  struct Value {
    std::string Text;
    bool IsText = false;
  };
  std::map<std::string, std::map<std::string, Value>> keys_;
};

}  // namespace kelvo
