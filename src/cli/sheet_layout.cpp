#include "cli/sheet_layout.h"

#include <algorithm>

#include "cli/image_output.h"
#include "cli/label_font.h"

namespace kelvo::cli {

Layer DrawContactSheet(const std::vector<SheetPortrait>& portraits, int columns) {
  columns = std::max(columns, 1);
  const int count = static_cast<int>(portraits.size());
  const int rows = count == 0 ? 1 : (count - 1) / columns + 1;
  Layer sheet = std::move(*create_layer(columns * kCellWidth, rows * kCellHeight, "sheet"));
  FillRect(sheet, 0, 0, sheet.width, sheet.height, kButtonFace);
  const int textWidth = kCellWidth - 4;
  for (int i = 0; i < count; ++i) {
    const SheetPortrait& p = portraits[static_cast<std::size_t>(i)];
    const int x = (i % columns) * kCellWidth + 4;
    const int y = (i / columns) * kCellHeight + 4;
    Blit(p.thumbnail, sheet, x, y);
    const std::string voice = std::to_string(p.voice);
    if (p.name.empty()) {
      DrawLabel(sheet, x, y, voice, textWidth, 0, kButtonFace);
    } else {
      DrawLabel(sheet, x, y, p.name, textWidth, 0, kButtonFace);
      DrawLabel(sheet, x, y + kLabelLineHeight, voice, textWidth, 0, kButtonFace);
    }
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
