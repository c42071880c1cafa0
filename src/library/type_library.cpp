#include "library/type_library.h"

#include <stdexcept>

#include "archive/pak.h"
#include "archive/pak_unit.h"
#include "archive/pak_vfs.h"
#include "foundation/errors.h"
#include "foundation/keyword_file.h"
#include "foundation/log_channels.h"
#include "foundation/paths.h"
#include "library/categories.h"

namespace kelvo {

namespace {

std::string WithBackslash(const std::string& directory) {
  if (!directory.empty() && directory.back() == '\\') return directory;
  return directory + '\\';
}

const char* DrawKindKeyword(char kind) {
  switch (kind) {
    case 'C':
      return "COND";
    case 'M':
      return "MASK";
    case 'O':
      return "OREZ";
    default:
      return "NORM";
  }
}

}  // namespace

TKelvoTyp::TKelvoTyp(TPak& archive, const std::string& directory)
    : Path(WithBackslash(directory)), archive_(&archive) {
  for (int32_t i = 1; i <= kCategoryCount; ++i) {
    Containers[i] = std::make_unique<TKelvoKompKontejner>(i, CategoryName(i), CategoryCode(i),
                                                          CategoryDir(i), Path);
  }
  for (int32_t n = 1; n <= kColourTypeCount; ++n) ColourTypes[n] = TDruhBarvy(n);
  DefaultColour.Colour() = 0x808080;
  DefaultColour.Contrast() = 85;
  DefaultColour.Frequency() = 100;
}

TKelvoTyp::~TKelvoTyp() = default;

int32_t TKelvoTyp::CheckCategory(int32_t category) {
  if (category < 1 || category > kCategoryCount) {
    throw std::out_of_range("TKelvoTyp: no category " + std::to_string(category));
  }
  return category;
}

int32_t TKelvoTyp::CheckColourType(int32_t n) {
  if (n < 1 || n > kColourTypeCount) {
    throw std::out_of_range("TKelvoTyp: no colour type " + std::to_string(n));
  }
  return n;
}

void TKelvoTyp::AddDependency(int32_t parent, int32_t dependent) {
  Container(parent).Dependents.push_back(dependent);
  Container(dependent).Parent = parent;
}

void TKelvoTyp::AddPlaceholders() {
  for (int32_t i = 1; i <= kCategoryCount; ++i) {
    TKelvoKompKontejner& container = Container(i);
    if (container.ComponentCount() > 0) continue;
    container.Bits = 16;
    container.ImageDir = container.Code;
    container.NewComponent(kPlaceholderName).Frequency = 100;
  }
}

void TKelvoTyp::LoadAll() {
  const LogChannels::Batch log_batch(archive_->Unit().Log());
  NactiPoradiKresleni();
  NactiZavislosti();
  NactiKomp();
  NactiBarvy();
  NactiAnimace();
}

void TKelvoTyp::NactiPoradiKresleni() {
  KeywordFile file(*archive_);
  file.OpenRead(Path + "dro");
  if (file.ReadToken() != "DRAWORDER") {
    throw KelvoError("TKelvoTyp.NactiPoradiKresleni: not draworder " + ShownName(Path + "dro"));
  }
  ReadLocated(file, [&] {
    for (;;) {
      const std::string token = file.ReadToken();
      const char first = token.empty() ? '\0' : token[0];
      if (first == 'C' || first == 'N' || first == 'O' || first == 'M') {
        // Only the first letter counts, so MASKA reads as MASK; an unknown directory is
        // category 1.
        const int32_t category = CategoryByDir(file.ReadNameToken());
        const int32_t subcomponent = file.ReadInt();
        DrawOrder.push_back({category == -1 ? 1 : category, subcomponent, first});
      } else if (token == "END_OF_DRAWORDER") {
        break;
      } else {
        throw FatalDataError("END_OF_DRAWORDER expected instead of " + ShownToken(token));
      }
    }
  });
  file.Close();
}

void TKelvoTyp::NactiZavislosti() {
  KeywordFile file(*archive_);
  file.OpenRead(Path + "dep");
  if (file.ReadToken() != "DEPENDENCIES") {
    throw KelvoError("TKelvoTyp.NactiZavislosti: not deps " + ShownName(Path + "dep"));
  }
  ReadLocated(file, [&] {
    for (;;) {
      const std::string parent = file.ReadToken();
      if (parent == "END_OF_DEPENDENCIES") break;
      if (KeywordFile::IsEndMarker(parent)) {
        throw FatalDataError("END_OF_DEPENDENCIES expected instead of " + ShownToken(parent));
      }
      const std::string dependent = file.ReadNameToken();
      const int32_t a = CategoryByDir(parent);
      const int32_t b = CategoryByDir(dependent);
      if (a == -1 || b == -1)
        throw FatalDataError("Unknown DEPENDENCY " + ShownToken(parent) + ":" +
                             ShownToken(dependent));
      AddDependency(a, b);
    }
  });
  file.Close();
}

void TKelvoTyp::NactiKomp() {
  KeywordFile file(*archive_);
  file.OpenRead(Path + "cmp");
  if (file.ReadToken() != "COMPONENTS") {
    throw KelvoError("TKelvoTyp.NactiKomp: no components in " + ShownName(Path + "cmp") +
                     ", giving up");
  }
  ReadLocated(file, [&] {
    for (;;) {
      const std::string token = file.ReadToken();
      if (token == "END_OF_COMPONENTS") break;
      if (token != "TYP") {
        throw FatalDataError("END_OF_COMPONENTS expected instead of " + ShownToken(token));
      }
      const std::string dir = file.ReadNameToken();
      const int32_t category = CategoryByDir(dir);
      if (category == -1) throw FatalDataError("Unknown TYP " + ShownToken(dir));
      Container(category).ReadRecord(file, archive_->Unit().Sink());
    }
  });
  file.Close();
  AddPlaceholders();
}

void TKelvoTyp::NactiBarvy() {
  KeywordFile file(*archive_);
  file.OpenRead(Path + "col");
  if (file.ReadToken() != "COLORS") {
    throw KelvoError("TKelvoTyp.NactiBarvy: not colors " + ShownName(Path + "col"));
  }
  ReadLocated(file, [&] {
    for (;;) {
      const std::string token = file.ReadToken();
      if (token == "END_OF_COLORS") break;
      if (token != "COLOR_TYPE") {
        throw FatalDataError("END_OF_COLORS expected instead of " + ShownToken(token));
      }
      const int32_t n = file.ReadInt();
      if (n < 1 || n > 11) throw FatalDataError("COLORS: Unknown COLOR type" + std::to_string(n));
      ColourType(n).ReadRecord(file);
    }
  });
  file.Close();
}

void TKelvoTyp::NactiAnimace() {
  if (!archive_->Files().FileExists(Path + "ani")) return;
  KeywordFile file(*archive_);
  file.OpenRead(Path + "ani");
  if (file.ReadToken() != "ANIMACE") {
    throw KelvoError("TKelvoTyp.NactiAnimace: not animations " + ShownName(Path + "ani"));
  }
  ReadLocated(file, [&] {
    for (;;) {
      const std::string token = file.ReadToken();
      if (token == "END_OF_ANIMACE") break;
      if (token != "TYP") {
        throw FatalDataError("END_OF_ANIMACE expected instead of " + ShownToken(token));
      }
      const std::string dir = file.ReadNameToken();
      const int32_t category = CategoryByDir(dir);
      if (category == -1) throw FatalDataError("NactiAnimace: Unknown TYP " + ShownToken(dir));
      Container(category).ReadAnimations(file);
    }
  });
  file.Close();
}

void TKelvoTyp::LoadImages() {
  const LogChannels::Batch log_batch(archive_->Unit().Log());
  for (int32_t i = 1; i <= kCategoryCount; ++i) Container(i).LoadImages(*archive_);
}

void TKelvoTyp::WriteDrawOrder() const {
  KeywordFile file(*archive_);
  file.OpenWrite(Path + "dro");
  file.WriteTokenLine("DRAWORDER");
  file.IndentMore(2);
  for (const DrawOrderEntry& entry : DrawOrder) {
    file.WriteToken(DrawKindKeyword(entry.Kind));
    file.WriteToken(CategoryDir(entry.Category));
    file.WriteInt(entry.Subcomponent);
    file.WriteLine();
  }
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_DRAWORDER");
  file.Close();
}

void TKelvoTyp::WriteDependencies() const {
  KeywordFile file(*archive_);
  file.OpenWrite(Path + "dep");
  file.WriteTokenLine("DEPENDENCIES");
  file.IndentMore(2);
  for (int32_t a = 1; a <= kCategoryCount; ++a) {
    for (int32_t b : Container(a).Dependents) {
      file.WriteToken(CategoryDir(a));
      file.WriteToken(CategoryDir(b));
      file.WriteLine();
    }
  }
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_DEPENDENCIES");
  file.Close();
}

void TKelvoTyp::WriteComponents() const {
  KeywordFile file(*archive_);
  file.OpenWrite(Path + "cmp");
  file.WriteTokenLine("COMPONENTS");
  file.IndentMore(2);
  for (int32_t i = 1; i <= kCategoryCount; ++i) Container(i).WriteRecord(file);
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_COMPONENTS");
  file.Close();
}

void TKelvoTyp::WriteColours() const {
  KeywordFile file(*archive_);
  file.OpenWrite(Path + "col");
  file.WriteTokenLine("COLORS");
  file.IndentMore(2);
  for (int32_t n = 1; n <= 11; ++n) ColourType(n).WriteRecord(file);
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_COLORS");
  file.Close();
}

void TKelvoTyp::WriteAnimations() const {
  KeywordFile file(*archive_);
  file.OpenWrite(Path + "ani");
  file.WriteTokenLine("ANIMACE");
  file.IndentMore(2);
  for (int32_t i = 1; i <= kCategoryCount; ++i) Container(i).WriteAnimations(file);
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_ANIMACE");
  file.Close();
}

void TKelvoTyp::CheckImageNames() const {
  for (int32_t i = 1; i <= kCategoryCount; ++i) {
    const std::string problem = Container(i).OutsideNameProblem();
    if (!problem.empty()) throw KelvoError(problem);
  }
}

void TKelvoTyp::SaveTextAs(const std::string& directory) {
  CheckImageNames();
  Path = WithBackslash(directory);
  WriteDrawOrder();
  WriteDependencies();
  WriteComponents();
  WriteColours();
  WriteAnimations();
}

void TKelvoTyp::SaveImagesAs(const std::string& directory) {
  CheckImageNames();
  Path = WithBackslash(directory);
  for (int32_t i = 1; i <= kCategoryCount; ++i) Container(i).SetLibPathAndSaveImages(Path);
}

bool TKelvoTyp::SameContent(const TKelvoTyp& other) const {
  for (int32_t i = 1; i <= kCategoryCount; ++i) {
    if (!Container(i).SameContent(other.Container(i))) return false;
  }
  return ColourTypes == other.ColourTypes && DrawOrder == other.DrawOrder &&
         DefaultColour == other.DefaultColour;
}

}  // namespace kelvo
