// A movement or position in image pixels, as the editor's commands and undo records use it.
#pragma once

#include "foundation/wrapping_int.h"

namespace kelvo {

struct Offset {
  int x = 0;
  int y = 0;
  friend bool operator==(const Offset&, const Offset&) = default;
};

// The reverse movement; wraps like every coordinate sum, so moving by o and then by
// Negated(o) restores any value.
constexpr Offset Negated(Offset o) {
  return Offset{WrapTo32(-std::int64_t{o.x}), WrapTo32(-std::int64_t{o.y})};
}

}  // namespace kelvo
