#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace quarrow::analysis {

/// How a batch of independent runs is carried out and watched.
struct BatchControl {
    /// Once set, no further run starts; runs in flight see the same flag and stop early.
    const std::atomic<bool>& stop;
    /// Worker threads; at most one per run.
    int threads = 1;
    /// Called on the calling thread about every `tickMilliseconds` while the batch runs, and
    /// once after it ends; may be empty.
    std::function<void()> tick = {};
    int tickMilliseconds = 100;
};

/// Calls `task(index)` once for every index from 0 to `runs` - 1, spread over the workers, and
/// returns when every started task has returned.
///
/// Tasks start in index order but finish in any order, so a task must keep its results under
/// its own index; nothing it computes may depend on which worker runs it. A task that throws
/// (out of memory, say) stops the batch: no further task starts, and the first exception is
/// thrown again here once every worker has finished.
void RunBatch(std::int64_t runs, const BatchControl& control,
              const std::function<void(std::int64_t index)>& task);

} // namespace quarrow::analysis
