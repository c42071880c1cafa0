#include "portrait/draw_routines.h"

#include <algorithm>
#include <cstring>

#include "portrait/draw_rows.h"

namespace kelvo {

namespace {

constexpr int64_t kWidth = 320;
constexpr int64_t kHeight = 400;

// Calls op(source row, canvas row, mask row, width) for each visible row.
template <class Op>
inline void ForEachRow(const uint8_t* source, int32_t source_width, int32_t bytes_per_pixel,
                       const Placement& p, DrawTarget& t, Op op) {
  const size_t source_row = static_cast<size_t>(source_width) * bytes_per_pixel;
  const uint8_t* src = source + static_cast<size_t>(p.skip_y) * source_row +
                       static_cast<size_t>(p.skip_x) * bytes_per_pixel;
  for (int32_t row = 0; row < p.h; ++row) {
    const int32_t y = p.y + row;
    op(src, t.canvas.Row(y) + p.x, t.mask + static_cast<size_t>(y) * kWidth + p.x, p.w);
    src += source_row;
  }
}

}  // namespace

std::optional<Placement> PlaceImage(int32_t x0, int32_t y0, int32_t width, int32_t height,
                                    Rect* clip_rect) {
  int64_t left = 0, top = 0, right = kWidth, bottom = kHeight;
  if (clip_rect) {
    Rect& r = *clip_rect;
    if (r.left < 0) r.left = 0;
    if (r.right > kWidth) r.right = kWidth;
    if (r.top < 0) r.top = 0;
    if (r.bottom > kHeight) r.bottom = kHeight;
    // A rectangle lying beyond the canvas must still not lead outside it.
    left = std::min<int64_t>(r.left, kWidth);
    top = std::min<int64_t>(r.top, kHeight);
    right = std::max<int64_t>(r.right, 0);
    bottom = std::max<int64_t>(r.bottom, 0);
  }
  int64_t x = x0, y = y0, w = width, h = height, skip_x = 0, skip_y = 0;
  if (x < left) {
    skip_x = left - x;
    w -= skip_x;
    x = left;
  }
  if (y < top) {
    skip_y = top - y;
    h -= skip_y;
    y = top;
  }
  if (x + w > right) w = right - x;
  if (y + h > bottom) h = bottom - y;
  if (w < 1 || h < 1) return std::nullopt;
  return Placement{static_cast<int32_t>(x),      static_cast<int32_t>(y),
                   static_cast<int32_t>(w),      static_cast<int32_t>(h),
                   static_cast<int32_t>(skip_x), static_cast<int32_t>(skip_y)};
}

void DrawImage16(const uint8_t* source, int32_t source_width, const Placement& p, DrawTarget& t) {
  const draw_rows::Row16 row = draw_rows::Kernels().image16;
  ForEachRow(
      source, source_width, 2, p, t,
      [row](const uint8_t* src, uint16_t* dst, const uint8_t*, int32_t w) { row(src, dst, w); });
}

void DrawColoured(const uint8_t* source, int32_t source_width, const Placement& p, DrawTarget& t) {
  const draw_rows::Row8 row = draw_rows::Kernels().coloured;
  ForEachRow(source, source_width, 1, p, t,
             [row, &t](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               row(src, dst, mask, w, t.ramp);
             });
}

void DrawColouredInside(const uint8_t* source, int32_t source_width, const Placement& p,
                        DrawTarget& t) {
  const draw_rows::Row8 row = draw_rows::Kernels().coloured_inside;
  ForEachRow(source, source_width, 1, p, t,
             [row, &t](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               row(src, dst, mask, w, t.ramp);
             });
}

void DrawColouredOutside(const uint8_t* source, int32_t source_width, const Placement& p,
                         DrawTarget& t) {
  const draw_rows::Row8 row = draw_rows::Kernels().coloured_outside;
  ForEachRow(source, source_width, 1, p, t,
             [row, &t](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               row(src, dst, mask, w, t.ramp);
             });
}

void DrawShadow(const uint8_t* source, int32_t source_width, const Placement& p, DrawTarget& t) {
  const draw_rows::Row8 row = draw_rows::Kernels().shadow;
  ForEachRow(source, source_width, 1, p, t,
             [row, &t](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               row(src, dst, mask, w, t.ramp);
             });
}

void DrawShadowInside(const uint8_t* source, int32_t source_width, const Placement& p,
                      DrawTarget& t) {
  const draw_rows::Row8 row = draw_rows::Kernels().shadow_inside;
  ForEachRow(source, source_width, 1, p, t,
             [row, &t](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               row(src, dst, mask, w, t.ramp);
             });
}

void DrawShadowOutside(const uint8_t* source, int32_t source_width, const Placement& p,
                       DrawTarget& t) {
  const draw_rows::Row8 row = draw_rows::Kernels().shadow_outside;
  ForEachRow(source, source_width, 1, p, t,
             [row, &t](const uint8_t* src, uint16_t* dst, const uint8_t* mask, int32_t w) {
               row(src, dst, mask, w, t.ramp);
             });
}

void BuildClipMask(const uint8_t* source, int32_t source_width, const std::optional<Placement>& p,
                   uint8_t* mask) {
  std::memset(mask, 0, static_cast<size_t>(kWidth * kHeight));
  if (!p) return;
  const uint8_t* src = source + static_cast<size_t>(p->skip_y) * source_width + p->skip_x;
  for (int32_t row = 0; row < p->h; ++row) {
    std::memcpy(mask + static_cast<size_t>(p->y + row) * kWidth + p->x, src,
                static_cast<size_t>(p->w));
    src += source_width;
  }
}

}  // namespace kelvo
