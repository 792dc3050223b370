#include "platform/clock.h"
#include "search/alphabet.h"
#include "search/string_rate.h"
#include "search/trial.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <chrono>
#include <string>

namespace quarrow {
namespace {

constexpr std::size_t kPhraseLength = 28;
constexpr char kPhrase[] = "CUMULATIVE SELECTION IS FAST";
static_assert(sizeof kPhrase - 1 == kPhraseLength);

// The floor for strings: independent draws into one fixed buffer, nothing allocated.
void BM_StringFloorFixedBuffer(benchmark::State& state) {
    Generator generator;
    std::array<char, kPhraseLength> buffer{};
    for (auto _ : state) {
        FillRandom(generator, buffer.data(), buffer.size());
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.counters["strings"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StringFloorFixedBuffer);

void BM_RandomString(benchmark::State& state) {
    Generator generator;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RandomString(generator, kPhraseLength));
    }
    state.counters["strings"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomString);

// Strings of RandomString made in `seconds`, counted the plain way: the rate the measurement
// is held against.
double BareRandomStringRate(Generator& generator, double seconds) {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    std::int64_t made = 0;
    while (Clock::now() < end) {
        for (int i = 0; i < 256; ++i) {
            benchmark::DoNotOptimize(RandomString(generator, kPhraseLength));
        }
        made += 256;
    }
    return static_cast<double>(made) / seconds;
}

// The page's one-second measurement against the bare RandomString rate of the same run.
void BM_CountStringsPerSecond(benchmark::State& state) {
    Generator generator;
    const std::atomic<bool> cancel{false};
    double counted = 0.0;
    double bare = 0.0;
    for (auto _ : state) {
        counted = static_cast<double>(
            CountStringsPerSecond(generator, SystemMonotonic(), kPhraseLength, cancel));
        bare = BareRandomStringRate(generator, 1.0);
    }
    state.counters["counted_per_s"] = counted;
    state.counters["bare_per_s"] = bare;
    state.counters["ratio"] = counted / bare;
}
BENCHMARK(BM_CountStringsPerSecond)->Iterations(1)->Unit(benchmark::kSecond);

// The floor of the trial: per symbol one time-of-day reading, one reseed and one draw.
void BM_TrialSymbolFloor(benchmark::State& state) {
    Generator generator;
    const TimeOfDayClock& clock = SystemTimeOfDay();
    for (auto _ : state) {
        generator.Reseed(clock);
        benchmark::DoNotOptimize(RandomSymbol(generator));
    }
    state.counters["symbols"] =
        benchmark::Counter(static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TrialSymbolFloor);

// The trial itself, 500 strings of the 28-letter phrase per iteration (the page's default).
void BM_Trial(benchmark::State& state) {
    Generator generator;
    constexpr std::int64_t kStrings = 500;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunMatchingTrial(generator, SystemTimeOfDay(), kPhrase, kStrings));
    }
    state.counters["symbols"] = benchmark::Counter(
        static_cast<double>(state.iterations() * kStrings * std::int64_t{kPhraseLength}),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Trial);

} // namespace
} // namespace quarrow
