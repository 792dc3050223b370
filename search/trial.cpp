#include "search/trial.h"

#include "platform/lenient_number.h"

#include <cmath>

namespace quarrow {

std::optional<std::int64_t> ReadTrialCount(std::string_view text) {
    const double rounded = RoundHalfEven(ReadLenientNumber(text));
    if (!std::isfinite(rounded) || rounded > static_cast<double>(kMostTrialStrings)) {
        return std::nullopt;
    }
    if (rounded <= 0.0) {
        return 0;
    }
    return static_cast<std::int64_t>(rounded);
}

TrialResult RunMatchingTrial(Generator& generator, const TimeOfDayClock& seedClock,
                             std::string_view target, std::int64_t stringsAsked,
                             const TrialHooks& hooks) {
    return RunMatchingTrialWith(generator, seedClock, target, stringsAsked, hooks);
}

} // namespace quarrow
