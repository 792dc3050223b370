#include "analysis/experiments.h"

#include "analysis/batch_time.h"
#include "analysis/statistics.h"
#include "engine/generation_log.h"
#include "engine/selection.h"
#include "search/alphabet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <new>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace quarrow::analysis {
namespace {

const std::vector<Scheme> kAllSchemes = {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential};

EvolveBatchResult Evolve(const std::string& phrase, const std::vector<Scheme>& schemes,
                         std::int64_t runs, std::uint64_t seed, int threads) {
    std::atomic<bool> stop{false};
    EvolveBatch batch;
    batch.phrase = phrase;
    batch.schemes = schemes;
    batch.runs = runs;
    batch.seed = seed;
    return RunEvolveBatch(batch, BatchControl{stop, threads});
}

std::vector<std::int64_t> Counts(const EvolveBatchResult& result) {
    std::vector<std::int64_t> counts;
    for (const auto& scheme : result.records) {
        for (const EvolveRecord& record : scheme) {
            EXPECT_TRUE(record.finished);
            counts.push_back(record.generations);
            counts.push_back(record.strings);
        }
    }
    return counts;
}

TEST(EvolveBatchTest, FiguresDependOnTheSeedAloneNotOnTheThreads) {
    const auto one = Counts(Evolve("HELLO", kAllSchemes, 40, 7, 1));
    EXPECT_EQ(Counts(Evolve("HELLO", kAllSchemes, 40, 7, 2)), one);
    EXPECT_EQ(Counts(Evolve("HELLO", kAllSchemes, 40, 7, 5)), one);
    EXPECT_NE(Counts(Evolve("HELLO", kAllSchemes, 40, 8, 2)), one);
}

TEST(EvolveBatchTest, RangesOfRunsPutTogetherAreTheWholeBatch) {
    std::atomic<bool> stop{false};
    EvolveBatch whole;
    whole.phrase = "HELLO";
    whole.schemes = kAllSchemes;
    whole.runs = 23;
    whole.seed = 42;
    whole.keepFirstStrings = true;
    const EvolveBatchResult one = RunEvolveBatch(whole, BatchControl{stop, 2});
    // Uneven ranges, one of a single run, as a pool of workers shares them out.
    std::vector<std::vector<EvolveRecord>> joined(kAllSchemes.size());
    for (const auto& [first, count] :
         std::vector<std::pair<std::int64_t, std::int64_t>>{{0, 9}, {9, 1}, {10, 13}}) {
        EvolveBatch part = whole;
        part.firstRun = first;
        part.runs = count;
        const EvolveBatchResult range = RunEvolveBatch(part, BatchControl{stop, 1});
        for (std::size_t s = 0; s < kAllSchemes.size(); ++s) {
            ASSERT_EQ(range.records[s].size(), static_cast<std::size_t>(count));
            joined[s].insert(joined[s].end(), range.records[s].begin(), range.records[s].end());
        }
    }
    for (std::size_t s = 0; s < kAllSchemes.size(); ++s) {
        ASSERT_EQ(joined[s].size(), one.records[s].size());
        for (std::size_t run = 0; run < joined[s].size(); ++run) {
            const EvolveRecord& a = one.records[s][run];
            const EvolveRecord& b = joined[s][run];
            EXPECT_TRUE(b.finished);
            EXPECT_EQ(b.firstString, a.firstString) << s << " " << run;
            EXPECT_EQ(b.generations, a.generations) << s << " " << run;
            EXPECT_EQ(b.strings, a.strings) << s << " " << run;
        }
    }
}

TEST(EvolveBatchTest, EveryBitOfTheSeedCounts) {
    // Neighbours past 2^53 round to one double; their generators must still differ.
    for (const std::uint64_t seed : {std::uint64_t{1} << 53, ~std::uint64_t{0} - 1}) {
        EXPECT_NE(RunGenerator(seed, 0).State(), RunGenerator(seed + 1, 0).State()) << seed;
        EXPECT_NE(Counts(Evolve("HELLO", {Scheme::Serial}, 20, seed, 1)),
                  Counts(Evolve("HELLO", {Scheme::Serial}, 20, seed + 1, 1)))
            << seed;
    }
}

TEST(EvolveBatchTest, EachRunIsTheWindowsRunFromItsOwnGenerator) {
    // Run i: a first string drawn from run i's generator, then the scheme with the phrase as
    // the page's target, so the sequential scheme gets them the other way round.
    const std::string phrase = "CAT";
    const auto result = Evolve(phrase, kAllSchemes, 6, 99, 2);
    for (std::size_t s = 0; s < kAllSchemes.size(); ++s) {
        for (std::int64_t run = 0; run < 6; ++run) {
            Generator generator = RunGenerator(99, run);
            const std::string first = RandomString(generator, 3);
            NullLogSink log;
            std::atomic<bool> cancel{false};
            const RunResult expected =
                RunScheme(kAllSchemes[s], phrase, first,
                          RunEnvironment{generator, SystemMonotonic(), log, cancel});
            const EvolveRecord& record = result.records[s][static_cast<std::size_t>(run)];
            EXPECT_EQ(record.generations, expected.numMutations)
                << "scheme " << s << " run " << run;
            EXPECT_EQ(record.strings, expected.numTotal) << "scheme " << s << " run " << run;
        }
    }
}

TEST(EvolveBatchTest, SequentialMeanMeetsTheClosedForm) {
    for (const std::string phrase : {"CAT", "HELLO"}) {
        const std::int64_t runs = 4000;
        const auto result = Evolve(phrase, {Scheme::Sequential}, runs, 2024, 2);
        std::vector<double> generations;
        std::vector<double> strings;
        for (const EvolveRecord& record : result.records[0]) {
            generations.push_back(static_cast<double>(record.generations));
            strings.push_back(static_cast<double>(record.strings));
        }
        const auto summary = Summarise(generations);
        ASSERT_TRUE(summary.has_value());
        const double expected = *ExpectedGenerations(Scheme::Sequential, phrase.size());
        // The generations are geometric: their deviation follows from the mean alone.
        const double chance = 1.0 / expected;
        const double standardError =
            std::sqrt(1.0 - chance) / chance / std::sqrt(static_cast<double>(runs));
        EXPECT_NEAR(summary->mean, expected, 4.0 * standardError) << phrase;
        EXPECT_NEAR(Summarise(strings)->mean, *ExpectedStrings(Scheme::Sequential, phrase.size()),
                    4.0 * 20.0 * standardError)
            << phrase;
    }
    // The figures the documentation quotes: about 7 generations for 3 letters, 573 for 10.
    EXPECT_NEAR(*ExpectedGenerations(Scheme::Sequential, 3), 6.72, 0.01);
    EXPECT_NEAR(*ExpectedGenerations(Scheme::Sequential, 10), 572.9, 0.1);
    // The other two schemes take the mean of their exact law.
    const auto serial = ExpectedGenerations(Scheme::Serial, 3);
    ASSERT_TRUE(serial.has_value());
    EXPECT_EQ(serial, ExpectedGenerations(Scheme::Attenuating, 3));
    // Beyond a double there is no figure rather than an infinite one.
    EXPECT_FALSE(ExpectedGenerations(Scheme::Sequential, 2000).has_value());
}

TEST(EvolveBatchTest, OneLetterMeanCountsAFirstStringThatAlreadyMatches) {
    // One time in 27 the first string is the phrase and the run ends after 1 generation of
    // 2 strings; the closed form must count that, or it is 0.03 generations too high.
    const double searching = 1.0 / (1.0 - std::pow(26.0 / 27.0, 20.0));
    EXPECT_DOUBLE_EQ(*ExpectedGenerations(Scheme::Sequential, 1),
                     1.0 / 27.0 + 26.0 / 27.0 * searching);
    EXPECT_NEAR(*ExpectedGenerations(Scheme::Sequential, 1), 1.854, 0.001);
    EXPECT_NEAR(*ExpectedStrings(Scheme::Sequential, 1), 37.38, 0.01);

    const std::int64_t runs = 40'000;
    const auto result = Evolve("Q", {Scheme::Sequential}, runs, 31, 2);
    double generations = 0.0;
    double strings = 0.0;
    for (const EvolveRecord& record : result.records[0]) {
        generations += static_cast<double>(record.generations);
        strings += static_cast<double>(record.strings);
    }
    // A generation count's deviation is below 0.7, so 4 standard errors are below 0.014.
    EXPECT_NEAR(generations / runs, *ExpectedGenerations(Scheme::Sequential, 1), 0.014);
    EXPECT_NEAR(strings / runs, *ExpectedStrings(Scheme::Sequential, 1), 20 * 0.014);
}

TEST(EvolveBatchTest, AStoppedBatchFinishesNothingAndSaysSo) {
    std::atomic<bool> stop{true};
    EvolveBatch batch;
    batch.phrase = "HELLO";
    batch.schemes = {Scheme::Serial};
    batch.runs = 10;
    std::atomic<std::int64_t> done{0};
    const auto result = RunEvolveBatch(batch, BatchControl{stop, 2}, &done);
    EXPECT_EQ(done.load(), 0);
    EXPECT_EQ(result.firstRunOutcome, RunOutcome::Cancelled);
    for (const EvolveRecord& record : result.records[0]) {
        EXPECT_FALSE(record.finished);
    }
}

TEST(TrialBatchTest, SeededTrialsRepeatWhateverTheThreads) {
    const FixedTimeOfDayClock clock;
    const auto trials = [&](int threads) {
        std::atomic<bool> stop{false};
        std::atomic<std::int64_t> made{0};
        TrialBatch batch{"HELLO WORLD", 300, 40, 5, &clock};
        const auto records = RunTrialBatch(batch, BatchControl{stop, threads}, &made);
        EXPECT_EQ(made.load(), 300 * 40);
        // Only the best trial keeps its string, the earliest of those with the highest count.
        std::size_t highest = 0;
        for (const TrialRecord& record : records) {
            EXPECT_TRUE(record.finished);
            highest = std::max(highest, record.bestCount);
        }
        std::vector<std::string> kept;
        std::vector<std::size_t> counts;
        bool bestSeen = false;
        for (const TrialRecord& record : records) {
            counts.push_back(record.bestCount);
            const bool isBest = !bestSeen && record.bestCount == highest;
            bestSeen = bestSeen || isBest;
            if (isBest) {
                EXPECT_EQ(record.bestString.size(), 11U);
                EXPECT_EQ(MatchCount(record.bestString, "HELLO WORLD"), record.bestCount);
            } else {
                EXPECT_TRUE(record.bestString.empty()) << record.bestString;
            }
            kept.push_back(record.bestString);
        }
        return std::make_pair(kept, counts);
    };
    const auto one = trials(1);
    EXPECT_EQ(trials(2), one);
    EXPECT_EQ(trials(7), one);
    EXPECT_NE(one.second, std::vector<std::size_t>(40, one.second[0]))
        << "runs must not share a generator";
}

TEST(BatchTest, AFailingTaskStopsTheBatchAndItsErrorReachesTheCaller) {
    // One worker: the runs after the failing one are never started.
    std::atomic<bool> stop{false};
    std::atomic<int> ran{0};
    const auto failAtFive = [&](std::int64_t index) {
        ++ran;
        if (index == 5) {
            throw std::bad_alloc();
        }
    };
    EXPECT_THROW(RunBatch(1000, BatchControl{stop, 1}, failAtFive), std::bad_alloc);
    EXPECT_EQ(ran.load(), 6);
    // Several workers: whichever thread fails, the error reaches the caller.
    ran = 0;
    EXPECT_THROW(RunBatch(1000, BatchControl{stop, 3}, failAtFive), std::bad_alloc);
}

TEST(BatchTest, OneThreadRunsTheTasksInOrderOnTheCallerTickingBetweenThemAndAtTheEnd) {
    // Where no thread can start (WebAssembly), a batch of one thread must still run and tick.
    std::atomic<bool> stop{false};
    std::vector<std::int64_t> order;
    int ticks = 0;
    std::size_t tasksAtLastTick = 0;
    bool onCaller = true;
    const auto caller = std::this_thread::get_id();
    BatchControl control{stop, 1, [&] {
                             ++ticks;
                             tasksAtLastTick = order.size();
                         }};
    control.tickMilliseconds = 5;
    RunBatch(12, control, [&](std::int64_t index) {
        onCaller = onCaller && std::this_thread::get_id() == caller;
        order.push_back(index);
        std::this_thread::sleep_for(std::chrono::milliseconds(4));
    });
    EXPECT_TRUE(onCaller);
    EXPECT_EQ(order, (std::vector<std::int64_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_GE(ticks, 4); // about one every other task, and the last
    EXPECT_EQ(tasksAtLastTick, order.size());
    // A stopped batch starts nothing, and still ticks once.
    stop = true;
    ticks = 0;
    RunBatch(12, control, [&](std::int64_t) { ADD_FAILURE() << "a stopped batch ran a task"; });
    EXPECT_EQ(ticks, 1);
}

TEST(RunGeneratorTest, NeighbouringSeedsAndRunsDrawIndependentFirstStrings) {
    // The first symbols of the first strings of seeds K and K + 1 (and of runs i and i + 1 of
    // one seed), over many K: a chi-square test of independence on the 27 x 27 table.
    constexpr int kPairs = 30000;
    constexpr std::size_t kLetters = 4;
    const auto independence = [](const auto& generatorOf) {
        std::vector<double> table(std::size_t{27} * 27, 0.0);
        std::vector<double> rows(27, 0.0);
        std::vector<double> columns(27, 0.0);
        for (int k = 0; k < kPairs; ++k) {
            Generator left = generatorOf(k);
            Generator right = generatorOf(k + 1);
            const std::string a = RandomString(left, kLetters);
            const std::string b = RandomString(right, kLetters);
            for (std::size_t j = 0; j < kLetters; ++j) {
                const auto row = static_cast<std::size_t>(IndexOfSymbol(a[j]));
                const auto column = static_cast<std::size_t>(IndexOfSymbol(b[j]));
                ++table[row * 27 + column];
                ++rows[row];
                ++columns[column];
            }
        }
        const double total = kPairs * double(kLetters);
        double chiSquare = 0.0;
        for (std::size_t r = 0; r < 27; ++r) {
            for (std::size_t c = 0; c < 27; ++c) {
                const double expected = rows[r] * columns[c] / total;
                const double difference = table[r * 27 + c] - expected;
                chiSquare += difference * difference / expected;
            }
        }
        return chiSquare;
    };
    constexpr double kLimit = 795.0; // 676 degrees of freedom, p = 0.001
    EXPECT_LT(independence([](int k) { return RunGenerator(static_cast<std::uint64_t>(k), 0); }),
              kLimit)
        << "seeds K and K + 1";
    EXPECT_LT(independence([](int i) { return RunGenerator(42, i); }), kLimit)
        << "runs i and i + 1";
}

TEST(ExperimentsTest, AnInterruptedBatchKeepsItsFinishedPrefixOnly) {
    std::vector<std::vector<EvolveRecord>> records(2, std::vector<EvolveRecord>(6));
    // Runs 0 to 2 finished in both schemes; run 3 only in the first; run 4 in both.
    for (std::size_t run : {0U, 1U, 2U, 4U}) {
        records[0][run].finished = records[1][run].finished = true;
    }
    records[0][3].finished = true;
    EXPECT_EQ(KeepFinishedPrefix(records), 3);
    for (const auto& ofScheme : records) {
        for (std::size_t run = 0; run < ofScheme.size(); ++run) {
            EXPECT_EQ(ofScheme[run].finished, run < 3) << run;
        }
    }
}

TEST(ExperimentsTest, BatchTimeFollowsTheExactLaw) {
    // Sequential on 5 letters: p + (1 - p) / q generations a run, q = (1 - (26/27)^20)^5.
    const double q = std::pow(1.0 - std::pow(26.0 / 27.0, 20.0), 5.0);
    const double p = std::pow(27.0, -5.0);
    const double mean = p + (1.0 - p) / q;
    const BatchTime time("ABCDE", {Scheme::Sequential}, 1000, {2000.0}, 4);
    EXPECT_NEAR(time.TotalSeconds(), 1000.0 * mean / 2000.0 / 4.0, 1e-9);
    // What is left depends on the runs still to do, not on how fast the first ones went.
    EXPECT_NEAR(time.SecondsLeft({900}), 100.0 * mean / 2000.0 / 4.0, 1e-9);
    EXPECT_EQ(time.SecondsLeft({1000}), 0.0);

    // A scheme that cannot be measured, or a law beyond a double, has no end in sight.
    EXPECT_TRUE(std::isinf(BatchTime("ABCDE", {Scheme::Serial}, 10, {0.0}, 1).TotalSeconds()));
    EXPECT_TRUE(std::isinf(
        BatchTime(std::string(10000, 'A'), {Scheme::Sequential}, 1, {1e9}, 1).TotalSeconds()));

    EXPECT_EQ(DurationText(59.6), "60 seconds");
    EXPECT_EQ(DurationText(600.0), "10 minutes");
    EXPECT_EQ(DurationText(3.0 * 86400.0), "3 days");
    EXPECT_EQ(DurationText(3.0e9 * 365.25 * 86400.0), "3e+09 years");
}

} // namespace
} // namespace quarrow::analysis
