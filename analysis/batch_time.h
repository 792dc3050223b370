#pragma once

#include "engine/selection.h"
#include "platform/clock.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace quarrow::analysis {

// How long a batch of selection runs will take, from the exact law of a run's generations and
// the rate this machine runs each scheme at. The law, not the pace of the first runs, is what
// counts: in a comparison the first runs to finish are the quick schemes', and a geometric
// run's past says nothing about its future.

/// Generations a second one thread runs `scheme` on `phrase`, measured for about `seconds` of
/// `clock` from runs seeded with `seed`; 0 when the clock did not move.
double MeasureSchemeRate(Scheme scheme, const std::string& phrase, std::uint64_t seed,
                         const MonotonicClock& clock, double seconds);

/// What a batch is expected to cost.
class BatchTime {
public:
    /// `rates` holds the generations a second of each scheme (see `MeasureSchemeRate`); the
    /// runs are spread over `parallel` threads.
    BatchTime(const std::string& phrase, const std::vector<Scheme>& schemes, std::int64_t runs,
              const std::vector<double>& rates, int parallel);

    /// Expected seconds of the whole batch; infinite when a run's expected generations are
    /// beyond a double.
    double TotalSeconds() const { return SecondsLeft(std::vector<std::int64_t>(runsLeft_.size())); }
    /// Expected seconds still to go once `runsDone[s]` runs of each scheme have finished. A run
    /// in flight counts in full: a sequential run that has not ended is as far from its end as
    /// when it began.
    double SecondsLeft(const std::vector<std::int64_t>& runsDone) const;

private:
    std::vector<double> secondsPerRun_;
    std::vector<std::int64_t> runsLeft_;
    int parallel_;
};

/// A duration a person reads at a glance: "40 seconds", "12 minutes", "5 hours", "3 days",
/// "2.4e+06 years".
std::string DurationText(double seconds);

} // namespace quarrow::analysis
