#include "portrait/gallery_grid.h"

#include <algorithm>

#include "portrait/gallery.h"
#include "portrait/portrait.h"

namespace kelvo {

GalleryGrid::GalleryGrid(int columns, int count) : columns_(std::max(1, columns)), count_(count) {}

int GalleryGrid::ColumnsFor(int width) {
  return std::max(1, width / kGalleryCellWidth);
}

int GalleryGrid::ThumbnailX(int n) const {
  return (n - 1) % columns_ * kGalleryCellWidth + kGalleryThumbnailInset;
}

int GalleryGrid::ThumbnailY(int n) const {
  return (n - 1) / columns_ * kGalleryCellHeight + kGalleryThumbnailInset;
}

int GalleryGrid::PortraitAt(int x, int y) const {
  if (x < 0 || y < 0) return 0;
  const int column = x / kGalleryCellWidth;
  if (column >= columns_) return 0;
  const int n = column + columns_ * (y / kGalleryCellHeight) + 1;
  return n <= count_ ? n : 0;
}

Layer GalleryGrid::Draw(const std::vector<Layer>& thumbnails, std::uint16_t background) const {
  Layer grid = std::move(*create_layer(Width(), Height(), "gallery grid"));
  std::fill(grid.pixels.begin(), grid.pixels.end(), background);
  for (int n = 1; n <= static_cast<int>(thumbnails.size()); ++n) {
    const Layer& thumbnail = thumbnails[static_cast<std::size_t>(n - 1)];
    const int x = ThumbnailX(n);
    const int y = ThumbnailY(n);
    // Never past the grid's edges.
    const int width = std::min(thumbnail.width, grid.width - x);
    const int height = std::min(thumbnail.height, grid.height - y);
    for (int row = 0; row < height && width > 0; ++row) {
      std::copy_n(thumbnail.Row(row), width, grid.Row(y + row) + x);
    }
  }
  return grid;
}

std::vector<GalleryLabel> GalleryGrid::Labels(const TKelvoGallery& gallery, int lineHeight) const {
  std::vector<GalleryLabel> labels;
  for (int n = 1; n <= gallery.Count(); ++n) {
    const TKelvoPortret& portrait = gallery.Portrait(n);
    const int x = ThumbnailX(n);
    const int y = ThumbnailY(n);
    const std::string voice = std::to_string(portrait.Voice);
    if (portrait.Name.empty()) {
      labels.push_back({x, y, voice});
    } else {
      labels.push_back({x, y, portrait.Name});
      labels.push_back({x, y + lineHeight, voice});
    }
  }
  return labels;
}

}  // namespace kelvo
