// Writing one subcomponent of a portrait's selected component as 24-bit bitmap files.
#include "library/type_library.h"
#include "portrait/bmp_writer.h"
#include "portrait/path_text.h"
#include "portrait/portrait.h"

namespace kelvo {

namespace {

constexpr Rgb kGreen{0, 255, 0};

// The colour slot of each index as the colour-mask bitmap records it; slot 4 is red.
Rgb SlotColour(uint8_t v) {
  if (v < 64) return kGreen;
  if (v < 128) return Rgb{255, 0, 255};
  if (v < 192) return Rgb{255, 255, 255};
  return Rgb{255, 0, 0};
}

std::string UsualSuffix(int32_t usual, int32_t s) {
  if (usual == 2) {
    if (s == 1) return "_z";
    if (s == 2) return "_p";
  }
  if (usual == 3) {
    if (s == 1) return "_z";
    if (s == 2) return "_s";
    if (s == 3) return "_p";
  }
  return "";
}

}  // namespace

void TKelvoPortret::ExportSubcompBmp(int32_t c, int32_t s, const std::string& path) {
  if (c < 1 || c > kCategoryCount) return;
  const TKelvoKomp* komp = Selected[c];
  const TKelvoSubKomp* sub = komp ? komp->Sub(s) : nullptr;
  if (!sub || sub->Width < 1 || sub->Height < 1) return;
  const bool wide = sub->Bits == 16;
  const size_t count = static_cast<size_t>(sub->Width) * static_cast<size_t>(sub->Height);
  if (sub->Pixels.size() < count * (wide ? 2 : 1)) return;  // images not loaded
  const TKelvoKompKontejner& container = library_->Container(c);
  const int32_t w = sub->Width;
  const int32_t h = sub->Height;
  RgbImage image(w, h);

  if (wide) {
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w; ++x) {
        const uint16_t v = sub->Pixel16(x, y);
        image.At(x, y) = (v == 0 || v == kTransparent565) ? kGreen : split_rgb16(v);
      }
    }
    WriteBmp24(path, image);
    return;
  }

  const PathParts parts = split_path(path);
  std::string base = parts.base + UsualSuffix(container.Usual, s);
  if (container.MaskSecond && s == 2) {
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w; ++x) {
        image.At(x, y) = sub->Pixel8(x, y) ? Rgb{255, 0, 0} : kGreen;
      }
    }
    WriteBmp24(parts.directory + base + "_omsk." + parts.extension, image);
  } else {
    BuildColourRamp(c);
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w; ++x) {
        const uint8_t v = sub->Pixel8(x, y);
        image.At(x, y) = v ? split_rgb16(ColourRamp[v]) : kGreen;
      }
    }
    if (s == container.Shadow) base += "_shd";
    WriteBmp24(parts.directory + base + "." + parts.extension, image);
  }
  if (container.ColourMask) {
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w; ++x) image.At(x, y) = SlotColour(sub->Pixel8(x, y));
    }
    WriteBmp24(parts.directory + base + "_msk." + parts.extension, image);
  }
}

}  // namespace kelvo
