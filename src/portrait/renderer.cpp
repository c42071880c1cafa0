// Rendering of a portrait into its 320 x 400 canvas, following the library's draw order.
#include <algorithm>
#include <cstring>
#include <exception>

#include "library/type_library.h"
#include "portrait/colour_ramp.h"
#include "portrait/draw_routines.h"
#include "portrait/portrait.h"

namespace kelvo {

namespace {

// A subcomponent whose pixel block is shorter than its size announces is treated as missing.
bool HasImage(const TKelvoSubKomp& sub) {
  if (sub.Width < 1 || sub.Height < 1) return false;
  const size_t bytes =
      static_cast<size_t>(sub.Width) * static_cast<size_t>(sub.Height) * (sub.Bits == 16 ? 2u : 1u);
  return sub.Pixels.size() >= bytes;
}

}  // namespace

void TKelvoPortret::LendRenderBuffers(RenderBuffers& buffers) {
  std::swap(RenderLayer, buffers.canvas);
  std::swap(ClipMask, buffers.mask);
  std::swap(mask_extent_, buffers.mask_extent);
  blank_lent_buffers_ = true;
}

void TKelvoPortret::ReturnRenderBuffers(RenderBuffers& buffers) {
  std::swap(RenderLayer, buffers.canvas);
  std::swap(ClipMask, buffers.mask);
  std::swap(mask_extent_, buffers.mask_extent);
  blank_lent_buffers_ = false;
}

void TKelvoPortret::PripravPortret(bool clipping_on) {
  Render(clipping_on, DrawFilter::kAll, 0);
}

void TKelvoPortret::RenderOnly(int32_t k) {
  Render(false, DrawFilter::kOnly, k);
}

void TKelvoPortret::RenderVisible() {
  Render(false, DrawFilter::kVisible, 0);
}

void TKelvoPortret::RenderCoverage(uint16_t fill, RenderBuffers& buffers) {
  LendRenderBuffers(buffers);
  coverage_fill_ = fill;
  struct GiveBack {
    TKelvoPortret& portrait;
    RenderBuffers& buffers;
    ~GiveBack() {
      portrait.coverage_fill_.reset();
      portrait.ReturnRenderBuffers(buffers);
    }
  } give_back{*this, buffers};
  Render(false, DrawFilter::kAll, 0);
}

void TKelvoPortret::Render(bool clipping_on, DrawFilter filter, int32_t only) {
  // A layer or mask of another size put in from outside would let drawing run past its end.
  bool fresh_canvas = false;
  if (!RenderLayer || RenderLayer->width != kCanvasWidth || RenderLayer->height != kCanvasHeight) {
    RenderLayer = create_layer(kCanvasWidth, kCanvasHeight, "TKelvoPortret.PripravPortret");
    fresh_canvas = true;
  }
  const size_t mask_size = static_cast<size_t>(kCanvasWidth) * kCanvasHeight;
  if (ClipMask.size() != mask_size) {
    ClipMask.assign(mask_size, 0);
    mask_extent_ = Rect{};
  }
  if (blank_lent_buffers_) {
    blank_lent_buffers_ = false;
    BuildClipMask(nullptr, 0, std::nullopt, ClipMask.data(), mask_extent_);
    MaskInverted = false;
    if (coverage_fill_) {
      std::fill(RenderLayer->pixels.begin(), RenderLayer->pixels.end(), *coverage_fill_);
    } else if (!fresh_canvas && !FirstEntryCoversCanvas(clipping_on, filter, only)) {
      std::fill(RenderLayer->pixels.begin(), RenderLayer->pixels.end(), uint16_t{0});
    }
  }
  ClippingOn = clipping_on;
  for (const DrawOrderEntry& entry : library_->DrawOrder) {
    DrawEntry(entry.Category, entry.Subcomponent, entry.Kind, Drawn(entry.Category, filter, only));
  }
}

bool TKelvoPortret::Drawn(int32_t c, DrawFilter filter, int32_t only) const {
  if (filter == DrawFilter::kOnly) return c == only || c == 1;
  if (filter == DrawFilter::kVisible) {
    return c == 1 || !(c >= 1 && c <= kCategoryCount && Hidden[c]);
  }
  return true;
}

bool TKelvoPortret::FirstEntryCoversCanvas(bool clipping_on, DrawFilter filter,
                                           int32_t only) const {
  if (clipping_on || library_->DrawOrder.empty()) return false;
  const DrawOrderEntry& first = library_->DrawOrder.front();
  const int32_t c = first.Category;
  if (c < 1 || c > kCategoryCount || !Drawn(c, filter, only)) return false;
  const TKelvoKomp* komp = Selected[c];
  const TKelvoSubKomp* sub = komp ? komp->Sub(first.Subcomponent) : nullptr;
  if (!sub || komp->ImagesLoaded <= 0 || !HasImage(*sub) || sub->Bits != 16 || !sub->Opaque) {
    return false;
  }
  try {
    const std::optional<Point> at = PripravParametry(c, first.Subcomponent);
    const auto place =
        at ? PlaceImage(at->x, at->y, sub->Width, sub->Height, nullptr) : std::nullopt;
    return place && place->x == 0 && place->y == 0 && place->w == kCanvasWidth &&
           place->h == kCanvasHeight;
  } catch (const std::exception&) {
    return false;  // the render itself reports it
  }
}

void TKelvoPortret::DrawEntry(int32_t c, int32_t s, char kind, bool draw) {
  const bool valid_category = c >= 1 && c <= kCategoryCount;
  const TKelvoKomp* komp = valid_category ? Selected[c] : nullptr;
  const TKelvoSubKomp* sub = komp ? komp->Sub(s) : nullptr;
  if (!draw || !sub || komp->ImagesLoaded <= 0 || !HasImage(*sub)) {
    if (kind == 'M') {
      std::memset(ClipMask.data(), 255, ClipMask.size());
      mask_extent_ = Rect{0, 0, kCanvasWidth, kCanvasHeight};
    }
    return;
  }
  const TKelvoKompKontejner& container = library_->Container(c);
  const std::optional<Point> at = PripravParametry(c, s);
  if (!at) return;
  const std::optional<Placement> place =
      PlaceImage(at->x, at->y, sub->Width, sub->Height, ClippingOn ? &ClipRect : nullptr);
  DrawTarget target{*RenderLayer, ClipMask.data(), ColourRamp.data()};
  const uint8_t* pixels = sub->Pixels.data();
  const bool shadow = sub->Bits != 16 && s == container.Shadow;
  // A coverage render builds masks, but draws no background image and no shadow.
  if (coverage_fill_ && (c == 1 || shadow) && (kind != 'M' || sub->Bits == 16)) return;
  if (sub->Bits == 16) {
    if (place) (sub->Opaque ? DrawOpaque16 : DrawImage16)(pixels, sub->Width, *place, target);
    return;
  }
  if (kind == 'M') {
    MaskInverted = container.InvertMask;
    BuildClipMask(pixels, sub->Width, place, ClipMask.data(), mask_extent_);
    return;
  }
  const bool clipped = kind == 'O' || (kind == 'C' && sub->Clip);
  if (!clipped && kind != 'N' && kind != 'C') return;
  BuildColourRamp(c);
  if (!place) return;
  if (!clipped) {
    (shadow ? DrawShadow : DrawColoured)(pixels, sub->Width, *place, target);
  } else if (MaskInverted) {
    (shadow ? DrawShadowOutside : DrawColouredOutside)(pixels, sub->Width, *place, target);
  } else {
    (shadow ? DrawShadowInside : DrawColouredInside)(pixels, sub->Width, *place, target);
  }
}

void TKelvoPortret::BuildColourRamp(int32_t c) {
  if (c < 1 || c > kCategoryCount) return;
  const auto& slots = ColourSlots[c];
  RampCache& cache = ramp_cache_[c];
  bool same = cache.valid;
  for (int32_t s = 1; s <= 4 && same; ++s) {
    same = cache.slots[s].Colour() == slots[s].Colour() &&
           cache.slots[s].Contrast() == slots[s].Contrast();
  }
  if (!same) {
    for (int32_t s = 1; s <= 4; ++s) {
      FillRampSlot(cache.table, s, {slots[s].Colour(), slots[s].Contrast()});
    }
    cache.slots = slots;
    cache.valid = true;
  }
  ColourRamp = cache.table;
}

}  // namespace kelvo
