// Packed mode of TPak: the pack file, its index and building it. Not available
// yet: an archive created with a pack name fails.
#include "archive/pak.h"
#include "foundation/errors.h"

namespace kelvo {

void TPak::OpenPack(const std::string& pack_name) {
  throw KelvoError("TPak.Create: packed mode is not supported (" + pack_name + ")");
}

std::optional<TPakEntry> TPak::FindInPack(const std::string&) {
  return std::nullopt;
}

void TPak::ClosePack() {}

}  // namespace kelvo
