// The layouts of the tool's sheets over plain pictures: the gallery window's contact-sheet grid
// and the animation sheet's grid of equal tiles.
#pragma once

#include <cstdint>
#include <vector>

#include "portrait/layer.h"

namespace kelvo {
class TKelvoGallery;
}

namespace kelvo::cli {

// The gallery window opens with a client width of 731 pixels: eight columns.
inline constexpr int kSheetColumns = 8;
// The grid's background, the usual button-face grey (240, 240, 240).
inline constexpr std::uint16_t kButtonFace = 0xF79E;

// The gallery's grid (portrait/gallery_grid.h) as the gallery window draws it, with the names
// and voices in the tool's label font; thumbnail i belongs to portrait i + 1.
Layer DrawContactSheet(const TKelvoGallery& gallery, const std::vector<Layer>& thumbnails,
                       int columns = kSheetColumns);

// Tiles of equal size, row by row, `columns` to a row.
Layer DrawTileSheet(const std::vector<Layer>& tiles, int columns, int tileWidth, int tileHeight);

}  // namespace kelvo::cli
