// ParallelFor: every index once, a worker's buffers never shared, progress on the calling
// thread ending at the count, and the lowest failure rethrown after the indices before it ran.
#include "foundation/parallel_for.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace kelvo {
namespace {

TEST(ParallelFor, RunsEveryIndexOnceAndNoWorkerTwiceAtATime) {
  struct Row {
    int jobs, count, workers;
  } rows[] = {{1, 0, 1}, {1, 5, 1}, {3, 0, 1}, {3, 1, 1}, {3, 2, 2}, {3, 60, 3}, {8, 9, 8}};
  for (const Row& row : rows) {
    ASSERT_EQ(ParallelWorkers(row.jobs, row.count), row.workers) << row.jobs << "/" << row.count;
    std::vector<std::atomic<int>> runs(static_cast<size_t>(row.count));
    std::vector<std::atomic<bool>> busy(static_cast<size_t>(row.workers));
    std::atomic<bool> shared{false};
    const std::thread::id caller = std::this_thread::get_id();
    std::vector<std::pair<int, int>> reports;
    ParallelFor(
        row.jobs, row.count,
        [&](int i, int worker) {
          if (worker < 0 || worker >= row.workers) return ADD_FAILURE() << "worker " << worker;
          if (busy[static_cast<size_t>(worker)].exchange(true)) shared = true;
          std::this_thread::yield();
          ++runs[static_cast<size_t>(i)];
          busy[static_cast<size_t>(worker)] = false;
        },
        [&](int done, int count) {
          EXPECT_EQ(std::this_thread::get_id(), caller);
          reports.emplace_back(done, count);
        });
    EXPECT_FALSE(shared) << row.jobs << "/" << row.count;
    for (int i = 0; i < row.count; ++i) EXPECT_EQ(runs[static_cast<size_t>(i)], 1) << i;
    if (row.count == 0) {
      EXPECT_TRUE(reports.empty());
      continue;
    }
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), std::make_pair(row.count, row.count));
    for (size_t r = 1; r < reports.size(); ++r) EXPECT_LE(reports[r - 1].first, reports[r].first);
    if (row.workers == 1) {
      EXPECT_EQ(reports.size(), static_cast<size_t>(row.count));
    }
  }
}

// Bodies that wait for the one before them, as the batch render's random portraits do: a
// failure must not leave them waiting for an index that never runs.
TEST(ParallelFor, RethrowsTheLowestFailureAfterTheIndicesBeforeIt) {
  struct Row {
    int jobs, count;
    std::vector<int> failing;
  } rows[] = {{1, 20, {7, 3}}, {3, 40, {9}}, {3, 40, {30, 12}}, {4, 200, {0}}, {2, 5, {4}}};
  for (const Row& row : rows) {
    std::mutex mutex;
    std::condition_variable turn;
    int next = 0;
    try {
      ParallelFor(row.jobs, row.count, [&](int i, int) {
        {
          std::unique_lock<std::mutex> lock(mutex);
          turn.wait(lock, [&] { return next == i; });
          ++next;
          turn.notify_all();
        }
        for (int f : row.failing) {
          if (i == f) throw std::runtime_error(std::to_string(i));
        }
      });
      ADD_FAILURE() << "no failure";
    } catch (const std::runtime_error& error) {
      const int lowest = *std::min_element(row.failing.begin(), row.failing.end());
      EXPECT_EQ(error.what(), std::to_string(lowest)) << row.jobs;
      EXPECT_GT(next, lowest) << "every index before the failure ran";
      if (row.jobs == 1) {
        EXPECT_EQ(next, lowest + 1) << "none after it";
      }
    }
  }
}

}  // namespace
}  // namespace kelvo
