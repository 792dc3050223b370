#include "bench/bench_support.h"
#include "engine/generation_log.h"
#include "engine/selection.h"
#include "platform/clock.h"
#include "search/alphabet.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

// Each scheme's cost per drawn symbol against the floor of its own call pattern, measured in the
// same benchmark on the same runs; the log writer beside a bare buffered write of the same
// bytes; and a long sequential run with a real log file, in generations per second.
//
// A scheme's floor replays exactly the generator operations its run made (every reseed and
// draw, in order, recorded from the run beforehand) and only sums the values: the cheapest code
// for that call pattern. The replay must end in the run's own generator state, or the
// benchmark fails, so a floor can never do less work than its scheme.

namespace quarrow {
namespace {

// Generations of a sequential run to measure: a full 28-letter run takes tens of millions.
constexpr std::int64_t kSequentialGenerations = 200'000;

using Clock = std::chrono::steady_clock;

double SecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

void SetPerSymbol(benchmark::State& state, std::int64_t symbols) {
    state.counters["per_symbol"] = benchmark::Counter(
        static_cast<double>(symbols), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

/// A scheme's runs and its floor's replays of them, summed over one benchmark.
class AgainstFloor {
public:
    /// Times `run()`, a run of the scheme, as the benchmark's iteration; returns its result.
    template <typename Run> RunResult TimeRun(benchmark::State& state, const Run& run) {
        const Clock::time_point began = Clock::now();
        RunResult result = run();
        const Clock::time_point ended = Clock::now();
        state.SetIterationTime(SecondsBetween(began, ended));
        schemeSeconds_ += SecondsBetween(began, ended);
        symbols_ += result.symbolsDrawn;
        generations_ += result.numMutations;
        return result;
    }

    /// Times the floor's replay of the last run, `replay(sum)`, which adds the values it draws
    /// to `sum`; false, with the benchmark failed, when it does not end in the run's own
    /// generator state `runState`.
    template <typename Replay>
    bool TimeReplay(benchmark::State& state, std::uint64_t runState, const Replay& replay) {
        const Clock::time_point began = Clock::now();
        const std::uint64_t replayed = replay(sum_);
        floorSeconds_ += SecondsBetween(began, Clock::now());
        if (replayed != runState) {
            state.SkipWithError("the floor's replay does not end in the run's generator state");
            return false;
        }
        return true;
    }

    /// The scheme's and its floor's cost per drawn symbol and their ratio.
    void Report(benchmark::State& state) {
        benchmark::DoNotOptimize(sum_);
        const auto perSymbol = [this](double seconds) {
            return symbols_ > 0 ? seconds / static_cast<double>(symbols_) * 1e9 : 0.0;
        };
        state.counters["ns_per_symbol"] = perSymbol(schemeSeconds_);
        state.counters["floor_ns_per_symbol"] = perSymbol(floorSeconds_);
        state.counters["ratio_to_floor"] =
            floorSeconds_ > 0.0 ? schemeSeconds_ / floorSeconds_ : 0.0;
    }

    std::int64_t Generations() const { return generations_; }
    double SchemeSeconds() const { return schemeSeconds_; }

private:
    std::int64_t symbols_ = 0;
    std::int64_t generations_ = 0;
    double schemeSeconds_ = 0.0;
    double floorSeconds_ = 0.0;
    // The floor's values, summed so that no replay can be optimised away.
    std::uint64_t sum_ = 0;
};

// --- Link floors: one link of each scheme's dependent chain, written out on a bare state

/// Schemes 1 and 2: reseed with a position-times-serial product, then draw.
void BM_FloorReseedProductDraw(benchmark::State& state) {
    std::uint64_t generator = Generator::kInitialState;
    std::uint64_t serial = 1;
    std::int64_t symbols = 0;
    std::uint64_t sum = 0;
    const std::uint64_t keyScale = Generator::ScaledWholeKey(1);
    for (auto _ : state) {
        const std::uint64_t serialKey = serial * keyScale;
        for (std::uint64_t j = 1; j <= kTargetLength; ++j) {
            generator = Generator::ReseedThenStep(generator, j * serialKey);
            sum += Generator::ValueOf(generator);
        }
        ++serial;
        symbols += kTargetLength;
    }
    benchmark::DoNotOptimize(sum);
    SetPerSymbol(state, symbols);
}
BENCHMARK(BM_FloorReseedProductDraw);

/// Scheme 3: take a value, reseed with it, draw.
void BM_FloorDrawReseedDraw(benchmark::State& state) {
    ValueChain chain{Generator()};
    std::int64_t symbols = 0;
    std::uint64_t sum = 0;
    for (auto _ : state) {
        for (std::size_t j = 0; j < kTargetLength; ++j) {
            sum += chain.ChurnAndDraw();
        }
        symbols += kTargetLength;
    }
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(chain);
    SetPerSymbol(state, symbols);
}
BENCHMARK(BM_FloorDrawReseedDraw);

// --- Schemes 1 and 2, each run to its end on fresh seeds, beside the replay of its pattern

/// Keeps a run's log lines, CR LF included, to read its pattern off them.
class RecordedLog final : public LogSink {
public:
    bool Open() override {
        text_.clear();
        return true;
    }
    bool WriteLine(std::string_view line) override {
        text_.append(line);
        text_.append("\r\n");
        return true;
    }
    bool Close() override { return true; }
    std::string Error() const override { return {}; }
    std::uint64_t Size() const override { return text_.size(); }

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

/// The generator operations of a scheme 1 or 2 run: per generation a reseed with the offspring
/// count, then per offspring a reseed with its serial and one reseed-and-draw for each wrong
/// position of the parent.
struct LockedPattern {
    bool serial = false;
    std::uint64_t initialState = 0;
    // The key factors (position x the whole-number key scale) of every generation's wrong
    // positions, one generation after another.
    std::vector<std::uint64_t> keyFactors;
    std::vector<std::uint32_t> generationEnds;
    // Offspring made in each generation: 20, fewer in the last.
    std::vector<std::uint8_t> offspringMade;
};

/// Reads the pattern off a run's log: each line's letters are the next generation's parent.
LockedPattern RecordLockedPattern(Scheme scheme, const Generator& generator,
                                  const std::string& first, const RunResult& result,
                                  const std::string& logText) {
    LockedPattern pattern;
    pattern.serial = scheme == Scheme::Serial;
    pattern.initialState = generator.State();
    std::vector<std::string> parents = {first};
    for (std::size_t at = 0; at < logText.size();) {
        const std::size_t end = logText.find("\r\n", at);
        parents.push_back(logText.substr(at, kTargetLength));
        at = end + 2;
    }
    std::int64_t drawsLeft = result.symbolsDrawn;
    std::int64_t offspringLeft = result.numTotal;
    for (std::int64_t g = 0; g < result.numMutations; ++g) {
        const std::string& parent = parents[static_cast<std::size_t>(g)];
        std::int64_t wrong = 0;
        for (std::size_t j = 0; j < kTargetLength; ++j) {
            if (parent[j] != kTarget[j]) {
                pattern.keyFactors.push_back((j + 1) * Generator::ScaledWholeKey(1));
                ++wrong;
            }
        }
        pattern.generationEnds.push_back(static_cast<std::uint32_t>(pattern.keyFactors.size()));
        const std::int64_t made =
            std::min<std::int64_t>({kOffspringPerGeneration, offspringLeft,
                                    wrong > 0 ? drawsLeft / wrong : kOffspringPerGeneration});
        pattern.offspringMade.push_back(static_cast<std::uint8_t>(made));
        drawsLeft -= made * wrong;
        offspringLeft -= made;
    }
    return pattern;
}

/// The floor: the pattern's generator operations on a bare state, the values summed. Returns
/// the final state.
std::uint64_t ReplayLocked(const LockedPattern& pattern, std::uint64_t& sum) {
    std::uint64_t state = pattern.initialState;
    if (pattern.serial) {
        state = Generator::NextThenReseedWithIt(state);
    }
    std::uint64_t offspring = 0;
    std::uint32_t begin = 0;
    const std::uint64_t* const factors = pattern.keyFactors.data();
    for (std::size_t g = 0; g < pattern.generationEnds.size(); ++g) {
        const std::uint32_t end = pattern.generationEnds[g];
        state = Generator::ReseedKeyed(state,
                                       Generator::WholeKey(static_cast<std::int64_t>(offspring)));
        for (int i = 0; i < pattern.offspringMade[g]; ++i) {
            state = Generator::ReseedKeyed(
                state, Generator::WholeKey(static_cast<std::int64_t>(offspring)));
            ++offspring;
            for (std::uint32_t m = begin; m < end; ++m) {
                state = Generator::ReseedThenStep(state, factors[m] * offspring);
                sum += Generator::ValueOf(state);
            }
        }
        begin = end;
    }
    return state;
}

void RunLockedScheme(benchmark::State& state, Scheme scheme) {
    NullLogSink log;
    RecordedLog recorded;
    const std::atomic<bool> cancel{false};
    FreshSeeds seeds;
    AgainstFloor tally;
    for (auto _ : state) {
        Generator generator = seeds.Next();
        const std::string first = RandomString(generator, kTargetLength);
        const Generator start = generator;
        const RunEnvironment environment{generator, SystemMonotonic(), log, cancel};
        const RunResult result =
            tally.TimeRun(state, [&] { return RunScheme(scheme, kTarget, first, environment); });

        // The same run again with its log kept, to read the pattern off it, then the replay.
        Generator again = start;
        RunScheme(scheme, kTarget, first,
                  RunEnvironment{again, SystemMonotonic(), recorded, cancel});
        const LockedPattern pattern =
            RecordLockedPattern(scheme, start, first, result, recorded.Text());
        if (!tally.TimeReplay(state, generator.State(),
                              [&](std::uint64_t& sum) { return ReplayLocked(pattern, sum); })) {
            return;
        }
    }
    tally.Report(state);
    state.counters["generations"] = benchmark::Counter(static_cast<double>(tally.Generations()),
                                                       benchmark::Counter::kAvgIterations);
}

void BM_AttenuatingRun(benchmark::State& state) {
    RunLockedScheme(state, Scheme::Attenuating);
}
BENCHMARK(BM_AttenuatingRun)->UseManualTime();

void BM_SerialRun(benchmark::State& state) {
    RunLockedScheme(state, Scheme::Serial);
}
BENCHMARK(BM_SerialRun)->UseManualTime();

// --- Scheme 3, cut short, beside the replay of its pattern

/// A sequential run stopped after `kSequentialGenerations`, with the given log.
RunResult RunSequentialSlice(Generator& generator, const std::string& first, LogSink& log) {
    std::atomic<bool> cancel{false};
    RunEnvironment environment{generator, SystemMonotonic(), log, cancel};
    // With no interval the callback runs every few thousand draws, as the run reads its clock.
    environment.progressInterval = 0.0;
    CancelAfter(environment, cancel, kSequentialGenerations);
    return SequentialSelection(kTarget, first, environment);
}

/// The draws of every offspring of a sequential run's first `generations` generations (as
/// many as its letters not yet matched in that generation), worked out on a copy of its
/// generator. Offspring draws are compared with the run's random string, and an offspring
/// keeps as many letters of the phrase as have matched so far in its generation.
std::vector<std::uint8_t> RecordSequentialPattern(Generator generator, const std::string& first,
                                                  std::int64_t generations) {
    std::vector<std::uint8_t> draws;
    draws.reserve(static_cast<std::size_t>(generations) * kOffspringPerGeneration);
    generator = Generator(Generator::NextThenReseedWithIt(generator.State()));
    std::int64_t offspring = 1;
    for (std::int64_t g = 0; g < generations; ++g) {
        generator.ReseedWhole(offspring);
        ValueChain chain(generator);
        std::size_t matched = 0;
        for (int i = 0; i < kOffspringPerGeneration; ++i) {
            const std::size_t prefix = matched;
            chain.Churn();
            for (std::size_t j = prefix; j < kTargetLength; ++j) {
                matched += SymbolForValue(chain.ChurnAndDraw()) == first[j] ? 1 : 0;
            }
            draws.push_back(static_cast<std::uint8_t>(kTargetLength - prefix));
            ++offspring;
        }
        chain.Store(generator);
    }
    return draws;
}

/// The floor: the pattern's reseeds and draws, the values summed. Returns the final state.
std::uint64_t ReplaySequential(const Generator& start, const std::vector<std::uint8_t>& draws,
                               std::uint64_t& sum) {
    Generator generator(Generator::NextThenReseedWithIt(start.State()));
    std::int64_t offspring = 1;
    const std::uint8_t* next = draws.data();
    const std::uint8_t* const end = next + draws.size();
    while (next != end) {
        generator.ReseedWhole(offspring);
        ValueChain chain(generator);
        for (int i = 0; i < kOffspringPerGeneration; ++i) {
            chain.Churn();
            for (std::uint8_t k = *next++; k > 0; --k) {
                sum += chain.ChurnAndDraw();
            }
        }
        offspring += kOffspringPerGeneration;
        chain.Store(generator);
    }
    return generator.State();
}

void BM_SequentialRun(benchmark::State& state) {
    NullLogSink log;
    Generator generator;
    AgainstFloor tally;
    for (auto _ : state) {
        const std::string first = RandomString(generator, kTargetLength);
        const Generator start = generator;
        const RunResult result =
            tally.TimeRun(state, [&] { return RunSequentialSlice(generator, first, log); });

        const std::vector<std::uint8_t> pattern =
            RecordSequentialPattern(start, first, result.numMutations);
        if (!tally.TimeReplay(state, generator.State(), [&](std::uint64_t& sum) {
                return ReplaySequential(start, pattern, sum);
            })) {
            return;
        }
    }
    tally.Report(state);
    state.counters["generations/s"] =
        benchmark::Counter(static_cast<double>(tally.Generations()) / tally.SchemeSeconds());
}
BENCHMARK(BM_SequentialRun)->UseManualTime()->Unit(benchmark::kMillisecond);

/// The same, writing every generation line to a real file, as the window does.
void BM_SequentialRunLoggedToFile(benchmark::State& state) {
    const ScratchLogFile file;
    FileLogSink log(file.Path());
    Generator generator;
    std::int64_t generations = 0;
    for (auto _ : state) {
        const std::string first = RandomString(generator, kTargetLength);
        const RunResult result = RunSequentialSlice(generator, first, log);
        if (result.outcome == RunOutcome::LogFailed) {
            state.SkipWithError(result.logError.c_str());
            break;
        }
        generations += result.numMutations;
    }
    state.counters["generations/s"] = GenerationRate(generations);
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
    if (descriptor < 0) {
        state.SkipWithError("cannot open /dev/null");
        return;
    }
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
