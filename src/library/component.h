// One selectable component of a category: name, frequency, properties, up to four subcomponent
// images, its snapping points and up to four animation frames. It owns its subcomponents and
// points; its frames are other components of the same container and are not owned.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "foundation/one_based.h"
#include "library/categories.h"
#include "library/subcomponent.h"

namespace kelvo {

class KeywordFile;
class TPak;
class TKelvoKompKontejner;

// Twelve numbers per point; the first ten are stored in the component file in this order.
struct SnapPoint {
  int32_t X = 0, Y = 0;  // relative to the component's position
  int32_t SpreadLeft = 0, SpreadRight = 0, SpreadUp = 0, SpreadDown = 0;
  int32_t SpanX = 0;    // default horizontal span
  int32_t Stored8 = 0;  // kept and written back
  int32_t SpanY = 0;    // default vertical span
  int32_t Stored10 = 0;
  int32_t SpreadOffsetX = 0, SpreadOffsetY = 0;  // set by the spread commands, not stored

  bool operator==(const SnapPoint&) const = default;
};

class TKelvoKomp {
 public:
  // `category` is the container's index; `container` must outlive the component.
  TKelvoKomp(int32_t category, TKelvoKompKontejner* container);
  TKelvoKomp(const TKelvoKomp&) = delete;
  TKelvoKomp& operator=(const TKelvoKomp&) = delete;

  int32_t Index;  // its category
  std::string Name;
  std::string Source;
  int32_t Frequency = 0;  // CETNOST
  int32_t Kind = 0;       // DRUH: head number
  std::string Signature;  // SIG
  bool IsFrame = false;   // ANIMACE: an animation frame, never chosen at random
  // Frames[0] is the component itself; Frames[1..4] are frames of the same container or null.
  std::array<TKelvoKomp*, 5> Frames{};
  OneBased<int32_t, kPropertyCount> Properties{50, 50, 50, 50, 50};  // VL
  TKelvoKompKontejner* Container;
  int16_t ImagesLoaded = 0;  // 0 until loaded, then counts load requests
  OneBased<std::optional<TKelvoSubKomp>, kSubcomponentCount> Subcomponents;
  std::vector<SnapPoint> Points;  // point n (1..) is Points[n - 1]

  int32_t PointCount() const { return static_cast<int32_t>(Points.size()); }
  SnapPoint& Point(int32_t n) { return Points.at(static_cast<size_t>(n - 1)); }
  const SnapPoint& Point(int32_t n) const { return Points.at(static_cast<size_t>(n - 1)); }
  // Subcomponent s (1..4), or null when missing or out of range.
  TKelvoSubKomp* Sub(int s);
  const TKelvoSubKomp* Sub(int s) const;
  // Puts a new subcomponent with this file name into slot s (1..4), replacing any there.
  TKelvoSubKomp& SetSub(int s, const std::string& fileName);

  // Reads a COMP record after its keyword, up to and including END_OF_COMP.
  void ReadRecord(KeywordFile& file);
  void WriteRecord(KeywordFile& file) const;

  // Why a PICFILE name would lead out of the category folder, as a message naming it and the
  // component; empty when every name stays inside.
  std::string PicFileProblem() const;
  // The file name of subcomponent s (1..4) below the library: LibPath + ImageDir + "\" + name.
  std::string ImagePath(int s) const;

  // Loads each subcomponent's image once; later calls only count. Throws KelvoError without
  // reading when PATH or a PICFILE name would lead out of its folder.
  void LoadImages(TPak& archive);
  // Writes the images under the container's LibPath + ImageDir, creating the folders (a file
  // name may hold subfolders). Throws KelvoError before writing anything when PATH or a
  // PICFILE name would lead out of its folder.
  void UlozData() const;

  // Frame n (1..4) := the first component of the container named `name`.
  void AddAnim(const std::string& name, int32_t n);
  void DelAnim(int32_t n);
  // Frame n (0..4) if present, else the component itself.
  TKelvoKomp& Frame(int32_t n);
  const TKelvoKomp& Frame(int32_t n) const;

  // Same data, with frames compared by name; the container and the load count are not
  // compared.
  bool SameContent(const TKelvoKomp& other) const;
};

}  // namespace kelvo
