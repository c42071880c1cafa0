// One image part of a component: a rectangle of 8- or 16-bit pixels and its offset from the
// component's position. The component owns its subcomponents; a subcomponent owns its pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

class TPak;

// Largest image (width x height) accepted from an image file: four times the 320 x 400 canvas.
inline constexpr int32_t kMaxImagePixels = 512000;
// The transparent pixel of depth-16 images (pure green).
inline constexpr uint16_t kTransparentKey = 0x07E0;

class TKelvoSubKomp {
 public:
  std::string FileName;  // inside the category's image folder
  int32_t X = 0;         // offset of the top-left pixel from the component's position
  int32_t Y = 0;
  bool Clip = false;  // OREZAT
  // Width x Height pixels, top row first, no padding. Depth 8: one byte each (0 transparent,
  // else 64 * (slot - 1) + level). Depth 16: little-endian 5-6-5 words, 0x07E0 transparent.
  // Empty means the image has no pixels.
  std::vector<uint8_t> Pixels;
  int16_t Width = 0;
  int16_t Height = 0;
  uint8_t Bits = 0;  // 8 or 16; set from the container before an import
  // Depth 16 without a transparent pixel, so the renderer may copy it plainly. Decided when
  // the pixels load or import; code that writes Pixels directly calls UpdateOpaque after.
  bool Opaque = false;

  void UpdateOpaque();
  bool HasPixels() const { return !Pixels.empty(); }
  uint8_t Pixel8(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
  uint16_t Pixel16(int x, int y) const {
    const size_t i = 2 * (static_cast<size_t>(y) * Width + x);
    return static_cast<uint16_t>(Pixels[i] | (Pixels[i + 1] << 8));
  }
  void SetPixel16(int x, int y, uint16_t v) {
    const size_t i = 2 * (static_cast<size_t>(y) * Width + x);
    Pixels[i] = static_cast<uint8_t>(v & 0xFF);
    Pixels[i + 1] = static_cast<uint8_t>(v >> 8);
    if (v == kTransparentKey) Opaque = false;
  }

  // Replaces pixels, size and depth from a library image file read through the archive.
  // Throws "Cannot load " + path, "Picture 4x bigger than size of the window: " + path, or an
  // error naming the file when its depth is neither 8 nor 16 or it is shorter than its header
  // announces; the old image then stays.
  void LoadImage(TPak& archive, const std::string& path);

  // Writes the image file on disk (not through the archive); nothing happens without pixels.
  // Throws "Failed to create " + path.
  void SaveImage(const std::string& path) const;

  // Builds the image from an uncompressed bottom-up 24-bit bitmap (and, at depth 8, an optional
  // colour-mask bitmap of the same size; an empty mask path means none). Depth 16 packs 5-6-5;
  // depth 8 makes grey levels with colour slots from the mask, centred and cropped to the
  // visible pixels. Returns false when a depth-8 bitmap has no visible pixel. Throws "Failed to
  // open " + path, "Picture 4x bigger than size of the window: " + path above 512000 pixels, an
  // error naming a malformed or truncated file, and FatalDataError when the mask's size differs
  // from the bitmap's.
  bool ImportBitmap(TPak& archive, const std::string& bitmapPath, const std::string& maskPath);

  // Compares the image, not the derived Opaque flag.
  bool operator==(const TKelvoSubKomp& other) const;
};

}  // namespace kelvo
