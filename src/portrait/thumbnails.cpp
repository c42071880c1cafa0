#include "portrait/thumbnails.h"

#include <algorithm>
#include <mutex>

#include "foundation/parallel_for.h"
#include "portrait/portrait.h"

namespace kelvo {

namespace {

// Canvases and masks kept between thumbnail jobs: the gallery's loads, swaps and write-backs
// would otherwise allocate and fault in 384 KB of fresh memory for every job.
class BufferPool {
 public:
  TKelvoPortret::RenderBuffers Take() {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (free_.empty()) return {};
    TKelvoPortret::RenderBuffers buffers = std::move(free_.back());
    free_.pop_back();
    return buffers;
  }
  // Called from destructors: a pool that cannot grow lets the buffers go instead.
  void Give(TKelvoPortret::RenderBuffers buffers) noexcept {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (free_.size() >= kKept) return;
    try {
      free_.push_back(std::move(buffers));
    } catch (...) {
    }
  }

 private:
  static constexpr size_t kKept = 8;
  std::mutex mutex_;
  std::vector<TKelvoPortret::RenderBuffers> free_;
};

BufferPool& Pool() {
  static BufferPool pool;
  return pool;
}

// Buffers from the pool for one scope, given back however it is left.
struct PooledBuffers {
  PooledBuffers() : buffers(Pool().Take()) {}
  ~PooledBuffers() { Pool().Give(std::move(buffers)); }
  PooledBuffers(const PooledBuffers&) = delete;
  PooledBuffers& operator=(const PooledBuffers&) = delete;
  TKelvoPortret::RenderBuffers buffers;
};

}  // namespace

Layer RenderThumbnail(TKelvoPortret& portrait) {
  PooledBuffers pooled;
  return RenderThumbnail(portrait, pooled.buffers);
}

Layer RenderThumbnail(TKelvoPortret& portrait, TKelvoPortret::RenderBuffers& buffers) {
  portrait.ComputePositions();
  portrait.LendRenderBuffers(buffers);
  struct GiveBack {
    TKelvoPortret& portrait;
    TKelvoPortret::RenderBuffers& buffers;
    ~GiveBack() {
      portrait.ReturnRenderBuffers(buffers);
      // 200 full-size layers would hold 50 MB for nothing.
      portrait.FreeRenderLayer();
    }
  } give_back{portrait, buffers};
  portrait.PripravPortret(false);
  Layer thumbnail = std::move(*create_layer(kThumbnailWidth, kThumbnailHeight, "thumbnail"));
  reduce_layer(kThumbnailFactor, *portrait.RenderLayer, thumbnail);
  return thumbnail;
}

Layer FilledThumbnail(uint16_t pixel) {
  Layer thumbnail = std::move(*create_layer(kThumbnailWidth, kThumbnailHeight, "thumbnail"));
  std::fill(thumbnail.pixels.begin(), thumbnail.pixels.end(), pixel);
  return thumbnail;
}

std::vector<Layer> RenderThumbnails(const std::vector<TKelvoPortret*>& portraits, int threads,
                                    const ParallelProgress& progress) {
  const int total = static_cast<int>(portraits.size());
  std::vector<Layer> thumbnails(portraits.size());
  // One canvas and mask per thread.
  std::vector<PooledBuffers> pooled(static_cast<size_t>(ParallelWorkers(threads, total)));
  ParallelFor(
      threads, total,
      [&](int i, int worker) {
        thumbnails[static_cast<size_t>(i)] = RenderThumbnail(
            *portraits[static_cast<size_t>(i)], pooled[static_cast<size_t>(worker)].buffers);
      },
      progress);
  return thumbnails;
}

}  // namespace kelvo
