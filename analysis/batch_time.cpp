#include "analysis/batch_time.h"

#include "analysis/experiments.h"
#include "search/alphabet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace quarrow::analysis {

double MeasureSchemeRate(Scheme scheme, const std::string& phrase, std::uint64_t seed,
                         const MonotonicClock& clock, double seconds) {
    const double start = clock.Seconds();
    std::int64_t generations = 0;
    std::atomic<bool> stop{false};
    const std::atomic<bool> everyGeneration{true};
    NullLogSink noLog;
    // Whole runs while they are short, cut at the deadline when one is long.
    for (std::int64_t run = 0; !stop.load(); ++run) {
        Generator generator = RunGenerator(seed, run);
        const std::string firstString =
            RandomString(generator, static_cast<std::ptrdiff_t>(phrase.size()));
        RunEnvironment environment{generator, clock, noLog, stop};
        environment.reportEveryGeneration = &everyGeneration;
        environment.progress = [&](const RunProgress&) {
            if (clock.Seconds() - start >= seconds) {
                stop.store(true, std::memory_order_relaxed);
            }
        };
        generations += RunScheme(scheme, phrase, firstString, environment).numMutations;
        if (clock.Seconds() - start >= seconds) {
            break;
        }
    }
    const double elapsed = clock.Seconds() - start;
    return elapsed > 0.0 ? static_cast<double>(generations) / elapsed : 0.0;
}

BatchTime::BatchTime(const std::string& phrase, const std::vector<Scheme>& schemes,
                     std::int64_t runs, const std::vector<double>& rates, int parallel)
    : runsLeft_(schemes.size(), runs), parallel_(std::max(1, parallel)) {
    for (std::size_t s = 0; s < schemes.size(); ++s) {
        const std::optional<double> generations = ExpectedGenerations(schemes[s], phrase.size());
        const double rate = s < rates.size() ? rates[s] : 0.0;
        secondsPerRun_.push_back(generations && rate > 0.0
                                     ? *generations / rate
                                     : std::numeric_limits<double>::infinity());
    }
}

double BatchTime::SecondsLeft(const std::vector<std::int64_t>& runsDone) const {
    double seconds = 0.0;
    for (std::size_t s = 0; s < secondsPerRun_.size(); ++s) {
        const std::int64_t done = s < runsDone.size() ? runsDone[s] : 0;
        const auto left = static_cast<double>(std::max<std::int64_t>(0, runsLeft_[s] - done));
        if (left > 0.0) {
            seconds += left * secondsPerRun_[s];
        }
    }
    return seconds / parallel_;
}

std::string DurationText(double seconds) {
    char text[64];
    const auto whole = [&](double value, const char* unit) {
        std::snprintf(text, sizeof text, "%.0f %s", value, unit);
        return std::string(text);
    };
    if (!std::isfinite(seconds)) {
        return "longer than any figure can say";
    }
    if (seconds < 120.0) {
        return whole(std::max(1.0, std::round(seconds)), seconds < 1.5 ? "second" : "seconds");
    }
    if (seconds < 7200.0) {
        return whole(std::round(seconds / 60.0), "minutes");
    }
    if (seconds < 2.0 * 86400.0) {
        return whole(std::round(seconds / 3600.0), "hours");
    }
    const double days = seconds / 86400.0;
    if (days < 730.0) {
        return whole(std::round(days), "days");
    }
    std::snprintf(text, sizeof text, "%.3g years", days / 365.25);
    return text;
}

} // namespace quarrow::analysis
