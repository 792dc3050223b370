#pragma once

#include "analysis/batch.h"
#include "engine/generation_log.h"
#include "engine/selection.h"
#include "platform/clock.h"
#include "platform/generator.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarrow::analysis {

// Batches of runs of the window's own engine and search code. Every run gets its own generator,
// whose state is a strong mix of the batch's seed and the run's number, so a run's figures
// depend on those two numbers alone, never on the thread that ran it, and neighbouring seeds
// or runs start from unrelated states.

/// Reads a seed: a whole number from 0 to 2^64 - 1, all of whose bits count, with nothing
/// before or after it.
std::optional<std::uint64_t> ReadSeed(std::string_view text);

/// The generator of run `runIndex` of a batch seeded with `batchSeed`; every bit of the seed
/// counts.
Generator RunGenerator(std::uint64_t batchSeed, std::int64_t runIndex);

/// One selection run of a batch. Counts are the window's `NumMutations` and `NumTotal`.
struct EvolveRecord {
    bool finished = false;
    /// Kept only when the batch asks for it (`EvolveBatch::keepFirstStrings`).
    std::string firstString;
    std::int64_t generations = 0;
    std::int64_t strings = 0;
    float seconds = 0.0f;
};

struct EvolveBatch {
    std::string phrase;
    /// Each run of each scheme; run i of every scheme starts from the same first string.
    std::vector<Scheme> schemes;
    std::int64_t runs = 0;
    /// The number of the batch's first run: a batch of runs `firstRun` to `firstRun + runs - 1`
    /// is that part of a longer one, whose runs it equals, so that workers can share one out.
    std::int64_t firstRun = 0;
    std::uint64_t seed = 0;
    /// Run 0 of the first scheme writes its generation log here; the others write none.
    LogSink* firstRunLog = nullptr;
    /// Keep every run's first string in its record, for a report of each run.
    bool keepFirstStrings = false;
};

struct EvolveBatchResult {
    /// One list per scheme, in the order asked, each indexed by run from the batch's first.
    std::vector<std::vector<EvolveRecord>> records;
    /// How run 0 of the first scheme ended, for its log.
    RunOutcome firstRunOutcome = RunOutcome::Cancelled;
    std::string firstRunLogError;
};

/// Runs every scheme `runs` times on the phrase as the window's "Step Four" page does: a random
/// first string as long as the phrase, drawn from the run's generator, then the scheme.
/// `runsDone`, when given, counts finished runs as they finish; `runsDoneByScheme`, when given,
/// holds a count for each scheme, in the order asked.
EvolveBatchResult RunEvolveBatch(const EvolveBatch& batch, const BatchControl& control,
                                 std::atomic<std::int64_t>* runsDone = nullptr,
                                 std::atomic<std::int64_t>* runsDoneByScheme = nullptr);

/// Cuts an interrupted batch back to its finished prefix: the runs before the first run that
/// some scheme did not finish. Later runs that happened to finish are marked unfinished, so
/// that every output covers runs 0 to n - 1 of every scheme with no gap. Returns n.
std::int64_t KeepFinishedPrefix(std::vector<std::vector<EvolveRecord>>& records);

/// The runs of `records` (one list per scheme) that finished, every scheme's together.
std::int64_t RunsFinished(const std::vector<std::vector<EvolveRecord>>& records);

/// Expected generations of a run on a phrase of `length` symbols whose first string is drawn
/// at random: the mean of the scheme's exact law (see engine/exact_law.h, where the sequential
/// scheme's closed form is). Nothing when the figure is beyond a double.
std::optional<double> ExpectedGenerations(Scheme scheme, std::size_t length);

/// Expected strings of such a run, counted as the scheme counts them; nothing when the figure
/// is beyond a double.
std::optional<double> ExpectedStrings(Scheme scheme, std::size_t length);

/// One random matching trial of a batch, as on the "Step Three" page.
struct TrialRecord {
    bool finished = false;
    /// Kept only in the record of the batch's best trial (the earliest among equals), so a
    /// batch holds one best string however many trials it runs; empty in the others.
    std::string bestString;
    std::size_t bestCount = 0;
    float seconds = 0.0f;
};

struct TrialBatch {
    std::string phrase;
    std::int64_t stringsPerTrial = 0;
    std::int64_t runs = 0;
    std::uint64_t seed = 0;
    /// Read before every symbol, as the page does.
    const TimeOfDayClock* seedClock = nullptr;
};

/// Runs the trials; `stringsDone`, when given, counts the strings made so far.
std::vector<TrialRecord> RunTrialBatch(const TrialBatch& batch, const BatchControl& control,
                                       std::atomic<std::int64_t>* stringsDone = nullptr);

/// The longest batch the lab takes: every run's counts are kept until the report.
inline constexpr std::int64_t kMostRuns = 1'000'000;

} // namespace quarrow::analysis
