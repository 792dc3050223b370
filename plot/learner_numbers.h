#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

namespace quarrow::plot {

// The texts of platform/learner_numbers.h as QStrings: numbers as a learner reads them, in
// sentences and on every axis alike, with the thousands separator and decimal point of the
// language shown (English's in the examples below). The result boxes, the log and the files keep
// English's forms in every language and do not come from here.

/// The locale every figure shown to people is written in, whatever the system's: the
/// catalogue's language (English), so that a sentence and the figures in it agree.
QLocale FiguresLocale();

/// `english`, a figure as English writes it ("1,652,443.5"), with the thousands separator and
/// decimal point of the language shown.
QString InShownForms(const QString& english);

/// `value` with `decimals` decimals and its thousands grouped: "1,652,443.0".
QString FixedText(double value, int decimals);

/// A whole count with its thousands grouped: "6,268".
QString Grouped(std::int64_t count);

/// `value` to three significant figures, grouped: "3.25", "1,490", "0.0312"; from 10^15 on as
/// `PowerOfTenText`; "∞" for a value that is not finite.
QString ThreeFigures(double value);

/// A size in bytes in SI units to one decimal: "1.8 GB".
QString BytesText(double bytes);

/// `digits` (any run of '0'..'9' and '-') as superscript characters: "40" becomes "⁴⁰".
QString Superscript(const QString& digits);

/// 10^`log10Value` as at most `figures` significant figures, trailing zeros dropped, times a
/// raised power of ten: "1.2 × 10⁴⁰"; a mantissa of 1 leaves the power alone: "10⁶".
QString PowerOfTenText(double log10Value, int figures = 2);

/// `value` grouped below a million, with at most two decimals when it is not whole ("2.5",
/// "19,683"), and from a million on as `PowerOfTenText` with `figures` figures.
QString NumberText(double value, int figures = 3);

} // namespace quarrow::plot
