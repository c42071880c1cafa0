// Gallery thumbnails: a portrait rendered at full size and box-averaged by 4 into an 80 x 100
// 16-bit layer. Several portraits can be made on several threads at once; each job renders
// only its own portrait, so the pixels do not depend on the number of threads. The portraits
// and the libraries they use belong to the caller; their images must be loaded beforehand and
// the libraries must not change while the jobs run.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/parallel_for.h"
#include "portrait/layer.h"
#include "portrait/portrait.h"

namespace kelvo {

inline constexpr int32_t kThumbnailWidth = 80;
inline constexpr int32_t kThumbnailHeight = 100;
inline constexpr int32_t kThumbnailFactor = 4;

// ComputePositions, a full render, the 4 x 4 box average. The render layer is freed afterwards.
Layer RenderThumbnail(TKelvoPortret& portrait);
// The same on lent buffers, which the next thumbnail can use again.
Layer RenderThumbnail(TKelvoPortret& portrait, TKelvoPortret::RenderBuffers& buffers);
// An 80 x 100 layer of one colour.
Layer FilledThumbnail(uint16_t pixel);

// RenderThumbnail of every portrait, in order, on `threads` threads (below 1: one per core),
// with ParallelFor's progress reports; the failure of the first portrait that failed is
// rethrown once every thread has stopped.
std::vector<Layer> RenderThumbnails(const std::vector<TKelvoPortret*>& portraits, int threads,
                                    const ParallelProgress& progress = {});

}  // namespace kelvo
