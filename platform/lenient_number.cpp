#include "platform/lenient_number.h"

#include <cmath>
#include <charconv>
#include <string>

namespace quarrow {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double ReadLenientNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (!IsBlank(c)) {
            compact.push_back(c);
        }
    }

    // Collect the longest leading run that forms a number; from_chars then reads exactly that.
    std::size_t at = 0;
    std::string number;
    if (at < compact.size() && (compact[at] == '+' || compact[at] == '-')) {
        number.push_back(compact[at++]);
    }
    bool anyDigit = false;
    while (at < compact.size() && IsDigit(compact[at])) {
        number.push_back(compact[at++]);
        anyDigit = true;
    }
    if (at < compact.size() && compact[at] == '.') {
        number.push_back(compact[at++]);
        while (at < compact.size() && IsDigit(compact[at])) {
            number.push_back(compact[at++]);
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (at < compact.size() && (compact[at] == 'e' || compact[at] == 'E')) {
        std::size_t expAt = at + 1;
        std::string exponent = "e";
        if (expAt < compact.size() && (compact[expAt] == '+' || compact[expAt] == '-')) {
            exponent.push_back(compact[expAt++]);
        }
        bool expDigit = false;
        while (expAt < compact.size() && IsDigit(compact[expAt])) {
            exponent.push_back(compact[expAt++]);
            expDigit = true;
        }
        if (expDigit) {
            number += exponent;
        }
    }
    // from_chars ignores the locale, which the GUI sets from the environment.
    double value = 0.0;
    const char* first = number.data();
    if (*first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool negative = *first == '-';
        // Too large reads as infinite, too small as zero, as the text meant.
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : HUGE_VAL;
        if (negative) {
            value = -value;
        }
    }
    (void)end;
    return value;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) {
        return below + 1.0;
    }
    if (fraction < 0.5) {
        return below;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace quarrow
