// The program's icon, drawn from a portrait of the bundled data: a square cut from the middle
// of the picture, reduced to the icon's size by averaging the area each icon pixel covers.
#pragma once

#include "portrait/bmp_writer.h"

namespace kelvo::demo {

inline constexpr int kIconSizes[] = {48, 128, 256};

// picture: at least 1 x 1; size >= 1. The square has the picture's smaller side.
RgbImage IconImage(const RgbImage& picture, int size);

}  // namespace kelvo::demo
