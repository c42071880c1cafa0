// The layouts of the tool's sheets over plain pictures: the gallery window's contact-sheet grid
// and the animation sheet's grid of equal tiles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "portrait/layer.h"

namespace kelvo::cli {

inline constexpr int kCellWidth = 88;
inline constexpr int kCellHeight = 108;
inline constexpr int kThumbnailWidth = 80;
inline constexpr int kThumbnailHeight = 100;
// The gallery window opens with a client width of 731 pixels: eight columns.
inline constexpr int kSheetColumns = 8;
// The grid's background, the usual button-face grey (240, 240, 240).
inline constexpr std::uint16_t kButtonFace = 0xF79E;

struct SheetPortrait {
  Layer thumbnail;  // 80 x 100
  std::string name;
  int voice = 0;
};

// The grid as the gallery window draws it: each portrait's thumbnail at its cell point
// (column * 88 + 4, row * 108 + 4), the name there and the voice under it, or only the voice
// when there is no name. An empty gallery gives one empty row.
Layer DrawContactSheet(const std::vector<SheetPortrait>& portraits, int columns = kSheetColumns);

// Tiles of equal size, row by row, `columns` to a row.
Layer DrawTileSheet(const std::vector<Layer>& tiles, int columns, int tileWidth, int tileHeight);

}  // namespace kelvo::cli
