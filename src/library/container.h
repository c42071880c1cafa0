// One category's container: drawing settings, snapping points, dependency links and the
// category's components. The type library owns one per category; a container owns its
// components (held by pointer so that frames and portraits may refer to them).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "library/component.h"

namespace kelvo {

class DiagnosticsSink;
class KeywordFile;
class TPak;

class TKelvoKompKontejner {
 public:
  TKelvoKompKontejner(int32_t index, std::string displayName, std::string code, std::string dirName,
                      std::string libPath);
  TKelvoKompKontejner(const TKelvoKompKontejner&) = delete;
  TKelvoKompKontejner& operator=(const TKelvoKompKontejner&) = delete;

  int32_t Index;        // category 1..14
  std::string LibPath;  // the library's Path, ending in a backslash
  std::string Source;
  std::string DisplayName;
  std::string Code;
  std::string DirName;
  std::string ImageDir;                                 // PATH, relative to LibPath
  bool WithSpan = false;                                // SROZESUNEM
  int32_t Bits = 8;                                     // BITS
  int32_t Usual = 1;                                    // USUAL
  bool MaskSecond = false;                              // SMASKOU
  bool InvertMask = false;                              // INVMSK
  bool ColourMask = false;                              // SCOLMASKOU
  std::vector<std::unique_ptr<TKelvoKomp>> Components;  // component n (1..) is [n - 1]
  std::vector<int32_t> PointCategory;  // point n (1..) is [n - 1]: the category sitting on it
  PerCategory<int32_t> PointOf{};      // by category: its point number here, 0 if none
  std::vector<int32_t> Dependents;     // categories depending on this one, in file order
  int32_t Parent = 0;                  // category this one depends on, 0 if none
  int32_t Shadow = -1;                 // STIN: subcomponent that is a shadow, -1 if none
  OneBased<int32_t, kSubcomponentCount> ColourSlots{};  // BARVY: colour type of slots 1..4

  int32_t ComponentCount() const { return static_cast<int32_t>(Components.size()); }
  int32_t PointCount() const { return static_cast<int32_t>(PointCategory.size()); }
  // Component n (1..ComponentCount); throws std::out_of_range otherwise.
  TKelvoKomp& Komp(int32_t n) { return *Components.at(static_cast<size_t>(n - 1)); }
  const TKelvoKomp& Komp(int32_t n) const { return *Components.at(static_cast<size_t>(n - 1)); }
  // How many animation frames a component of this category may have.
  int32_t AnimLimit() const;

  // 1-based number of the first component named exactly `name`, or -1.
  int32_t FindByName(const std::string& name) const;
  // Appends a component (its Container should be this one) and returns it.
  TKelvoKomp& AddComponent(std::unique_ptr<TKelvoKomp> component);
  // Appends a new component of this category with the given name and returns it.
  TKelvoKomp& NewComponent(const std::string& name);
  // Appends a snapping point on which `category` sits (as a BODY line does).
  void AddPoint(int32_t category);

  // Reads a TYP record body up to and including END_OF_TYP (TYP and its name were read).
  // A BITS value other than 8 or 16 is warned about through the sink and read as 8.
  void ReadRecord(KeywordFile& file, DiagnosticsSink& sink);
  void WriteRecord(KeywordFile& file) const;
  void ReadAnimations(KeywordFile& file);
  void WriteAnimations(KeywordFile& file) const;

  // Why PATH would lead out of the library folder, as a message naming it; empty when it stays.
  std::string ImageDirProblem() const;
  // The same for PATH and then every component's PICFILE names: the first problem found.
  std::string OutsideNameProblem() const;

  void LoadImages(TPak& archive);
  // Throws KelvoError before writing anything when OutsideNameProblem finds one.
  void SetLibPathAndSaveImages(const std::string& path);

  // Same settings and components (compared with TKelvoKomp::SameContent); LibPath is not
  // compared.
  bool SameContent(const TKelvoKompKontejner& other) const;
};

}  // namespace kelvo
