#include "cli/render_pipeline.h"

#include <algorithm>
#include <chrono>

#include "portrait/portrait.h"

namespace kelvo::cli {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

Layer RenderPortraitImage(TKelvoPortret& portrait, int scale) {
  portrait.FreeRenderLayer();
  portrait.ComputePositions();
  portrait.PripravPortret(false);
  Layer image;
  if (scale <= 1) {
    image = std::move(*portrait.RenderLayer);
  } else {
    const Layer& full = *portrait.RenderLayer;
    image = std::move(*create_layer(full.width / scale, full.height / scale, "kelvo render"));
    reduce_layer(scale, full, image);
  }
  portrait.FreeRenderLayer();
  return image;
}

RenderPipeline::RenderPipeline(int threads, int scale, ImageFileType type)
    : threads_(threads >= 1 ? threads
                            : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()))),
      scale_(scale),
      type_(type) {
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
  changed_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

PortraitTimes RenderPipeline::RunJob(Job& job) const {
  PortraitTimes times;
  times.number = job.number;
  auto start = Clock::now();
  const Layer image = RenderPortraitImage(*job.portrait, scale_);
  job.owned.reset();
  times.render = SecondsSince(start);
  start = Clock::now();
  const std::string bytes = EncodeImage(image, type_);
  times.encode = SecondsSince(start);
  start = Clock::now();
  WriteOutputFile(job.path, bytes);
  times.write = SecondsSince(start);
  return times;
}

void RenderPipeline::Submit(int number, TKelvoPortret* portrait,
                            std::unique_ptr<TKelvoPortret> owned, std::string path) {
  Job job{number, owned ? owned.get() : portrait, std::move(owned), std::move(path)};
  if (workers_.empty()) {
    times_.push_back(RunJob(job));
    return;
  }
  std::unique_lock lock(mutex_);
  changed_.wait(lock,
                [&] { return failure_ || queue_.size() < static_cast<std::size_t>(2 * threads_); });
  RethrowFailure();
  queue_.push_back(std::move(job));
  changed_.notify_all();
}

std::vector<PortraitTimes> RenderPipeline::Finish() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  for (std::thread& worker : workers_) worker.join();
  workers_.clear();
  RethrowFailure();
  std::sort(times_.begin(), times_.end(),
            [](const PortraitTimes& a, const PortraitTimes& b) { return a.number < b.number; });
  return std::move(times_);
}

void RenderPipeline::WorkerLoop() {
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return stopping_ || failure_ || !queue_.empty(); });
      if (failure_ || queue_.empty()) return;
      job = std::move(queue_.front());
      queue_.pop_front();
    }
    changed_.notify_all();
    try {
      const PortraitTimes times = RunJob(job);
      std::lock_guard lock(mutex_);
      times_.push_back(times);
    } catch (...) {
      std::lock_guard lock(mutex_);
      if (!failure_) failure_ = std::current_exception();
      queue_.clear();
      changed_.notify_all();
      return;
    }
  }
}

void RenderPipeline::RethrowFailure() {
  if (failure_) std::rethrow_exception(failure_);
}

}  // namespace kelvo::cli
