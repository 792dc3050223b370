#include "analysis/evolution_feed.h"

#include "engine/generation_log.h"
#include "engine/selection.h"
#include "platform/clock.h"
#include "platform/generator.h"
#include "tests/support/memory_log_sink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <vector>

namespace quarrow::testing {
namespace {

constexpr std::uint64_t kSeed = 0x5eed;

// Once the feed holds all the rows it may, the generations between give way, never the last:
// "Save data..." of a very long run still ends with the matching generation.
TEST(EvolutionFeedRows, AFullFeedStillEndsWithTheMatchingGeneration) {
    for (const Scheme scheme : {Scheme::Serial, Scheme::Sequential}) {
        SCOPED_TRACE(static_cast<int>(scheme));
        constexpr std::size_t kRows = 5;
        EvolutionFeed feed(FitnessHistory::kDefaultMaxPoints, kRows);
        Generator generator(kSeed);
        MemoryLogSink log;
        const std::atomic<bool> cancel{false};
        const RunEnvironment environment{generator, SystemMonotonic(), log, cancel};
        const RunResult result =
            RunScheme(scheme, "METHINKS", "ABCDEFGH", feed.Attach(environment));
        ASSERT_EQ(result.outcome, RunOutcome::Matched);
        ASSERT_GT(result.numMutations, static_cast<std::int64_t>(kRows));
        const std::vector<GenerationRow> rows = feed.Rows();
        ASSERT_EQ(rows.size(), kRows);
        for (std::size_t i = 0; i + 1 < kRows; ++i) {
            EXPECT_EQ(rows[i].generation, static_cast<std::int64_t>(i) + 1);
        }
        EXPECT_EQ(rows.back(), (GenerationRow{result.numMutations, 8, result.numTotal}));
    }
}

TEST(FitnessHistory, StaysBoundedAndKeepsTheShapeOfALongNoisyRun) {
    FitnessHistory history(64);
    std::uint32_t noise = 12345;
    double highest = 0.0;
    for (std::int64_t generation = 0; generation < 200'000; generation += 3) {
        noise = noise * 1103515245U + 12345U;
        const double matched = static_cast<double>((noise >> 16) % 29U);
        highest = std::max(highest, matched);
        history.Add(generation, matched);
        ASSERT_LE(history.Points().size(), 64U);
    }
    const auto& points = history.Points();
    EXPECT_EQ(points.front().generation, 0);
    EXPECT_EQ(points.back().generation, 199'998);
    for (std::size_t i = 1; i < points.size(); ++i) {
        EXPECT_LE(points[i - 1].generation, points[i].generation);
    }
    // Every sample lies in the range of the point whose stretch holds it: thinning merged the
    // old points rather than dropping them, so their lows and highs are all still there.
    noise = 12345;
    for (std::int64_t generation = 0; generation < 200'000; generation += 3) {
        noise = noise * 1103515245U + 12345U;
        const double matched = static_cast<double>((noise >> 16) % 29U);
        // The points at its generation (a step's corner and the step) and the one after.
        bool held = false;
        for (auto holder = std::lower_bound(
                 points.begin(), points.end(), generation,
                 [](const FitnessPoint&p, std::int64_t g) { return p.generation < g; });
             holder != points.end() && !held; ++holder) {
            held = holder->lowest <= matched && matched <= holder->highest;
            if (holder->generation > generation) {
                break;
            }
        }
        ASSERT_TRUE(held) << "sample " << matched << " at " << generation;
    }
    EXPECT_EQ(points[1].lowest, 0.0);
    EXPECT_EQ(points[1].highest, highest);
}

TEST(FitnessHistory, HoldsAClimbingCurveExactlyAsSteps) {
    FitnessHistory history(64);
    // 25 letters locking in one by one over a million generations, sampled every 7.
    for (std::int64_t generation = 1; generation <= 1'000'000; generation += 7) {
        // The letters right grow by one every 40,000 generations: whole steps.
        history.Add(generation, std::floor(static_cast<double>(generation) / 40'000.0));
    }
    const auto& points = history.Points();
    ASSERT_LE(points.size(), 64U);
    // Every value is there, each step drawn as a flat part and a rise at one generation.
    for (int value = 0; value <= 25; ++value) {
        EXPECT_TRUE(std::any_of(points.begin(), points.end(), [&](const FitnessPoint& p) {
            return p.matched == value;
        })) << value;
    }
    for (std::size_t i = 1; i < points.size(); ++i) {
        EXPECT_TRUE(points[i].generation == points[i - 1].generation ||
                    points[i].matched == points[i - 1].matched)
            << "slanted segment at " << i;
    }
}

} // namespace
} // namespace quarrow::testing
