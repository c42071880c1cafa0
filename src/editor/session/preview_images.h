// The pictures of the four preview windows: window 1 shows the rendered 320 x 400 portrait with
// the snapping-point marks drawn over it, windows 2 to 4 its box-averaged reductions by 2, 4
// and 8. Owned by the editor model; the preview windows only display them.
#pragma once

#include <array>
#include <cstdint>

#include "portrait/layer.h"

namespace kelvo {

// A read-only view of 16-bit 5-6-5 pixels, row-major, Stride pixels per row.
struct ImageView {
  const std::uint16_t* Pixels = nullptr;
  int Width = 0;
  int Height = 0;
  int Stride = 0;
  std::uint16_t At(int x, int y) const { return Pixels[y * Stride + x]; }
};

// A view of a layer's pixels; the layer must outlive it.
ImageView ViewOf(const Layer& layer);

class PreviewImages {
 public:
  static constexpr int kWindowCount = 4;
  static constexpr int kFullWidth = 320;
  static constexpr int kFullHeight = 400;

  PreviewImages();

  // 1, 2, 4, 8 for windows 1..4.
  static int Factor(int window) { return 1 << (window - 1); }

  // Copies a full-size rendering into window 1.
  void ShowFull(const Layer& canvas);
  // Recomputes window 2..4 from a full-size rendering by box averages; window 1 ignores it.
  void ShowReduced(int window, const Layer& canvas);
  // A plus sign of pen width 3 on window 1: strokes from (x, y - 3) to (x, y + 3) and from
  // (x - 3, y) to (x + 3, y); colour value with red in the low byte. Clipped to the image.
  void DrawCross(std::int64_t x, std::int64_t y, std::uint32_t colour);

  ImageView View(int window) const;

 private:
  // Each window keeps its picture for the whole run, so showing a rendering allocates nothing.
  std::array<Layer, kWindowCount> images_;
};

}  // namespace kelvo
