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

Layer RenderThumbnail(TKelvoPortret& portrait) {
  TKelvoPortret::RenderBuffers buffers;
  return RenderThumbnail(portrait, buffers);
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
  Layer thumbnail = FilledThumbnail(0);
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
    TKelvoPortret::RenderBuffers buffers;  // one canvas and mask per thread
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
    TKelvoPortret::RenderBuffers buffers;
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
