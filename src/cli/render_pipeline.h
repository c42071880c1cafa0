// Renders portraits into image files on several threads. Each job renders one portrait on a
// fresh canvas, reduces it, encodes it and writes it; a job touches only its own portrait and
// file, so the files are byte-identical whatever the number of threads. Portraits are handed
// in from one thread, in sequence order; the library they use must not change meanwhile.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/image_output.h"
#include "portrait/layer.h"

namespace kelvo {
class TKelvoPortret;
}

namespace kelvo::cli {

// Seconds spent on one portrait.
struct PortraitTimes {
  int number = 0;
  double render = 0;
  double encode = 0;
  double write = 0;
};

// ComputePositions and a full render on a fresh canvas, reduced by `scale` (1, 2, 4 or 8).
Layer RenderPortraitImage(TKelvoPortret& portrait, int scale);

class RenderPipeline {
 public:
  // threads < 1: one per core.
  RenderPipeline(int threads, int scale, ImageFileType type);
  ~RenderPipeline();  // stops the workers; unfinished jobs are dropped
  RenderPipeline(const RenderPipeline&) = delete;
  RenderPipeline& operator=(const RenderPipeline&) = delete;

  // Queues one portrait (owned, or borrowed when `owned` is null) for the file `path`; waits
  // while the queue is full. After a job failed it rethrows that job's error.
  void Submit(int number, TKelvoPortret* portrait, std::unique_ptr<TKelvoPortret> owned,
              std::string path);
  // Waits for every queued job and rethrows the first error; the times in number order.
  std::vector<PortraitTimes> Finish();

  int Threads() const { return threads_; }

 private:
  struct Job {
    int number = 0;
    TKelvoPortret* portrait = nullptr;
    std::unique_ptr<TKelvoPortret> owned;
    std::string path;
  };

  PortraitTimes RunJob(Job& job) const;
  void WorkerLoop();
  void RethrowFailure();

  int threads_;
  int scale_;
  ImageFileType type_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> queue_;
  bool stopping_ = false;
  std::exception_ptr failure_;
  std::vector<PortraitTimes> times_;
  std::vector<std::thread> workers_;
};

}  // namespace kelvo::cli
