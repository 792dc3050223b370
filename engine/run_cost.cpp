#include "engine/run_cost.h"

#include "engine/exact_law.h"
#include "engine/generation_log.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>

namespace quarrow {

namespace {

std::uint64_t Digits(std::uint64_t value) {
    std::uint64_t digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

} // namespace

double LetterWonInAGeneration() {
    return SequentialLaw::LetterWonInAGeneration();
}

std::int64_t GeometricQuantile(double chance, double quantile) {
    if (chance >= 1.0) {
        return 1;
    }
    if (chance <= 0.0) {
        return std::numeric_limits<std::int64_t>::max();
    }
    // The least g with 1 - (1 - chance)^g >= quantile.
    const double generations = std::log1p(-quantile) / std::log1p(-chance);
    // Half the largest count (2^62 exactly) leaves room for the rounding up below.
    constexpr double kMostGenerations =
        static_cast<double>(std::numeric_limits<std::int64_t>::max()) / 2.0;
    if (generations >= kMostGenerations) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return std::max<std::int64_t>(1, static_cast<std::int64_t>(std::ceil(generations - 1e-9)));
}

SequentialExpectation ExpectSequential(std::size_t letters) {
    const SequentialLaw law(letters);
    SequentialExpectation expectation;
    expectation.generationChance = law.GenerationChance();
    // From a random first string, as the laws of the other schemes are stated: one that already
    // is the target ends the run at once.
    expectation.meanGenerations = law.MeanGenerations();
    expectation.meanStrings = law.MeanStrings();
    expectation.medianGenerations = GeometricQuantile(expectation.generationChance, 0.5);
    expectation.percentile90Generations = GeometricQuantile(expectation.generationChance, 0.9);
    // A generation line is the best offspring, then its count less one in print form (a sign
    // position, the digits, a space), then CR LF; the count is at most n - 1.
    const std::uint64_t countDigits = Digits(letters > 0 ? letters - 1 : 0);
    expectation.lineBytes = letters + 1 + countDigits + 1 + 2;
    expectation.meanLogBytes =
        expectation.meanGenerations * static_cast<double>(expectation.lineBytes);
    return expectation;
}

double MeasureGenerationRate(Scheme scheme, std::string_view target, std::string_view firstString,
                             Generator generator, const MonotonicClock& clock, double seconds,
                             std::int64_t maxGenerations) {
    NullLogSink log;
    std::atomic<bool> stop{false};
    const std::atomic<bool> everyGeneration{true};
    RunEnvironment environment{generator, clock, log, stop};
    // Every generation is looked at, so a slow clock cannot let the measurement overrun.
    environment.reportEveryGeneration = &everyGeneration;
    environment.progress = [&](const RunProgress& progress) {
        if (progress.elapsedSeconds >= seconds || progress.generation >= maxGenerations) {
            stop.store(true, std::memory_order_relaxed);
        }
    };
    const RunResult result = RunScheme(scheme, target, firstString, environment);
    if (result.timeLength <= 0.0f || result.numMutations <= 0) {
        return 0.0;
    }
    return static_cast<double>(result.numMutations) / static_cast<double>(result.timeLength);
}

} // namespace quarrow
