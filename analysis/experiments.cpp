#include "analysis/experiments.h"

#include "engine/exact_law.h"
#include "search/alphabet.h"
#include "search/trial.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <mutex>

namespace quarrow::analysis {

namespace {

/// A bijection of 64 bits in which every output bit depends on every input bit.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

std::optional<std::uint64_t> ReadSeed(std::string_view text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || stop != end || error != std::errc()) {
        return std::nullopt;
    }
    return value;
}

Generator RunGenerator(std::uint64_t batchSeed, std::int64_t runIndex) {
    // Mixed twice, so the state is a bijection of the run's number for one seed and of the seed
    // for one run, and seeds K and K + 1 (or runs i and i + 1) share no structure.
    const std::uint64_t seedMix = Mix(batchSeed ^ 0x243f6a8885a308d3ULL);
    const std::uint64_t run = static_cast<std::uint64_t>(runIndex) * 0x9e3779b97f4a7c15ULL;
    return Generator(Mix(seedMix + run));
}

EvolveBatchResult RunEvolveBatch(const EvolveBatch& batch, const BatchControl& control,
                                 std::atomic<std::int64_t>* runsDone,
                                 std::atomic<std::int64_t>* runsDoneByScheme) {
    EvolveBatchResult result;
    const auto schemeCount = static_cast<std::int64_t>(batch.schemes.size());
    result.records.assign(batch.schemes.size(),
                          std::vector<EvolveRecord>(static_cast<std::size_t>(batch.runs)));

    // Run-major order (every scheme's run 0, then every scheme's run 1, ...) keeps the schemes
    // level when a batch is interrupted.
    RunBatch(batch.runs * schemeCount, control, [&](std::int64_t task) {
        const std::int64_t run = task / schemeCount;
        const auto schemeIndex = static_cast<std::size_t>(task % schemeCount);
        const Scheme scheme = batch.schemes[schemeIndex];
        const bool logged = task == 0 && batch.firstRun == 0 && batch.firstRunLog != nullptr;

        Generator generator = RunGenerator(batch.seed, batch.firstRun + run);
        const std::string firstString =
            RandomString(generator, static_cast<std::ptrdiff_t>(batch.phrase.size()));
        NullLogSink noLog;
        const RunEnvironment environment{generator, SystemMonotonic(),
                                         logged ? *batch.firstRunLog : noLog, control.stop};
        const RunResult outcome = RunScheme(scheme, batch.phrase, firstString, environment);

        EvolveRecord& record = result.records[schemeIndex][static_cast<std::size_t>(run)];
        record.finished = outcome.outcome == RunOutcome::Matched;
        record.generations = outcome.numMutations;
        record.strings = outcome.numTotal;
        record.seconds = outcome.timeLength;
        if (batch.keepFirstStrings) {
            record.firstString = firstString;
        }
        if (task == 0) {
            result.firstRunOutcome = outcome.outcome;
            result.firstRunLogError = outcome.logError;
        }
        if (runsDone != nullptr && record.finished) {
            runsDone->fetch_add(1, std::memory_order_relaxed);
        }
        if (runsDoneByScheme != nullptr && record.finished) {
            runsDoneByScheme[schemeIndex].fetch_add(1, std::memory_order_relaxed);
        }
    });
    return result;
}

std::int64_t KeepFinishedPrefix(std::vector<std::vector<EvolveRecord>>& records) {
    const std::size_t runs = records.empty() ? 0 : records.front().size();
    std::size_t prefix = 0;
    while (prefix < runs && std::all_of(records.begin(), records.end(),
                                        [&](const std::vector<EvolveRecord>& ofScheme) {
                                            return ofScheme[prefix].finished;
                                        })) {
        ++prefix;
    }
    for (std::vector<EvolveRecord>& ofScheme : records) {
        for (std::size_t run = prefix; run < ofScheme.size(); ++run) {
            ofScheme[run].finished = false;
        }
    }
    return static_cast<std::int64_t>(prefix);
}

std::int64_t RunsFinished(const std::vector<std::vector<EvolveRecord>>& records) {
    std::int64_t finished = 0;
    for (const std::vector<EvolveRecord>& ofScheme : records) {
        finished += std::count_if(ofScheme.begin(), ofScheme.end(),
                                  [](const EvolveRecord& record) { return record.finished; });
    }
    return finished;
}

namespace {

std::optional<double> Finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<double> ExpectedGenerations(Scheme scheme, std::size_t length) {
    switch (RowOf(scheme).law) {
    case LawKind::LockedLetter:
        return Finite(GenerationLaw::LockedLetter(length).Mean());
    case LawKind::GrowingPrefix:
        return Finite(SequentialLaw(length).MeanGenerations());
    }
    return std::nullopt;
}

std::optional<double> ExpectedStrings(Scheme scheme, std::size_t length) {
    switch (RowOf(scheme).law) {
    case LawKind::LockedLetter:
        return Finite(GenerationLaw::LockedLetter(length).MeanStrings());
    case LawKind::GrowingPrefix:
        return Finite(SequentialLaw(length).MeanStrings());
    }
    return std::nullopt;
}

std::vector<TrialRecord> RunTrialBatch(const TrialBatch& batch, const BatchControl& control,
                                       std::atomic<std::int64_t>* stringsDone) {
    std::vector<TrialRecord> records(static_cast<std::size_t>(batch.runs));
    const MonotonicClock& clock = SystemMonotonic();
    // Which finished trial holds the best string so far; guarded by `bestMutex`.
    std::mutex bestMutex;
    std::optional<std::size_t> bestRun;
    RunBatch(batch.runs, control, [&](std::int64_t run) {
        Generator generator = RunGenerator(batch.seed, run);
        std::int64_t counted = 0;
        TrialHooks hooks;
        hooks.cancel = &control.stop;
        if (stringsDone != nullptr) {
            hooks.clock = &clock;
            hooks.progressInterval = 0.05;
            hooks.progress = [&](const TrialProgress& progress) {
                stringsDone->fetch_add(progress.stringsMade - counted, std::memory_order_relaxed);
                counted = progress.stringsMade;
            };
        }
        const double start = clock.Seconds();
        TrialResult outcome = RunMatchingTrial(generator, *batch.seedClock, batch.phrase,
                                               batch.stringsPerTrial, hooks);
        const double end = clock.Seconds();
        if (stringsDone != nullptr) {
            stringsDone->fetch_add(outcome.stringsMade - counted, std::memory_order_relaxed);
        }

        const auto index = static_cast<std::size_t>(run);
        TrialRecord& record = records[index];
        record.finished = !outcome.cancelled;
        record.bestCount = outcome.bestCount.value_or(0);
        record.seconds = static_cast<float>(end - start);
        if (!record.finished) {
            return;
        }
        const std::lock_guard lock(bestMutex);
        if (bestRun) {
            const TrialRecord& best = records[*bestRun];
            if (record.bestCount < best.bestCount ||
                (record.bestCount == best.bestCount && index > *bestRun)) {
                return;
            }
            records[*bestRun].bestString = std::string();
        }
        bestRun = index;
        record.bestString = std::move(outcome.bestString);
    });
    return records;
}

} // namespace quarrow::analysis
