// What the window system tells about screens and window frames, in the plain rectangles of
// editor/window_placement.h, which decides where windows go.
#pragma once

#include <QRect>
#include <functional>
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

// The outer rectangle of a window, or the screen rectangle of a widget inside one (a docked
// preview).
ScreenRect ScreenFrame(const QWidget* widget);

// Places a dialog or secondary window by PlaceDialog: beside the full-size preview of the main
// window it belongs to, wholly on the available screen (resized to fit when larger), covering
// none of `avoid` when the screen allows.
void PlaceOnScreen(QWidget& dialog, const std::vector<ScreenRect>& avoid = {});
// PlaceOnScreen each time the window opens; `avoid` is asked then.
void PlaceWhenShown(QWidget* dialog, std::function<std::vector<ScreenRect>()> avoid = {});

// Moves the window so its frame is centred on the primary screen's available area.
void CentreOnPrimaryScreen(QWidget& window);

}  // namespace kelvo
