// The 256-entry recolouring table of 8-bit images: entries 64 * (s - 1) .. 64 * (s - 1) + 63
// belong to colour slot s and run from black through the slot's colour towards white.
#pragma once

#include <array>
#include <cstdint>

namespace kelvo {

using ColourRampTable = std::array<uint16_t, 256>;

struct ColourAndContrast {
  int32_t colour = 0;  // red in the low byte
  int32_t contrast = 0;
};

// The 64 entries of one slot (1..4). Integer luminance as the renderer computes it.
void FillRampSlot(ColourRampTable& table, int32_t slot, ColourAndContrast colour);
// The same ramp for four arbitrary colours, with floating luminance (the colours dialog).
void BuildColourRampFor(const std::array<ColourAndContrast, 4>& colours, ColourRampTable& table);

}  // namespace kelvo
