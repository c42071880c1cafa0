#include "library/component.h"

#include <filesystem>
#include <limits>
#include <system_error>

#include "foundation/errors.h"
#include "foundation/keyword_file.h"
#include "foundation/paths.h"
#include "library/container.h"

namespace kelvo {

namespace {

std::string PicFileText(const std::string& component, const std::string& fileName,
                        std::string_view why) {
  return "PICFILE " + fileName + " of COMP " + component +
         " leads out of the category folder: " + std::string(why);
}

// The PATH or PICFILE problem of the component, thrown before any file is touched.
void CheckImageNames(const TKelvoKomp& component) {
  std::string problem = component.Container->ImageDirProblem();
  if (problem.empty()) problem = component.PicFileProblem();
  if (!problem.empty()) throw KelvoError(problem);
}

}  // namespace

TKelvoKomp::TKelvoKomp(int32_t category, TKelvoKompKontejner* container)
    : Index(category), Container(container) {
  Frames[0] = this;
}

TKelvoSubKomp* TKelvoKomp::Sub(int s) {
  if (s < 1 || s > 4 || !Subcomponents[s]) return nullptr;
  return &*Subcomponents[s];
}

const TKelvoSubKomp* TKelvoKomp::Sub(int s) const {
  return const_cast<TKelvoKomp*>(this)->Sub(s);
}

TKelvoSubKomp& TKelvoKomp::SetSub(int s, const std::string& fileName) {
  if (s < 1 || s > 4) throw KelvoError("TKelvoKomp: subcomponent out of range");
  auto& slot = Subcomponents[s];
  slot.emplace();
  slot->FileName = fileName;
  return *slot;
}

void TKelvoKomp::ReadRecord(KeywordFile& file) {
  Name = file.ReadNameToken();
  for (;;) {
    const std::string token = file.ReadToken();
    if (token == "END_OF_COMP") return;
    if (token == "SOURCE") {
      Source = file.ReadToken();
    } else if (token == "CETNOST") {
      Frequency = file.ReadInt();
    } else if (token == "DRUH") {
      Kind = file.ReadInt();
    } else if (token == "SIG") {
      Signature = file.ReadToken();
    } else if (token == "ANIMACE") {
      IsFrame = true;
    } else if (token == "PICFILE") {
      const int32_t s = file.ReadInt();
      const std::string name = file.ReadNameToken();
      if (const std::string_view why = WhyNameLeavesFolder(name); !why.empty()) {
        throw FatalDataError(PicFileText(Name, name, why));
      }
      if (s >= 1 && s <= 4) SetSub(s, name);
    } else if (token == "OREZAT") {
      // A flag for a subcomponent that does not exist is ignored.
      if (TKelvoSubKomp* sub = Sub(file.ReadInt())) sub->Clip = true;
    } else if (token == "REF") {
      const int32_t s = file.ReadInt();
      const int32_t x = file.ReadInt();
      const int32_t y = file.ReadInt();
      if (TKelvoSubKomp* sub = Sub(s)) {
        sub->X = x;
        sub->Y = y;
      }
    } else if (token == "VL") {
      const int32_t i = file.ReadInt();
      const int32_t value = file.ReadInt();
      if (i >= 1 && i <= 5) Properties[i] = value;
    } else if (token == "BODY") {
      const int32_t count = file.ReadInt();
      if (count != Container->PointCount()) {
        throw FatalDataError("Wrong number of snapping points in " + ShownToken(Name));
      }
      for (int32_t n = 0; n < count; ++n) {
        SnapPoint p;
        for (int32_t* field : {&p.X, &p.Y, &p.SpreadLeft, &p.SpreadRight, &p.SpreadUp,
                               &p.SpreadDown, &p.SpanX, &p.Stored8, &p.SpanY, &p.Stored10}) {
          *field = file.ReadInt();
        }
        Points.push_back(p);
      }
    } else {
      throw FatalDataError("END_OF_COMP expected instead of " + ShownToken(token));
    }
  }
}

void TKelvoKomp::WriteRecord(KeywordFile& file) const {
  file.WriteToken("COMP");
  file.WriteToken(Name);
  file.WriteLine();
  file.IndentMore(2);
  if (!Source.empty()) {
    file.WriteToken("SOURCE");
    file.WriteToken(Source);
    file.WriteLine();
  }
  file.WriteToken("CETNOST");
  file.WriteInt(Frequency);
  file.WriteLine();
  if (IsFrame) file.WriteTokenLine("ANIMACE");
  if (Kind > 0) {
    file.WriteToken("DRUH");
    file.WriteInt(Kind);
    file.WriteLine();
  }
  if (!Signature.empty()) {
    file.WriteToken("SIG");
    file.WriteToken(Signature);
    file.WriteLine();
  }
  for (int s = 1; s <= 4; ++s) {
    if (const TKelvoSubKomp* sub = Sub(s)) {
      file.WriteToken("PICFILE");
      file.WriteInt(s);
      file.WriteToken(sub->FileName);
      file.WriteLine();
    }
  }
  for (int s = 1; s <= 4; ++s) {
    const TKelvoSubKomp* sub = Sub(s);
    if (sub && sub->Clip) {
      file.WriteToken("OREZAT");
      file.WriteInt(s);
      file.WriteLine();
    }
  }
  for (int s = 1; s <= 4; ++s) {
    if (const TKelvoSubKomp* sub = Sub(s)) {
      file.WriteToken("REF");
      file.WriteInt(s);
      file.WriteGap();
      file.WriteInt(sub->X);
      file.WriteInt(sub->Y);
      file.WriteLine();
    }
  }
  for (int i = 1; i <= 5; ++i) {
    if (Properties[i] == 50) continue;
    file.WriteToken("VL");
    file.WriteInt(i);
    file.WriteInt(Properties[i]);
    file.WriteLine();
  }
  if (!Points.empty()) {
    file.WriteToken("BODY");
    file.WriteInt(PointCount());
    file.WriteLine();
    file.IndentMore(2);
    for (const SnapPoint& p : Points) {
      file.WriteIntPadded(p.X, 4);
      file.WriteIntPadded(p.Y, 4);
      file.WriteGap();
      for (int32_t v : {p.SpreadLeft, p.SpreadRight, p.SpreadUp, p.SpreadDown}) {
        file.WriteIntPadded(v, 3);
      }
      file.WriteGap();
      for (int32_t v : {p.SpanX, p.Stored8, p.SpanY, p.Stored10}) file.WriteIntPadded(v, 3);
      file.WriteLine();
    }
    file.IndentLess(2);
  }
  file.IndentLess(2);
  file.WriteTokenLine("END_OF_COMP");
}

std::string TKelvoKomp::PicFileProblem() const {
  for (int s = 1; s <= 4; ++s) {
    const TKelvoSubKomp* sub = Sub(s);
    if (sub == nullptr) continue;
    if (const std::string_view why = WhyNameLeavesFolder(sub->FileName); !why.empty()) {
      return PicFileText(Name, sub->FileName, why);
    }
  }
  return {};
}

std::string TKelvoKomp::ImagePath(int s) const {
  const TKelvoSubKomp* sub = Sub(s);
  return Container->LibPath + Container->ImageDir + "\\" + (sub ? sub->FileName : "");
}

void TKelvoKomp::LoadImages(TPak& archive) {
  if (ImagesLoaded != 0) {
    if (ImagesLoaded < std::numeric_limits<int16_t>::max()) ++ImagesLoaded;
    return;
  }
  CheckImageNames(*this);
  for (int s = 1; s <= 4; ++s) {
    if (TKelvoSubKomp* sub = Sub(s)) sub->LoadImage(archive, ImagePath(s));
  }
  ImagesLoaded = 1;
}

void TKelvoKomp::UlozData() const {
  CheckImageNames(*this);
  for (int s = 1; s <= 4; ++s) {
    const TKelvoSubKomp* sub = Sub(s);
    if (!sub) continue;
    // The category folder, or the subfolder the file name puts the image in.
    const std::string path = ImagePath(s);
    const size_t cut = sub->FileName.find_last_of("\\/");
    const std::string folder = cut == std::string::npos
                                   ? Container->LibPath + Container->ImageDir
                                   : path.substr(0, path.size() - sub->FileName.size() + cut);
    std::error_code error;
    std::filesystem::create_directories(OsPath(folder), error);
    if (error) throw KelvoError("TKelvoKomp.UlozData: cant Forcedir " + ShownName(folder));
    sub->SaveImage(path);
  }
}

void TKelvoKomp::AddAnim(const std::string& name, int32_t n) {
  // The original shares this wording with DelAnim.
  if (n < 1 || n > 4) throw KelvoError("TKelvoKomp.DelAnim: anim pos out of range");
  const int32_t k = Container->FindByName(name);
  if (k == -1) throw KelvoError("TKelvoKomp.AddAnim: no kompbyname " + name);
  Frames[static_cast<size_t>(n)] = &Container->Komp(k);
}

void TKelvoKomp::DelAnim(int32_t n) {
  if (n < 1 || n > 4) throw KelvoError("TKelvoKomp.DelAnim: anim pos out of range");
  Frames[static_cast<size_t>(n)] = nullptr;
}

TKelvoKomp& TKelvoKomp::Frame(int32_t n) {
  if (n >= 1 && n <= 4 && Frames[static_cast<size_t>(n)]) return *Frames[static_cast<size_t>(n)];
  return *this;
}

const TKelvoKomp& TKelvoKomp::Frame(int32_t n) const {
  return const_cast<TKelvoKomp*>(this)->Frame(n);
}

bool TKelvoKomp::SameContent(const TKelvoKomp& other) const {
  for (size_t n = 1; n < Frames.size(); ++n) {
    const TKelvoKomp* a = Frames[n];
    const TKelvoKomp* b = other.Frames[n];
    if ((a == nullptr) != (b == nullptr)) return false;
    if (a && a->Name != b->Name) return false;
  }
  return Index == other.Index && Name == other.Name && Source == other.Source &&
         Frequency == other.Frequency && Kind == other.Kind && Signature == other.Signature &&
         IsFrame == other.IsFrame && Properties == other.Properties &&
         Subcomponents == other.Subcomponents && Points == other.Points;
}

}  // namespace kelvo
