// A movement or position in image pixels, as the editor's commands and undo records use it.
#pragma once

namespace kelvo {

struct Offset {
  int x = 0;
  int y = 0;
  friend bool operator==(const Offset&, const Offset&) = default;
};

}  // namespace kelvo
