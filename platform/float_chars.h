#pragma once

#include <charconv>
#include <string>

namespace quarrow {

// Texts of 64-bit floats exactly as std::to_chars writes them and reading as std::from_chars
// reads them: the point is always "." and the locale plays no part. Where the standard library
// lacks the floating-point forms of those functions, the C library's printf and strtod stand in
// for them, which give the same texts under the C locale, the only one such libraries have.

/// The shortest text that reads back as `value`, as `std::to_chars(first, last, value)`.
std::string ShortestChars(double value);
/// `value` in scientific form with `precision` digits after the point ("1.25e+02").
std::string ScientificChars(double value, int precision);
/// `value` in fixed form with `precision` digits after the point.
std::string FixedChars(double value, int precision);
/// `value` with `precision` significant digits in the shorter of the two forms, as printf's
/// "%.*g" writes it under the C locale ("1.5e-05", "0.000123").
std::string GeneralChars(double value, int precision);
/// Reads a number from [first, last) as `std::from_chars(first, last, value)` does in its
/// general format: an optional "-", no leading blank or "+", no hexadecimal. On failure `value`
/// is left as it was; a number too large or too small for a double reports
/// `std::errc::result_out_of_range`.
std::from_chars_result ReadChars(const char* first, const char* last, double& value);

namespace detail {

// The stand-ins through the C library, built everywhere so that they can be checked against
// the standard library's own. They need the C locale in force.
std::string ShortestCharsFallback(double value);
std::string ScientificCharsFallback(double value, int precision);
std::string FixedCharsFallback(double value, int precision);
std::string GeneralCharsFallback(double value, int precision);
std::from_chars_result ReadCharsFallback(const char* first, const char* last, double& value);

} // namespace detail

} // namespace quarrow
