#include "analysis/evolution_feed.h"
#include "bench/bench_support.h"
#include "engine/generation_log.h"
#include "engine/selection.h"
#include "platform/clock.h"
#include "search/alphabet.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// The engine at full speed with and without the live view attached. "Without" is the engine
// with the same progress cadence and a callback that only watches for the end of the slice;
// "with" adds everything the view costs the run: the counted log, the feed's copy of every
// snapshot and its fitness curve, and a reader taking the snapshot and the curve every 50 ms
// as the window's refresh does. Compare each *_View figure with the *_Bare one beside it; on a
// busy machine the CPU times are the fairer comparison.

namespace quarrow {
namespace {

constexpr std::int64_t kSliceGenerations = 200'000;
constexpr std::chrono::milliseconds kRefreshInterval{50};

/// Reads the feed on its own thread as the UI thread does while a run goes on.
class Reader {
public:
    explicit Reader(const EvolutionFeed& feed)
        : thread_([this, &feed] {
              EvolutionSnapshot snapshot;
              std::vector<FitnessPoint> points;
              while (!stop_.load()) {
                  feed.Take(snapshot.reports, snapshot, &points);
                  std::this_thread::sleep_for(kRefreshInterval);
              }
          }) {}
    ~Reader() {
        stop_.store(true);
        thread_.join();
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

/// A sequential slice of `kSliceGenerations`, watched by `feed` when one is given.
RunResult SequentialSlice(Generator& generator, LogSink& log, EvolutionFeed* feed) {
    std::atomic<bool> cancel{false};
    RunEnvironment environment{generator, SystemMonotonic(), log, cancel};
    CancelAfter(environment, cancel, kSliceGenerations);
    const std::string first = RandomString(generator, kTargetLength);
    if (feed == nullptr) {
        return SequentialSelection(kTarget, first, environment);
    }
    feed->Reset();
    return SequentialSelection(kTarget, first, feed->Attach(environment));
}

void SequentialSlices(benchmark::State& state, LogSink& log, bool watched) {
    Generator generator;
    EvolutionFeed feed;
    std::int64_t generations = 0;
    {
        const std::unique_ptr<Reader> reader = watched ? std::make_unique<Reader>(feed) : nullptr;
        for (auto _ : state) {
            const RunResult result = SequentialSlice(generator, log, watched ? &feed : nullptr);
            if (result.outcome == RunOutcome::LogFailed) {
                state.SkipWithError(result.logError.c_str());
                break;
            }
            generations += result.numMutations;
        }
    }
    state.counters["generations/s"] = GenerationRate(generations);
}

void BM_SequentialNullLog_Bare(benchmark::State& state) {
    NullLogSink log;
    SequentialSlices(state, log, false);
}
BENCHMARK(BM_SequentialNullLog_Bare)->Unit(benchmark::kMillisecond);

void BM_SequentialNullLog_View(benchmark::State& state) {
    NullLogSink log;
    SequentialSlices(state, log, true);
}
BENCHMARK(BM_SequentialNullLog_View)->Unit(benchmark::kMillisecond);

/// The same slices logged to a real file, as the window logs them.
void SequentialSlicesToFile(benchmark::State& state, bool watched) {
    const ScratchLogFile file;
    FileLogSink log(file.Path());
    SequentialSlices(state, log, watched);
}

void BM_SequentialFileLog_Bare(benchmark::State& state) {
    SequentialSlicesToFile(state, false);
}
BENCHMARK(BM_SequentialFileLog_Bare)->Unit(benchmark::kMillisecond);

void BM_SequentialFileLog_View(benchmark::State& state) {
    SequentialSlicesToFile(state, true);
}
BENCHMARK(BM_SequentialFileLog_View)->Unit(benchmark::kMillisecond);

/// Whole serial runs on 28 letters: short, so the view's fixed costs weigh the most here.
void SerialRuns(benchmark::State& state, bool watched) {
    NullLogSink log;
    EvolutionFeed feed;
    const std::atomic<bool> cancel{false};
    FreshSeeds seeds;
    std::int64_t generations = 0;
    for (auto _ : state) {
        Generator generator = seeds.Next();
        const std::string first = RandomString(generator, kTargetLength);
        RunEnvironment environment{generator, SystemMonotonic(), log, cancel};
        environment.progress = [](const RunProgress&) {};
        if (watched) {
            feed.Reset();
        }
        const RunResult result =
            SerialSelection(kTarget, first, watched ? feed.Attach(environment) : environment);
        generations += result.numMutations;
    }
    state.counters["generations/s"] = GenerationRate(generations);
}

void BM_SerialRun_Bare(benchmark::State& state) {
    SerialRuns(state, false);
}
BENCHMARK(BM_SerialRun_Bare);

void BM_SerialRun_View(benchmark::State& state) {
    SerialRuns(state, true);
}
BENCHMARK(BM_SerialRun_View);

} // namespace
} // namespace quarrow

BENCHMARK_MAIN();
