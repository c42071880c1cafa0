// One loop body run over the indices 0 .. count - 1 on several threads: the batch renders of
// the tool and the gallery's thumbnails. Indices are handed out in increasing order, and every
// index handed out runs, so the indices that ran are always 0 .. k - 1 and a body may wait for
// the ones before it. Once a body has failed no further index is handed out; when every thread
// has stopped, the error of the lowest failed index is rethrown, as a run in order would have
// stopped there. What a body writes for its own index alone does not depend on the number of
// threads.
#pragma once

#include <functional>

namespace kelvo {

// The threads for a --jobs value: itself, or one per core below 1.
int WorkerCount(int jobs);
// The threads ParallelFor uses: WorkerCount(jobs), at most `count`, at least 1.
int ParallelWorkers(int jobs, int count);

// worker (0 .. ParallelWorkers - 1) names the thread, so that each can keep its own buffers.
using ParallelBody = std::function<void(int index, int worker)>;
// The number of finished indices and the count, on the calling thread.
using ParallelProgress = std::function<void(int done, int count)>;

// With one worker the body runs on the calling thread and progress follows every index. With
// more, the calling thread only reports: when the number changed, at most every 50 ms, and
// (count, count) at the end of a run without failure.
void ParallelFor(int jobs, int count, const ParallelBody& body,
                 const ParallelProgress& progress = {});

}  // namespace kelvo
