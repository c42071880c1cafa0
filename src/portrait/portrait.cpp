#include "portrait/portrait.h"

#include <algorithm>

#include "foundation/errors.h"
#include "foundation/paths.h"
#include "foundation/wrapping_int.h"
#include "library/type_library.h"

namespace kelvo {

namespace {

// Positions come from file values that may be anything; sums wrap instead of overflowing.
constexpr auto Wrap = WrapTo32;

bool IsCategory(int32_t c) {
  return c >= 1 && c <= kCategoryCount;
}

}  // namespace

TKelvoPortret::TKelvoPortret(TKelvoTyp& library)
    : LibraryName(WithoutTrailingBackslash(library.Path)), library_(&library) {
  ExtraColour.Colour() = 0x808080;
  ExtraColour.Contrast() = 85;
}

TKelvoPortret::~TKelvoPortret() = default;

std::unique_ptr<TKelvoPortret> TKelvoPortret::Clone() const {
  auto copy = std::make_unique<TKelvoPortret>(*library_);
  copy->Selected = Selected;
  copy->Position = Position;
  copy->Span = Span;
  copy->Shift = Shift;
  copy->ColourSlots = ColourSlots;
  copy->OwnLibrary = OwnLibrary;
  copy->Name = Name;
  copy->Voice = Voice;
  copy->ExtraColour = ExtraColour;
  copy->UpdateSignature();
  return copy;
}

void TKelvoPortret::ComputePositions() {
  ComputePositionsImpl(false);
}

void TKelvoPortret::ComputePositionsWithSpread() {
  ComputePositionsImpl(true);
}

void TKelvoPortret::ComputePositionsImpl(bool with_spread) {
  Position.fill(Point{});
  for (int32_t c = 1; c <= kCategoryCount; ++c) {
    const TKelvoKomp* komp = Selected[c];
    if (!komp) {
      if (with_spread) continue;
      throw KelvoError("AktKomp Empty");
    }
    const TKelvoKompKontejner& container = library_->Container(c);
    // A component may carry more points than its container names (an imported one); only the
    // named ones place anything.
    const int32_t points = std::min(komp->PointCount(), container.PointCount());
    for (int32_t k = 1; k <= points; ++k) {
      const int32_t d = container.PointCategory[static_cast<size_t>(k - 1)];
      if (!IsCategory(d)) continue;
      const SnapPoint& p = komp->Point(k);
      int64_t x = int64_t{p.X} + Position[c].x + Shift[d].x;
      int64_t y = int64_t{p.Y} + Position[c].y + Shift[d].y;
      if (with_spread) {
        x += p.SpreadOffsetX;
        y += p.SpreadOffsetY;
      }
      Position[d] = Point{Wrap(x), Wrap(y)};
    }
  }
  UpdateSignature();
}

void TKelvoPortret::UpdateSignature() {
  const TKelvoKomp* hair = Selected[10];
  const TKelvoKomp* beard = Selected[11];
  Signature = std::to_string(hair ? hair->Kind : 0) + " ";
  if (hair) Signature += hair->Signature;
  if (beard) Signature += beard->Signature;
}

void TKelvoPortret::ApplyColours() {
  ApplyColoursImpl(false);
}

void TKelvoPortret::ApplyColoursWithExtra() {
  ApplyColoursImpl(true);
}

void TKelvoPortret::ApplyColoursImpl(bool with_extra) {
  for (int32_t c = 1; c <= kCategoryCount; ++c) {
    const TKelvoKompKontejner& container = library_->Container(c);
    for (int32_t s = 1; s <= 4; ++s) {
      const int32_t t = container.ColourSlots[s];
      ColourEntry& slot = ColourSlots[c][s];
      if (with_extra && t == 10) {
        if (c == 12) slot = ExtraColour;
        continue;
      }
      if (t < 1 || t > kColourTypeCount) {
        slot = library_->DefaultColour;
        continue;
      }
      // A selection read from a file is not checked against the entries; a type without a
      // valid one gives the default colour.
      const TDruhBarvy& type = library_->ColourType(t);
      const bool valid = type.Selected >= 1 && type.Selected <= type.EntryCount();
      slot = valid ? type.Entry(type.Selected) : library_->DefaultColour;
    }
  }
}

std::optional<Point> TKelvoPortret::PripravParametry(int32_t c, int32_t s) const {
  if (!IsCategory(c)) return std::nullopt;
  const TKelvoKomp* komp = Selected[c];
  const TKelvoSubKomp* sub = komp ? komp->Sub(s) : nullptr;
  if (!sub) return std::nullopt;
  int64_t x = int64_t{Position[c].x} + sub->X;
  int64_t y = int64_t{Position[c].y} + sub->Y;
  const TKelvoKompKontejner& container = library_->Container(c);
  if (container.WithSpan && (s == 1 || s == 2)) {
    const int32_t parent = container.Parent;
    const int32_t k = IsCategory(parent) ? library_->Container(parent).PointOf[c] : 0;
    if (k == 0) throw KelvoError("TKelvoPortret.PripravParametry: index=0");
    // A parent component without that point (an imported one) adds no default span.
    const TKelvoKomp* parent_komp = Selected[parent];
    SnapPoint point;
    if (parent_komp && k <= parent_komp->PointCount()) point = parent_komp->Point(k);
    const int64_t dx = int64_t{Span[c].x} + point.SpanX;
    const int64_t dy = int64_t{Span[c].y} + point.SpanY;
    if (s == 1) {
      x -= dx;
      y -= dy;
    } else {
      x += dx;
      y += dy;
    }
  }
  return Point{Wrap(x), Wrap(y)};
}

Rect TKelvoPortret::CategoryBounds(int32_t c, Rect r) const {
  if (!IsCategory(c) || !Selected[c]) return r;
  for (int32_t s = 1; s <= 4; ++s) {
    const TKelvoSubKomp* sub = Selected[c]->Sub(s);
    if (!sub) continue;
    const int32_t x0 = Wrap(int64_t{Position[c].x} + sub->X);
    const int32_t y0 = Wrap(int64_t{Position[c].y} + sub->Y);
    r.left = std::min(r.left, x0);
    r.right = std::max(r.right, Wrap(int64_t{x0} + sub->Width));
    r.top = std::min(r.top, y0);
    r.bottom = std::max(r.bottom, Wrap(int64_t{y0} + sub->Height));
  }
  return r;
}

}  // namespace kelvo
