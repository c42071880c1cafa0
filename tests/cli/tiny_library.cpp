#include "cli/tiny_library.h"

#include <filesystem>
#include <vector>

#include "foundation/diagnostics.h"
#include "library/process_context.h"
#include "library/categories.h"
#include "library/type_library.h"

namespace kelvo::cli {
namespace {

TKelvoSubKomp& AddImage8(TKelvoKomp& komp, const std::string& file, int x, int y, int size,
                         uint8_t shade) {
  TKelvoSubKomp& sub = komp.SetSub(1, file);
  sub.X = x;
  sub.Y = y;
  sub.Width = static_cast<int16_t>(size);
  sub.Height = static_cast<int16_t>(size);
  sub.Bits = 8;
  sub.Pixels.assign(static_cast<std::size_t>(size) * size, shade);
  return sub;
}

ColourEntry Entry(int32_t colour, int32_t frequency) {
  ColourEntry e = ColourEntry::WithDefaultProperties();
  e.Colour() = colour;
  e.Contrast() = 85;
  e.Frequency() = frequency;
  return e;
}

}  // namespace

void WriteTinyLibrary(const std::string& data_dir, const std::string& name) {
  CollectingSink sink;
  ProcessOptions options;
  options.program_dir = data_dir;
  options.data_base = data_dir;
  options.computer_name = "test";
  ProcessContext context(sink, options);
  TKelvoTyp library(context.Archive(), name);

  TKelvoKompKontejner& backgrounds = library.Container(kBackgrounds);
  backgrounds.Bits = 16;
  backgrounds.ImageDir = "poz";
  backgrounds.AddPoint(kFaces);
  backgrounds.AddPoint(kMouths);
  TKelvoKomp& bg = backgrounds.NewComponent("bg");
  bg.Frequency = 100;
  bg.Points = {SnapPoint{.X = 50, .Y = 60}, SnapPoint{.X = 150, .Y = 300}};
  TKelvoSubKomp& bgImage = bg.SetSub(1, "bg.img");
  bgImage.Width = 10;
  bgImage.Height = 10;
  bgImage.Bits = 16;
  bgImage.Pixels.resize(200);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) bgImage.SetPixel16(x, y, kTinyBackground);
  }

  TKelvoKompKontejner& faces = library.Container(kFaces);
  faces.ImageDir = "obl";
  faces.ColourSlots[1] = 1;
  struct FaceRow {
    const char* name;
    int frequency;
    uint8_t shade;
    bool frame;
  };
  for (const FaceRow& row :
       {FaceRow{"face_a", 3, 32, false}, FaceRow{"face_b", 1, 16, false},
        FaceRow{"face_zero", 0, 63, false}, FaceRow{"face_blink", 5, 63, true}}) {
    TKelvoKomp& face = faces.NewComponent(row.name);
    face.Frequency = row.frequency;
    face.IsFrame = row.frame;
    if (std::string(row.name) == "face_b") face.Properties[1] = 0;
    AddImage8(face, std::string(row.name) + ".img", 0, 0, 4, row.shade);
  }

  TKelvoKompKontejner& mouths = library.Container(kMouths);
  mouths.ImageDir = "pus";
  mouths.ColourSlots[1] = 1;
  TKelvoKomp& mouth = mouths.NewComponent("mouth");
  mouth.Frequency = 10;
  AddImage8(mouth, "mouth.img", 0, 0, 4, 32);
  TKelvoKomp& open = mouths.NewComponent("mouth_open");
  open.IsFrame = true;
  AddImage8(open, "mouth_open.img", 0, 0, 8, 63);
  mouth.AddAnim("mouth_open", 1);

  library.AddDependency(kBackgrounds, kFaces);
  library.AddDependency(kBackgrounds, kMouths);
  TDruhBarvy& skin = library.ColourType(1);
  skin.Name = "skin";
  skin.Entries = {Entry(0x0000FF, 1), Entry(0x808080, 1)};
  library.DrawOrder = {DrawOrderEntry{kBackgrounds, 1, 'N'}, DrawOrderEntry{kFaces, 1, 'N'},
                       DrawOrderEntry{kMouths, 1, 'N'}};
  library.AddPlaceholders();

  const std::string folder = data_dir + "/" + name;
  std::filesystem::create_directories(folder);
  library.SaveTextAs(folder);
  library.SaveImagesAs(folder);
}

}  // namespace kelvo::cli
