#include "platform/number_text.h"

#include "platform/float_chars.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace quarrow {

namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

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

std::string ExponentForm(std::string mantissa, std::int64_t exponent) {
    StripTrailingZeros(mantissa);
    char buffer[32];
    // The magnitude is taken unsigned, so the most negative exponent has one too.
    const std::uint64_t magnitude = exponent < 0 ? 0 - static_cast<std::uint64_t>(exponent)
                                                 : static_cast<std::uint64_t>(exponent);
    std::snprintf(buffer, sizeof buffer, "E%c%02llu", exponent < 0 ? '-' : '+',
                  static_cast<unsigned long long>(magnitude));
    return mantissa + buffer;
}

// Scientific digits of `value` rounded to `digits` significant digits. The text reads back as a
// finite value of its type: where rounding up would pass the largest one (1.79769313486232E+308
// for the largest double, 3.402824E+38 for the largest float), the last digit is rounded down.
std::string Scientific(double value, int digits) {
    std::string text = ScientificChars(value, digits - 1);
    const double largest = digits <= kSingleDigits
                               ? static_cast<double>(std::numeric_limits<float>::max())
                               : std::numeric_limits<double>::max();
    double back = 0.0;
    const auto read = ReadChars(text.data(), text.data() + text.size(), back);
    if (std::isfinite(value) && (read.ec == std::errc::result_out_of_range || back > largest)) {
        // Only mantissas of 1.797... and 3.402..., whose last digit is never 0, so a step down
        // borrows nothing.
        const auto e = text.find('e');
        --text[e - 1];
    }
    return text;
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
    const std::string text = Scientific(value, digits);
    const auto e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    if (exponent >= digits || exponent < -4) {
        return ExponentForm(text.substr(0, e), exponent);
    }
    std::string fixed = FixedChars(value, digits - 1 - exponent);
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

std::string PlainTextFromDigits(std::string_view digits, std::int64_t exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) {
        return "0";
    }
    exponent -= static_cast<std::int64_t>(first);
    std::string kept(digits.substr(first, kDoubleDigits));
    kept.resize(kDoubleDigits, '0');
    const std::size_t next = first + kDoubleDigits;
    if (next < digits.size() && digits[next] >= '5') {
        std::size_t at = kept.size();
        while (at > 0 && kept[at - 1] == '9') {
            kept[--at] = '0';
        }
        if (at == 0) { // 9.99...9 rounded up to 10
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++exponent;
        } else {
            ++kept[at - 1];
        }
    }
    if (exponent >= kDoubleDigits || exponent < -4) {
        return ExponentForm(kept.substr(0, 1) + "." + kept.substr(1), exponent);
    }
    std::string fixed;
    if (exponent < 0) {
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + kept;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        fixed = kept.substr(0, whole) + "." + kept.substr(whole);
    }
    StripTrailingZeros(fixed);
    return fixed;
}

std::string PlainTextFromLog10(long double log10Value) {
    // Guards against what no conversion to a whole exponent could hold.
    if (std::isnan(log10Value)) {
        return "NaN";
    }
    constexpr long double kLargestExponent = 0x1p62L;
    if (log10Value >= kLargestExponent) {
        return "Infinity";
    }
    if (log10Value < 300.0L) {
        return PlainText(static_cast<double>(std::pow(10.0L, log10Value)));
    }
    long double whole = std::floor(log10Value);
    const double mantissa = static_cast<double>(std::pow(10.0L, log10Value - whole));
    auto fixed = [](double m) { return FixedChars(m, kDoubleDigits - 1); };
    std::string digits = fixed(mantissa);
    if (digits.starts_with("10")) { // rounding carried the mantissa up to 10
        whole += 1.0L;
        digits = fixed(mantissa / 10.0);
    }
    return ExponentForm(digits, static_cast<std::int64_t>(whole));
}

bool NearlyWhole(double value) {
    return std::abs(value - std::round(value)) < 1e-9 * std::max(1.0, std::abs(value));
}

int FigureDecimals(double value, int decimals) {
    return NearlyWhole(value) ? 0 : decimals;
}

std::string FigureText(double value, int decimals) {
    // Not printf, which takes the point from the locale the window sets from the environment.
    return FixedChars(value, FigureDecimals(value, decimals));
}

std::string OrdinalText(std::int64_t value) {
    // The tens from 11 to 13 take "th" whatever their last digit says.
    const std::int64_t lastTwo = (value < 0 ? -value : value) % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (lastTwo % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return std::to_string(value) + suffix;
}

} // namespace quarrow
