#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quarrow {

// The two number-to-text forms the program shows.
//
// Plain form: the ordinary conversion, no leading space. Sign-position form: the first
// character is reserved for the sign, a space for a value that is not negative and "-"
// otherwise. The decimal point is always ".", whatever the locale.
//
// Floating values are rounded to their significant digits (7 for 32-bit, 15 for 64-bit floats)
// and written without trailing zeros. After rounding, a value whose decimal exponent is at
// least the number of significant digits (1E+7 and up for a 32-bit float, 1E+15 and up for a
// 64-bit float) or below -4 (under 0.0001) is written in exponent form: a mantissa with one
// digit before the point, "E", the exponent's sign and at least two exponent digits, as in
// 3.04888344611714E+29 or 1E-05. Values below 1 keep a zero before the point (0.006).
// Whole counts print all their digits.

/// A 32-bit float in plain form, up to 7 significant digits.
std::string PlainText(float value);
/// A 64-bit float in plain form, up to 15 significant digits.
std::string PlainText(double value);
/// A whole count in plain form: all its digits.
std::string PlainText(std::int64_t value);

/// A 32-bit float in sign-position form.
std::string SignedText(float value);
/// A 64-bit float in sign-position form.
std::string SignedText(double value);
/// A whole count in sign-position form.
std::string SignedText(std::int64_t value);

/// The value d.ddd... x 10^exponent whose decimal digits are `digits` (leading zeros allowed), in
/// plain form rounded to 15 significant digits: for figures worked out in decimal beyond the
/// range of a 64-bit float.
std::string PlainTextFromDigits(std::string_view digits, std::int64_t exponent);

/// A value given as its base-10 logarithm (value = 10^log10Value), in plain form with 15
/// significant digits; for magnitudes that no 64-bit float can hold. The mantissa comes from an
/// extended-precision power, so its last digits fade once the exponent runs into the
/// thousands. NaN reads "NaN" and a logarithm of 2^62 and more "Infinity".
std::string PlainTextFromLog10(long double log10Value);

// Figures worked out from whole counts, such as means and percentiles, are shown whole when they
// are whole and with a fixed number of decimals when they are not.

/// Whether `value` is a whole number up to a rounding error of 1e-9 of its size (and at least
/// 1e-9): interpolated percentiles of whole counts can land that far from one.
bool NearlyWhole(double value);
/// The decimals `value` is shown with: none when it is `NearlyWhole`, else `decimals`.
int FigureDecimals(double value, int decimals);
/// `value` with `FigureDecimals(value, decimals)` decimals, the point always ".".
std::string FigureText(double value, int decimals);

/// A whole count as an English ordinal: "1st", "2nd", "3rd", "4th", "11th", "12th", "13th",
/// "21st", "62nd", "111th".
std::string OrdinalText(std::int64_t value);

} // namespace quarrow
