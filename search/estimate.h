#pragma once

#include <cstdint>
#include <string>

namespace quarrow {

/// How long a blind search for a phrase would take, as base-10 logarithms so that no length
/// overflows: 27^L distinct strings of length L, and that many strings made at the measured
/// rate in seconds, days and years of 365.25 days.
struct SearchSpaceEstimate {
    std::int64_t length = 0;
    std::int64_t stringsPerSecond = 0;
    long double log10Strings = 0.0L;
    /// The three times are meaningless, and left at 0, when `hasTimes` is false (no rate).
    bool hasTimes = false;
    long double log10Seconds = 0.0L;
    long double log10Days = 0.0L;
    long double log10Years = 0.0L;
};

/// The estimate for phrases of `length` symbols at `stringsPerSecond`; a length below 0 counts
/// as 0 and a rate of 0 or below gives no times.
SearchSpaceEstimate EstimateSearchSpace(std::int64_t length, std::int64_t stringsPerSecond);

/// The five box texts of the "Step Two" page: the rate and the number of strings in plain
/// form, the three times in sign-position form (empty when there are no times).
struct SearchSpaceTexts {
    std::string stringsPerSecond;
    std::string distinctStrings;
    std::string seconds;
    std::string days;
    std::string years;
};

/// The texts of an estimate. While 27^L fits a 64-bit float the figures are formed in it
/// directly (powers and quotients as exact as that type allows); beyond, from the logarithms,
/// in the same exponent form (2.31080957811191E+1431).
SearchSpaceTexts DescribeSearchSpace(const SearchSpaceEstimate& estimate);

} // namespace quarrow
