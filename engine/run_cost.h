#pragma once

#include "engine/selection.h"
#include "platform/clock.h"
#include "platform/generator.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quarrow {

// What a run of the sequential scheme is expected to cost before it starts. Its generations are
// independent trials: each completes the run with the same chance, so the count of generations
// is geometric and every figure below is a closed form.

/// The figures of a sequential run towards a target of some length.
struct SequentialExpectation {
    /// The chance that one generation completes the run, (1 - (26/27)^20)^n; the same for
    /// every generation.
    double generationChance = 1.0;
    /// Mean generations from a random first string: p + (1 - p) / `generationChance`, with p
    /// the chance, 27^-n, that the first string already is the target.
    double meanGenerations = 1.0;
    /// Mean strings counted from a random first string, 20 per generation plus 1.
    double meanStrings = 21.0;
    /// Half the runs need at most this many generations.
    std::int64_t medianGenerations = 1;
    /// Nine runs in ten need at most this many generations.
    std::int64_t percentile90Generations = 1;
    /// Bytes of one generation line, its line end included.
    std::uint64_t lineBytes = 0;
    /// Mean generations times `lineBytes`.
    double meanLogBytes = 0.0;
};

// Runs of the growing-prefix scheme whose expected cost the user is asked about first: above
// this log size, or this many seconds at the measured rate or the view's pace, but never when a
// run needs fewer generations than this on average.
inline constexpr double kAskAboveLogBytes = 100.0e6;
inline constexpr double kAskAboveSeconds = 30.0;
inline constexpr double kNeverAskBelowGenerations = 10'000.0;
// How long the generation rate is measured before such a question.
inline constexpr double kRateMeasureSeconds = 0.1;
inline constexpr std::int64_t kRateMeasureMaxGenerations = 200'000;

/// The chance that a single random letter of an offspring's tail lands on its letter at least
/// once among a generation's 20 offspring: 1 - (26/27)^20, about 0.53.
double LetterWonInAGeneration();

/// The expectation of a sequential run whose target has `letters` letters.
SequentialExpectation ExpectSequential(std::size_t letters);

/// The generation that a fraction `quantile` (in (0, 1)) of runs reach at most, when every
/// generation completes the run with chance `chance`.
std::int64_t GeometricQuantile(double chance, double quantile);

/// Generations a second that `scheme` runs on this machine for these two texts: the scheme runs
/// without a log, from a copy of `generator`, for about `seconds` of `clock` or at most
/// `maxGenerations` generations. 0 when nothing could be measured (the clock did not move).
double MeasureGenerationRate(Scheme scheme, std::string_view target, std::string_view firstString,
                             Generator generator, const MonotonicClock& clock, double seconds,
                             std::int64_t maxGenerations);

} // namespace quarrow
