#include "portrait/draw_routines.h"

#include <algorithm>
#include <bit>
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

void DrawOpaque16(const uint8_t* source, int32_t source_width, const Placement& p, DrawTarget& t) {
  if constexpr (std::endian::native != std::endian::little) {
    return DrawImage16(source, source_width, p, t);
  }
  ForEachRow(source, source_width, 2, p, t,
             [](const uint8_t* src, uint16_t* dst, const uint8_t*, int32_t w) {
               std::memcpy(dst, src, static_cast<size_t>(w) * 2);
             });
}

namespace {

template <draw_rows::Block8 draw_rows::RowKernels::*kKernel>
void Draw8(const uint8_t* source, int32_t source_width, const Placement& p, DrawTarget& t) {
  const draw_rows::Rows8 rows{source + static_cast<size_t>(p.skip_y) * source_width + p.skip_x,
                              source_width,
                              t.canvas.Row(p.y) + p.x,
                              static_cast<ptrdiff_t>(t.canvas.WordsPerRow()),
                              t.mask + static_cast<size_t>(p.y) * kWidth + p.x,
                              kWidth,
                              p.w,
                              p.h,
                              t.ramp};
  (draw_rows::Kernels().*kKernel)(rows);
}

using draw_rows::RowKernels;

}  // namespace

const DrawRoutine DrawColoured = Draw8<&RowKernels::coloured>;
const DrawRoutine DrawColouredInside = Draw8<&RowKernels::coloured_inside>;
const DrawRoutine DrawColouredOutside = Draw8<&RowKernels::coloured_outside>;
const DrawRoutine DrawShadow = Draw8<&RowKernels::shadow>;
const DrawRoutine DrawShadowInside = Draw8<&RowKernels::shadow_inside>;
const DrawRoutine DrawShadowOutside = Draw8<&RowKernels::shadow_outside>;

void BuildClipMask(const uint8_t* source, int32_t source_width, const std::optional<Placement>& p,
                   uint8_t* mask) {
  Rect whole{0, 0, static_cast<int32_t>(kWidth), static_cast<int32_t>(kHeight)};
  BuildClipMask(source, source_width, p, mask, whole);
}

namespace {

// Zeroes n bytes in fixed-size stores: a short run per mask row, where a string instruction's
// start-up would cost more than the clearing.
inline void ZeroRun(uint8_t* p, int64_t n) {
  for (; n >= 32; n -= 32, p += 32) std::memset(p, 0, 32);
  if (n >= 16) {
    std::memset(p, 0, 16);
    p += 16;
    n -= 16;
  }
  for (; n > 0; --n) *p++ = 0;
}

}  // namespace

void BuildClipMask(const uint8_t* source, int32_t source_width, const std::optional<Placement>& p,
                   uint8_t* mask, Rect& extent) {
  const int64_t left = std::clamp<int64_t>(extent.left, 0, kWidth);
  const int64_t right = std::clamp<int64_t>(extent.right, left, kWidth);
  const int64_t top = std::clamp<int64_t>(extent.top, 0, kHeight);
  const int64_t bottom = std::clamp<int64_t>(extent.bottom, top, kHeight);
  // The old mask is cleared only where the new one will not be copied over it: masks are
  // often drawn again at the same place.
  const int64_t new_left = p ? p->x : 0, new_right = p ? int64_t{p->x} + p->w : 0;
  const int64_t new_top = p ? p->y : 0, new_bottom = p ? int64_t{p->y} + p->h : 0;
  for (int64_t y = top; y < bottom; ++y) {
    uint8_t* row = mask + y * kWidth;
    if (y < new_top || y >= new_bottom) {
      ZeroRun(row + left, right - left);
      continue;
    }
    if (left < new_left) ZeroRun(row + left, std::min(right, new_left) - left);
    if (right > new_right) {
      const int64_t from = std::max(left, new_right);
      ZeroRun(row + from, right - from);
    }
  }
  extent = Rect{};
  if (!p) return;
  const uint8_t* src = source + static_cast<size_t>(p->skip_y) * source_width + p->skip_x;
  for (int32_t row = 0; row < p->h; ++row) {
    std::memcpy(mask + static_cast<size_t>(p->y + row) * kWidth + p->x, src,
                static_cast<size_t>(p->w));
    src += source_width;
  }
  extent = Rect{p->x, p->y, p->x + p->w, p->y + p->h};
}

}  // namespace kelvo
