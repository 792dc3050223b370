#include "platform/lenient_number.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <string>

namespace quarrow {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

/// The power of ten of the first significant digit of a number text (sign, digits, optional
/// point and digits, optional exponent), saturating far beyond any double; 0 for a text of
/// zeros.
long long DecimalExponent(std::string_view number) {
    constexpr long long kFar = 1'000'000'000'000LL;
    std::size_t at = 0;
    if (at < number.size() && (number[at] == '+' || number[at] == '-')) {
        ++at;
    }
    long long position = -1; // of the first significant digit, counted from the point
    bool seen = false;
    long long wholeDigits = 0;
    bool afterPoint = false;
    long long fractionDigits = 0;
    for (; at < number.size() && (IsDigit(number[at]) || number[at] == '.'); ++at) {
        if (number[at] == '.') {
            afterPoint = true;
            continue;
        }
        if (afterPoint) {
            ++fractionDigits;
        } else {
            ++wholeDigits;
        }
        if (!seen && number[at] != '0') {
            seen = true;
            position = afterPoint ? -fractionDigits : wholeDigits;
        }
    }
    if (!seen) {
        return 0;
    }
    // A significant digit in the whole part stands at 10^(digits after it).
    long long exponent = position > 0 ? wholeDigits - position : position;
    if (at < number.size() && (number[at] == 'e' || number[at] == 'E')) {
        ++at;
        const bool negative = at < number.size() && number[at] == '-';
        if (at < number.size() && (number[at] == '+' || number[at] == '-')) {
            ++at;
        }
        long long given = 0;
        for (; at < number.size() && IsDigit(number[at]); ++at) {
            given = std::min(kFar, given * 10 + (number[at] - '0'));
        }
        exponent += negative ? -given : given;
    }
    return std::clamp(exponent, -kFar, kFar);
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
    // from_chars ignores the locale, which the GUI sets from the environment, and rounds the
    // whole text correctly however many digits it has.
    double value = 0.0;
    const char* first = number.data();
    if (*first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large reads as infinite, too small as zero, as the text meant. Which it is
        // depends on where the first digit that is not 0 stands, not on the exponent's sign:
        // 1 and 400 zeros times 10^-10 is huge, 0.000...1 with 400 zeros is tiny.
        value = DecimalExponent(number) >= 0 ? HUGE_VAL : 0.0;
        if (*first == '-') {
            value = -value;
        }
    }
    (void)end;
    return value;
}

double RoundHalfEven(double value) {
    // Round-to-nearest, the default mode the program never changes, takes a half to the even
    // neighbour; infinities and NaN come back as they are.
    return std::nearbyint(value);
}

} // namespace quarrow
