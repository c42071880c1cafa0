// A small type library built in memory: one empty component in every category, to which tests
// add images, points and colours. Portraits made here select component 1 everywhere.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/test_support.h"
#include "library/type_library.h"
#include "portrait/portrait.h"

namespace kelvo::test {

class PortraitFixture : public testing::Test {
 protected:
  PortraitFixture() {
    library = std::make_unique<TKelvoTyp>(context->Archive(), "lib\\");
    for (int c = 1; c <= kCategoryCount; ++c) Container(c).NewComponent("none").Frequency = 0;
  }

  TKelvoKompKontejner& Container(int c) { return library->Container(c); }
  TKelvoKomp& Komp(int c, int n = 1) { return Container(c).Komp(n); }

  TKelvoSubKomp& Image8(int c, int s, int x, int y, int w, int h, std::vector<uint8_t> pixels,
                        int n = 1) {
    TKelvoSubKomp& sub = Komp(c, n).SetSub(s, "img" + std::to_string(s));
    sub.X = x;
    sub.Y = y;
    sub.Width = static_cast<int16_t>(w);
    sub.Height = static_cast<int16_t>(h);
    sub.Bits = 8;
    sub.Pixels = std::move(pixels);
    Komp(c, n).ImagesLoaded = 1;
    return sub;
  }

  TKelvoSubKomp& Image16(int c, int s, int x, int y, int w, int h,
                         const std::vector<uint16_t>& pixels, int n = 1) {
    TKelvoSubKomp& sub = Image8(c, s, x, y, w, h, std::vector<uint8_t>(pixels.size() * 2), n);
    sub.Bits = 16;
    for (int i = 0; i < w * h; ++i) sub.SetPixel16(i % w, i / w, pixels[static_cast<size_t>(i)]);
    return sub;
  }

  // Category `on` sits on a new point (x, y) of component 1 of category c.
  SnapPoint& AddPoint(int c, int on, int x, int y) {
    Container(c).AddPoint(on);
    SnapPoint point;
    point.X = x;
    point.Y = y;
    Komp(c).Points.push_back(point);
    return Komp(c).Points.back();
  }

  void Draw(int c, int s, char kind) { library->DrawOrder.push_back({c, s, kind}); }

  ColourEntry& AddColour(int type, int32_t colour, int32_t contrast, int32_t frequency = 100) {
    ColourEntry entry = ColourEntry::WithDefaultProperties();
    entry.Colour() = colour;
    entry.Contrast() = contrast;
    entry.Frequency() = frequency;
    library->ColourType(type).Entries.push_back(entry);
    return library->ColourType(type).Entries.back();
  }

  std::unique_ptr<TKelvoPortret> MakePortrait() {
    auto portrait = std::make_unique<TKelvoPortret>(*library);
    for (int c = 1; c <= kCategoryCount; ++c) portrait->Selected[c] = &Komp(c);
    return portrait;
  }

  TestContext context;
  std::unique_ptr<TKelvoTyp> library;
};

}  // namespace kelvo::test
