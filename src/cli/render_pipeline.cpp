#include "cli/render_pipeline.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "foundation/parallel_for.h"
#include "portrait/portrait.h"
#include "portrait/transparent_render.h"

namespace kelvo::cli {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Lets calls for the indices 0, 1, 2, ... through one at a time and in that order, whichever
// thread makes them. Every index must come, as ParallelFor's bodies do, or later ones wait.
class InIndexOrder {
 public:
  template <class Make>
  auto Run(int index, Make make) {
    std::unique_lock<std::mutex> lock(mutex_);
    turn_.wait(lock, [&] { return next_ == index; });
    // The turn passes on however `make` ends.
    struct Pass {
      InIndexOrder& order;
      ~Pass() {
        ++order.next_;
        order.turn_.notify_all();
      }
    } pass{*this};
    return make();
  }

 private:
  std::mutex mutex_;
  std::condition_variable turn_;
  int next_ = 0;
};

}  // namespace

const Layer& RenderPortraitImage(TKelvoPortret& portrait, int scale, RenderScratch& scratch) {
  portrait.ComputePositions();
  portrait.LendRenderBuffers(scratch.buffers);
  // The buffers go back to the scratch however the render ends.
  struct GiveBack {
    TKelvoPortret& portrait;
    RenderScratch& scratch;
    ~GiveBack() { portrait.ReturnRenderBuffers(scratch.buffers); }
  } give_back{portrait, scratch};
  portrait.PripravPortret(false);
  const Layer& full = *portrait.RenderLayer;
  if (scale <= 1) return full;
  Layer& reduced = scratch.reduced;
  if (reduced.width != full.width / scale || reduced.height != full.height / scale) {
    reduced = std::move(*create_layer(full.width / scale, full.height / scale, "kelvo render"));
  }
  reduce_layer(scale, full, reduced);
  return reduced;
}

Layer RenderPortraitImage(TKelvoPortret& portrait, int scale) {
  RenderScratch scratch;
  RenderPortraitImage(portrait, scale, scratch);
  return scale <= 1 ? std::move(*scratch.buffers.canvas) : std::move(scratch.reduced);
}

std::vector<PortraitTimes> RenderToFiles(int jobs, int count, const BatchSource& source,
                                         const BatchOutput& output) {
  std::vector<PortraitTimes> times(static_cast<std::size_t>(std::max(count, 0)));
  std::vector<RenderScratch> scratch(static_cast<std::size_t>(ParallelWorkers(jobs, count)));
  FolderListings listings;  // output folders, read once for the whole batch
  InIndexOrder order;
  ParallelFor(jobs, count, [&](int i, int worker) {
    BatchPortrait job = order.Run(i, [&] { return source(i); });
    RenderScratch& own = scratch[static_cast<std::size_t>(worker)];
    PortraitTimes& t = times[static_cast<std::size_t>(i)];
    t.number = job.number;
    auto start = Clock::now();
    TKelvoPortret& portrait = job.owned ? *job.owned : *job.portrait;
    if (output.transparent) {
      portrait.ComputePositions();
      const RgbaImage image = RenderTransparent(portrait, output.scale);
      t.render = SecondsSince(start);
      start = Clock::now();
      own.encoded = EncodePng(image, output.settings.png_level);
    } else {
      const Layer& image = RenderPortraitImage(portrait, output.scale, own);
      t.render = SecondsSince(start);
      start = Clock::now();
      EncodeImage(image, output.type, output.settings.png_level, own.encoded);
    }
    job.owned.reset();
    t.encode = SecondsSince(start);
    start = Clock::now();
    WriteOutputFile(job.path, own.encoded, {.sync = output.settings.sync, .listings = &listings});
    t.write = SecondsSince(start);
  });
  return times;
}

}  // namespace kelvo::cli
