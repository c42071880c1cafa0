// A rectangle in screen or widget pixels, as the window layout and the dialogs' pictures use it.
#pragma once

namespace kelvo {

struct ScreenRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int Right() const { return Left + Width; }  // one past the last column
  int Bottom() const { return Top + Height; }
  bool operator==(const ScreenRect&) const = default;
};

}  // namespace kelvo
