#include "foundation/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace kelvo {
namespace {

// What the threads of one run share.
class Loop {
 public:
  Loop(int count, const ParallelBody& body) : count_(count), body_(body) {}

  void Work(int worker) {
    for (int i = Take(); i >= 0; i = Take()) {
      std::exception_ptr error;
      try {
        body_(i, worker);
      } catch (...) {
        error = std::current_exception();
      }
      const std::lock_guard<std::mutex> lock(mutex_);
      if (error && i < failed_index_) {
        failed_index_ = i;
        failure_ = error;
      }
      if (error) failed_ = true;
      // The caller wakes for the end only; it reports progress on its own clock.
      if (++done_ == count_ || failed_) finished_.notify_all();
    }
  }

  // Reports progress until every index is done or one failed.
  void Watch(const ParallelProgress& progress) {
    std::unique_lock<std::mutex> lock(mutex_);
    int reported = 0;
    while (done_ < count_ && !failed_) {
      finished_.wait_for(lock, std::chrono::milliseconds(50));
      if (progress && done_ != reported) {
        reported = done_;
        lock.unlock();
        progress(reported, count_);
        lock.lock();
      }
    }
  }

  // No further index is handed out.
  void Stop() {
    const std::lock_guard<std::mutex> lock(mutex_);
    failed_ = true;
  }

  // Called once every thread has stopped.
  void RethrowFailure() const {
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  // The next index, or -1 when all are handed out or a body failed. Checked and taken as one
  // step, so that no index is skipped once taken.
  int Take() {
    int i = next_.load();
    do {
      if (i >= count_ || failed_.load()) return -1;
    } while (!next_.compare_exchange_weak(i, i + 1));
    return i;
  }

  const int count_;
  const ParallelBody& body_;
  std::atomic<int> next_{0};
  std::atomic<bool> failed_{false};
  std::mutex mutex_;
  std::condition_variable finished_;
  int done_ = 0;
  int failed_index_ = count_;
  std::exception_ptr failure_;
};

}  // namespace

int WorkerCount(int jobs) {
  return jobs >= 1 ? jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

int ParallelWorkers(int jobs, int count) {
  return std::min(WorkerCount(jobs), std::max(count, 1));
}

void ParallelFor(int jobs, int count, const ParallelBody& body, const ParallelProgress& progress) {
  const auto inOrder = [&] {
    for (int i = 0; i < count; ++i) {
      body(i, 0);
      if (progress) progress(i + 1, count);
    }
  };
  const int workers = ParallelWorkers(jobs, count);
  if (workers <= 1) return inOrder();
  Loop loop(count, body);
  std::vector<std::thread> threads;
  threads.reserve(static_cast<std::size_t>(workers));
  {
    // However the caller's part ends, the workers stop and are joined before the loop goes.
    struct Join {
      Loop& loop;
      std::vector<std::thread>& threads;
      bool finished = false;
      ~Join() {
        if (!finished) loop.Stop();
        for (std::thread& thread : threads) thread.join();
      }
    } join{loop, threads};
    for (int t = 0; t < workers; ++t) {
      try {
        threads.emplace_back([&loop, t] { loop.Work(t); });
      } catch (const std::system_error&) {
        break;  // the threads already started do the work
      }
    }
    if (threads.empty()) return inOrder();
    loop.Watch(progress);
    join.finished = true;
  }
  loop.RethrowFailure();
  if (progress) progress(count, count);
}

}  // namespace kelvo
