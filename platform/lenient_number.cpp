#include "platform/lenient_number.h"

#include "platform/float_chars.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quarrow {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

/// Reads a number text from left to right.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    /// The next character, or '\0' at the end.
    char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    /// Takes the next character when it is one of `choices`; '\0' when it is not.
    char TakeOneOf(std::string_view choices) {
        const char next = Peek();
        if (next == '\0' || choices.find(next) == std::string_view::npos) {
            return '\0';
        }
        ++at_;
        return next;
    }
    /// Takes the next character when it is a digit; '\0' when it is not.
    char TakeDigit() { return IsDigit(Peek()) ? text_[at_++] : '\0'; }
    /// Takes the digits that follow, appending them to `out`; how many there were.
    std::size_t TakeDigits(std::string& out) {
        const std::size_t from = at_;
        while (IsDigit(Peek())) {
            out.push_back(text_[at_++]);
        }
        return at_ - from;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

/// Where the first significant digit of a run of digits and points stands.
struct Significand {
    bool significant = false;
    /// Of the first significant digit, counted from the point: the n-th whole digit is n, the
    /// n-th digit after the point is -n.
    long long position = -1;
    long long wholeDigits = 0;
};

Significand ScanSignificand(Scanner& scan) {
    Significand found;
    bool afterPoint = false;
    long long fractionDigits = 0;
    constexpr std::string_view kDigitsAndPoint = "0123456789.";
    for (char next = scan.TakeOneOf(kDigitsAndPoint); next != '\0';
         next = scan.TakeOneOf(kDigitsAndPoint)) {
        if (next == '.') {
            afterPoint = true;
            continue;
        }
        long long& digits = afterPoint ? fractionDigits : found.wholeDigits;
        ++digits;
        if (!found.significant && next != '0') {
            found.significant = true;
            found.position = afterPoint ? -fractionDigits : found.wholeDigits;
        }
    }
    return found;
}

/// The exponent's value after its "e", saturating at `far` either way.
long long ScanExponent(Scanner& scan, long long far) {
    const bool negative = scan.TakeOneOf("+-") == '-';
    long long given = 0;
    for (char digit = scan.TakeDigit(); digit != '\0'; digit = scan.TakeDigit()) {
        given = std::min(far, given * 10 + (digit - '0'));
    }
    return negative ? -given : given;
}

/// The power of ten of the first significant digit of a number text (sign, digits, optional
/// point and digits, optional exponent), saturating far beyond any double; 0 for a text of
/// zeros.
long long DecimalExponent(std::string_view number) {
    constexpr long long kFar = 1'000'000'000'000LL;
    Scanner scan(number);
    scan.TakeOneOf("+-");
    const Significand significand = ScanSignificand(scan);
    if (!significand.significant) {
        return 0;
    }
    // A significant digit in the whole part stands at 10^(digits after it).
    long long exponent = significand.position > 0 ? significand.wholeDigits - significand.position
                                                  : significand.position;
    if (scan.TakeOneOf("eE") != '\0') {
        exponent += ScanExponent(scan, kFar);
    }
    return std::clamp(exponent, -kFar, kFar);
}

std::string WithoutBlanks(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (!IsBlank(c)) {
            compact.push_back(c);
        }
    }
    return compact;
}

/// The longest leading run of `text` that forms a number; empty when it holds no digit.
std::string LeadingNumber(std::string_view text) {
    Scanner scan(text);
    std::string number;
    if (const char sign = scan.TakeOneOf("+-")) {
        number.push_back(sign);
    }
    std::size_t digits = scan.TakeDigits(number);
    if (scan.TakeOneOf(".") != '\0') {
        number.push_back('.');
        digits += scan.TakeDigits(number);
    }
    if (digits == 0) {
        return {};
    }
    if (scan.TakeOneOf("eE") != '\0') {
        // An "e" without digits after it is not part of the number.
        std::string exponent = "e";
        if (const char sign = scan.TakeOneOf("+-")) {
            exponent.push_back(sign);
        }
        if (scan.TakeDigits(exponent) > 0) {
            number += exponent;
        }
    }
    return number;
}

} // namespace

double ReadLenientNumber(std::string_view text) {
    // ReadChars then reads exactly the leading number.
    const std::string number = LeadingNumber(WithoutBlanks(text));
    if (number.empty()) {
        return 0.0;
    }
    // ReadChars, like from_chars, ignores the locale, which the GUI sets from the environment, and
    // rounds the whole text correctly however many digits it has.
    double value = 0.0;
    const char* first = number.data();
    if (*first == '+') {
        ++first;
    }
    const auto [end, error] = ReadChars(first, number.data() + number.size(), value);
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
