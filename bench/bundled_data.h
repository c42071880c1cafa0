// The bundled data sets beside the program, as the benchmarks use them.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "foundation/paths.h"
#include "library/process_context.h"
#include "library/type_library.h"

namespace kelvo::bench {

inline std::string BundledDataFolder() {
  return ProgramDirectory() + "kelvoed/data_big/";
}

// False when the program was built without its data sets: the benchmarks then skip.
inline bool HaveBundledData() {
  return std::filesystem::exists(BundledDataFolder() + "male/dro");
}

// A bundled library with its keyword files and images loaded.
inline std::unique_ptr<TKelvoTyp> LoadBundledLibrary(ProcessContext& context,
                                                     const std::string& name) {
  auto library = std::make_unique<TKelvoTyp>(context.Archive(), name);
  library->LoadAll();
  library->LoadImages();
  return library;
}

}  // namespace kelvo::bench
