#include "library/container.h"

#include <stdexcept>
#include <utility>

#include "foundation/diagnostics.h"
#include "foundation/errors.h"
#include "foundation/keyword_file.h"
#include "foundation/paths.h"
#include "library/categories.h"

namespace kelvo {

TKelvoKompKontejner::TKelvoKompKontejner(int32_t index, std::string displayName, std::string code,
                                         std::string dirName, std::string libPath)
    : Index(index),
      LibPath(std::move(libPath)),
      DisplayName(std::move(displayName)),
      Code(std::move(code)),
      DirName(std::move(dirName)) {}

int32_t TKelvoKompKontejner::AnimLimit() const {
  return CategoryAnimationLimit(Index);
}

int32_t TKelvoKompKontejner::FindByName(const std::string& name) const {
  for (size_t i = 0; i < Components.size(); ++i) {
    if (Components[i]->Name == name) return static_cast<int32_t>(i + 1);
  }
  return -1;
}

TKelvoKomp& TKelvoKompKontejner::AddComponent(std::unique_ptr<TKelvoKomp> component) {
  Components.push_back(std::move(component));
  return *Components.back();
}

TKelvoKomp& TKelvoKompKontejner::NewComponent(const std::string& name) {
  TKelvoKomp& component = AddComponent(std::make_unique<TKelvoKomp>(Index, this));
  component.Name = name;
  return component;
}

void TKelvoKompKontejner::AddPoint(int32_t category) {
  if (category < 1 || category > kCategoryCount) {
    throw std::out_of_range("TKelvoKompKontejner.AddPoint: no category " +
                            std::to_string(category));
  }
  PointCategory.push_back(category);
  PointOf[category] = PointCount();
}

std::string TKelvoKompKontejner::ImageDirProblem() const {
  const std::string_view why = WhyNameLeavesFolder(ImageDir);
  if (why.empty()) return {};
  return "PATH " + ImageDir + " of TYP " + DirName +
         " leads out of the library folder: " + std::string(why);
}

std::string TKelvoKompKontejner::OutsideNameProblem() const {
  std::string problem = ImageDirProblem();
  for (size_t i = 0; problem.empty() && i < Components.size(); ++i) {
    problem = Components[i]->PicFileProblem();
  }
  return problem;
}

void TKelvoKompKontejner::ReadRecord(KeywordFile& file, DiagnosticsSink& sink) {
  for (;;) {
    const std::string token = file.ReadToken();
    if (token == "END_OF_TYP") return;
    if (token == "COMP") {
      auto component = std::make_unique<TKelvoKomp>(Index, this);
      component->ReadRecord(file);
      AddComponent(std::move(component));
    } else if (token == "PATH") {
      ImageDir = file.ReadNameToken();
      if (const std::string problem = ImageDirProblem(); !problem.empty()) {
        throw FatalDataError(problem);
      }
    } else if (token == "SOURCE") {
      Source = file.ReadToken();
    } else if (token == "BITS") {
      Bits = file.ReadInt();
      if (Bits != 8 && Bits != 16) {
        // Old libraries carry odd values; drawing knows only these two depths.
        DataWarning(sink, ShownName(file.ReadName()) + ": TYP " + DirName + " has BITS " +
                              std::to_string(Bits) + ", which is neither 8 nor 16; using 8");
        Bits = 8;
      }
    } else if (token == "USUAL") {
      Usual = file.ReadInt();
    } else if (token == "STIN") {
      Shadow = file.ReadInt();
    } else if (token == "SMASKOU") {
      MaskSecond = true;
    } else if (token == "INVMSK") {
      InvertMask = true;
    } else if (token == "SCOLMASKOU") {
      ColourMask = true;
    } else if (token == "SROZESUNEM") {
      WithSpan = true;
    } else if (token == "BARVY") {
      for (size_t slot = 1; slot <= 4; ++slot) {
        const int32_t type = file.ReadInt();
        if (type < 0 || type > 11) {
          throw FatalDataError("TYP: Unknown COLOR type " + std::to_string(type));
        }
        ColourSlots[slot] = type;
      }
    } else if (token == "BODY") {
      const int32_t count = file.ReadInt();
      for (int32_t n = 0; n < count; ++n) {
        const std::string name = file.ReadNameToken();
        const int32_t category = CategoryByDir(name);
        if (category == -1) throw FatalDataError("Unknown component " + ShownToken(name));
        AddPoint(category);
      }
    } else {
      throw FatalDataError("END_OF_TYP expected instead of " + ShownToken(token));
    }
  }
}

void TKelvoKompKontejner::WriteRecord(KeywordFile& file) const {
  file.WriteToken("TYP");
  file.WriteToken(DirName);
  file.WriteLine();
  file.IndentMore(2);
  file.WriteToken("PATH");
  file.WriteToken(ImageDir);
  file.WriteLine();
  if (!Source.empty()) {
    file.WriteToken("SOURCE");
    file.WriteToken(Source);
    file.WriteLine();
  }
  if (Bits != 8) {
    file.WriteToken("BITS");
    file.WriteInt(Bits);
    file.WriteLine();
  }
  if (Usual != 1) {
    file.WriteToken("USUAL");
    file.WriteInt(Usual);
    file.WriteLine();
  }
  if (MaskSecond) file.WriteTokenLine("SMASKOU");
  if (InvertMask) file.WriteTokenLine("INVMSK");
  if (ColourMask) file.WriteTokenLine("SCOLMASKOU");
  if (WithSpan) file.WriteTokenLine("SROZESUNEM");
  if (Shadow != -1) {
    file.WriteToken("STIN");
    file.WriteInt(Shadow);
    file.WriteLine();
  }
  if (!PointCategory.empty()) {
    file.WriteToken("BODY");
    file.WriteInt(PointCount());
    for (int32_t category : PointCategory) file.WriteToken(CategoryDir(category));
    file.WriteLine();
  }
  file.WriteToken("BARVY");
  for (size_t slot = 1; slot <= 4; ++slot) file.WriteInt(ColourSlots[slot]);
  file.WriteLine();
  for (const auto& component : Components) component->WriteRecord(file);
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_TYP");
}

void TKelvoKompKontejner::ReadAnimations(KeywordFile& file) {
  for (;;) {
    const std::string token = file.ReadToken();
    if (token == "END_OF_TYP") return;
    if (token != "COMP")
      throw FatalDataError("END_OF_TYP expected instead of " + ShownToken(token));
    const std::string name = file.ReadNameToken();
    const int32_t k = FindByName(name);
    if (k == -1) {
      throw KelvoError("TKelvoKompKontejner: NactiAnimace: no kompbyname " + ShownToken(name) +
                       file.PlaceText());
    }
    TKelvoKomp& component = Komp(k);
    for (;;) {
      const std::string inner = file.ReadToken();
      if (inner == "END_OF_COMP") break;
      if (inner != "ANIM")
        throw FatalDataError("END_OF_COMP expected instead of " + ShownToken(inner));
      const int32_t n = file.ReadInt();
      if (n > AnimLimit()) throw KelvoError("TKelvoKompKontejner: NactiAnimace: too many anims");
      const std::string frameName = file.ReadNameToken();
      if (n < 1) continue;  // no such frame slot: the line is ignored
      const int32_t f = FindByName(frameName);
      if (f == -1) {
        throw KelvoError("TKelvoKompKontejner: NactiAnimace: no kompbyname " +
                         ShownToken(frameName) + file.PlaceText());
      }
      component.Frames[static_cast<size_t>(n)] = &Komp(f);
    }
  }
}

void TKelvoKompKontejner::WriteAnimations(KeywordFile& file) const {
  file.WriteToken("TYP");
  file.WriteToken(DirName);
  file.WriteLine();
  file.IndentMore(2);
  const auto limit = static_cast<size_t>(AnimLimit());
  for (const auto& component : Components) {
    bool hasFrame = false;
    for (size_t n = 1; n <= limit; ++n) hasFrame = hasFrame || component->Frames[n] != nullptr;
    if (!hasFrame) continue;
    file.WriteToken("COMP");
    file.WriteToken(component->Name);
    file.WriteLine();
    file.IndentMore(2);
    for (size_t n = 1; n <= limit; ++n) {
      if (!component->Frames[n]) continue;
      file.WriteToken("ANIM");
      file.WriteInt(static_cast<int32_t>(n));
      file.WriteToken(component->Frames[n]->Name);
      file.WriteLine();
    }
    file.IndentLess(2);
    file.WriteTokenLine("END_OF_COMP");
  }
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_TYP");
}

void TKelvoKompKontejner::LoadImages(TPak& archive) {
  for (const auto& component : Components) component->LoadImages(archive);
}

void TKelvoKompKontejner::SetLibPathAndSaveImages(const std::string& path) {
  if (const std::string problem = OutsideNameProblem(); !problem.empty()) {
    throw KelvoError(problem);
  }
  LibPath = path;
  if (LibPath.empty() || LibPath.back() != '\\') LibPath += '\\';
  for (const auto& component : Components) component->UlozData();
}

bool TKelvoKompKontejner::SameContent(const TKelvoKompKontejner& other) const {
  if (Components.size() != other.Components.size()) return false;
  for (size_t i = 0; i < Components.size(); ++i) {
    if (!Components[i]->SameContent(*other.Components[i])) return false;
  }
  return Index == other.Index && Source == other.Source && DisplayName == other.DisplayName &&
         Code == other.Code && DirName == other.DirName && ImageDir == other.ImageDir &&
         WithSpan == other.WithSpan && Bits == other.Bits && Usual == other.Usual &&
         MaskSecond == other.MaskSecond && InvertMask == other.InvertMask &&
         ColourMask == other.ColourMask && PointCategory == other.PointCategory &&
         PointOf == other.PointOf && Dependents == other.Dependents && Parent == other.Parent &&
         Shadow == other.Shadow && ColourSlots == other.ColourSlots;
}

}  // namespace kelvo
