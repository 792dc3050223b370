#include "search/estimate.h"

#include <algorithm>
#include <cmath>

#include "platform/number_text.h"
#include "search/alphabet.h"

namespace quarrow {

namespace {

constexpr double kSecondsPerDay = 60.0 * 60.0 * 24.0;
constexpr double kDaysPerYear = 365.25;
// 27^215 is about 5.5E+307; 27^216 is past the largest 64-bit float.
constexpr std::int64_t kLongestDirectLength = 215;

} // namespace

SearchSpaceEstimate EstimateSearchSpace(std::int64_t length, std::int64_t stringsPerSecond) {
    SearchSpaceEstimate estimate;
    estimate.length = std::max<std::int64_t>(length, 0);
    estimate.stringsPerSecond = stringsPerSecond;
    estimate.log10Strings = static_cast<long double>(estimate.length) *
                            std::log10(static_cast<long double>(kAlphabetSize));
    if (stringsPerSecond > 0) {
        estimate.hasTimes = true;
        estimate.log10Seconds =
            estimate.log10Strings - std::log10(static_cast<long double>(stringsPerSecond));
        estimate.log10Days =
            estimate.log10Seconds - std::log10(static_cast<long double>(kSecondsPerDay));
        estimate.log10Years =
            estimate.log10Days - std::log10(static_cast<long double>(kDaysPerYear));
    }
    return estimate;
}

SearchSpaceTexts DescribeSearchSpace(const SearchSpaceEstimate& estimate) {
    SearchSpaceTexts texts;
    texts.stringsPerSecond = PlainText(estimate.stringsPerSecond);
    if (estimate.length <= kLongestDirectLength) {
        const double strings = static_cast<double>(std::pow(
            static_cast<long double>(kAlphabetSize), static_cast<long double>(estimate.length)));
        texts.distinctStrings = PlainText(strings);
        if (estimate.hasTimes) {
            const double rate = static_cast<double>(estimate.stringsPerSecond);
            texts.seconds = SignedText(strings / rate);
            texts.days = SignedText(strings / (rate * kSecondsPerDay));
            texts.years = SignedText(strings / (rate * kSecondsPerDay * kDaysPerYear));
        }
        return texts;
    }
    // Every figure here is far above 1, so its sign position holds a space.
    texts.distinctStrings = PlainTextFromLog10(estimate.log10Strings);
    if (estimate.hasTimes) {
        texts.seconds = " " + PlainTextFromLog10(estimate.log10Seconds);
        texts.days = " " + PlainTextFromLog10(estimate.log10Days);
        texts.years = " " + PlainTextFromLog10(estimate.log10Years);
    }
    return texts;
}

} // namespace quarrow
