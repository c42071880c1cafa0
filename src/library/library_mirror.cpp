#include "library/library_mirror.h"

#include <algorithm>

#include "library/categories.h"
#include "library/component.h"
#include "library/container.h"
#include "library/type_library.h"

namespace kelvo {
namespace {

constexpr int32_t kCanvasWidth = 320;

// Mirroring is its own inverse, which Undo relies on. Modulo 2^32 it stays so, and defined, for
// the coordinates at the ends of int's range that the editor's spin boxes accept.
int32_t Wrapped(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

void MirrorSnapPoint(SnapPoint& point, int32_t category) {
  point.X = Wrapped(category == 1 ? int64_t{kCanvasWidth} - point.X : -int64_t{point.X});
}

void MirrorSubcomponent(TKelvoSubKomp& sub) {
  if (sub.Bits != 8) return;
  sub.X = Wrapped(-int64_t{sub.X} - sub.Width);
  const size_t width = sub.Width > 0 ? static_cast<size_t>(sub.Width) : 0;
  if (width == 0) return;
  // Only whole rows turn; a short pixel buffer keeps its tail as it is.
  const size_t rows = sub.Pixels.size() / width;
  for (size_t r = 0; r < rows; ++r) {
    const auto row = sub.Pixels.begin() + static_cast<std::ptrdiff_t>(r * width);
    std::reverse(row, row + static_cast<std::ptrdiff_t>(width));
  }
}

void MirrorComponent(TKelvoKomp& component) {
  for (SnapPoint& point : component.Points) MirrorSnapPoint(point, component.Index);
  for (int s = 1; s <= 4; ++s) {
    if (TKelvoSubKomp* sub = component.Sub(s)) MirrorSubcomponent(*sub);
  }
}

void MirrorLibrary(TKelvoTyp& library) {
  for (int32_t c = 1; c <= kCategoryCount; ++c) {
    for (const auto& component : library.Container(c).Components) {
      if (component->ImagesLoaded == 0) component->LoadImages(library.Archive());
    }
  }
  for (int32_t c = 1; c <= kCategoryCount; ++c) {
    for (const auto& component : library.Container(c).Components) MirrorComponent(*component);
  }
}

}  // namespace kelvo
