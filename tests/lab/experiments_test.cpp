#include "lab/experiments.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>
#include <vector>

#include "engine/generation_log.h"
#include "engine/selection.h"
#include "lab/statistics.h"
#include "search/alphabet.h"

namespace quarrow::lab {
namespace {

const std::vector<Scheme> kAllSchemes = {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential};

EvolveBatchResult Evolve(const std::string& phrase, const std::vector<Scheme>& schemes,
                         std::int64_t runs, double seed, int threads) {
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
    const auto one = Counts(Evolve("HELLO", kAllSchemes, 40, 7.0, 1));
    EXPECT_EQ(Counts(Evolve("HELLO", kAllSchemes, 40, 7.0, 2)), one);
    EXPECT_EQ(Counts(Evolve("HELLO", kAllSchemes, 40, 7.0, 5)), one);
    EXPECT_NE(Counts(Evolve("HELLO", kAllSchemes, 40, 8.0, 2)), one);
}

TEST(EvolveBatchTest, EachRunIsTheWindowsRunFromItsOwnGenerator) {
    // Run i: a first string drawn from run i's generator, then the scheme with the phrase as
    // the page's target, so the sequential scheme gets them the other way round.
    const std::string phrase = "CAT";
    const auto result = Evolve(phrase, kAllSchemes, 6, 99.0, 2);
    for (std::size_t s = 0; s < kAllSchemes.size(); ++s) {
        for (std::int64_t run = 0; run < 6; ++run) {
            Generator generator = RunGenerator(99.0, run);
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
        const auto result = Evolve(phrase, {Scheme::Sequential}, runs, 2024.0, 2);
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
    const StoppedTimeOfDayClock clock;
    const auto trials = [&](int threads) {
        std::atomic<bool> stop{false};
        std::atomic<std::int64_t> made{0};
        TrialBatch batch{"HELLO WORLD", 300, 6, 5.0, &clock};
        const auto records = RunTrialBatch(batch, BatchControl{stop, threads}, &made);
        EXPECT_EQ(made.load(), 300 * 6);
        std::vector<std::string> best;
        for (const TrialRecord& record : records) {
            EXPECT_TRUE(record.finished);
            EXPECT_EQ(record.bestString.size(), 11U);
            EXPECT_EQ(MatchCount(record.bestString, "HELLO WORLD"), record.bestCount);
            best.push_back(record.bestString);
        }
        return best;
    };
    const auto one = trials(1);
    EXPECT_EQ(trials(2), one);
    EXPECT_NE(one[0], one[1]) << "runs must not share a generator";
}

} // namespace
} // namespace quarrow::lab
