#include "portrait/frame_export.h"

#include <algorithm>

#include "library/categories.h"
#include "portrait/anim_steps.h"
#include "portrait/bmp_writer.h"
#include "portrait/portrait.h"

namespace kelvo {
namespace {

constexpr Rgb kPureRed{255, 0, 0};

std::string FrameName(const std::string& base, const char* label, const char* kind, int n) {
  return base + "_" + label + "_" + kind + std::to_string(n) + ".bmp";
}

// Puts the selections and the hide flags back whatever happens to the export.
class PortraitScope {
 public:
  explicit PortraitScope(TKelvoPortret& portrait)
      : portrait_(portrait), selected_(portrait.Selected), hidden_(portrait.Hidden) {}
  ~PortraitScope() {
    portrait_.Selected = selected_;
    portrait_.Hidden = hidden_;
  }
  PortraitScope(const PortraitScope&) = delete;
  PortraitScope& operator=(const PortraitScope&) = delete;
  const PerCategory<bool>& Hidden() const { return hidden_; }

 private:
  TKelvoPortret& portrait_;
  PerCategory<TKelvoKomp*> selected_;
  PerCategory<bool> hidden_;
};

// The picture with every pixel the background picture shares set to pure red.
RgbImage WithoutBackground(const Layer& frame, const Layer& background) {
  RgbImage image = LayerToRgb(frame);
  const int32_t width = std::min(frame.width, background.width);
  const int32_t height = std::min(frame.height, background.height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      if (frame.At(x, y) == background.At(x, y)) image.At(x, y) = kPureRed;
    }
  }
  return image;
}

}  // namespace

const Layer& PlainFrameDrawer::Draw(TKelvoPortret& portrait) {
  portrait.ComputePositions();
  portrait.RenderVisible();
  return *portrait.RenderLayer;
}

std::string FrameFileBase(const std::string& chosen) {
  const size_t dot = chosen.rfind('.');
  if (dot == std::string::npos) return chosen;
  const size_t separator = chosen.find_last_of("\\/");
  if (separator != std::string::npos && dot < separator) return chosen;
  return chosen.substr(0, dot);
}

std::vector<std::string> FrameFileNames(const std::string& base) {
  std::vector<std::string> names;
  for (const FrameExportCategory& c : kFrameExportCategories) {
    for (int n = 0; n < CategoryAnimationLimit(c.Category); ++n) {
      names.push_back(FrameName(base, c.Label, "", n));
    }
  }
  for (int i = 0; i < kFrameExportWithoutBackground; ++i) {
    const FrameExportCategory& c = kFrameExportCategories[static_cast<size_t>(i)];
    for (int n = 0; n < CategoryAnimationLimit(c.Category); ++n) {
      names.push_back(FrameName(base, c.Label, "NB_", n));
    }
  }
  names.push_back(base + ".bmp");
  return names;
}

std::vector<std::string> ExportFrameFiles(TKelvoPortret& portrait, const std::string& base,
                                          FrameDrawer& drawer) {
  const PortraitScope scope(portrait);
  std::vector<std::string> written;
  auto save = [&](const std::string& name, const RgbImage& image) {
    WriteBmp24(name, image);
    written.push_back(name);
  };

  for (const FrameExportCategory& c : kFrameExportCategories) {
    AnimationRun run = AnimStart(portrait, c.Category);
    for (int n = 0; !AnimAdvance(portrait, run); ++n) {
      save(FrameName(base, c.Label, "", n), LayerToRgb(drawer.Draw(portrait)));
    }
  }

  // Only the background: the pixels the frames without background leave alone.
  portrait.Hidden.fill(true);
  const Layer background = drawer.Draw(portrait);
  for (int i = 0; i < kFrameExportWithoutBackground; ++i) {
    const FrameExportCategory& c = kFrameExportCategories[static_cast<size_t>(i)];
    portrait.Hidden[c.Category] = false;
    AnimationRun run = AnimStart(portrait, c.Category);
    for (int n = 0; !AnimAdvance(portrait, run); ++n) {
      save(FrameName(base, c.Label, "NB_", n),
           WithoutBackground(drawer.Draw(portrait), background));
    }
    portrait.Hidden[c.Category] = true;
  }

  // The base picture: the hide flags of the start, mouth and eyes hidden, the mouth at step 1.
  portrait.Hidden = scope.Hidden();
  portrait.Hidden[kMouths] = true;
  portrait.Hidden[kEyes] = true;
  AnimationRun run = AnimStart(portrait, kMouths);
  AnimAdvance(portrait, run);
  save(base + ".bmp", LayerToRgb(drawer.Draw(portrait)));
  return written;
}

}  // namespace kelvo
