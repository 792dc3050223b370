#include "plot/learner_numbers.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quarrow::plot {

namespace {
constexpr double kPowersFrom = 1.0e6;
constexpr int kMostDecimals = 2;

/// Drops the zeros a fixed-point text ends with, and a point left bare.
QString WithoutTrailingZeros(QString text) {
    if (!text.contains(QLatin1Char('.'))) {
        return text;
    }
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}
} // namespace

QString Superscript(const QString& digits) {
    static const QChar kRaised[] = {u'\u2070', u'\u00b9', u'\u00b2', u'\u00b3', u'\u2074',
                                    u'\u2075', u'\u2076', u'\u2077', u'\u2078', u'\u2079'};
    QString raised;
    raised.reserve(digits.size());
    for (const QChar c : digits) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            raised += kRaised[c.unicode() - u'0'];
        } else if (c == QLatin1Char('-')) {
            raised += QChar(u'\u207b');
        } else {
            raised += c;
        }
    }
    return raised;
}

QString PowerOfTenText(double log10Value, int figures) {
    if (!std::isfinite(log10Value)) {
        return QStringLiteral("\u221e");
    }
    figures = std::max(figures, 1);
    auto exponent = static_cast<long long>(std::floor(log10Value));
    const double scale = std::pow(10.0, figures - 1);
    double mantissa =
        std::round(std::pow(10.0, log10Value - static_cast<double>(exponent)) * scale) / scale;
    if (mantissa >= 10.0) {
        mantissa /= 10.0;
        ++exponent;
    }
    QString power = QStringLiteral("10") + Superscript(QString::number(exponent));
    if (mantissa == 1.0) {
        return power;
    }
    return QStringLiteral("%1 \u00d7 %2")
        .arg(WithoutTrailingZeros(QString::number(mantissa, 'f', figures - 1)), power);
}

QString NumberText(double value, int figures) {
    if (!std::isfinite(value)) {
        return QStringLiteral("\u221e");
    }
    if (std::fabs(value) >= kPowersFrom) {
        const QString magnitude = PowerOfTenText(std::log10(std::fabs(value)), figures);
        return value < 0 ? QStringLiteral("\u2212") + magnitude : magnitude;
    }
    const QLocale english = FiguresLocale();
    if (value == std::round(value)) {
        return english.toString(static_cast<qlonglong>(std::llround(value)));
    }
    return WithoutTrailingZeros(english.toString(value, 'f', kMostDecimals));
}

QLocale FiguresLocale() {
    return QLocale(QLocale::English);
}

QString Grouped(std::int64_t count) {
    return FiguresLocale().toString(static_cast<qlonglong>(count));
}

QString ThreeFigures(double value) {
    if (!std::isfinite(value)) {
        return QStringLiteral("\u221e");
    }
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const double scale = std::pow(10.0, magnitude - 2);
    const double rounded = std::round(value / scale) * scale;
    const QLocale english = FiguresLocale();
    if (magnitude >= 15) {
        // Beyond what reads as a whole number, and beyond a 64-bit one.
        return (value < 0 ? QStringLiteral("\u2212") : QString()) +
               PowerOfTenText(std::log10(std::fabs(value)), 3);
    }
    if (magnitude >= 2) {
        return english.toString(static_cast<qlonglong>(std::llround(rounded)));
    }
    return english.toString(rounded, 'f', 2 - magnitude);
}

QString BytesText(double bytes) {
    return FiguresLocale().formattedDataSize(static_cast<qint64>(std::min(bytes, 9.0e18)), 1,
                                             QLocale::DataSizeSIFormat);
}

} // namespace quarrow::plot
