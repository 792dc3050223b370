#pragma once

#include <QString>

namespace quarrow::plot {

// Numbers as a learner reads them, in sentences and on every axis alike: whole numbers grouped
// by thousands below a million ("10,000"), and from a million on a mantissa times a power of ten
// with the power raised ("1.2 × 10⁴⁰", "10⁶"), never a computer's "1E+6" or "1e+06".

/// `digits` (any run of '0'..'9' and '-') as superscript characters: "40" becomes "⁴⁰".
QString Superscript(const QString& digits);

/// 10^`log10Value` as at most `figures` significant figures, trailing zeros dropped, times a
/// raised power of ten: "1.2 × 10⁴⁰"; a mantissa of 1 leaves the power alone: "10⁶".
QString PowerOfTenText(double log10Value, int figures = 2);

/// `value` grouped below a million, with at most two decimals when it is not whole ("2.5",
/// "19,683"), and from a million on as `PowerOfTenText` with `figures` figures.
QString NumberText(double value, int figures = 3);

} // namespace quarrow::plot
