// Coordinate arithmetic that never overflows: edits may hold any 32-bit value, and sums of such
// values wrap around as 32-bit two's complement, the same whichever order they are applied in,
// so an edit and its reverse always restore the value exactly.
#pragma once

#include <cstdint>

namespace kelvo {

constexpr std::int32_t WrapTo32(std::int64_t v) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

// value += delta, wrapping.
constexpr void WrapAdd(std::int32_t& value, std::int64_t delta) {
  value = WrapTo32(std::int64_t{value} + delta);
}

}  // namespace kelvo
