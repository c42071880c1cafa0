// A small built-in 5 x 7 font for the labels of the contact sheet, so the tool draws text
// the same on every machine without a display or installed fonts.
#pragma once

#include <cstdint>
#include <string_view>

#include "portrait/layer.h"

namespace kelvo::cli {

inline constexpr int kLabelCharWidth = 6;
inline constexpr int kLabelLineHeight = 11;

// Draws text (8-bit, Windows-1250) with its top-left corner at (x, y): ink on a paper box,
// at most maxWidth pixels wide. Letters with diacritics are drawn as their base letter and
// other characters outside ASCII as '?'. Returns the width drawn.
int DrawLabel(Layer& image, int x, int y, std::string_view text, int maxWidth, std::uint16_t ink,
              std::uint16_t paper);

}  // namespace kelvo::cli
