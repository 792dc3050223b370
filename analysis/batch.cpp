#include "analysis/batch.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace quarrow::analysis {

namespace {

/// What the workers of one batch share: the next index to run, how many of them are still at
/// work, and the first exception a task threw.
class SharedBatch {
public:
    SharedBatch(std::int64_t runs, const BatchControl& control,
                const std::function<void(std::int64_t index)>& task, int workers)
        : runs_(runs), control_(control), task_(task), workersLeft_(workers) {}

    /// One worker: takes the next index and runs it until none is left, the batch is stopped
    /// or a task has failed.
    void Work() {
        while (!control_.stop.load(std::memory_order_relaxed) &&
               !failed_.load(std::memory_order_relaxed)) {
            const std::int64_t index = nextIndex_.fetch_add(1, std::memory_order_relaxed);
            if (index >= runs_) {
                break;
            }
            Run(index);
        }
        const std::lock_guard lock(mutex_);
        if (--workersLeft_ == 0) {
            allDone_.notify_all();
        }
    }

    /// Waits on the calling thread until every worker has finished, ticking as it waits.
    void Wait() {
        std::unique_lock lock(mutex_);
        while (workersLeft_ > 0) {
            allDone_.wait_for(lock, std::chrono::milliseconds(control_.tickMilliseconds));
            if (control_.tick && workersLeft_ > 0) {
                lock.unlock();
                control_.tick();
                lock.lock();
            }
        }
    }

    /// Throws again the first exception a task threw, if any; call once the workers are gone.
    void RethrowFailure() const {
        if (failure_) {
            std::rethrow_exception(failure_);
        }
    }

private:
    /// Runs task `index`. An exception must not leave a worker thread, where it would end the
    /// process unreported: the first is kept and stops the batch.
    void Run(std::int64_t index) {
        try {
            task_(index);
        } catch (...) {
            const std::lock_guard lock(mutex_);
            if (!failure_) {
                failure_ = std::current_exception();
            }
            failed_.store(true, std::memory_order_relaxed);
        }
    }

    const std::int64_t runs_;
    const BatchControl& control_;
    const std::function<void(std::int64_t index)>& task_;
    std::atomic<std::int64_t> nextIndex_{0};
    std::mutex mutex_;
    std::condition_variable allDone_;
    int workersLeft_;
    std::exception_ptr failure_;
    std::atomic<bool> failed_{false};
};

/// Joins a thread when it goes out of scope.
class JoinedThread {
public:
    template <typename Work> explicit JoinedThread(Work work) : thread_(std::move(work)) {}
    JoinedThread(JoinedThread&&) noexcept = default;
    JoinedThread& operator=(JoinedThread&&) = delete;
    ~JoinedThread() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }

private:
    std::thread thread_;
};

/// The batch on the calling thread, one task after another, ticking between them; where no
/// thread can be started (WebAssembly without threads) this is the only way.
void RunInline(std::int64_t runs, const BatchControl& control,
               const std::function<void(std::int64_t index)>& task) {
    using Clock = std::chrono::steady_clock;
    const auto interval = std::chrono::milliseconds(control.tickMilliseconds);
    auto lastTick = Clock::now();
    std::exception_ptr failure;
    for (std::int64_t index = 0; index < runs && !control.stop.load(std::memory_order_relaxed);
         ++index) {
        try {
            task(index);
        } catch (...) {
            failure = std::current_exception();
            break;
        }
        if (control.tick && Clock::now() - lastTick >= interval) {
            control.tick();
            lastTick = Clock::now();
        }
    }
    if (control.tick) {
        control.tick();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace

void RunBatch(std::int64_t runs, const BatchControl& control,
              const std::function<void(std::int64_t index)>& task) {
    if (runs <= 0) {
        if (control.tick) {
            control.tick();
        }
        return;
    }
    const auto workerCount = static_cast<int>(std::clamp<std::int64_t>(control.threads, 1, runs));
    if (workerCount == 1) {
        RunInline(runs, control, task);
        return;
    }
    SharedBatch batch(runs, control, task, workerCount);
    std::vector<JoinedThread> workers;
    workers.reserve(static_cast<std::size_t>(workerCount));
    for (int i = 0; i < workerCount; ++i) {
        workers.emplace_back([&batch] { batch.Work(); });
    }
    batch.Wait();
    workers.clear();
    if (control.tick) {
        control.tick();
    }
    batch.RethrowFailure();
}

} // namespace quarrow::analysis
