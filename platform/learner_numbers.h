#pragma once

#include <cstdint>
#include <string>

namespace quarrow {

// Numbers as a learner reads them, in sentences and on every axis alike, in UTF-8: whole numbers
// grouped by thousands below a million ("10,000"), and from a million on a mantissa times a power
// of ten with the power raised ("1.2 × 10⁴⁰", "10⁶"), never a computer's "1E+6" or "1e+06". The
// figures are English's, whatever the system's language: a comma groups, a point divides.

/// A whole count with its thousands grouped: "6,268", "-1,000".
std::string GroupedText(std::int64_t count);
/// `value` to three significant figures, grouped: "3.25", "1,490", "0.0312"; from 10^15 on as
/// `PowerOfTenText`; "∞" for a value that is not finite.
std::string ThreeFiguresText(double value);
/// A size in bytes in SI units to one decimal: "1.8 GB", "999 bytes".
std::string BytesText(double bytes);
/// `digits` (any run of '0'..'9' and '-') as superscript characters: "40" becomes "⁴⁰".
std::string SuperscriptText(const std::string& digits);
/// 10^`log10Value` as at most `figures` significant figures, trailing zeros dropped, times a
/// raised power of ten: "1.2 × 10⁴⁰"; a mantissa of 1 leaves the power alone: "10⁶".
std::string PowerOfTenText(double log10Value, int figures = 2);
/// `value` grouped below a million, with at most two decimals when it is not whole ("2.5",
/// "19,683"), and from a million on as `PowerOfTenText` with `figures` figures.
std::string NumberText(double value, int figures = 3);

/// A duration in the unit that reads best: `phrase` is the catalogue's text of the unit (context
/// "CostText", as "%1 minutes"), whose %1 is `figure`, the count of units to three figures.
struct DurationInUnits {
    const char* phrase = "";
    std::string figure;
};
DurationInUnits DurationFor(double seconds);

} // namespace quarrow
