#include "platform/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quarrow {

namespace {

void StripTrailingZeros(std::string& digits) {
    const auto point = digits.find('.');
    if (point == std::string::npos) {
        return;
    }
    auto last = digits.find_last_not_of('0');
    if (last == point) {
        --last;
    }
    digits.erase(last + 1);
}

std::string ExponentForm(std::string mantissa, int exponent) {
    StripTrailingZeros(mantissa);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return mantissa + buffer;
}

// Magnitude of a finite value, rounded to `digits` significant digits.
std::string Magnitude(double value, int digits) {
    if (value == 0.0) {
        return "0";
    }
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return "Infinity";
    }
    // to_chars, unlike printf, ignores the locale: the point is always ".".
    char buffer[400];
    auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                 std::chars_format::scientific, digits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const auto e = text.find('e');
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    if (exponent >= digits || exponent < -4) {
        return ExponentForm(std::string(text.substr(0, e)), exponent);
    }
    written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                            digits - 1 - exponent);
    std::string fixed(buffer, written.ptr);
    StripTrailingZeros(fixed);
    return fixed;
}

std::string Plain(double value, int digits) {
    if (std::signbit(value) && value != 0.0 && !std::isnan(value)) {
        return "-" + Magnitude(-value, digits);
    }
    return Magnitude(std::fabs(value), digits);
}

std::string Signed(double value, int digits) {
    const std::string plain = Plain(value, digits);
    return plain.front() == '-' ? plain : " " + plain;
}

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

} // namespace

std::string PlainText(float value) {
    return Plain(static_cast<double>(value), kSingleDigits);
}
std::string PlainText(double value) {
    return Plain(value, kDoubleDigits);
}
std::string PlainText(std::int64_t value) {
    return std::to_string(value);
}

std::string SignedText(float value) {
    return Signed(static_cast<double>(value), kSingleDigits);
}
std::string SignedText(double value) {
    return Signed(value, kDoubleDigits);
}
std::string SignedText(std::int64_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string PlainTextFromLog10(long double log10Value) {
    if (log10Value < 300.0L) {
        return PlainText(static_cast<double>(std::pow(10.0L, log10Value)));
    }
    long double whole = std::floor(log10Value);
    const double mantissa = static_cast<double>(std::pow(10.0L, log10Value - whole));
    auto fixed = [](double m) {
        char buffer[64];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, m,
                                           std::chars_format::fixed, kDoubleDigits - 1);
        return std::string(buffer, written.ptr);
    };
    std::string digits = fixed(mantissa);
    if (digits.starts_with("10")) { // rounding carried the mantissa up to 10
        whole += 1.0L;
        digits = fixed(mantissa / 10.0);
    }
    return ExponentForm(digits, static_cast<int>(whole));
}

} // namespace quarrow
