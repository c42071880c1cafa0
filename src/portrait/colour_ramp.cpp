#include "portrait/colour_ramp.h"

#include <algorithm>
#include <cmath>

#include "portrait/pixel.h"

namespace kelvo {

namespace {

// Nearest integer with halves to even, clamped to a channel: a negative contrast darkens past
// black and must not wrap when packed.
uint8_t Channel(double v) {
  if (!(v > 0.5)) return 0;  // also NaN
  if (v > 255) return 255;
  // Adding and taking away 1.5 * 2^52 rounds to an integer with halves to even, as the
  // default rounding mode does, without a library call per channel.
  constexpr double kRound = 6755399441055744.0;
  return static_cast<uint8_t>((v + kRound) - kRound);
}

void FillSlot(ColourRampTable& table, int32_t slot, ColourAndContrast colour, double lum) {
  const Rgb c = split_color(static_cast<uint32_t>(colour.colour));
  const double r = c.r, g = c.g, b = c.b;
  double top = lum + colour.contrast;
  if (top == lum) top = lum + 1;
  if (top > 255) top = 255;
  const double step = 31 * (255 - lum) / (top - lum);
  // A colour already at full luminance leaves no room to brighten: the step is undefined and
  // the upper half stays at the colour itself.
  const bool no_room = !std::isfinite(step) || step == 0;
  const size_t base = static_cast<size_t>(64 * (slot - 1));
  for (int j = 0; j <= 32; ++j) {
    table[base + j] = pack_rgb16(Channel(r / 32 * j), Channel(g / 32 * j), Channel(b / 32 * j));
  }
  for (int j = 33; j <= 63; ++j) {
    const int u = j - 32;
    if (no_room) {
      table[base + j] = table[base + 32];
      continue;
    }
    table[base + j] =
        pack_rgb16(Channel(r + (255 - r) / step * u), Channel(g + (255 - g) / step * u),
                   Channel(b + (255 - b) / step * u));
  }
}

// The renderer's slots of recent colours on this thread. The portraits of a gallery repeat a
// few skin, hair and eye colours, and a slot costs 192 roundings to fill.
struct SlotMemo {
  bool filled = false;
  ColourAndContrast colour;
  std::array<uint16_t, 64> entries{};
};
constexpr size_t kMemoSize = 256;  // 35 KB a thread

SlotMemo& MemoFor(ColourAndContrast colour) {
  thread_local std::array<SlotMemo, kMemoSize> memo;
  const uint32_t key = static_cast<uint32_t>(colour.colour) * 2654435761u ^
                       static_cast<uint32_t>(colour.contrast) * 40503u;
  return memo[(key >> 16) % kMemoSize];
}

}  // namespace

void FillRampSlot(ColourRampTable& table, int32_t slot, ColourAndContrast colour) {
  if (slot < 1 || slot > 4) return;
  const auto first = table.begin() + 64 * (slot - 1);
  SlotMemo& memo = MemoFor(colour);
  if (!memo.filled || memo.colour.colour != colour.colour ||
      memo.colour.contrast != colour.contrast) {
    const Rgb c = split_color(static_cast<uint32_t>(colour.colour));
    const int lum = ((c.r * 306) >> 10) + ((c.g * 601) >> 10) + ((c.b * 117) >> 10) + 1;
    FillSlot(table, slot, colour, lum);
    memo.filled = true;
    memo.colour = colour;
    std::copy(first, first + 64, memo.entries.begin());
    return;
  }
  std::copy(memo.entries.begin(), memo.entries.end(), first);
}

void BuildColourRampFor(const std::array<ColourAndContrast, 4>& colours, ColourRampTable& table) {
  for (int32_t s = 1; s <= 4; ++s) {
    const ColourAndContrast colour = colours[static_cast<size_t>(s - 1)];
    const Rgb c = split_color(static_cast<uint32_t>(colour.colour));
    FillSlot(table, s, colour, 0.299 * c.r + 0.587 * c.g + 0.114 * c.b);
  }
}

}  // namespace kelvo
