// Where the editor's windows go on screen: the main window with its four previews, and the
// dialogs it opens. Plain rectangle arithmetic over the outer (frame) sizes the GUI reads from
// the window system, so the layout is testable without a display. All rectangles are outer
// window rectangles in desktop coordinates.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "editor/session/editor_state.h"
#include "editor/session/screen_rect.h"

namespace kelvo {

struct ScreenPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// The window frame around a client area, as the window manager draws it.
struct FrameMargins {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const FrameMargins&) const = default;
};

// Area shared by both rectangles; 0 when they do not meet.
long long OverlapArea(const ScreenRect& a, const ScreenRect& b);

// The window moved by the least amount that puts it inside the available area it overlaps most
// (the first area when it overlaps none). A window larger than the area keeps its top left
// corner in the area, so the title bar stays reachable. No areas: the window unchanged.
ScreenRect KeepOnScreen(const ScreenRect& window, const std::vector<ScreenRect>& areas);

struct MainWindowsRequest {
  std::vector<ScreenRect> Areas;                   // available screen areas, the primary first
  ScreenRect Main;                                 // outer size; the position is ignored
  std::optional<ScreenPoint> StoredMain;           // outer top left of the last run
  std::array<ScreenRect, kPreviewCount> Previews;  // outer sizes of previews 1..4 at 0..3
  std::array<std::optional<ScreenPoint>, kPreviewCount> StoredPreviews;
};

struct MainWindowsLayout {
  ScreenRect Main;
  std::array<ScreenRect, kPreviewCount> Previews;
};

// Stored positions are kept, moved back on screen when needed. Without one, the main window is
// centred with its previews, preview 1 beside it at its top and previews 2 to 4 in a row below
// preview 1; when that group is wider or taller than the area, the previews go to its right or
// bottom edge instead, still without covering each other.
MainWindowsLayout PlaceMainWindows(const MainWindowsRequest& request);

// Whether the previews dock into the main window: the user's stored choice when there is one;
// otherwise docked exactly when the main window and the preview block beside it, as
// PlaceMainWindows lays them out, do not fit on the area the main window opens on (the one its
// stored position lies on, else the primary).
bool PreviewsDocked(const MainWindowsRequest& request, std::optional<bool> choice);

// The main window with the previews docked in it (`request.Main` is its outer size with them):
// cut to the area it opens on, at its stored position moved back on screen, else centred.
ScreenRect PlaceDockedMainWindow(const MainWindowsRequest& request);

struct DialogRequest {
  std::vector<ScreenRect> Areas;     // available screen areas, the primary first
  ScreenRect Dialog;                 // outer rectangle where the window system would open it
  std::optional<ScreenRect> Beside;  // the full-size preview when shown
  std::vector<ScreenRect> Avoid;     // more that it must not cover when the screen allows
};

// Every dialog's place: wholly on the area of the preview (else of the dialog), its size cut to
// that area; to the right of the preview, else to its left, top aligned with it, when that
// covers nothing to avoid; else the place nearest to where it would open that covers nothing;
// else where it would open, moved on screen.
ScreenRect PlaceDialog(const DialogRequest& request);

// Where a window of `size` (outer; its position is ignored) goes on `area` so that it covers
// none of `avoid`: of the places beside the rectangles to avoid and at the area's edges, the one
// nearest to `preferred` (the window's top left corner). Nothing when no such place exists.
std::optional<ScreenPoint> PlaceAvoiding(const ScreenRect& size, const ScreenRect& area,
                                         const std::vector<ScreenRect>& avoid,
                                         const ScreenPoint& preferred);

}  // namespace kelvo
