// The key store of the program: QSettings, each key's registry path mapped as RegistryKey maps
// it (organisation, application, then nested groups), value names unchanged. Texts are the
// program's bytes; key names and texts are kept as UTF-8.
#pragma once

#include "editor/session/key_store.h"

namespace kelvo {

class QtKeyStore : public KeyStore {
 public:
  bool KeyExists(const std::string& key) const override;
  std::optional<std::string> ReadText(const std::string& key,
                                      const std::string& name) const override;
  bool WriteTexts(const std::string& key, const Values& values) override;
};

}  // namespace kelvo
