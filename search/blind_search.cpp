#include "search/blind_search.h"

#include "platform/learner_numbers.h"
#include "search/alphabet.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quarrow {

namespace {

// Symbols made between two readings of the clock: a few microseconds of work.
constexpr std::size_t kSymbolsPerClockReading = 16384;
// Below a million, 27^n reads best as a whole number.
constexpr int kWholeBelowMagnitude = 6;
// Durations past this many seconds (some 30,000 years) are stated as a power of ten.
constexpr double kLongestPlainSeconds = 1.0e12;
constexpr double kSecondsPerYear = 365.25 * 86400.0;

} // namespace

BlindSearch::BlindSearch(std::string target, std::uint64_t seed)
    : target_(std::move(target)), generator_(seed), candidate_(target_.size(), ' ') {}

bool BlindSearch::CatchUp(std::int64_t strings, std::chrono::nanoseconds budget) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const Clock::time_point stop = start + budget;
    const std::size_t perReading = std::max<std::size_t>(
        1, kSymbolsPerClockReading / std::max<std::size_t>(target_.size(), 1));
    Clock::time_point now = start;
    while (strings_ < strings && now < stop && !Found()) {
        for (std::size_t i = 0; i < perReading && strings_ < strings && !Found(); ++i) {
            FillRandom(generator_, candidate_.data(), candidate_.size());
            ++strings_;
            const std::size_t right = MatchCount(candidate_, target_);
            if (right > bestRight_ || strings_ == 1) {
                bestRight_ = right;
                best_ = candidate_;
            }
        }
        now = Clock::now();
    }
    spent_ += now - start;
    return strings_ >= strings || Found();
}

double BlindSearch::Rate() const {
    const double seconds = std::chrono::duration<double>(spent_).count();
    return seconds > 0.0 && strings_ > 0 ? static_cast<double>(strings_) / seconds : 0.0;
}

std::string BlindStringsText(std::size_t length) {
    const double log10Strings = static_cast<double>(length) * std::log10(27.0);
    if (log10Strings < kWholeBelowMagnitude) {
        return GroupedText(std::llround(std::pow(27.0, static_cast<double>(length))));
    }
    return PowerOfTenText(log10Strings);
}

BlindSearchEnding DescribeBlindEnding(std::size_t length, double rate) {
    BlindSearchEnding ending;
    ending.power = "27" + SuperscriptText(std::to_string(length));
    ending.strings = BlindStringsText(length);
    if (rate <= 0.0) {
        return ending;
    }
    ending.timed = true;
    const double log10Seconds = static_cast<double>(length) * std::log10(27.0) - std::log10(rate);
    if (log10Seconds < std::log10(kLongestPlainSeconds)) {
        const DurationInUnits duration = DurationFor(std::pow(10.0, log10Seconds));
        ending.phrase = duration.phrase;
        ending.figure = duration.figure;
    } else {
        ending.inYears = true;
        ending.years = PowerOfTenText(log10Seconds - std::log10(kSecondsPerYear));
    }
    return ending;
}

} // namespace quarrow
