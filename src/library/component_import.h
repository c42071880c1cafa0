// Bringing artwork from bitmap files into a category: which files one picked bitmap stands for
// (ordinary images, colour masks, a clipping mask, a shadow), the new component built from them,
// and either its addition to the container or the replacement of an existing component's
// images. The editor asks its questions through the prompter, the command-line tool answers them
// from its flags; both meet here through ImportQuestions. Nothing in the container changes until
// every image has been read, so a bad file leaves the library as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foundation/one_based.h"
#include "library/categories.h"

namespace kelvo {

class TPak;
class TKelvoKomp;
class TKelvoKompKontejner;

inline constexpr const char* kNothingImportedText = "Nothing will be imported! I expected:";

struct ImportSlot {
  std::string File;  // base name without folder and extension; empty: no file for this slot
  bool ColourMask = false;
};

struct ImportPlan {
  std::string Folder;     // of the picked file, with its trailing separator
  std::string BaseName;   // the picked file's name without extension
  std::string Extension;  // after the last "." of the name
  std::string Name;       // the component's name
  OneBased<ImportSlot, kSubcomponentCount> Slots;  // by subcomponent
  int ClipMaskSlot = 0;                            // 0: no clipping mask found
  // "\r\n" before each candidate name, the last candidate first.
  std::string Expected;
  // Files found for a slot beyond the fourth (USUAL 3 with clipping mask and shadow): not read.
  std::vector<std::string> Left;

  // One line per file and colour mask, each ended by "\r\n"; empty when nothing was found.
  std::string Summary() const;
  // "To group " + category + " will be imported:" and the summary (and the files left out).
  std::string Confirmation(const std::string& category) const;
  std::string NothingFound() const { return kNothingImportedText + Expected; }
  // The subcomponent name for slot r: Name up to its first "_" + "_s" + two digits.
  std::string SubcomponentName(int slot) const;
};

// Splits the picked path and looks for the files the container's settings expect beside it;
// existence is checked through the archive.
ImportPlan PlanImport(TPak& archive, const TKelvoKompKontejner& container, const std::string& path);

class ImportQuestions {
 public:
  virtual ~ImportQuestions() = default;
  virtual bool IsAnimation() = 0;
  virtual bool UseShiftOf(const std::string& componentName) = 0;
  virtual bool PlaceClipMask() = 0;  // the sets differ only in the clipping-mask slot
};

struct ImportResult {
  TKelvoKomp* Component = nullptr;  // the added component, or the one whose images were replaced
  bool Added = false;
};

// Reads every file of the plan (images always with ".bmp") into a new component like `like`
// (its snapping points; null: all points zero), then adds it or replaces the images of the
// component of the same name. Throws the image reader's errors, with the container unchanged;
// a colour mask of the wrong size is a FatalDataError whose text names the files.
ImportResult ImportComponent(TPak& archive, TKelvoKompKontejner& container, const ImportPlan& plan,
                             const TKelvoKomp* like, ImportQuestions& questions);

// `wanted`, unless an image of a component other than `owner` already has that file name
// (saving would write one image over the other): then wanted + "_2", "_3" ...
std::string UnusedImageName(const TKelvoKompKontejner& container, const std::string& wanted,
                            const TKelvoKomp* owner);

// The subcomponent name a bitmap gives slot s: its base name up to and including the first
// "_" (all of it without one) + "_s" + s in two digits ("eye_a" in slot 3: "eye__s03").
std::string SlotImageName(const std::string& baseName, int slot);

// Offset a subcomponent imported into a slot takes instead of its own (the old one's).
struct KeptOffset {
  int32_t X = 0;
  int32_t Y = 0;
};

// One bitmap into slot `slot` (1..4) of `component`, at the container's depth, with the
// "_msk" file beside it as colour mask when the container uses colour masks and that file
// exists. The component's other images are loaded first. The slot changes only when the image
// was read: false (slot unchanged) when a depth-8 bitmap has no visible pixel; the reader's
// errors are thrown with the component unchanged (a mask of the wrong size as FatalDataError
// naming both files).
bool ImportSubcomponent(TPak& archive, TKelvoKomp& component, int slot, const std::string& path,
                        const std::optional<KeptOffset>& keep);

}  // namespace kelvo
