// The gallery's grid of thumbnails, as the gallery window shows it and `kelvo sheet` draws it:
// cells of 88 x 108 pixels, `columns` to a row; portrait n (from 1) lies in column
// (n - 1) mod columns and row (n - 1) div columns, and its thumbnail and text go 4 pixels in
// from the cell's corner. An empty grid still has one row.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "portrait/layer.h"

namespace kelvo {

class TKelvoGallery;

inline constexpr int kGalleryCellWidth = 88;
inline constexpr int kGalleryCellHeight = 108;
inline constexpr int kGalleryThumbnailInset = 4;

// One line of thumbnail text, in grid pixels.
struct GalleryLabel {
  int X = 0;
  int Y = 0;
  std::string Text;
};

class GalleryGrid {
 public:
  // Fewer than one column count as one.
  GalleryGrid(int columns, int count);
  // The columns of a client area `width` pixels wide: width div 88, at least 1.
  static int ColumnsFor(int width);

  int Columns() const { return columns_; }
  int Rows() const { return count_ <= 0 ? 1 : (count_ - 1) / columns_ + 1; }
  int Width() const { return columns_ * kGalleryCellWidth; }
  int Height() const { return Rows() * kGalleryCellHeight; }
  // Where portrait n's thumbnail and text go.
  int ThumbnailX(int n) const;
  int ThumbnailY(int n) const;
  // The portrait whose cell holds the grid point, or 0 where there is none.
  int PortraitAt(int x, int y) const;

  // The grid picture: the background, thumbnail i at portrait i + 1's place.
  Layer Draw(const std::vector<Layer>& thumbnails, std::uint16_t background) const;
  // The texts of the gallery's portraits: the name at the thumbnail's point and the voice number
  // `lineHeight` pixels under it, or the voice number alone when there is no name.
  std::vector<GalleryLabel> Labels(const TKelvoGallery& gallery, int lineHeight) const;

 private:
  int columns_;
  int count_;
};

}  // namespace kelvo
