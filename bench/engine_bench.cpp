#include <benchmark/benchmark.h>

#include <atomic>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "engine/generation_log.h"
#include "engine/selection.h"
#include "platform/clock.h"
#include "search/alphabet.h"

// Each scheme's cost per drawn symbol, beside the floor of the generator chain that scheme
// cannot avoid; the log writer beside a bare buffered write of the same bytes; and a long
// sequential run with a real log file, in generations per second.

namespace quarrow {
namespace {

constexpr char kTarget[] = "CUMULATIVE SELECTION IS FAST";
constexpr std::size_t kTargetLength = sizeof kTarget - 1;
static_assert(kTargetLength == 28);

// Generations of a sequential run to measure: a full 28-letter run takes tens of millions.
constexpr std::int64_t kSequentialGenerations = 200'000;

void SetPerSymbol(benchmark::State& state, std::int64_t symbols) {
    state.counters["per_symbol"] = benchmark::Counter(
        static_cast<double>(symbols), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// --- Floors: the cheapest code for each scheme's call pattern on the generator, the dependent
// chain written out by hand on a bare state and every value mapped to a symbol

/// Schemes 1 and 2: reseed with a position-times-serial product, then draw.
void BM_FloorReseedProductDraw(benchmark::State& state) {
    std::uint64_t generator = Generator::kInitialState;
    std::uint64_t serial = 1;
    std::int64_t symbols = 0;
    unsigned sink = 0;
    const std::uint64_t keyScale = Generator::ScaledWholeKey(1);
    for (auto _ : state) {
        const std::uint64_t serialKey = serial * keyScale;
        for (std::uint64_t j = 1; j <= kTargetLength; ++j) {
            generator = Generator::ReseedThenStep(generator, j * serialKey);
            sink += static_cast<unsigned char>(SymbolForValue(Generator::ValueOf(generator)));
        }
        ++serial;
        symbols += kTargetLength;
    }
    benchmark::DoNotOptimize(sink);
    SetPerSymbol(state, symbols);
}
BENCHMARK(BM_FloorReseedProductDraw);

/// Scheme 3: take a value, reseed with it, draw; one rotation, key and multiplication per
/// symbol on the dependent path.
void BM_FloorDrawReseedDraw(benchmark::State& state) {
    constexpr std::uint64_t a = Generator::kMultiplier;
    constexpr std::uint64_t b = Generator::kReseedMultiplier;
    constexpr std::uint64_t c = Generator::kIncrement;
    std::uint64_t ahead = Generator::Step(Generator::kInitialState);
    std::int64_t symbols = 0;
    unsigned sink = 0;
    for (auto _ : state) {
        for (std::size_t j = 0; j < kTargetLength; ++j) {
            const std::uint64_t rotated = std::rotl(ahead, Generator::kReseedRotation);
            const std::uint64_t key = ahead & Generator::kValueBits;
            sink += static_cast<unsigned char>(
                SymbolForValue(Generator::ValueOf((rotated + key) * (a * b) + c)));
            ahead = rotated * (a * a * b) + (ahead >> 40) * ((a * a * b) << 40) + (a * c + c);
        }
        symbols += kTargetLength;
    }
    benchmark::DoNotOptimize(sink);
    benchmark::DoNotOptimize(ahead);
    SetPerSymbol(state, symbols);
}
BENCHMARK(BM_FloorDrawReseedDraw);

// --- The schemes, each run to its end on fresh seeds (the sequential one cut short)

void RunLockedScheme(benchmark::State& state, Scheme scheme) {
    NullLogSink log;
    const std::atomic<bool> cancel{false};
    std::uint64_t seed = 1;
    std::int64_t symbols = 0;
    std::int64_t generations = 0;
    for (auto _ : state) {
        Generator generator(seed++ * 0x9e3779b97f4a7c15ULL);
        const std::string first = RandomString(generator, kTargetLength);
        const RunEnvironment environment{generator, SystemMonotonic(), log, cancel};
        const RunResult result = RunScheme(scheme, kTarget, first, environment);
        symbols += result.symbolsDrawn;
        generations += result.numMutations;
    }
    SetPerSymbol(state, symbols);
    state.counters["generations"] =
        benchmark::Counter(static_cast<double>(generations), benchmark::Counter::kAvgIterations);
}

void BM_AttenuatingRun(benchmark::State& state) {
    RunLockedScheme(state, Scheme::Attenuating);
}
BENCHMARK(BM_AttenuatingRun);

void BM_SerialRun(benchmark::State& state) {
    RunLockedScheme(state, Scheme::Serial);
}
BENCHMARK(BM_SerialRun);

/// A sequential run stopped after `kSequentialGenerations`, with the given log.
RunResult RunSequentialSlice(Generator& generator, LogSink& log) {
    std::atomic<bool> cancel{false};
    RunEnvironment environment{generator, SystemMonotonic(), log, cancel};
    // The progress callback is the cancel's only hook; it runs every few thousand draws.
    environment.progressInterval = 0.0;
    environment.progress = [&cancel](const RunProgress& progress) {
        if (progress.generation >= kSequentialGenerations) {
            cancel.store(true, std::memory_order_relaxed);
        }
    };
    const std::string first = RandomString(generator, kTargetLength);
    return SequentialSelection(kTarget, first, environment);
}

void BM_SequentialRun(benchmark::State& state) {
    NullLogSink log;
    Generator generator;
    std::int64_t symbols = 0;
    std::int64_t generations = 0;
    for (auto _ : state) {
        const RunResult result = RunSequentialSlice(generator, log);
        symbols += result.symbolsDrawn;
        generations += result.numMutations;
    }
    SetPerSymbol(state, symbols);
    state.counters["generations/s"] =
        benchmark::Counter(static_cast<double>(generations), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SequentialRun)->Unit(benchmark::kMillisecond);

/// The same, writing every generation line to a real file, as the window does.
void BM_SequentialRunLoggedToFile(benchmark::State& state) {
    const std::string path = "/tmp/quarrow-bench-hold-" + std::to_string(::getpid()) + ".txt";
    FileLogSink log(path);
    Generator generator;
    std::int64_t generations = 0;
    for (auto _ : state) {
        const RunResult result = RunSequentialSlice(generator, log);
        if (result.outcome == RunOutcome::LogFailed) {
            state.SkipWithError(result.logError.c_str());
            break;
        }
        generations += result.numMutations;
    }
    std::remove(path.c_str());
    state.counters["generations/s"] =
        benchmark::Counter(static_cast<double>(generations), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SequentialRunLoggedToFile)->Unit(benchmark::kMillisecond);

// --- The log writer on sequential lines (28 letters and " 27 ") to /dev/null

constexpr char kSequentialLine[] = "CUMULATIVE SELECTION IS FAQZ 25 ";

void BM_LogWriterFileSink(benchmark::State& state) {
    FileLogSink log("/dev/null");
    if (!log.Open()) {
        state.SkipWithError("cannot open /dev/null");
        return;
    }
    // Through the interface, as a run calls it.
    LogSink* sink = &log;
    benchmark::DoNotOptimize(sink);
    const std::string line = kSequentialLine;
    for (auto _ : state) {
        sink->WriteLine(line);
    }
    log.Close();
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LogWriterFileSink);

/// The floor: the same bytes, CR LF included, copied into a 1 MiB buffer written out when full.
void BM_LogWriterBareBuffer(benchmark::State& state) {
    const int descriptor = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    constexpr std::size_t kBuffer = std::size_t{1} << 20;
    auto buffer = std::make_unique<char[]>(kBuffer);
    std::size_t used = 0;
    // The line's bytes and length are not known to the compiler, as in a run.
    const std::string line = kSequentialLine;
    const char* bytes = line.data();
    std::size_t length = line.size();
    benchmark::DoNotOptimize(bytes);
    benchmark::DoNotOptimize(length);
    for (auto _ : state) {
        if (kBuffer - used < length + 2) {
            benchmark::DoNotOptimize(::write(descriptor, buffer.get(), used));
            used = 0;
        }
        std::memcpy(buffer.get() + used, bytes, length);
        buffer[used + length] = '\r';
        buffer[used + length + 1] = '\n';
        used += length + 2;
    }
    benchmark::DoNotOptimize(::write(descriptor, buffer.get(), used));
    ::close(descriptor);
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LogWriterBareBuffer);

} // namespace
} // namespace quarrow
