#include "portrait/colour_ramp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <cstdio>
#include <ostream>
#include <string>

#include "support/param_names.h"

namespace kelvo {
namespace {

struct RampRow {
  int32_t colour;
  int32_t contrast;
  bool floating;  // BuildColourRampFor's luminance
  int index;      // within slot 1
  uint16_t expected;
  friend void PrintTo(const RampRow& r, std::ostream* os) {
    *os << std::hex << r.colour << std::dec << " contrast " << r.contrast
        << (r.floating ? " float" : " int") << " entry " << r.index;
  }
};

ColourRampTable RampOf(const RampRow& row, int slot) {
  ColourRampTable table{};
  if (row.floating) {
    std::array<ColourAndContrast, 4> colours{};
    colours[static_cast<size_t>(slot - 1)] = {row.colour, row.contrast};
    BuildColourRampFor(colours, table);
  } else {
    FillRampSlot(table, slot, {row.colour, row.contrast});
  }
  return table;
}

class ColourRamp : public testing::TestWithParam<RampRow> {};

TEST_P(ColourRamp, EntryOfEverySlot) {
  const RampRow row = GetParam();
  for (int slot = 1; slot <= 4; ++slot) {
    const ColourRampTable table = RampOf(row, slot);
    EXPECT_EQ(row.expected, table[static_cast<size_t>(64 * (slot - 1) + row.index)])
        << "slot " << slot;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ColourRamp,
    testing::Values(
        // Pure red (red in the low byte), contrast 85: lum 77, top 162; 16 needs halves to even.
        RampRow{0x0000FF, 85, false, 0, 0x0000}, RampRow{0x0000FF, 85, false, 16, 0x8000},
        RampRow{0x0000FF, 85, false, 32, 0xF800}, RampRow{0x0000FF, 85, false, 63, 0xFBCF},
        RampRow{0x0000FF, 0, false, 33, 0xF800}, RampRow{0x0000FF, 0, false, 50, 0xF800},
        RampRow{0x0000FF, 0, false, 63, 0xF800}, RampRow{0x808080, 85, false, 32, 0x8410},
        RampRow{0x808080, 85, false, 63, 0xD6BA}, RampRow{0x808080, 85, true, 63, 0xD6BA},
        // Integer and floating luminance part ways here.
        RampRow{0x204F89, 65, false, 47, 0x9B89}, RampRow{0x204F89, 65, true, 47, 0xA389},
        // Full luminance: no room to brighten, the upper half keeps the colour.
        RampRow{0xFFFFFF, 85, false, 32, 0xFFFF}, RampRow{0xFFFFFF, 85, false, 63, 0xFFFF},
        RampRow{0xFFFFFF, -40, false, 63, 0xFFFF}, RampRow{0xFFFFFF, 85, true, 63, 0xFFFF},
        // A negative contrast darkens and stops at black instead of wrapping.
        RampRow{0x808080, -1000, false, 33, 0x630C}, RampRow{0x808080, -1000, false, 40, 0x0000},
        RampRow{0x808080, -1000, false, 63, 0x0000}, RampRow{0x808080, -1000, true, 63, 0x0000}),
    [](const testing::TestParamInfo<RampRow>& info) {
      const RampRow& r = info.param;
      char colour[16];
      std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(r.colour));
      return test::CamelName(std::string("colour ") + colour + " contrast " +
                             std::to_string(r.contrast) + (r.floating ? " float" : " int") +
                             " entry " + std::to_string(r.index));
    });

TEST(ColourRampSlots, EachSlotFillsOnlyItsOwnEntries) {
  ColourRampTable table{};
  table.fill(0x1234);
  FillRampSlot(table, 3, {0x0000FF, 85});
  EXPECT_EQ(0x1234, table[127]);
  EXPECT_EQ(0xF800, table[128 + 32]);
  EXPECT_EQ(0x1234, table[192]);
  FillRampSlot(table, 5, {0x0000FF, 85});  // no such slot: nothing written
  EXPECT_EQ(0x1234, table[255]);
}

// Filling a slot again, in another slot, after other colours have pushed it out or share its
// place in the renderer's memo, gives the entries of the first fill.
TEST(ColourRampSlots, RepeatedColoursGiveTheirFirstEntries) {
  std::vector<ColourAndContrast> colours;
  for (int i = 0; i < 300; ++i) colours.push_back({i * 0x010307 % 0x1000000, i % 7 * 20 - 40});
  std::vector<std::array<uint16_t, 64>> first;
  for (const ColourAndContrast c : colours) {
    ColourRampTable table{};
    FillRampSlot(table, 1, c);
    first.push_back({});
    std::copy(table.begin(), table.begin() + 64, first.back().begin());
  }
  for (size_t i = colours.size(); i-- > 0;) {
    ColourRampTable table{};
    const int slot = static_cast<int>(i % 4) + 1;
    FillRampSlot(table, slot, colours[i]);
    ASSERT_TRUE(std::equal(first[i].begin(), first[i].end(), table.begin() + 64 * (slot - 1)))
        << "colour " << i;
  }
}

}  // namespace
}  // namespace kelvo
