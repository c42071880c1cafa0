// The process-wide registry of further type libraries that gallery portraits name: up to three,
// owned here and destroyed with the process context that owns the registry.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace kelvo {

class TKelvoTyp;

class LoadedLibraries {
 public:
  static constexpr int32_t kMaxLibraries = 3;

  LoadedLibraries();
  ~LoadedLibraries();
  LoadedLibraries(const LoadedLibraries&) = delete;
  LoadedLibraries& operator=(const LoadedLibraries&) = delete;

  int32_t Count() const { return count_; }
  // Slot 1..3 of the first library whose Path equals `path` after dropping one trailing
  // backslash from each and ignoring letter case; -1 if none.
  int32_t FindLibrary(const std::string& path) const;
  // Fills the next slot and returns its number; throws std::length_error when all three are
  // taken (callers check Count() first and report their own message).
  int32_t Add(std::unique_ptr<TKelvoTyp> library);
  // The library in slot 1..Count(); throws std::out_of_range otherwise.
  TKelvoTyp& Library(int32_t slot) const;
  void Clear();

 private:
  std::array<std::unique_ptr<TKelvoTyp>, kMaxLibraries> slots_;
  int32_t count_ = 0;
};

}  // namespace kelvo
