#include "analysis/batch.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace quarrow::analysis {

void RunBatch(std::int64_t runs, const BatchControl& control,
              const std::function<void(std::int64_t index)>& task) {
    if (runs <= 0) {
        if (control.tick) {
            control.tick();
        }
        return;
    }
    const auto workerCount = static_cast<int>(std::clamp<std::int64_t>(control.threads, 1, runs));

    std::atomic<std::int64_t> nextIndex{0};
    std::mutex mutex;
    std::condition_variable allDone;
    int workersLeft = workerCount;
    // An exception must not leave a worker thread, where it would end the process unreported.
    std::exception_ptr failure;
    std::atomic<bool> failed{false};

    const auto work = [&] {
        for (;;) {
            if (control.stop.load(std::memory_order_relaxed) ||
                failed.load(std::memory_order_relaxed)) {
                break;
            }
            const std::int64_t index = nextIndex.fetch_add(1, std::memory_order_relaxed);
            if (index >= runs) {
                break;
            }
            try {
                task(index);
            } catch (...) {
                const std::lock_guard lock(mutex);
                if (!failure) {
                    failure = std::current_exception();
                }
                failed.store(true, std::memory_order_relaxed);
            }
        }
        const std::lock_guard lock(mutex);
        if (--workersLeft == 0) {
            allDone.notify_all();
        }
    };

    std::vector<std::jthread> workers;
    workers.reserve(static_cast<std::size_t>(workerCount));
    for (int i = 0; i < workerCount; ++i) {
        workers.emplace_back(work);
    }
    {
        std::unique_lock lock(mutex);
        while (workersLeft > 0) {
            allDone.wait_for(lock, std::chrono::milliseconds(control.tickMilliseconds));
            if (control.tick && workersLeft > 0) {
                lock.unlock();
                control.tick();
                lock.lock();
            }
        }
    }
    workers.clear();
    if (control.tick) {
        control.tick();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace quarrow::analysis
