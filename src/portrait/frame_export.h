// "Save As BMP": a portrait's animation frames as 24-bit bitmap files. For the base name P
// (the chosen name without its extension) the set is, in this order: P_Mouth_0..3,
// P_Eyes_0..3 and P_EyeBrows_0..1 (each step of the category on the whole portrait), the
// frames without background P_Mouth_NB_0..3 and P_Eyes_NB_0..3 (only the stepped category
// drawn, every pixel equal to the background-only picture set to pure red), and P itself (the
// portrait without mouth and eyes). The editor and `kelvo frames` share it; each supplies the
// drawing, so the drawing options in force shape every file. Every file is written whole or
// not at all.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "portrait/layer.h"

namespace kelvo {

class TKelvoPortret;

struct FrameExportCategory {
  int32_t Category;
  const char* Label;
};

// The animated export categories in their order; the first two also give frames without
// background.
inline constexpr std::array<FrameExportCategory, 3> kFrameExportCategories{
    {{7, "Mouth"}, {5, "Eyes"}, {9, "EyeBrows"}}};
inline constexpr int kFrameExportWithoutBackground = 2;

// Draws the portrait as it stands now (selections, hide flags) and returns the 320 x 400
// picture; the reference stays valid until the next call.
class FrameDrawer {
 public:
  virtual ~FrameDrawer() = default;
  virtual const Layer& Draw(TKelvoPortret& portrait) = 0;
};

// The drawing of the command line: no spread, the hide flags of the portrait, no marks.
class PlainFrameDrawer : public FrameDrawer {
 public:
  const Layer& Draw(TKelvoPortret& portrait) override;
};

// The chosen name without its extension ("a\b.c\portrait.bmp" -> "a\b.c\portrait").
std::string FrameFileBase(const std::string& chosen);

// The names of the set for a base name, in the order they are written.
std::vector<std::string> FrameFileNames(const std::string& base);

// Writes the set; returns the names written. The selections and the hide flags are those of
// the start again when it returns or throws (an IoError naming the file that failed).
std::vector<std::string> ExportFrameFiles(TKelvoPortret& portrait, const std::string& base,
                                          FrameDrawer& drawer);

}  // namespace kelvo
