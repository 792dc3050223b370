#pragma once

#include "analysis/experiments.h"
#include "engine/selection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quarrow::analysis {

// What a chart of many runs shows, in plain types, so that the lab can hand it over without
// touching the drawing code's toolkit.

/// The finished runs of one scheme, in run order.
struct SchemeRuns {
    Scheme scheme = Scheme::Attenuating;
    std::vector<std::int64_t> generations;
    std::vector<std::int64_t> strings;
};

struct DistributionData {
    std::string phrase;
    /// Runs asked of each scheme; a cancelled batch finishes fewer.
    std::int64_t runsRequested = 0;
    /// The batch was stopped before it finished: the chart shows the runs done by then.
    bool interrupted = false;
    /// How the runs can be repeated: "seed 42", or the clock reading the generators came from.
    std::string seedText;
    std::vector<SchemeRuns> schemes;
    /// Generations a user guessed a run would need, given before the batch; the chart marks it
    /// and says where each scheme's exact law puts it. None when no guess was given.
    std::optional<std::int64_t> guess;
};

/// What the chart of a batch shows: for each scheme of `batch`, in its order, the runs of
/// `records` (one list per scheme, indexed by run) that finished. `interrupted` and `seedText`
/// are the caller's to say: only it knows why runs are missing and where the seed came from.
DistributionData DistributionOfBatch(const EvolveBatch& batch,
                                     const std::vector<std::vector<EvolveRecord>>& records,
                                     bool interrupted, std::string seedText);

} // namespace quarrow::analysis
