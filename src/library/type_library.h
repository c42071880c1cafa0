// The component library of one data set: fourteen category containers, eleven colour types,
// the draw order, dependencies and animation links, read from and written to the five keyword
// files "dro", "dep", "cmp", "col" and "ani" of one directory. It owns everything it holds and
// uses the archive it was made with (which must outlive it) for reading and for output names.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "library/colour_type.h"
#include "library/container.h"

namespace kelvo {

class TPak;

struct DrawOrderEntry {
  int32_t Category = 1;      // 1..14
  int32_t Subcomponent = 0;  // 1..4 of the category's selected component
  char Kind = 'N';           // 'N' NORM, 'O' OREZ, 'M' MASK, 'C' COND

  bool operator==(const DrawOrderEntry&) const = default;
};

// Text of the placeholder component of a category that has none.
inline constexpr const char* kPlaceholderName = "NONE! check color depth";

class TKelvoTyp {
 public:
  // Create: an empty library for `directory` (a trailing backslash is added); nothing is read.
  TKelvoTyp(TPak& archive, const std::string& directory);
  TKelvoTyp(const TKelvoTyp&) = delete;
  TKelvoTyp& operator=(const TKelvoTyp&) = delete;
  ~TKelvoTyp();

  std::string Path;  // always ends in a backslash
  PerCategory<std::unique_ptr<TKelvoKompKontejner>> Containers;
  OneBased<TDruhBarvy, kColourTypeCount> ColourTypes;
  std::vector<DrawOrderEntry> DrawOrder;  // in file order
  ColourEntry DefaultColour;

  TKelvoKompKontejner& Container(int32_t category) { return *Containers[CheckCategory(category)]; }
  const TKelvoKompKontejner& Container(int32_t category) const {
    return *Containers[CheckCategory(category)];
  }
  TDruhBarvy& ColourType(int32_t n) { return ColourTypes[CheckColourType(n)]; }
  const TDruhBarvy& ColourType(int32_t n) const { return ColourTypes[CheckColourType(n)]; }
  int32_t DrawOrderCount() const { return static_cast<int32_t>(DrawOrder.size()); }
  TPak& Archive() const { return *archive_; }

  // Makes `dependent` depend on `parent` (both 1..14), as a line of the dependency file does.
  void AddDependency(int32_t parent, int32_t dependent);
  // Gives each category without components the placeholder (BITS 16, PATH = its code).
  void AddPlaceholders();

  // Reads dro, dep, cmp, col and the optional ani, in this order.
  void LoadAll();
  void NactiPoradiKresleni();
  void NactiZavislosti();
  void NactiKomp();
  void NactiBarvy();
  void NactiAnimace();
  // Loads the images of every component.
  void LoadImages();

  void WriteDrawOrder() const;
  void WriteDependencies() const;
  void WriteComponents() const;
  void WriteColours() const;
  void WriteAnimations() const;
  // Throws KelvoError naming the first PATH or PICFILE name that would lead out of its folder
  // (OutsideNameProblem of each container), so that a writer refuses before writing anything.
  void CheckImageNames() const;
  // Move the library to `directory` and write its five files there / its images there. Both
  // run CheckImageNames first, so a refused library leaves no file behind.
  void SaveTextAs(const std::string& directory);
  void SaveImagesAs(const std::string& directory);

  // Same content in every part; Path and the archive are not compared.
  bool SameContent(const TKelvoTyp& other) const;

 private:
  // The number itself; std::out_of_range naming it when there is no such category or type.
  static int32_t CheckCategory(int32_t category);
  static int32_t CheckColourType(int32_t n);

  TPak* archive_;
};

}  // namespace kelvo
