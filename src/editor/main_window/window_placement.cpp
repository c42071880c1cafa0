#include "editor/main_window/window_placement.h"

#include <algorithm>

namespace kelvo {
namespace {

// The area the window overlaps most; the first when it overlaps none.
const ScreenRect& AreaOf(const ScreenRect& window, const std::vector<ScreenRect>& areas) {
  const ScreenRect* best = &areas.front();
  long long best_overlap = 0;
  for (const ScreenRect& area : areas) {
    const long long overlap = OverlapArea(window, area);
    if (overlap > best_overlap) {
      best = &area;
      best_overlap = overlap;
    }
  }
  return *best;
}

// The start of a span of `size` moved into [low, high); a span too long starts at low.
int ClampSpan(int start, int size, int low, int high) {
  return std::max(low, std::min(start, high - size));
}

ScreenRect At(const ScreenRect& size, int left, int top) {
  return {left, top, size.Width, size.Height};
}

struct Block {
  int Width = 0;
  int Height = 0;
  bool Stacked = true;  // preview 1 on top of the row of the others
};

// The previews as one block: preview 1 on top, the others in a row below it; on an area too
// low for that, all four in one row.
Block PreviewBlock(const std::array<ScreenRect, kPreviewCount>& previews, const ScreenRect* area) {
  int row_width = 0;
  int row_height = 0;
  for (size_t i = 1; i < previews.size(); ++i) {
    row_width += std::max(0, previews[i].Width);
    row_height = std::max(row_height, previews[i].Height);
  }
  const int stacked_height = previews[0].Height + row_height;
  if (area == nullptr || stacked_height <= area->Height) {
    return {std::max(previews[0].Width, row_width), stacked_height, true};
  }
  return {previews[0].Width + row_width, std::max(previews[0].Height, row_height), false};
}

// The area the main window opens on: its stored position's, else the primary.
const ScreenRect& MainArea(const MainWindowsRequest& request) {
  if (!request.StoredMain) return request.Areas.front();
  return AreaOf(At(request.Main, request.StoredMain->X, request.StoredMain->Y), request.Areas);
}

bool Covers(const ScreenRect& place, const std::vector<ScreenRect>& avoid) {
  return std::any_of(avoid.begin(), avoid.end(),
                     [&](const ScreenRect& r) { return OverlapArea(place, r) > 0; });
}

bool Inside(const ScreenRect& place, const ScreenRect& area) {
  return place.Left >= area.Left && place.Top >= area.Top && place.Right() <= area.Right() &&
         place.Bottom() <= area.Bottom();
}

}  // namespace

long long OverlapArea(const ScreenRect& a, const ScreenRect& b) {
  // In 64 bits: a stored position may lie at the end of int's range, past which Right() wraps.
  const auto end = [](int start, int size) { return static_cast<long long>(start) + size; };
  const long long width =
      std::min(end(a.Left, a.Width), end(b.Left, b.Width)) - std::max<long long>(a.Left, b.Left);
  const long long height =
      std::min(end(a.Top, a.Height), end(b.Top, b.Height)) - std::max<long long>(a.Top, b.Top);
  return width > 0 && height > 0 ? width * height : 0;
}

ScreenRect KeepOnScreen(const ScreenRect& window, const std::vector<ScreenRect>& areas) {
  if (areas.empty()) return window;
  const ScreenRect& area = AreaOf(window, areas);
  return At(window, ClampSpan(window.Left, window.Width, area.Left, area.Right()),
            ClampSpan(window.Top, window.Height, area.Top, area.Bottom()));
}

MainWindowsLayout PlaceMainWindows(const MainWindowsRequest& request) {
  const std::vector<ScreenRect>& areas = request.Areas;
  const auto& previews = request.Previews;
  const Block block = PreviewBlock(previews, areas.empty() ? nullptr : &areas.front());
  const bool stacked = block.Stacked;
  const int block_width = block.Width;
  const int block_height = block.Height;

  MainWindowsLayout layout;
  if (request.StoredMain) {
    layout.Main =
        KeepOnScreen(At(request.Main, request.StoredMain->X, request.StoredMain->Y), areas);
  } else if (!areas.empty()) {
    const ScreenRect& area = areas.front();
    const int width = request.Main.Width + block_width;
    const int height = std::max(request.Main.Height, block_height);
    layout.Main = KeepOnScreen(At(request.Main, area.Left + std::max(0, (area.Width - width) / 2),
                                  area.Top + std::max(0, (area.Height - height) / 2)),
                               areas);
  } else {
    layout.Main = request.Main;
  }

  int left = layout.Main.Right();
  int top = layout.Main.Top;
  if (!areas.empty()) {
    const ScreenRect& area = AreaOf(layout.Main, areas);
    left = ClampSpan(left, block_width, area.Left, area.Right());
    top = ClampSpan(top, block_height, area.Top, area.Bottom());
  }
  std::array<ScreenRect, kPreviewCount> defaults;
  defaults[0] = At(previews[0], left, top);
  for (size_t i = 1, x = stacked ? 0 : static_cast<size_t>(previews[0].Width); i < previews.size();
       ++i) {
    defaults[i] =
        At(previews[i], left + static_cast<int>(x), stacked ? top + previews[0].Height : top);
    x += static_cast<size_t>(std::max(0, previews[i].Width));
  }
  for (size_t i = 0; i < previews.size(); ++i) {
    const std::optional<ScreenPoint>& stored = request.StoredPreviews[i];
    layout.Previews[i] =
        stored ? KeepOnScreen(At(previews[i], stored->X, stored->Y), areas) : defaults[i];
  }
  return layout;
}

bool PreviewsDocked(const MainWindowsRequest& request, std::optional<bool> choice) {
  if (choice) return *choice;
  if (request.Areas.empty()) return false;
  const ScreenRect& area = MainArea(request);
  const Block block = PreviewBlock(request.Previews, &area);
  return request.Main.Width + block.Width > area.Width ||
         std::max(request.Main.Height, block.Height) > area.Height;
}

ScreenRect PlaceDockedMainWindow(const MainWindowsRequest& request) {
  if (request.Areas.empty()) return request.Main;
  const ScreenRect& area = MainArea(request);
  ScreenRect main = request.Main;
  main.Width = std::min(main.Width, area.Width);
  main.Height = std::min(main.Height, area.Height);
  if (request.StoredMain) {
    return KeepOnScreen(At(main, request.StoredMain->X, request.StoredMain->Y), request.Areas);
  }
  return At(main, area.Left + (area.Width - main.Width) / 2,
            area.Top + (area.Height - main.Height) / 2);
}

ScreenRect PlaceDialog(const DialogRequest& request) {
  if (request.Areas.empty()) return request.Dialog;
  const ScreenRect& area = AreaOf(request.Beside ? *request.Beside : request.Dialog, request.Areas);
  ScreenRect dialog = request.Dialog;
  dialog.Width = std::min(dialog.Width, area.Width);
  dialog.Height = std::min(dialog.Height, area.Height);
  std::vector<ScreenRect> avoid = request.Avoid;
  if (request.Beside) {
    const ScreenRect& preview = *request.Beside;
    avoid.push_back(preview);
    const int top = ClampSpan(preview.Top, dialog.Height, area.Top, area.Bottom());
    for (const int left : {preview.Right(), preview.Left - dialog.Width}) {
      const ScreenRect place = At(dialog, left, top);
      if (Inside(place, area) && !Covers(place, avoid)) return place;
    }
  }
  const ScreenRect opened = KeepOnScreen(dialog, {area});
  if (!Covers(opened, avoid)) return opened;
  if (const std::optional<ScreenPoint> free =
          PlaceAvoiding(dialog, area, avoid, ScreenPoint{opened.Left, opened.Top})) {
    return At(dialog, free->X, free->Y);
  }
  return opened;
}

std::optional<ScreenPoint> PlaceAvoiding(const ScreenRect& size, const ScreenRect& area,
                                         const std::vector<ScreenRect>& avoid,
                                         const ScreenPoint& preferred) {
  std::vector<int> xs{preferred.X, area.Left, area.Right() - size.Width};
  std::vector<int> ys{preferred.Y, area.Top, area.Bottom() - size.Height};
  for (const ScreenRect& r : avoid) {
    xs.push_back(r.Left - size.Width);
    xs.push_back(r.Right());
    ys.push_back(r.Top - size.Height);
    ys.push_back(r.Bottom());
  }
  std::optional<ScreenPoint> best;
  long long best_distance = 0;
  for (int x : xs) {
    for (int y : ys) {
      const ScreenRect place{x, y, size.Width, size.Height};
      if (x < area.Left || y < area.Top || place.Right() > area.Right() ||
          place.Bottom() > area.Bottom()) {
        continue;
      }
      bool free = true;
      for (const ScreenRect& r : avoid) free = free && OverlapArea(place, r) == 0;
      if (!free) continue;
      const long long dx = x - preferred.X;
      const long long dy = y - preferred.Y;
      const long long distance = dx * dx + dy * dy;
      if (!best || distance < best_distance) {
        best = ScreenPoint{x, y};
        best_distance = distance;
      }
    }
  }
  return best;
}

}  // namespace kelvo
