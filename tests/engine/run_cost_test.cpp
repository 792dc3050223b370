#include "engine/run_cost.h"

#include "engine/generation_log.h"
#include "tests/support/memory_log_sink.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>

namespace quarrow {
namespace {

TEST(RunCost, SequentialFiguresFollowTheClosedForm) {
    for (const std::size_t letters : {1U, 3U, 10U, 28U}) {
        SCOPED_TRACE(letters);
        const SequentialExpectation expected = ExpectSequential(letters);
        const double chance = std::pow(1.0 - std::pow(26.0 / 27.0, 20.0), letters);
        EXPECT_DOUBLE_EQ(expected.generationChance, chance);
        // From a random first string: one that already is the target (27^-n) ends the run in
        // its first generation, with 2 strings.
        const double already = std::pow(27.0, -static_cast<double>(letters));
        EXPECT_NEAR(expected.meanGenerations, already + (1.0 - already) / chance, 1e-12 / chance);
        EXPECT_NEAR(expected.meanStrings, 2.0 * already + (1.0 - already) * (20.0 / chance + 1.0),
                    1e-11 / chance);
        // The median and 90th percentile are the least counts that reach those shares.
        for (const auto& [quantile, generations] :
             {std::pair{0.5, expected.medianGenerations},
              std::pair{0.9, expected.percentile90Generations}}) {
            const auto reached = [&](double g) { return 1.0 - std::pow(1.0 - chance, g); };
            EXPECT_GE(reached(static_cast<double>(generations)), quantile - 1e-12);
            EXPECT_LT(reached(static_cast<double>(generations - 1)), quantile);
        }
    }
    // The figures a learner meets on the 28-letter phrase.
    EXPECT_NEAR(ExpectSequential(28).meanGenerations, 52.8e6, 0.05e6);
    EXPECT_NEAR(ExpectSequential(3).meanGenerations, 6.72, 0.005);
}

TEST(RunCost, TheLineLengthIsThatOfTheLogsGenerationLines) {
    // Scheme 3 writes its best offspring and its count less one in print form, then CR LF.
    for (const std::string target : {"CAT", "CUMULATIVE SELECTION IS FAST"}) {
        Generator generator(7);
        MemoryLogSink log;
        std::atomic<bool> stop{false};
        RunEnvironment environment{generator, SystemMonotonic(), log, stop};
        const std::atomic<bool> everyGeneration{true};
        environment.reportEveryGeneration = &everyGeneration;
        environment.progress = [&](const RunProgress& progress) {
            stop.store(progress.generation >= 50);
        };
        SequentialSelection(target, std::string(target.size(), 'E'), environment);
        const std::string text = log.Text();
        const std::size_t firstLine = text.find("\r\n") + 2;
        EXPECT_EQ(firstLine, ExpectSequential(target.size()).lineBytes) << text.substr(0, 80);
    }
}

TEST(RunCost, TheMeasuredRateStopsAndIsPositive) {
    Generator generator(11);
    const double rate = MeasureGenerationRate(Scheme::Sequential, "CUMULATIVE SELECTION IS FAST",
                                              "QWERTYUIOPASDFGHJKLZXCVBNM Q", generator,
                                              SystemMonotonic(), 0.02, 1'000'000);
    EXPECT_GT(rate, 0.0);
    // A clock that never moves cannot time anything; the generation cap still ends the run.
    struct StoppedClock final : MonotonicClock {
        double Seconds() const override { return 5.0; }
    } stopped;
    EXPECT_EQ(MeasureGenerationRate(Scheme::Sequential, "CUMULATIVE SELECTION IS FAST",
                                    "QWERTYUIOPASDFGHJKLZXCVBNM Q", generator, stopped, 0.02, 500),
              0.0);
}

} // namespace
} // namespace quarrow
