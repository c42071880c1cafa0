// What the window system tells about screens and window frames, in the plain rectangles of
// editor/window_placement.h, which decides where windows go.
#pragma once

#include <QRect>
#include <vector>

#include "editor/main_window/window_placement.h"

class QWidget;

namespace kelvo {

ScreenRect ToScreenRect(const QRect& rect);
// The available geometry of every screen, the primary screen first.
std::vector<ScreenRect> AvailableScreenAreas();
// The frame the window manager drew around the window; `fallback` while it has none yet
// (before the window is shown, or on a platform without frames).
FrameMargins FrameMarginsOf(const QWidget* window, const FrameMargins& fallback);
// Outer rectangle of a window at its current position, framed by `margins`.
ScreenRect OuterRect(const QWidget* window, const FrameMargins& margins);

// Moves the window so its frame is centred on the primary screen's available area.
void CentreOnPrimaryScreen(QWidget& window);

}  // namespace kelvo
