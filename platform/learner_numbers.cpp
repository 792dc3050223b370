#include "platform/learner_numbers.h"

#include "platform/translatable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quarrow {

namespace {

constexpr double kPowersFrom = 1.0e6;
constexpr int kMostDecimals = 2;
constexpr char kInfinity[] = "\u221e";
constexpr char kMinus[] = "\u2212";

/// Puts a comma between every three digits of the whole part of a plain decimal text.
std::string WithGroups(std::string text) {
    const std::size_t start = !text.empty() && text.front() == '-' ? 1 : 0;
    const std::size_t point = std::min(text.find('.'), text.size());
    for (std::size_t at = point; at > start + 3; at -= 3) {
        text.insert(at - 3, 1, ',');
    }
    return text;
}

/// `value` with `decimals` decimals, the point always "." (printf's conversion is exact; the
/// locale's point is put back to ".").
std::string Fixed(double value, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    for (char& c : text) {
        if (c == ',') {
            c = '.';
        }
    }
    return text;
}

/// Drops the zeros a fixed-point text ends with, and a point left bare.
std::string WithoutTrailingZeros(std::string text) {
    if (text.find('.') == std::string::npos) {
        return text;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

} // namespace

std::string GroupedText(std::int64_t count) {
    return WithGroups(std::to_string(count));
}

std::string SuperscriptText(const std::string& digits) {
    static const char* const kRaised[] = {"\u2070", "\u00b9", "\u00b2", "\u00b3", "\u2074",
                                          "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    std::string raised;
    for (const char c : digits) {
        if (c >= '0' && c <= '9') {
            raised += kRaised[c - '0'];
        } else if (c == '-') {
            raised += "\u207b";
        } else {
            raised += c;
        }
    }
    return raised;
}

std::string PowerOfTenText(double log10Value, int figures) {
    if (!std::isfinite(log10Value)) {
        return kInfinity;
    }
    figures = std::max(figures, 1);
    auto exponent = static_cast<long long>(std::floor(log10Value));
    const double scale = std::pow(10.0, figures - 1);
    double mantissa =
        std::round(std::pow(10.0, log10Value - static_cast<double>(exponent)) * scale) / scale;
    if (mantissa >= 10.0) {
        mantissa /= 10.0;
        ++exponent;
    }
    std::string power = "10" + SuperscriptText(std::to_string(exponent));
    if (mantissa == 1.0) {
        return power;
    }
    return WithoutTrailingZeros(Fixed(mantissa, figures - 1)) + " \u00d7 " + power;
}

std::string NumberText(double value, int figures) {
    if (!std::isfinite(value)) {
        return kInfinity;
    }
    if (std::fabs(value) >= kPowersFrom) {
        const std::string magnitude = PowerOfTenText(std::log10(std::fabs(value)), figures);
        return value < 0 ? kMinus + magnitude : magnitude;
    }
    if (value == std::round(value)) {
        return GroupedText(std::llround(value));
    }
    return WithGroups(WithoutTrailingZeros(Fixed(value, kMostDecimals)));
}

std::string ThreeFiguresText(double value) {
    if (!std::isfinite(value)) {
        return kInfinity;
    }
    if (value == 0.0) {
        return "0";
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const double scale = std::pow(10.0, magnitude - 2);
    const double rounded = std::round(value / scale) * scale;
    if (magnitude >= 15) {
        // Beyond what reads as a whole number, and beyond a 64-bit one.
        return (value < 0 ? std::string(kMinus) : std::string()) +
               PowerOfTenText(std::log10(std::fabs(value)), 3);
    }
    if (magnitude >= 2) {
        return GroupedText(std::llround(rounded));
    }
    return WithGroups(Fixed(rounded, 2 - magnitude));
}

std::string BytesText(double bytes) {
    // SI units, each a thousand times the last; below a kilobyte the count itself.
    // The units' names are the shells' to translate ("octets", "Mo" in French).
    static const char* const kUnits[] = {
        QUARROW_TRANSLATABLE("BytesText", "bytes"), QUARROW_TRANSLATABLE("BytesText", "kB"),
        QUARROW_TRANSLATABLE("BytesText", "MB"),    QUARROW_TRANSLATABLE("BytesText", "GB"),
        QUARROW_TRANSLATABLE("BytesText", "TB"),    QUARROW_TRANSLATABLE("BytesText", "PB"),
        QUARROW_TRANSLATABLE("BytesText", "EB")};
    const auto whole = static_cast<std::int64_t>(std::min(bytes, 9.0e18));
    const std::int64_t magnitude = whole < 0 ? -whole : whole;
    const int power = magnitude == 0 ? 0 : static_cast<int>(std::log10(magnitude) / 3);
    if (power == 0) {
        return GroupedText(whole) + " " + kUnits[0];
    }
    const double scaled = static_cast<double>(whole) / std::pow(1000.0, power);
    return WithGroups(Fixed(scaled, std::min(1, 3 * power))) + " " + kUnits[power];
}

DurationInUnits DurationFor(double seconds) {
    struct Unit {
        double seconds;
        const char* phrase;
        double upTo; // the next unit reads better from here on
    };
    static constexpr Unit kUnits[] = {
        {1.0, QUARROW_TRANSLATABLE("CostText", "%1 seconds"), 90.0},
        {60.0, QUARROW_TRANSLATABLE("CostText", "%1 minutes"), 90.0 * 60.0},
        {3600.0, QUARROW_TRANSLATABLE("CostText", "%1 hours"), 48.0 * 3600.0},
        {86400.0, QUARROW_TRANSLATABLE("CostText", "%1 days"), 730.0 * 86400.0},
        {365.25 * 86400.0, QUARROW_TRANSLATABLE("CostText", "%1 years"), HUGE_VAL},
    };
    for (const Unit& unit : kUnits) {
        if (seconds < unit.upTo) {
            return {unit.phrase, ThreeFiguresText(seconds / unit.seconds)};
        }
    }
    return {};
}

} // namespace quarrow
