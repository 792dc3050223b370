#pragma once

#include "engine/selection.h"
#include "platform/generator.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

// What the engine and live view benchmarks set up alike: the phrase they select towards, the
// seeds of their whole runs, the cut that ends a long run early, a log file to write to and the
// rate they report.

namespace quarrow {

inline constexpr char kTarget[] = "CUMULATIVE SELECTION IS FAST";
inline constexpr std::size_t kTargetLength = sizeof kTarget - 1;
static_assert(kTargetLength == 28);

/// A generator on a fresh seed for each whole run: seeds 1, 2, 3 and so on, spread over the
/// 64 bits by the golden ratio's odd multiplier, the same sequence in every benchmark.
class FreshSeeds {
public:
    Generator Next() { return Generator(next_++ * 0x9e3779b97f4a7c15ULL); }

private:
    std::uint64_t next_ = 1;
};

/// Makes the run's progress callback raise `cancel` once the run reaches `generations`. The
/// callback is the cancel's only hook, so the run stops within a progress interval of that.
inline void CancelAfter(RunEnvironment& environment, std::atomic<bool>& cancel,
                        std::int64_t generations) {
    environment.progress = [&cancel, generations](const RunProgress& progress) {
        if (progress.generation >= generations) {
            cancel.store(true, std::memory_order_relaxed);
        }
    };
}

/// A log file for one benchmark, in a folder of its own made under /tmp (so no other user can
/// put a file or a link in its place); the file and the folder go with it. `Path()` is empty
/// when the folder cannot be made: a sink on it then fails to open, and the run says so.
class ScratchLogFile {
public:
    ScratchLogFile() {
        std::string folder = "/tmp/quarrow-bench-XXXXXX";
        if (::mkdtemp(folder.data()) != nullptr) {
            folder_ = folder;
            path_ = folder + "/hold.txt";
        }
    }
    ~ScratchLogFile() {
        if (!folder_.empty()) {
            std::remove(path_.c_str());
            ::rmdir(folder_.c_str());
        }
    }
    ScratchLogFile(const ScratchLogFile&) = delete;
    ScratchLogFile& operator=(const ScratchLogFile&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
};

/// The `generations/s` counter: the generations made, as a rate over the benchmark's time.
inline benchmark::Counter GenerationRate(std::int64_t generations) {
    return benchmark::Counter(static_cast<double>(generations), benchmark::Counter::kIsRate);
}

} // namespace quarrow
