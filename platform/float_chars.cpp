#include "platform/float_chars.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quarrow {

namespace {

/// `format` ("%.*e" or "%.*f") applied to `value` with `precision`.
std::string Printed(const char* format, double value, int precision) {
    // The longest fixed text, the largest double with all its decimals, is under 330 characters
    // plus the precision.
    std::string text(static_cast<std::size_t>(precision) + 400, '\0');
    const int written = std::snprintf(text.data(), text.size(), format, precision, value);
    text.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return text;
}

double ReadBack(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

/// A positive decimal: the whole number `digits` times 10^`exponent`.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

/// The digits of a "%.*e" text of a positive value, as a whole number and the power of its last
/// digit.
Decimal FromScientific(const std::string& text) {
    const auto e = text.find('e');
    Decimal decimal;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') {
            decimal.digits.push_back(text[i]);
        }
    }
    decimal.exponent =
        std::atoi(text.c_str() + e + 1) - static_cast<int>(decimal.digits.size()) + 1;
    return decimal;
}

/// The next decimal of as many digits above `decimal`; 99...9 steps to 10...0 one place up.
Decimal Up(Decimal decimal) {
    std::size_t at = decimal.digits.size();
    while (at > 0 && decimal.digits[at - 1] == '9') {
        decimal.digits[--at] = '0';
    }
    if (at == 0) {
        decimal.digits.insert(decimal.digits.begin(), '1');
        decimal.digits.pop_back();
        ++decimal.exponent;
    } else {
        ++decimal.digits[at - 1];
    }
    return decimal;
}

/// The next decimal of as many digits below `decimal`; 10...0 steps to 99...9 one place down.
Decimal Down(Decimal decimal) {
    std::size_t at = decimal.digits.size();
    while (at > 0 && decimal.digits[at - 1] == '0') {
        decimal.digits[--at] = '9';
    }
    --decimal.digits[at - 1];
    if (decimal.digits.front() == '0') {
        decimal.digits.erase(decimal.digits.begin());
        decimal.digits.push_back('9');
        --decimal.exponent;
    }
    return decimal;
}

bool ReadsBackAs(const Decimal& decimal, double value) {
    return ReadBack(decimal.digits + "e" + std::to_string(decimal.exponent)) == value;
}

/// The fewest digits that read back as the positive finite `value`; of several, the nearest.
Decimal ShortestDigits(double value) {
    constexpr int kMostDigits = 17; // always enough for a double
    for (int precision = 0; precision < kMostDigits - 1; ++precision) {
        // The correctly rounded digits are the nearest of their length; when they miss, only
        // their neighbour on the other side of the value can still read back as it.
        Decimal nearest = FromScientific(Printed("%.*e", value, precision));
        if (ReadsBackAs(nearest, value)) {
            return nearest;
        }
        for (const Decimal& other : {Up(nearest), Down(nearest)}) {
            if (ReadsBackAs(other, value)) {
                return other;
            }
        }
    }
    return FromScientific(Printed("%.*e", value, kMostDigits - 1));
}

} // namespace

namespace detail {

std::string ScientificCharsFallback(double value, int precision) {
    return Printed("%.*e", value, precision);
}

std::string FixedCharsFallback(double value, int precision) {
    return Printed("%.*f", value, precision);
}

std::string GeneralCharsFallback(double value, int precision) {
    return Printed("%.*g", value, precision);
}

std::string ShortestCharsFallback(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        // "0", "-0", "inf", "-inf", "nan" or "-nan", as printf writes them.
        return Printed("%.*g", value, 1);
    }
    const std::string sign = value < 0.0 ? "-" : "";
    Decimal shortest = ShortestDigits(std::fabs(value));
    while (shortest.digits.size() > 1 && shortest.digits.back() == '0') {
        shortest.digits.pop_back();
        ++shortest.exponent;
    }
    const std::string& digits = shortest.digits;
    const int count = static_cast<int>(digits.size());
    // The power of ten of the first digit.
    const int leading = shortest.exponent + count - 1;

    std::string scientific = digits.substr(0, 1);
    if (count > 1) {
        scientific += "." + digits.substr(1);
    }
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", leading < 0 ? '-' : '+',
                  leading < 0 ? -leading : leading);
    scientific += exponent;

    std::string fixed;
    if (leading < 0) {
        fixed = "0." + std::string(static_cast<std::size_t>(-leading - 1), '0') + digits;
    } else if (leading >= count - 1) {
        // A whole number: its exact digits, which are as many as the shortest ones padded with
        // zeros.
        fixed = Printed("%.*f", std::fabs(value), 0);
    } else {
        const auto whole = static_cast<std::size_t>(leading) + 1;
        fixed = digits.substr(0, whole) + "." + digits.substr(whole);
    }
    return sign + (fixed.size() <= scientific.size() ? fixed : scientific);
}

namespace {

/// A text read from left to right, as from_chars reads a number.
struct NumberScan {
    std::string_view text;
    std::size_t at = 0;

    bool DigitAt(std::size_t i) const {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    }
    bool CharAt(std::size_t i, char c) const { return i < text.size() && text[i] == c; }

    /// Whether `word` (in small letters) stands at `i`, in either case.
    bool WordAt(std::size_t i, std::string_view word) const {
        if (text.size() - i < word.size()) {
            return false;
        }
        for (std::size_t k = 0; k < word.size(); ++k) {
            const char c = text[i + k];
            if (c != word[k] && c != word[k] - 'a' + 'A') {
                return false;
            }
        }
        return true;
    }

    /// Past "nan"'s optional "(chars)", when it closes.
    void SkipNanPayload() {
        if (!CharAt(at, '(')) {
            return;
        }
        std::size_t close = at + 1;
        while (close < text.size() && (DigitAt(close) || text[close] == '_' ||
                                       (text[close] >= 'a' && text[close] <= 'z') ||
                                       (text[close] >= 'A' && text[close] <= 'Z'))) {
            ++close;
        }
        if (CharAt(close, ')')) {
            at = close + 1;
        }
    }

    /// Past a run of digits; how many, and whether one of them is not 0.
    std::size_t SkipDigits(bool& significant) {
        std::size_t digits = 0;
        for (; DigitAt(at); ++at, ++digits) {
            significant = significant || text[at] != '0';
        }
        return digits;
    }

    /// Past an exponent, when one with digits follows.
    void SkipExponent() {
        if (!CharAt(at, 'e') && !CharAt(at, 'E')) {
            return;
        }
        std::size_t exponent = at + 1;
        if (CharAt(exponent, '+') || CharAt(exponent, '-')) {
            ++exponent;
        }
        if (!DigitAt(exponent)) {
            return;
        }
        while (DigitAt(exponent)) {
            ++exponent;
        }
        at = exponent;
    }
};

/// Infinity or NaN, as from_chars reads them; false when neither stands at the scan's place.
bool ReadSpecial(NumberScan& scan, bool negative, double& value) {
    if (scan.WordAt(scan.at, "inf")) {
        scan.at += scan.WordAt(scan.at, "infinity") ? 8 : 3;
        value = negative ? -HUGE_VAL : HUGE_VAL;
        return true;
    }
    if (scan.WordAt(scan.at, "nan")) {
        scan.at += 3;
        scan.SkipNanPayload();
        value = negative ? -std::nan("") : std::nan("");
        return true;
    }
    return false;
}

} // namespace

std::from_chars_result ReadCharsFallback(const char* first, const char* last, double& value) {
    NumberScan scan{std::string_view(first, static_cast<std::size_t>(last - first))};
    const bool negative = scan.CharAt(0, '-');
    if (negative) {
        ++scan.at;
    }
    if (ReadSpecial(scan, negative, value)) {
        return {first + scan.at, std::errc{}};
    }
    bool significant = false;
    std::size_t digits = scan.SkipDigits(significant);
    if (scan.CharAt(scan.at, '.')) {
        ++scan.at;
        digits += scan.SkipDigits(significant);
    }
    if (digits == 0) {
        return {first, std::errc::invalid_argument};
    }
    scan.SkipExponent();
    // strtod sees only the number found, so it reads neither blanks nor hexadecimal.
    const double read = ReadBack(std::string(scan.text.substr(0, scan.at)));
    if (std::isinf(read) || (read == 0.0 && significant)) {
        return {first + scan.at, std::errc::result_out_of_range};
    }
    value = read;
    return {first + scan.at, std::errc{}};
}

} // namespace detail

#if QUARROW_HAVE_FLOAT_CHARCONV

namespace {

template <typename... Format> std::string Converted(double value, int room, Format... format) {
    std::string text(static_cast<std::size_t>(room), '\0');
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value, format...);
    text.resize(static_cast<std::size_t>(written.ptr - text.data()));
    return text;
}

} // namespace

std::string ShortestChars(double value) {
    return Converted(value, 32);
}
std::string ScientificChars(double value, int precision) {
    return Converted(value, precision + 32, std::chars_format::scientific, precision);
}
std::string FixedChars(double value, int precision) {
    return Converted(value, precision + 400, std::chars_format::fixed, precision);
}
std::string GeneralChars(double value, int precision) {
    return Converted(value, precision + 32, std::chars_format::general, precision);
}
std::from_chars_result ReadChars(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}

#else

std::string ShortestChars(double value) {
    return detail::ShortestCharsFallback(value);
}
std::string ScientificChars(double value, int precision) {
    return detail::ScientificCharsFallback(value, precision);
}
std::string FixedChars(double value, int precision) {
    return detail::FixedCharsFallback(value, precision);
}
std::string GeneralChars(double value, int precision) {
    return detail::GeneralCharsFallback(value, precision);
}
std::from_chars_result ReadChars(const char* first, const char* last, double& value) {
    return detail::ReadCharsFallback(first, last, value);
}

#endif

} // namespace quarrow
