// One portrait: the component chosen in each of the 14 categories, how each is moved and
// spread, the colours of each category's colour slots, name and voice, and the working state of
// rendering and animation frames. The portrait owns its render layer, clip mask and frame
// layers; the type library and everything in it belong to the library, which must outlive it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/categories.h"
#include "library/colour_type.h"
#include "portrait/layer.h"
#include "portrait/nation.h"

namespace kelvo {

class RandomGenerators;
class TKelvoKomp;
class TKelvoTyp;

inline constexpr int32_t kCanvasWidth = 320;
inline constexpr int32_t kCanvasHeight = 400;

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// One small animation frame: a quarter-size layer and where it goes in the small portrait.
struct FrameSlot {
  std::unique_ptr<Layer> layer;
  int32_t x = 0;
  int32_t y = 0;
};

class TKelvoPortret {
 public:
  // Create: defaults, no component selected and no colour applied.
  explicit TKelvoPortret(TKelvoTyp& library);
  ~TKelvoPortret();
  TKelvoPortret(const TKelvoPortret&) = delete;
  TKelvoPortret& operator=(const TKelvoPortret&) = delete;

  // Selection, placement and colours; clip rectangle, frames, hidden flags, locks and weights
  // of the copy keep their defaults.
  std::unique_ptr<TKelvoPortret> Clone() const;

  TKelvoTyp& Library() const { return *library_; }
  // Rebinds the portrait to another library (a gallery portrait naming a foreign one).
  void SetLibrary(TKelvoTyp& library) { library_ = &library; }

  PerCategory<TKelvoKomp*> Selected{};
  PerCategory<Point> Position{};
  PerCategory<OneBased<ColourEntry, kSubcomponentCount>> ColourSlots{};  // by category and slot
  ColourEntry ExtraColour;  // served to Clothing slots of colour type 10 by the avatar exchange
  std::string LibraryName;  // the library's directory without its trailing backslash (PAK)
  std::string Name;
  uint8_t Voice = 0;
  PerCategory<Point> Span{};
  PerCategory<Point> Shift{};
  Rect ClipRect{};
  bool ClippingOn = false;

  // Animation frames: upper [eyebrow step 0..2][eye step 0..4], lower [mouth step 0..4].
  std::array<std::array<FrameSlot, 5>, 3> UpperFrames;
  std::array<FrameSlot, 5> LowerFrames;
  int32_t CurrentBrowState = 0, CurrentEyeState = 0, CurrentMouthState = 0;
  int32_t NextBrowState = 0, NextEyeState = 0, NextMouthState = 0;
  Rect UpperRect{}, LowerRect{};
  PerCategory<TKelvoKomp*> SavedSelection{};
  bool FramesReady = false;

  std::unique_ptr<Layer> RenderLayer;  // 320 x 400, made by the first render
  bool OwnLibrary = true;
  std::array<uint16_t, 256> ColourRamp{};
  std::vector<uint8_t> ClipMask;  // 320 x 400 bytes, non-zero = inside; made by the first render
  bool MaskInverted = false;
  std::string Signature;
  PerCategory<bool> Hidden{};
  OneBased<bool, kColourTypeCount> ColourTypeLocked{};
  OneBased<int32_t, kPropertyCount> PropertyWeights{50, 50, 50, 50, 50};

  // --- model and parameters ---
  void FreeRenderLayer() { RenderLayer.reset(); }
  // Throws "AktKomp Empty" when a category has no selected component.
  void ComputePositions();
  // Adds the snapping points' spread offsets; does not check for missing components.
  void ComputePositionsWithSpread();
  void UpdateSignature();
  void ApplyColours();
  void ApplyColoursWithExtra();
  // Canvas position of subcomponent s of category c; none if it does not exist. Throws
  // "TKelvoPortret.PripravParametry: index=0" for a paired category its parent gives no point.
  std::optional<Point> PripravParametry(int32_t c, int32_t s) const;
  // r grown to cover the category's subcomponent images (without the span movement).
  Rect CategoryBounds(int32_t c, Rect r) const;
  void ResetPropertyWeights() { PropertyWeights = {50, 50, 50, 50, 50}; }

  // --- rendering ---
  // A canvas and clip mask that a batch lends from portrait to portrait.
  struct RenderBuffers {
    std::unique_ptr<Layer> canvas;
    std::vector<uint8_t> mask;
    Rect mask_extent{};
  };
  // Swaps the buffers in for the renders that follow: the next render draws on a black canvas
  // with a clear mask, as a first render does, however the buffers were left.
  void LendRenderBuffers(RenderBuffers& buffers);
  // Swaps them back out, giving the portrait its own canvas and mask again.
  void ReturnRenderBuffers(RenderBuffers& buffers);
  // Full render of the draw order, limited to ClipRect when clipping_on.
  void PripravPortret(bool clipping_on);
  // Only the entries of category k and of the background.
  void RenderOnly(int32_t k);
  // Leaves out hidden categories (the background is always drawn).
  void RenderVisible();
  // A full render into the lent buffers on a canvas filled with `fill` and a clear mask, that
  // draws neither the background's images nor any shadow (masks are built as usual): the pixels
  // it writes are those the components cover. The buffers are returned however it ends.
  void RenderCoverage(uint16_t fill, RenderBuffers& buffers);
  void BuildColourRamp(int32_t c);
  // Writes subcomponent s of category c as 24-bit bitmap file(s) named after path.
  void ExportSubcompBmp(int32_t c, int32_t s, const std::string& path);

  // --- random choice, drawing from the process's portrait sequence ---
  int32_t RandomComponentIndex(int32_t c, RandomGenerators& random) const;
  int32_t RandomComponentIndexByProperties(int32_t c, RandomGenerators& random) const;
  void RandomComponent(int32_t c, RandomGenerators& random);
  void RandomComponents(RandomGenerators& random);
  // Change the colour type's selected entry in the library.
  void RandomColourEntry(int32_t t, RandomGenerators& random);
  void RandomColourEntryByProperties(int32_t t, RandomGenerators& random);
  void RandomColours(RandomGenerators& random);
  void RandomColoursByProperties(RandomGenerators& random);
  // Weights reset to 50, then 100 for the nation's property and 0 for the other two nations.
  void ApplyNationPreset(Nation nation);

 private:
  enum class DrawFilter { kAll, kOnly, kVisible };
  void Render(bool clipping_on, DrawFilter filter, int32_t only);
  bool Drawn(int32_t c, DrawFilter filter, int32_t only) const;
  // The first entry of the draw order paints every canvas pixel with an opaque image.
  bool FirstEntryCoversCanvas(bool clipping_on, DrawFilter filter, int32_t only) const;
  void DrawEntry(int32_t c, int32_t s, char kind, bool draw);
  void ApplyColoursImpl(bool with_extra);
  void ComputePositionsImpl(bool with_spread);

  // Ramps already built, by category: rebuilt only when the category's colours change.
  struct RampCache {
    bool valid = false;
    OneBased<ColourEntry, kSubcomponentCount> slots{};
    std::array<uint16_t, 256> table{};
  };

  TKelvoTyp* library_;
  PerCategory<RampCache> ramp_cache_{};
  // Where ClipMask may be non-zero, so the next mask clears only that much.
  Rect mask_extent_{};
  // Lent buffers still to be made blank, by the next render.
  bool blank_lent_buffers_ = false;
  // Set during RenderCoverage: the fill of its canvas.
  std::optional<uint16_t> coverage_fill_;
};

}  // namespace kelvo
