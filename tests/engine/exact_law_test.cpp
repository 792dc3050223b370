#include "engine/exact_law.h"

#include "engine/generation_log.h"
#include "engine/selection.h"
#include "search/alphabet.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>
#include <vector>

namespace quarrow {
namespace {

struct Sample {
    std::vector<std::int64_t> generations;
    std::vector<std::int64_t> strings;
};

/// Runs of the engine from random first strings, as the "Step Four" page makes them.
Sample EngineRuns(Scheme scheme, const std::string& target, int runs, double seed) {
    Sample sample;
    for (int run = 0; run < runs; ++run) {
        Generator generator;
        generator.Reseed(seed);
        generator.Reseed(static_cast<double>(run));
        const std::string first =
            RandomString(generator, static_cast<std::ptrdiff_t>(target.size()));
        NullLogSink log;
        const std::atomic<bool> cancel{false};
        const RunResult result = RunScheme(
            scheme, target, first, RunEnvironment{generator, SystemMonotonic(), log, cancel});
        EXPECT_EQ(result.outcome, RunOutcome::Matched);
        sample.generations.push_back(result.numMutations);
        sample.strings.push_back(result.numTotal);
    }
    return sample;
}

double MeanOf(const std::vector<std::int64_t>& values) {
    double total = 0.0;
    for (const std::int64_t value : values) {
        total += static_cast<double>(value);
    }
    return total / static_cast<double>(values.size());
}

/// A chi-square value a true law exceeds with chance about 1e-4 (Wilson and Hilferty).
double ChiSquareBound(double degrees) {
    const double z = 3.72;
    const double spread = 2.0 / (9.0 * degrees);
    return degrees * std::pow(1.0 - spread + z * std::sqrt(spread), 3.0);
}

/// Checks a sample of generation counts against the law: mean, three percentiles and the whole
/// shape, each to about four standard errors.
void ExpectFollows(const GenerationLaw& law, const std::vector<std::int64_t>& generations) {
    const auto runs = static_cast<double>(generations.size());
    EXPECT_NEAR(MeanOf(generations), law.Mean(), 4.0 * law.StandardDeviation() / std::sqrt(runs));

    for (const double p : {0.1, 0.5, 0.9}) {
        // The quantile q is right when about a share p of the runs lie at or below it and no
        // more than p below it.
        const std::int64_t q = law.Quantile(p);
        double atMost = 0.0;
        double below = 0.0;
        for (const std::int64_t g : generations) {
            atMost += g <= q ? 1.0 : 0.0;
            below += g < q ? 1.0 : 0.0;
        }
        const double error = 4.0 * std::sqrt(p * (1.0 - p) / runs);
        EXPECT_GE(atMost / runs, p - error) << "quantile " << p << " = " << q;
        EXPECT_LE(below / runs, p + error) << "quantile " << p << " = " << q;
    }

    // Bins of consecutive counts holding at least 10 expected runs; the last is open-ended.
    double statistic = 0.0;
    int bins = 0;
    std::int64_t start = 0;
    while (true) {
        std::int64_t end = start;
        double expected = runs * law.Probability(end);
        while (expected < 10.0 && runs * law.MoreThan(end) >= 10.0) {
            ++end;
            expected += runs * law.Probability(end);
        }
        const bool last = runs * law.MoreThan(end) < 10.0;
        if (last) {
            expected = runs * law.MoreThan(start - 1);
        }
        double observed = 0.0;
        for (const std::int64_t g : generations) {
            observed += g >= start && (last || g <= end) ? 1.0 : 0.0;
        }
        statistic += (observed - expected) * (observed - expected) / expected;
        ++bins;
        if (last) {
            break;
        }
        start = end + 1;
    }
    ASSERT_GE(bins, 5);
    EXPECT_LT(statistic, ChiSquareBound(bins - 1)) << bins << " bins";
}

TEST(GenerationLawTest, OneLetterIsTheSameGeometricLawForEveryScheme) {
    // One letter: right from the start with chance 1/27, which ends the first generation, and
    // otherwise every generation ends the run unless all 20 offspring miss it.
    const double miss = std::pow(26.0 / 27.0, 20.0);
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential}) {
        const GenerationLaw law = GenerationLaw::ForScheme(scheme, 1);
        EXPECT_NEAR(law.Probability(1), 1.0 / 27.0 + 26.0 / 27.0 * (1.0 - miss), 1e-12);
        EXPECT_NEAR(law.Probability(4), 26.0 / 27.0 * std::pow(miss, 3.0) * (1.0 - miss), 1e-12);
        EXPECT_NEAR(law.Mean(), 1.0 / 27.0 + 26.0 / 27.0 / (1.0 - miss), 1e-9);
        EXPECT_EQ(law.Probability(0), 0.0);
    }
}

TEST(GenerationLawTest, AnEmptyTargetTakesNoGenerations) {
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Sequential}) {
        const GenerationLaw law = GenerationLaw::ForScheme(scheme, 0);
        EXPECT_EQ(law.Probability(0), 1.0);
        EXPECT_EQ(law.Mean(), 0.0);
        EXPECT_EQ(law.Quantile(0.9), 0);
    }
}

TEST(GenerationLawTest, ChancesAddUpAndAgreeWithTheMoments) {
    // Lengths on both sides of the letters the locked-letter law tracks one by one.
    for (const std::size_t length : {std::size_t{5}, std::size_t{28}, std::size_t{41},
                                     std::size_t{300}, std::size_t{100'000}}) {
        const GenerationLaw law = GenerationLaw::LockedLetter(length);
        double total = 0.0;
        double mean = 0.0;
        double squares = 0.0;
        const std::int64_t far = law.Quantile(1.0 - 1e-13) + 1;
        for (std::int64_t g = 0; g <= far; ++g) {
            total += law.Probability(g);
            mean += static_cast<double>(g) * law.Probability(g);
            squares += static_cast<double>(g * g) * law.Probability(g);
        }
        EXPECT_NEAR(total, 1.0, 1e-9) << length;
        EXPECT_NEAR(law.AtMost(far) + law.MoreThan(far), 1.0, 1e-12) << length;
        EXPECT_NEAR(mean, law.Mean(), 1e-6 * law.Mean()) << length;
        EXPECT_NEAR(std::sqrt(squares - mean * mean), law.StandardDeviation(),
                    1e-5 * law.StandardDeviation())
            << length;
        EXPECT_LE(law.Quantile(0.1), law.Quantile(0.5));
        EXPECT_LT(law.Quantile(0.5), law.Quantile(0.9));
    }
    // A thousand times the letters costs about 27 ln 1000 more generations, not a thousand times.
    const double longer =
        GenerationLaw::LockedLetter(100'000).Mean() - GenerationLaw::LockedLetter(100).Mean();
    EXPECT_NEAR(longer, 27.0 * std::log(1000.0), 20.0);
}

TEST(GenerationLawTest, SequentialLawHoldsFarIntoItsTail) {
    // 28 letters: a generation completes with chance about 2e-8, far below a double's rounding
    // of 1, where a careless (1 - q)^g would lose everything.
    const GenerationLaw law = GenerationLaw::Sequential(28);
    const double complete = std::pow(1.0 - std::pow(26.0 / 27.0, 20.0), 28.0);
    EXPECT_NEAR(law.Mean() * complete, 1.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(law.Quantile(0.5)) * complete, std::log(2.0), 1e-6);
    EXPECT_NEAR(law.MoreThan(law.Quantile(0.9)), 0.1, 1e-6);
    EXPECT_GT(law.MoreThan(static_cast<std::int64_t>(1e10)), 0.0);
}

TEST(GenerationLawTest, EngineRunsFollowTheLockedLetterLaw) {
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Serial}) {
        const std::string target = "METHINKS";
        const Sample sample = EngineRuns(scheme, target, 3000, 11.0);
        const GenerationLaw law = GenerationLaw::LockedLetter(target.size());
        SCOPED_TRACE(std::string(SchemeCaption(scheme)));
        ExpectFollows(law, sample.generations);
        EXPECT_NEAR(MeanOf(sample.strings), law.MeanStrings(), 0.03 * law.MeanStrings());
    }
    // Past the letters tracked one by one the law takes the binomial's shortcut.
    const std::string longTarget(60, 'Q');
    const Sample sample = EngineRuns(Scheme::Serial, longTarget, 1500, 12.0);
    ExpectFollows(GenerationLaw::LockedLetter(longTarget.size()), sample.generations);
}

TEST(GenerationLawTest, EngineRunsFollowTheSequentialLaw) {
    // Two letters make a first string equal to the target likely enough (1 in 729) to matter.
    for (const std::string target : {"AB", "WORD"}) {
        const Sample sample = EngineRuns(Scheme::Sequential, target, 4000, 13.0);
        const GenerationLaw law = GenerationLaw::Sequential(target.size());
        SCOPED_TRACE(target);
        ExpectFollows(law, sample.generations);
        EXPECT_NEAR(MeanOf(sample.strings), law.MeanStrings(), 0.06 * law.MeanStrings());
    }
}

TEST(GenerationLawTest, EachSchemesRowNamesTheLawItsRunsFollow) {
    // On four letters the two laws differ by far more than the sample's spread, so a row naming
    // the other law fails here.
    const std::string target = "WORD";
    for (const SchemeDescriptor& row : kSchemeTable) {
        SCOPED_TRACE(std::string(row.caption));
        const Sample sample = EngineRuns(row.scheme, target, 2000, 17.0);
        ExpectFollows(GenerationLaw::ForScheme(row.scheme, target.size()), sample.generations);
    }
}

TEST(GenerationLawTest, SequentialClosedFormsAgreeWithTheTableAndTheEngine) {
    for (const std::size_t letters : {1U, 2U, 11U, 28U}) {
        SCOPED_TRACE(letters);
        const SequentialLaw closed(letters);
        const GenerationLaw law = GenerationLaw::Sequential(letters);
        EXPECT_NEAR(closed.MeanGenerations() / law.Mean(), 1.0, 1e-12);
        EXPECT_DOUBLE_EQ(closed.MeanStrings(), law.MeanStrings());
        EXPECT_DOUBLE_EQ(closed.MeanGenerationsSearching(), 1.0 / closed.GenerationChance());
    }
    // Two letters: a random first string is the target one time in 729, a single generation.
    EXPECT_NEAR(SequentialLaw(2).MeanGenerations(),
                1.0 / 729.0 + (728.0 / 729.0) / std::pow(SequentialLaw(1).GenerationChance(), 2.0),
                1e-12);

    // The symbols a generation draws, from a long run stopped after many generations.
    const std::string target = "CUMULATIVE SELECTION IS FAST";
    constexpr std::int64_t kGenerations = 5000;
    Generator generator(5);
    NullLogSink log;
    std::atomic<bool> stop{false};
    const std::atomic<bool> everyGeneration{true};
    RunEnvironment environment{generator, SystemMonotonic(), log, stop};
    environment.reportEveryGeneration = &everyGeneration;
    environment.progress = [&](const RunProgress& progress) {
        stop.store(progress.generation >= kGenerations);
    };
    const RunResult result = SequentialSelection(target, RandomString(generator, 28), environment);
    ASSERT_EQ(result.outcome, RunOutcome::Cancelled);
    const double perGeneration =
        static_cast<double>(result.symbolsDrawn) / static_cast<double>(result.numMutations);
    EXPECT_NEAR(perGeneration / SequentialLaw(target.size()).MeanDrawsPerGeneration(), 1.0, 0.01);
}

TEST(GenerationLawTest, BlindSearchNeedsTwentySevenToTheLengthStrings) {
    EXPECT_NEAR(BlindSearchLog10Strings(3), std::log10(19683.0), 1e-12);
}

} // namespace
} // namespace quarrow
