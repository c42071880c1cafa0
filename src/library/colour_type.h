// A colour type: a named list of colour entries with a current choice. The type library owns
// eleven of them; each owns its entries. ColourEntry is also the layout of the library's default
// colour and of a portrait's colour slots, which copy entries whole.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

class KeywordFile;

inline constexpr int32_t kColourTypeCount = 11;

// Twelve 32-bit integers; slot n (1..12) is Slots[n - 1]. Slots 4 to 6 and 12 are not stored in
// files and start at 0.
struct ColourEntry {
  std::array<int32_t, 12> Slots{};

  // Colour value: red in the low byte, green in the middle byte, blue in the high byte.
  int32_t& Colour() { return Slots[0]; }
  int32_t Colour() const { return Slots[0]; }
  int32_t& Contrast() { return Slots[1]; }
  int32_t Contrast() const { return Slots[1]; }
  int32_t& Frequency() { return Slots[2]; }
  int32_t Frequency() const { return Slots[2]; }
  // Property i = 1..5 (American, Arabian, Russian, Strength, Age) is slot 6 + i.
  int32_t& Property(int i) { return Slots[static_cast<size_t>(5 + i)]; }
  int32_t Property(int i) const { return Slots[static_cast<size_t>(5 + i)]; }

  // An entry as a file's COLOR block starts it: the five property values at 50.
  static ColourEntry WithDefaultProperties();

  bool operator==(const ColourEntry&) const = default;
};

class TDruhBarvy {
 public:
  TDruhBarvy() = default;
  explicit TDruhBarvy(int32_t index) : Index(index) {}

  int32_t Index = 0;
  std::string Name;
  std::vector<ColourEntry> Entries;  // entry n (1..) is Entries[n - 1]
  int32_t Selected = 0;              // current entry number, 0 = none yet; not checked on read
  int32_t DefaultEntry = 0;          // kept for the colours dialog

  int32_t EntryCount() const { return static_cast<int32_t>(Entries.size()); }
  // Entry n (1..EntryCount); throws std::out_of_range otherwise.
  ColourEntry& Entry(int32_t n) { return Entries.at(static_cast<size_t>(n - 1)); }
  const ColourEntry& Entry(int32_t n) const { return Entries.at(static_cast<size_t>(n - 1)); }

  // Reads the name and body of a COLOR_TYPE record, up to and including END_OF_COLOR_TYPE; the
  // keyword and number were read by the caller. Entries add to those already held.
  void ReadRecord(KeywordFile& file);
  void WriteRecord(KeywordFile& file) const;

  bool operator==(const TDruhBarvy&) const = default;
};

}  // namespace kelvo
