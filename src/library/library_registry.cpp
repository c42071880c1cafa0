#include "library/library_registry.h"

#include <algorithm>
#include <stdexcept>

#include "library/type_library.h"

namespace kelvo {

namespace {

// One trailing backslash dropped, letters lower-cased: how registry paths are compared.
std::string RegistryKey(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return path;
}

}  // namespace

LoadedLibraries::LoadedLibraries() = default;
LoadedLibraries::~LoadedLibraries() = default;

int32_t LoadedLibraries::FindLibrary(const std::string& path) const {
  const std::string key = RegistryKey(path);
  for (int32_t slot = 1; slot <= count_; ++slot) {
    if (RegistryKey(Library(slot).Path) == key) return slot;
  }
  return -1;
}

int32_t LoadedLibraries::Add(std::unique_ptr<TKelvoTyp> library) {
  if (!library) throw std::invalid_argument("LoadedLibraries.Add: no library");
  if (count_ >= kMaxLibraries) throw std::length_error("LoadedLibraries.Add: all slots taken");
  slots_[static_cast<size_t>(count_)] = std::move(library);
  return ++count_;
}

TKelvoTyp& LoadedLibraries::Library(int32_t slot) const {
  if (slot < 1 || slot > count_) {
    throw std::out_of_range("LoadedLibraries: no slot " + std::to_string(slot));
  }
  return *slots_[static_cast<size_t>(slot - 1)];
}

void LoadedLibraries::Clear() {
  for (auto& slot : slots_) slot.reset();
  count_ = 0;
}

}  // namespace kelvo
