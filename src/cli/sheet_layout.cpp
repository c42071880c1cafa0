#include "cli/sheet_layout.h"

#include <algorithm>

#include "cli/image_output.h"
#include "cli/label_font.h"
#include "portrait/gallery.h"
#include "portrait/gallery_grid.h"

namespace kelvo::cli {

Layer DrawContactSheet(const TKelvoGallery& gallery, const std::vector<Layer>& thumbnails,
                       int columns) {
  const GalleryGrid grid(columns, gallery.Count());
  Layer sheet = grid.Draw(thumbnails, kButtonFace);
  // A label stays inside its own cell, clear of the next thumbnail.
  const int textWidth = kGalleryCellWidth - kGalleryThumbnailInset;
  for (const GalleryLabel& label : grid.Labels(gallery, kLabelLineHeight)) {
    DrawLabel(sheet, label.X, label.Y, label.Text, textWidth, 0, kButtonFace);
  }
  return sheet;
}

Layer DrawTileSheet(const std::vector<Layer>& tiles, int columns, int tileWidth, int tileHeight) {
  columns = std::max(columns, 1);
  const int count = static_cast<int>(tiles.size());
  const int rows = count == 0 ? 0 : (count - 1) / columns + 1;
  Layer sheet = std::move(*create_layer(columns * tileWidth, rows * tileHeight, "tiles"));
  for (int i = 0; i < count; ++i) {
    Blit(tiles[static_cast<std::size_t>(i)], sheet, (i % columns) * tileWidth,
         (i / columns) * tileHeight);
  }
  return sheet;
}

}  // namespace kelvo::cli
