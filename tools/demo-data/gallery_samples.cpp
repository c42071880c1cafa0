#include "gallery_samples.h"

#include "library/process_context.h"
#include "library/type_library.h"
#include "portrait/gallery.h"
#include "portrait/portrait.h"

namespace kelvo::demo {

void WriteSampleGallery(ProcessContext& context, const std::string& name, const std::string& path) {
  TKelvoTyp library(context.Archive(), name);
  library.LoadAll();
  TKelvoGallery gallery(context, library, name, path);
  // A sequence of its own, so every build ships the same galleries.
  RandomGenerators random;
  const char* labels[] = {"Recruit", "American", "Arabian", "Russian"};
  for (int i = 0; i < 12; ++i) {
    TKelvoPortret portrait(library);
    const int group = i / 3;
    if (group == 0) {
      portrait.RandomComponents(random);
      portrait.RandomColours(random);
    } else {
      portrait.ApplyNationPreset(static_cast<Nation>(group - 1));
      for (int c = 1; c <= 14; ++c) {
        portrait.Selected[c] =
            &library.Container(c).Komp(portrait.RandomComponentIndexByProperties(c, random));
      }
      portrait.RandomColoursByProperties(random);
    }
    portrait.Name = std::string(labels[group]) + " " + std::to_string(i % 3 + 1);
    portrait.ComputePositions();
    gallery.Add(portrait);
  }
  gallery.Save(path);
}

}  // namespace kelvo::demo
