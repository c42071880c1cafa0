#include "archive/pak_entry.h"

#include <algorithm>
#include <ctime>

namespace kelvo {

namespace {

void PutLE(uint8_t* out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetLE(const uint8_t* in, int bytes) {
  uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= static_cast<uint32_t>(in[i]) << (8 * i);
  return value;
}

}  // namespace

std::array<uint8_t, TPakEntry::kRecordSize> TPakEntry::ToBytes() const {
  std::array<uint8_t, kRecordSize> out{};
  PutLE(&out[0], Marker, 2);
  PutLE(&out[4], Time, 4);
  PutLE(&out[8], Size, 4);
  PutLE(&out[12], Offset, 4);
  const size_t length = std::min(Name.size(), kMaxName);
  out[16] = static_cast<uint8_t>(length);
  std::copy_n(Name.begin(), length, out.begin() + 17);
  return out;
}

TPakEntry TPakEntry::FromBytes(std::span<const uint8_t, kRecordSize> bytes) {
  TPakEntry entry;
  entry.Marker = static_cast<uint16_t>(GetLE(&bytes[0], 2));
  entry.Time = GetLE(&bytes[4], 4);
  entry.Size = GetLE(&bytes[8], 4);
  entry.Offset = GetLE(&bytes[12], 4);
  const size_t length = std::min<size_t>(bytes[16], kMaxName);
  entry.Name.assign(reinterpret_cast<const char*>(&bytes[17]), length);
  return entry;
}

uint32_t DosTimeFromUnix(int64_t seconds) {
  std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return (1u << 5 | 1u) << 16;
  int year = local.tm_year + 1900;
  if (year < 1980) return (1u << 5 | 1u) << 16;  // 1980-01-01 00:00:00
  if (year > 2107) return (127u << 9 | 12u << 5 | 31u) << 16 | (23u << 11 | 59u << 5 | 29u);
  const uint32_t date =
      static_cast<uint32_t>((year - 1980) << 9 | (local.tm_mon + 1) << 5 | local.tm_mday);
  const uint32_t time =
      static_cast<uint32_t>(local.tm_hour << 11 | local.tm_min << 5 | local.tm_sec / 2);
  return date << 16 | time;
}

}  // namespace kelvo
