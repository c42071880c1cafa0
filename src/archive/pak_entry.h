// TPakEntry: where one file's bytes are. The same 80-byte record is a directory
// entry of a pack file and, in memory, describes a file found on disk.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kelvo {

struct TPakEntry {
  static constexpr size_t kRecordSize = 80;
  static constexpr size_t kMaxName = 60;
  static constexpr uint16_t kPackMarker = 0x0A0D;  // bytes 0D 0A

  uint16_t Marker = 0;  // kPackMarker in a pack, 0 for a disk file
  uint32_t Time = 0;    // MS-DOS packed local time: date high, time low
  uint32_t Size = 0;
  uint32_t Offset = 0;  // from the start of the pack file; 0 for disk files
  std::string Name;     // at most kMaxName characters

  bool IsDiskEntry() const { return Marker == 0; }

  // Name cut to its first 60 characters.
  void SetName(const std::string& name) { Name = name.substr(0, kMaxName); }

  // The 80-byte little-endian record.
  std::array<uint8_t, kRecordSize> ToBytes() const;
  // Any 80 bytes parse; a name length above 60 is taken as 60. Checking the
  // marker is the caller's business.
  static TPakEntry FromBytes(std::span<const uint8_t, kRecordSize> bytes);
};

// MS-DOS packed local time of a moment given in seconds since 1970 (UTC);
// moments before 1980 or after 2107 are clamped to those years.
uint32_t DosTimeFromUnix(int64_t seconds);

}  // namespace kelvo
