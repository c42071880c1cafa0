#include "cli/render_pipeline.h"

#include <algorithm>
#include <atomic>
#include <chrono>

#include "portrait/portrait.h"

namespace kelvo::cli {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

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

int WorkerCount(int jobs) {
  return jobs >= 1 ? jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

void ForEachInParallel(int jobs, int count, const std::function<void(int, RenderScratch&)>& task) {
  const int workers = std::min(WorkerCount(jobs), std::max(count, 1));
  std::vector<std::exception_ptr> errors(static_cast<std::size_t>(std::max(count, 0)));
  std::atomic<int> next{0};
  std::atomic<int> first_failure{count};
  auto work = [&] {
    RenderScratch scratch;
    for (int i = next++; i < count && i < first_failure; i = next++) {
      try {
        task(i, scratch);
      } catch (...) {
        errors[static_cast<std::size_t>(i)] = std::current_exception();
        int seen = first_failure.load();
        while (i < seen && !first_failure.compare_exchange_weak(seen, i)) {
        }
      }
    }
  };
  if (workers <= 1) {
    work();
  } else {
    std::vector<std::thread> threads;
    for (int t = 0; t < workers; ++t) threads.emplace_back(work);
    for (std::thread& thread : threads) thread.join();
  }
  for (const std::exception_ptr& error : errors) {
    if (error) std::rethrow_exception(error);
  }
}

RenderPipeline::RenderPipeline(int threads, int scale, ImageFileType type, OutputSettings output)
    : threads_(WorkerCount(threads)), scale_(scale), type_(type), output_(output) {
  if (threads_ > 1) {
    for (int i = 0; i < threads_; ++i) workers_.emplace_back([this] { WorkerLoop(); });
  }
}

RenderPipeline::~RenderPipeline() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    queue_.clear();
  }
  work_ready_.notify_all();
  space_free_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

PortraitTimes RenderPipeline::RunJob(Job& job, RenderScratch& scratch) {
  PortraitTimes times;
  times.number = job.number;
  auto start = Clock::now();
  const Layer& image = RenderPortraitImage(*job.portrait, scale_, scratch);
  job.owned.reset();
  times.render = SecondsSince(start);
  start = Clock::now();
  EncodeImage(image, type_, output_.png_level, scratch.encoded);
  times.encode = SecondsSince(start);
  start = Clock::now();
  WriteOutputFile(job.path, scratch.encoded, {.sync = output_.sync, .listings = &listings_});
  times.write = SecondsSince(start);
  return times;
}

void RenderPipeline::Submit(int number, TKelvoPortret* portrait,
                            std::unique_ptr<TKelvoPortret> owned, std::string path) {
  Job job{number, owned ? owned.get() : portrait, std::move(owned), std::move(path)};
  if (workers_.empty()) {
    times_.push_back(RunJob(job, scratch_));
    return;
  }
  {
    std::unique_lock lock(mutex_);
    if (queue_.size() >= QueueLimit()) {
      // Full: wait until half of it is done, so the workers wake this thread only once per
      // half queue rather than once per portrait.
      space_free_.wait(lock, [&] { return failure_ || queue_.size() <= QueueLimit() / 2; });
    }
    RethrowFailure();
    queue_.push_back(std::move(job));
  }
  work_ready_.notify_one();
}

std::size_t RenderPipeline::QueueLimit() const {
  return static_cast<std::size_t>(8 * threads_);
}

std::vector<PortraitTimes> RenderPipeline::Finish() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  work_ready_.notify_all();
  for (std::thread& worker : workers_) worker.join();
  workers_.clear();
  RethrowFailure();
  std::sort(times_.begin(), times_.end(),
            [](const PortraitTimes& a, const PortraitTimes& b) { return a.number < b.number; });
  return std::move(times_);
}

void RenderPipeline::WorkerLoop() {
  RenderScratch scratch;
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      work_ready_.wait(lock, [&] { return stopping_ || failure_ || !queue_.empty(); });
      if (failure_ || queue_.empty()) return;
      job = std::move(queue_.front());
      queue_.pop_front();
      if (queue_.size() == QueueLimit() / 2) space_free_.notify_one();
    }
    try {
      const PortraitTimes times = RunJob(job, scratch);
      std::lock_guard lock(mutex_);
      times_.push_back(times);
    } catch (...) {
      std::lock_guard lock(mutex_);
      if (!failure_) failure_ = std::current_exception();
      queue_.clear();
      space_free_.notify_all();
      work_ready_.notify_all();
      return;
    }
  }
}

void RenderPipeline::RethrowFailure() {
  if (failure_) std::rethrow_exception(failure_);
}

}  // namespace kelvo::cli
