// Renders portraits into image files on several threads. Each job renders one portrait on a
// cleared canvas, reduces it, encodes it and writes it; a job touches only its own portrait and
// file, and each worker reuses its own buffers, so the files are byte-identical whatever the
// number of threads. Portraits are handed in from one thread, in sequence order; the library
// they use must not change meanwhile.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/image_output.h"
#include "portrait/layer.h"
#include "portrait/portrait.h"

namespace kelvo::cli {

// Seconds spent on one portrait.
struct PortraitTimes {
  int number = 0;
  double render = 0;
  double encode = 0;
  double write = 0;
};

// One worker's buffers, kept from portrait to portrait: the canvas, the reduced image and the
// encoded file.
struct RenderScratch {
  TKelvoPortret::RenderBuffers buffers;
  Layer reduced;
  std::string encoded;
};

// How batch outputs are encoded and written.
struct OutputSettings {
  int png_level = kDefaultPngLevel;
  bool sync = false;  // flush every file to the disk
};

// ComputePositions and a full render on a black canvas, reduced by `scale` (1, 2, 4 or 8). The
// image lives in the scratch (the canvas itself at scale 1) until its next use.
const Layer& RenderPortraitImage(TKelvoPortret& portrait, int scale, RenderScratch& scratch);
// The same into an image of its own.
Layer RenderPortraitImage(TKelvoPortret& portrait, int scale);

// The number of workers for a --jobs value: itself, or one per core below 1.
int WorkerCount(int jobs);

// Runs task(i, scratch) for every i in [0, count) on WorkerCount(jobs) threads, each with its
// own scratch. Waits for all; then rethrows the error of the lowest i that failed, as a run in
// order would have stopped there.
void ForEachInParallel(int jobs, int count, const std::function<void(int, RenderScratch&)>& task);

class RenderPipeline {
 public:
  // threads < 1: one per core.
  RenderPipeline(int threads, int scale, ImageFileType type, OutputSettings output = {});
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

  PortraitTimes RunJob(Job& job, RenderScratch& scratch);
  void WorkerLoop();
  void RethrowFailure();
  std::size_t QueueLimit() const;

  int threads_;
  int scale_;
  ImageFileType type_;
  OutputSettings output_;
  FolderListings listings_;  // output folders, read once for the whole batch
  RenderScratch scratch_;    // when rendering on the calling thread
  std::mutex mutex_;
  std::condition_variable work_ready_;  // a job was queued, or the pipeline stops
  std::condition_variable space_free_;  // the queue is half empty, or a job failed
  std::deque<Job> queue_;
  bool stopping_ = false;
  std::exception_ptr failure_;
  std::vector<PortraitTimes> times_;
  std::vector<std::thread> workers_;
};

}  // namespace kelvo::cli
