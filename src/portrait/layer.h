// The small raster library: off-screen 16-bit 5-6-5 layers, windows (row views over a
// displayable 16-bit image), row copies between them and box-averaging reductions.
// A layer owns its pixels; a window owns only its row pointers, the image it views is owned
// elsewhere and must outlive it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

class ELayerException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Right and bottom are exclusive.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Layer {
  int32_t width = 0;
  int32_t height = 0;
  int32_t stride = 0;  // bytes per row, a multiple of 4
  std::vector<uint16_t> pixels;
  bool is565 = true;

  uint16_t* Row(int32_t y) { return pixels.data() + static_cast<size_t>(y) * WordsPerRow(); }
  const uint16_t* Row(int32_t y) const {
    return pixels.data() + static_cast<size_t>(y) * WordsPerRow();
  }
  uint16_t& At(int32_t x, int32_t y) { return Row(y)[x]; }
  uint16_t At(int32_t x, int32_t y) const { return Row(y)[x]; }
  size_t WordsPerRow() const { return static_cast<size_t>(stride) / 2; }
};

// A displayable 16-bit 5-6-5 image; rows are 4-byte aligned so a GUI image can share the bits.
class Bitmap16 {
 public:
  Bitmap16(int32_t width, int32_t height);
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  int32_t BytesPerLine() const { return bytes_per_line_; }
  uint8_t* Bits() { return reinterpret_cast<uint8_t*>(words_.data()); }
  const uint8_t* Bits() const { return reinterpret_cast<const uint8_t*>(words_.data()); }
  uint16_t* Row(int32_t y) {
    return words_.data() + static_cast<size_t>(y) * (bytes_per_line_ / 2);
  }

 private:
  int32_t width_;
  int32_t height_;
  int32_t bytes_per_line_;
  std::vector<uint16_t> words_;
};

struct Window {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint16_t*> rows;  // one per scan line, row 0 first; not owned
};

// Negative sizes give an empty layer. The label names the asker and is otherwise ignored.
std::unique_ptr<Layer> create_layer(int32_t width, int32_t height, std::string_view label = {});
void free_layer(std::unique_ptr<Layer>& layer);

std::unique_ptr<Bitmap16> create_bitmap16(int32_t width, int32_t height);
std::unique_ptr<Window> create_window(Bitmap16& bitmap);
// A window over any 16-bit image with addressable rows (a GUI image's scan lines).
std::unique_ptr<Window> create_window(int32_t width, int32_t height, uint8_t* first_row,
                                      std::ptrdiff_t bytes_per_line);
void free_window(std::unique_ptr<Window>& window);

// Fills the rectangle [left, right) x [top, bottom) clipped to the layer: a rectangle wholly
// outside, or empty, draws nothing. 64-bit edges so marks at any 32-bit point stay exact.
void fill_rect(Layer& layer, int64_t left, int64_t top, int64_t right, int64_t bottom,
               uint16_t pixel);

// Copies the layer into the window's top-left corner, an even number of pixels per row.
void paste_layer2win(const Layer* layer, Window* window);
// Both rectangles must have the same size and lie inside their layers.
void paste_layer2layer_rect(const Rect& src_rect, const Layer* src, const Rect& dst_rect,
                            Layer* dst);
// Box average of the whole source into the destination's top-left corner; a destination too
// small, or a factor below 1, leaves it unchanged.
void reduce_layer(int32_t factor, const Layer& src, Layer& dst);
// The same over the block grid of one rectangle; the blocks must lie inside the source.
void reduce_layer_rect(int32_t factor, const Rect& rect, const Layer& src, Layer& dst);

}  // namespace kelvo
