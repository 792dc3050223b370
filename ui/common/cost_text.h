#pragma once

#include "engine/exact_law.h"
#include "engine/run_cost.h"
#include "plot/learner_numbers.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace quarrow {

// Texts of the figures a long run is expected to cost, shared by the question asked before it
// and the live view that watches it.

/// A figure rounded to three significant digits, thousands grouped: 52,700,000, 23.9, 1.89.
using plot::ThreeFigures;

/// A length of time in the unit that reads best: "45 seconds", "8.6 minutes", "3.2 days".
QString DescribeDuration(double seconds);

/// A byte count in decimal units, as a file manager shows it: "2.6 GB".
QString DescribeBytes(double bytes);

/// A chance as a percentage when it is not small ("53%"), else as one in so many.
QString DescribeChance(double chance);

/// The expected cost of a sequential run from a random first string, in a few lines; the time at
/// full speed only when a rate is known, and when the run is to go at a slower `pace`
/// (generations a second), the time at that pace as well.
QString DescribeExpectation(const SequentialExpectation& expectation, std::optional<double> seconds,
                            std::optional<double> pace = {});

/// What a run of the attenuating or the serial scheme is expected to cost, from its exact law
/// over all first strings of the target's length.
QString DescribeLawExpectation(const GenerationLaw& law);

} // namespace quarrow
