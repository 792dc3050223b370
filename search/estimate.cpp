#include "search/estimate.h"

#include "platform/number_text.h"
#include "search/alphabet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace quarrow {

namespace {

constexpr double kSecondsPerDay = 60.0 * 60.0 * 24.0;
constexpr double kDaysPerYear = 365.25;
// 27^215 is about 5.5E+307; 27^216 is past the largest 64-bit float.
constexpr std::int64_t kLongestDirectLength = 215;

// Beyond a double the figures are worked out in decimal with about 54 significant digits, so
// the 15 that are shown are right at any length: a logarithm of a length of a million keeps
// only 13 of them.
__extension__ using Wide = unsigned __int128;
constexpr std::uint64_t kLimbBase = 1'000'000'000'000'000'000ULL;
constexpr int kLimbDigits = 18;
constexpr int kLimbs = 4;

/// A positive number: the whole number whose base-10^18 digits are `limbs` (most significant
/// first), times 10^exponent. Every operation truncates to the four leading limbs, a relative
/// error below 10^-54 each time.
struct LongDecimal {
    std::array<std::uint64_t, kLimbs> limbs{};
    std::int64_t exponent = 0;
};

/// Keeps the four limbs of `wide` (most significant first) from its first that is not 0.
template <std::size_t N>
LongDecimal Leading(const std::array<std::uint64_t, N>& wide, std::int64_t exponent) {
    std::size_t first = 0;
    while (first + 1 < N && wide[first] == 0) {
        ++first;
    }
    LongDecimal result;
    for (std::size_t i = 0; i < kLimbs; ++i) {
        result.limbs[i] = first + i < N ? wide[first + i] : 0;
    }
    const auto dropped = static_cast<std::int64_t>(N) - static_cast<std::int64_t>(first) - kLimbs;
    result.exponent = exponent + dropped * kLimbDigits;
    return result;
}

LongDecimal FromWhole(std::uint64_t value) {
    const std::array<std::uint64_t, 2> wide = {value / kLimbBase, value % kLimbBase};
    return Leading(wide, 0);
}

LongDecimal Multiply(const LongDecimal& a, const LongDecimal& b) {
    // Each product is below 10^36 and at most four meet in one place, well inside 2^127.
    std::array<Wide, std::size_t{2} * kLimbs> sums{};
    for (std::size_t i = 0; i < kLimbs; ++i) {
        for (std::size_t j = 0; j < kLimbs; ++j) {
            sums[i + j + 1] += static_cast<Wide>(a.limbs[i]) * b.limbs[j];
        }
    }
    std::array<std::uint64_t, std::size_t{2} * kLimbs> product{};
    Wide carry = 0;
    for (std::size_t k = sums.size(); k-- > 0;) {
        const Wide total = sums[k] + carry;
        product[k] = static_cast<std::uint64_t>(total % kLimbBase);
        carry = total / kLimbBase;
    }
    return Leading(product, a.exponent + b.exponent);
}

LongDecimal Divide(const LongDecimal& a, std::uint64_t divisor) {
    // One more limb below the last keeps the quotient's digits when the divisor is large.
    std::array<std::uint64_t, kLimbs + 1> quotient{};
    Wide remainder = 0;
    for (std::size_t i = 0; i < quotient.size(); ++i) {
        const Wide current = remainder * kLimbBase + (i < kLimbs ? a.limbs[i] : 0);
        quotient[i] = static_cast<std::uint64_t>(current / divisor);
        remainder = current % divisor;
    }
    return Leading(quotient, a.exponent - kLimbDigits);
}

LongDecimal Power(std::uint64_t base, std::uint64_t exponent) {
    LongDecimal result = FromWhole(1);
    LongDecimal square = FromWhole(base);
    for (; exponent > 0; exponent >>= 1) {
        if ((exponent & 1U) != 0) {
            result = Multiply(result, square);
        }
        if (exponent > 1) {
            square = Multiply(square, square);
        }
    }
    return result;
}

std::string PlainTextOf(const LongDecimal& value) {
    std::string digits = std::to_string(value.limbs[0]);
    for (std::size_t i = 1; i < kLimbs; ++i) {
        const std::string limb = std::to_string(value.limbs[i]);
        digits += std::string(static_cast<std::size_t>(kLimbDigits) - limb.size(), '0') + limb;
    }
    const auto places = static_cast<std::int64_t>(digits.size()) - 1;
    return PlainTextFromDigits(digits, value.exponent + places);
}

/// The base-10 logarithm of a constant, worked out when the program runs. A long double of
/// WebAssembly has 128 bits, and the clang of Debian 13's emscripten crashes when it works out
/// such a logarithm of a constant while compiling.
long double Log10OfConstant(long double value) {
#if defined(__EMSCRIPTEN__)
    volatile long double opaque = value;
    return std::log10(static_cast<long double>(opaque));
#else
    return std::log10(value);
#endif
}

} // namespace

SearchSpaceEstimate EstimateSearchSpace(std::int64_t length, std::int64_t stringsPerSecond) {
    SearchSpaceEstimate estimate;
    estimate.length = std::max<std::int64_t>(length, 0);
    estimate.stringsPerSecond = stringsPerSecond;
    estimate.log10Strings = static_cast<long double>(estimate.length) *
                            Log10OfConstant(static_cast<long double>(kAlphabetSize));
    if (stringsPerSecond > 0) {
        estimate.hasTimes = true;
        estimate.log10Seconds =
            estimate.log10Strings - std::log10(static_cast<long double>(stringsPerSecond));
        estimate.log10Days =
            estimate.log10Seconds - Log10OfConstant(static_cast<long double>(kSecondsPerDay));
        estimate.log10Years =
            estimate.log10Days - Log10OfConstant(static_cast<long double>(kDaysPerYear));
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
    const LongDecimal strings = Power(static_cast<std::uint64_t>(kAlphabetSize),
                                      static_cast<std::uint64_t>(estimate.length));
    texts.distinctStrings = PlainTextOf(strings);
    if (estimate.hasTimes) {
        // Every figure here is far above 1, so its sign position holds a space. A year of
        // 365.25 days is 1461 quarter days.
        const LongDecimal seconds =
            Divide(strings, static_cast<std::uint64_t>(estimate.stringsPerSecond));
        const LongDecimal days = Divide(seconds, static_cast<std::uint64_t>(kSecondsPerDay));
        const LongDecimal years = Divide(Multiply(days, FromWhole(4)), 1461);
        texts.seconds = " " + PlainTextOf(seconds);
        texts.days = " " + PlainTextOf(days);
        texts.years = " " + PlainTextOf(years);
    }
    return texts;
}

} // namespace quarrow
