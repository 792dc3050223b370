#include "lab/experiments.h"

#include <cmath>

#include "engine/exact_law.h"
#include "search/alphabet.h"
#include "search/trial.h"

namespace quarrow::lab {

Generator RunGenerator(double batchSeed, std::int64_t runIndex) {
    Generator generator;
    generator.Reseed(batchSeed);
    generator.Reseed(static_cast<double>(runIndex));
    return generator;
}

EvolveBatchResult RunEvolveBatch(const EvolveBatch& batch, const BatchControl& control,
                                 std::atomic<std::int64_t>* runsDone) {
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
        const bool logged = task == 0 && batch.firstRunLog != nullptr;

        Generator generator = RunGenerator(batch.seed, run);
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
    });
    return result;
}

namespace {

std::optional<double> Finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<double> ExpectedGenerations(Scheme scheme, std::size_t length) {
    if (scheme != Scheme::Sequential) {
        return Finite(GenerationLaw::LockedLetter(length).Mean());
    }
    // Within a generation each drawn symbol matches with chance 1/27, and a position stays
    // unmatched through all 20 offspring with chance (26/27)^20, independently of the others.
    const double positionMatched =
        1.0 - std::pow(26.0 / 27.0, static_cast<double>(kOffspringPerGeneration));
    return Finite(std::pow(positionMatched, -static_cast<double>(length)));
}

std::optional<double> ExpectedStrings(Scheme scheme, std::size_t length) {
    if (scheme != Scheme::Sequential) {
        return Finite(GenerationLaw::LockedLetter(length).MeanStrings());
    }
    const std::optional<double> generations = ExpectedGenerations(scheme, length);
    if (!generations) {
        return std::nullopt;
    }
    return *generations * kOffspringPerGeneration + 1.0;
}

std::vector<TrialRecord> RunTrialBatch(const TrialBatch& batch, const BatchControl& control,
                                       std::atomic<std::int64_t>* stringsDone) {
    std::vector<TrialRecord> records(static_cast<std::size_t>(batch.runs));
    const MonotonicClock& clock = SystemMonotonic();
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

        TrialRecord& record = records[static_cast<std::size_t>(run)];
        record.finished = !outcome.cancelled;
        record.bestString = std::move(outcome.bestString);
        record.bestCount = outcome.bestCount.value_or(0);
        record.seconds = static_cast<float>(end - start);
    });
    return records;
}

} // namespace quarrow::lab
