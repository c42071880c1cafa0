#include "portrait/thumbnails.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

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
                                    const ThumbnailProgress& progress) {
  const int total = static_cast<int>(portraits.size());
  std::vector<Layer> thumbnails(portraits.size());
  if (threads < 1) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  threads = std::min(threads, total);

  std::atomic<int> next{0};
  std::atomic<bool> failed{false};
  std::mutex mutex;
  std::condition_variable finished;
  int done = 0;
  std::exception_ptr failure;
  auto work = [&] {
    PooledBuffers pooled;  // one canvas and mask per thread
    TKelvoPortret::RenderBuffers& buffers = pooled.buffers;
    for (;;) {
      const int i = next.fetch_add(1);
      if (i >= total || failed) return;
      try {
        thumbnails[static_cast<size_t>(i)] =
            RenderThumbnail(*portraits[static_cast<size_t>(i)], buffers);
      } catch (...) {
        const std::lock_guard<std::mutex> lock(mutex);
        if (!failure) failure = std::current_exception();
        failed = true;
      }
      const std::lock_guard<std::mutex> lock(mutex);
      // The caller wakes for the end only; it reports progress on its own clock.
      if (++done == total || failed) finished.notify_all();
    }
  };

  if (threads <= 1) {
    PooledBuffers pooled;
    TKelvoPortret::RenderBuffers& buffers = pooled.buffers;
    for (int i = 0; i < total; ++i) {
      thumbnails[static_cast<size_t>(i)] =
          RenderThumbnail(*portraits[static_cast<size_t>(i)], buffers);
      if (progress) progress(i + 1, total);
    }
    return thumbnails;
  }

  std::vector<std::thread> workers;
  workers.reserve(static_cast<size_t>(threads));
  for (int t = 0; t < threads; ++t) workers.emplace_back(work);
  {
    // The caller's thread only reports: its progress callback may touch the GUI.
    std::unique_lock<std::mutex> lock(mutex);
    int reported = 0;
    while (done < total && !failed) {
      finished.wait_for(lock, std::chrono::milliseconds(50));
      if (progress && done != reported) {
        reported = done;
        lock.unlock();
        progress(reported, total);
        lock.lock();
      }
    }
  }
  for (std::thread& worker : workers) worker.join();
  if (failure) std::rethrow_exception(failure);
  if (progress) progress(total, total);
  return thumbnails;
}

}  // namespace kelvo
