#include "analysis/statistics.h"

#include <algorithm>
#include <cmath>

namespace quarrow::analysis {

std::optional<double> Summary::StandardError() const {
    if (!standardDeviation) {
        return std::nullopt;
    }
    return *standardDeviation / std::sqrt(static_cast<double>(count));
}

double Percentile(const std::vector<double>& sortedValues, double p) {
    if (sortedValues.empty()) {
        return 0.0;
    }
    const double rank = std::clamp(p, 0.0, 1.0) * static_cast<double>(sortedValues.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(rank));
    const std::size_t above = std::min(below + 1, sortedValues.size() - 1);
    const double fraction = rank - static_cast<double>(below);
    return sortedValues[below] + (sortedValues[above] - sortedValues[below]) * fraction;
}

std::optional<Summary> Summarise(std::vector<double> values) {
    if (values.empty()) {
        return std::nullopt;
    }
    std::sort(values.begin(), values.end());
    Summary summary;
    summary.count = values.size();
    summary.min = values.front();
    summary.max = values.back();
    summary.median = Percentile(values, 0.5);
    summary.percentile10 = Percentile(values, 0.1);
    summary.percentile90 = Percentile(values, 0.9);

    // Welford's update keeps the variance accurate when the values are large and close, as
    // string counts of long runs are.
    double mean = 0.0;
    double squares = 0.0;
    std::size_t seen = 0;
    for (const double value : values) {
        ++seen;
        const double delta = value - mean;
        mean += delta / static_cast<double>(seen);
        squares += delta * (value - mean);
    }
    summary.mean = mean;
    if (seen > 1) {
        summary.standardDeviation = std::sqrt(squares / static_cast<double>(seen - 1));
    }
    return summary;
}

std::optional<Summary> SummariseCounts(const std::vector<std::int64_t>& counts) {
    return Summarise(std::vector<double>(counts.begin(), counts.end()));
}

} // namespace quarrow::analysis
