// The renderer's shortcuts on the bundled data sets: plain copies of 16-bit images without a
// transparent pixel, and clip masks cleared only where the previous mask was set, against a
// per-pixel render with none of them.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "library/type_library.h"
#include "portrait/draw_routines.h"
#include "portrait/pixel.h"
#include "portrait/portrait.h"
#include "portrait/thumbnails.h"
#include "support/bundled_library.h"
#include "support/param_names.h"
#include "support/test_support.h"

namespace kelvo {
namespace {

constexpr int kW = kCanvasWidth, kH = kCanvasHeight;

struct Picture {
  std::vector<uint16_t> canvas;  // kW x kH, no padding
  std::vector<uint8_t> mask;
  bool inverted = false;
  friend bool operator==(const Picture&, const Picture&) = default;
};

Picture Snapshot(const TKelvoPortret& p) {
  Picture picture{std::vector<uint16_t>(kW * kH, 0), std::vector<uint8_t>(kW * kH, 0),
                  p.MaskInverted};
  if (p.RenderLayer) {
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) picture.canvas[y * kW + x] = p.RenderLayer->At(x, y);
    }
  }
  if (!p.ClipMask.empty()) picture.mask = p.ClipMask;
  return picture;
}

// Draw order rules pixel by pixel, starting from `picture`.
void ReferenceRender(TKelvoPortret& p, bool clipping, Picture& picture) {
  for (const DrawOrderEntry& e : p.Library().DrawOrder) {
    const int c = e.Category, s = e.Subcomponent;
    const TKelvoKomp* komp = p.Selected[c];
    const TKelvoSubKomp* sub = komp ? komp->Sub(s) : nullptr;
    const size_t depth = sub && sub->Bits == 16 ? 2 : 1;
    if (!sub || komp->ImagesLoaded <= 0 || sub->Width < 1 || sub->Height < 1 ||
        sub->Pixels.size() < depth * sub->Width * sub->Height) {
      if (e.Kind == 'M') std::fill(picture.mask.begin(), picture.mask.end(), uint8_t{255});
      continue;
    }
    const TKelvoKompKontejner& box = p.Library().Container(c);
    const std::optional<Point> at = p.PripravParametry(c, s);
    if (!at) continue;
    const auto place =
        PlaceImage(at->x, at->y, sub->Width, sub->Height, clipping ? &p.ClipRect : nullptr);
    if (e.Kind == 'M' && sub->Bits != 16) {
      picture.inverted = box.InvertMask;
      std::fill(picture.mask.begin(), picture.mask.end(), uint8_t{0});
    }
    const bool clipped = e.Kind == 'O' || (e.Kind == 'C' && sub->Clip);
    if (sub->Bits != 16 && e.Kind != 'M' && (clipped || e.Kind == 'N' || e.Kind == 'C')) {
      p.BuildColourRamp(c);
    }
    if (!place) continue;
    for (int y = 0; y < place->h; ++y) {
      for (int x = 0; x < place->w; ++x) {
        const int sx = place->skip_x + x, sy = place->skip_y + y;
        const size_t at_canvas = static_cast<size_t>(place->y + y) * kW + place->x + x;
        uint16_t& out = picture.canvas[at_canvas];
        if (sub->Bits == 16) {
          if (sub->Pixel16(sx, sy) != kTransparent565) out = sub->Pixel16(sx, sy);
          continue;
        }
        const uint8_t v = sub->Pixel8(sx, sy);
        if (e.Kind == 'M') {
          picture.mask[at_canvas] = v;
          continue;
        }
        if (v == 0 || (!clipped && e.Kind != 'N' && e.Kind != 'C')) continue;
        if (clipped && (picture.mask[at_canvas] != 0) == picture.inverted) continue;
        out = s == box.Shadow ? min_rgb16(out, p.ColourRamp[v]) : p.ColourRamp[v];
      }
    }
  }
}

using RenderFastPaths = test::BundledLibraryTest;

// One portrait redrawn with new components: canvas and mask carry over from render to render.
TEST_P(RenderFastPaths, RendersMatchThePixelByPixelRules) {
  TKelvoPortret p(*library);
  for (int i = 0; i < 24; ++i) {
    p.RandomComponents(context->Random());
    p.RandomColours(context->Random());
    p.ComputePositions();
    const bool clipping = i % 4 == 3;
    p.ClipRect = Rect{-8 + 13 * i, 40 + 3 * i, 250 + 9 * i, 300 + 5 * i};
    Picture expected = Snapshot(p);
    ReferenceRender(p, clipping, expected);
    p.PripravPortret(clipping);
    ASSERT_EQ(expected, Snapshot(p)) << GetParam() << " portrait " << i;
  }
}

// Random portraits through one pair of lent buffers, as batches and thumbnails draw them:
// each the same as the first render of a portrait of its own. The bundled backgrounds cover
// the canvas, so the lent canvas is drawn over without being cleared.
TEST_P(RenderFastPaths, LentBuffersGiveTheFirstRendersPixels) {
  TKelvoPortret::RenderBuffers buffers;
  for (int i = 0; i < 12; ++i) {
    TKelvoPortret p(*library);
    p.RandomComponents(context->Random());
    p.RandomColours(context->Random());
    p.ComputePositions();
    TKelvoPortret fresh(*library);
    fresh.Selected = p.Selected;
    fresh.ColourSlots = p.ColourSlots;
    fresh.ComputePositions();
    fresh.PripravPortret(false);
    p.LendRenderBuffers(buffers);
    p.PripravPortret(false);
    p.ReturnRenderBuffers(buffers);
    ASSERT_EQ(fresh.RenderLayer->pixels, buffers.canvas->pixels) << GetParam() << " portrait " << i;
    ASSERT_EQ(fresh.ClipMask, buffers.mask) << GetParam() << " portrait " << i;
  }
}

// Thumbnails of a run of portraits on one thread and on three: the same pixels, each as a
// thumbnail made alone; progress ends at the total, and a portrait that cannot be drawn
// fails the run.
TEST_P(RenderFastPaths, ThumbnailsAreTheSameOnAnyNumberOfThreads) {
  std::vector<std::unique_ptr<TKelvoPortret>> owned;
  std::vector<TKelvoPortret*> portraits;
  for (int i = 0; i < 9; ++i) {
    owned.push_back(std::make_unique<TKelvoPortret>(*library));
    owned.back()->RandomComponents(context->Random());
    owned.back()->RandomColours(context->Random());
    portraits.push_back(owned.back().get());
  }
  std::vector<std::pair<int, int>> reports;
  const std::vector<Layer> one = RenderThumbnails(portraits, 1);
  const std::vector<Layer> three = RenderThumbnails(
      portraits, 3, [&](int done, int total) { reports.emplace_back(done, total); });
  ASSERT_EQ(one.size(), three.size());
  for (size_t i = 0; i < one.size(); ++i) {
    EXPECT_EQ(one[i].pixels, three[i].pixels) << GetParam() << " thumbnail " << i;
    EXPECT_EQ(RenderThumbnail(*portraits[i]).pixels, one[i].pixels) << i;
    EXPECT_EQ(nullptr, portraits[i]->RenderLayer);
  }
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(std::make_pair(9, 9), reports.back());
  portraits[4]->Selected[3] = nullptr;  // no face: positions cannot be computed
  EXPECT_THROW(RenderThumbnails(portraits, 3), std::exception);
}

// Every 16-bit image: marked opaque exactly when it has no transparent pixel, and then copied
// as the keyed routine draws it, whole and cut at the canvas edges.
TEST_P(RenderFastPaths, OpaqueImagesCopyAsTheKeyedRoutineDraws) {
  int images = 0, opaque = 0;
  for (int c = 1; c <= kCategoryCount; ++c) {
    for (const auto& komp : library->Container(c).Components) {
      for (int s = 1; s <= 4; ++s) {
        const TKelvoSubKomp* sub = komp->Sub(s);
        if (!sub || sub->Bits != 16 || !sub->HasPixels()) continue;
        ++images;
        bool keyed = false;
        for (int y = 0; y < sub->Height; ++y) {
          for (int x = 0; x < sub->Width; ++x) keyed = keyed || sub->Pixel16(x, y) == 0x07E0;
        }
        ASSERT_EQ(!keyed, sub->Opaque) << sub->FileName;
        if (!sub->Opaque) continue;
        ++opaque;
        for (const Point at : {Point{0, 0}, Point{-37, 11}, Point{150, -20}, Point{301, 390}}) {
          const auto place = PlaceImage(at.x, at.y, sub->Width, sub->Height, nullptr);
          if (!place) continue;
          std::vector<uint8_t> mask(kW * kH, 0);
          auto keyed_canvas = create_layer(kW, kH);
          for (size_t k = 0; k < keyed_canvas->pixels.size(); ++k) {
            keyed_canvas->pixels[k] = static_cast<uint16_t>(k * 31);
          }
          auto copied_canvas = std::make_unique<Layer>(*keyed_canvas);
          DrawTarget keyed_target{*keyed_canvas, mask.data(), nullptr};
          DrawTarget copied_target{*copied_canvas, mask.data(), nullptr};
          DrawImage16(sub->Pixels.data(), sub->Width, *place, keyed_target);
          DrawOpaque16(sub->Pixels.data(), sub->Width, *place, copied_target);
          ASSERT_EQ(keyed_canvas->pixels, copied_canvas->pixels) << sub->FileName;
        }
      }
    }
  }
  EXPECT_GT(images, 0);
  EXPECT_GT(opaque, 0);  // the data sets have backgrounds without holes
}

INSTANTIATE_TEST_SUITE_P(DataSets, RenderFastPaths, ::testing::Values("male", "female", "ape"),
                         test::ParamName{});

}  // namespace
}  // namespace kelvo
