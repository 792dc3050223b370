#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace quarrow::analysis {

/// The figures of one measure over a batch of runs, as the lab, the charts and the window show
/// them.
struct Summary {
    std::size_t count = 0;
    double min = 0.0;
    double max = 0.0;
    double mean = 0.0;
    /// Sample standard deviation (divisor count - 1); none for a single value, where it is
    /// undefined.
    std::optional<double> standardDeviation;
    double median = 0.0;
    double percentile10 = 0.0;
    double percentile90 = 0.0;

    /// Standard deviation of the mean; none for a single value.
    std::optional<double> StandardError() const;
};

/// The summary of `values`; nothing for an empty batch.
///
/// Percentiles interpolate linearly between the two nearest order statistics (rank
/// p * (count - 1), counted from 0), so the median of an even count is the middle pair's mean.
std::optional<Summary> Summarise(std::vector<double> values);

/// The summary of whole counts, as `Summarise` gives it for their values.
std::optional<Summary> SummariseCounts(const std::vector<std::int64_t>& counts);

/// The value at fraction `p` (0 to 1) of sorted `values`, interpolated as `Summarise` does.
double Percentile(const std::vector<double>& sortedValues, double p);

} // namespace quarrow::analysis
