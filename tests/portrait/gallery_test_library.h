// Test data for the gallery and frame tests: a type library built in memory with one component
// "first" in every category (tests add more, with images and frames), portraits selecting
// component 1 everywhere, and small type library folders on disk for libraries a gallery loads.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "library/library_registry.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo::test {

class GalleryLibraryFixture : public testing::Test {
 protected:
  GalleryLibraryFixture() {
    library = std::make_unique<TKelvoTyp>(context->Archive(), "lib\\");
    for (int c = 1; c <= kCategoryCount; ++c) Container(c).NewComponent("first").Frequency = 1;
  }

  TKelvoKompKontejner& Container(int c) { return library->Container(c); }
  TKelvoKomp& Komp(int c, int n = 1) { return Container(c).Komp(n); }
  TKelvoKomp& AddKomp(int c, const std::string& name) { return Container(c).NewComponent(name); }

  // A solid w x h 16-bit image as subcomponent s of the component; marks its images loaded.
  static TKelvoSubKomp& Solid16(TKelvoKomp& komp, int s, int x, int y, int w, int h,
                                uint16_t colour) {
    TKelvoSubKomp& sub = komp.SetSub(s, "img" + std::to_string(s));
    sub.X = x;
    sub.Y = y;
    sub.Width = static_cast<int16_t>(w);
    sub.Height = static_cast<int16_t>(h);
    sub.Bits = 16;
    sub.Pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h) * 2, 0);
    for (int yy = 0; yy < h; ++yy) {
      for (int xx = 0; xx < w; ++xx) sub.SetPixel16(xx, yy, colour);
    }
    komp.ImagesLoaded = 1;
    return sub;
  }

  std::unique_ptr<TKelvoPortret> MakePortrait() {
    auto portrait = std::make_unique<TKelvoPortret>(*library);
    for (int c = 1; c <= kCategoryCount; ++c) portrait->Selected[c] = &Komp(c);
    return portrait;
  }

  // A library folder under the archive's base: every category empty (so it gets its
  // placeholder) except the eyes, which hold the given components.
  void WriteLibraryFolder(const std::string& name, const std::vector<std::string>& eyes) {
    const std::string dir = "data/" + name + "/";
    context.folder.Write(dir + "dro", "DRAWORDER\r\nEND_OF_DRAWORDER\r\n");
    context.folder.Write(dir + "dep", "DEPENDENCIES\r\nEND_OF_DEPENDENCIES\r\n");
    std::string cmp = "COMPONENTS\r\n  TYP OCI\r\n    PATH oci\r\n";
    for (const std::string& eye : eyes) cmp += "    COMP " + eye + "\r\n    END_OF_COMP\r\n";
    cmp += "  END_OF_TYP\r\nEND_OF_COMPONENTS\r\n";
    context.folder.Write(dir + "cmp", cmp);
    context.folder.Write(dir + "col", "COLORS\r\nEND_OF_COLORS\r\n");
  }

  LoadedLibraries& Libraries() { return context->Libraries(); }

  TestContext context;
  std::unique_ptr<TKelvoTyp> library;
};

}  // namespace kelvo::test
