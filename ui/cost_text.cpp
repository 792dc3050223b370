#include "ui/cost_text.h"

#include "plot/learner_numbers.h"
#include "ui/box_text.h"

#include <QLocale>

#include <cmath>

namespace quarrow {

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
    const QLocale english(QLocale::English);
    if (magnitude >= 15) {
        // Beyond what reads as a whole number, and beyond a 64-bit one.
        return (value < 0 ? QStringLiteral("\u2212") : QString()) +
               plot::PowerOfTenText(std::log10(std::fabs(value)), 3);
    }
    if (magnitude >= 2) {
        return english.toString(static_cast<qlonglong>(std::llround(rounded)));
    }
    return english.toString(rounded, 'f', 2 - magnitude);
}

QString DescribeDuration(double seconds) {
    struct Unit {
        double seconds;
        const char* name;
        double upTo; // the next unit reads better from here on
    };
    static constexpr Unit kUnits[] = {
        {1.0, "seconds", 90.0},
        {60.0, "minutes", 90.0 * 60.0},
        {3600.0, "hours", 48.0 * 3600.0},
        {86400.0, "days", 730.0 * 86400.0},
        {365.25 * 86400.0, "years", HUGE_VAL},
    };
    for (const Unit& unit : kUnits) {
        if (seconds < unit.upTo) {
            return QStringLiteral("%1 %2").arg(ThreeFigures(seconds / unit.seconds),
                                               QString::fromLatin1(unit.name));
        }
    }
    return {};
}

QString DescribeBytes(double bytes) {
    return QLocale(QLocale::English)
        .formattedDataSize(static_cast<qint64>(std::min(bytes, 9.0e18)), 1,
                           QLocale::DataSizeSIFormat);
}

QString DescribeChance(double chance) {
    if (chance >= 0.01) {
        return QStringLiteral("%1%").arg(ThreeFigures(chance * 100.0));
    }
    return QStringLiteral("1 in %1").arg(ThreeFigures(1.0 / chance));
}

QString DescribeExpectation(const SequentialExpectation& expectation, std::optional<double> seconds,
                            std::optional<double> pace) {
    QString text =
        QStringLiteral("From a random first string of this length: on average %1 "
                       "generations (half of all runs need at most %2, nine in ten "
                       "at most %3), %4 strings")
            .arg(ThreeFigures(expectation.meanGenerations), Grouped(expectation.medianGenerations),
                 Grouped(expectation.percentile90Generations),
                 ThreeFigures(expectation.meanStrings));
    if (seconds) {
        text += QStringLiteral(", about %1 on this computer at full speed")
                    .arg(DescribeDuration(*seconds));
    }
    if (pace && *pace > 0.0) {
        text += QStringLiteral(", about %1 at the view's speed of %2 generations a second")
                    .arg(DescribeDuration(expectation.meanGenerations / *pace),
                         plot::NumberText(*pace));
    }
    text += QStringLiteral(" and a generation log of about %1.")
                .arg(DescribeBytes(expectation.meanLogBytes));
    return text;
}

QString DescribeLawExpectation(const GenerationLaw& law) {
    return QStringLiteral("From a random first string of this length: on average %1 generations "
                          "(half of all runs need at most %2, nine in ten at most %3), %4 strings.")
        .arg(ThreeFigures(law.Mean()), Grouped(law.Quantile(0.5)), Grouped(law.Quantile(0.9)),
             ThreeFigures(law.MeanStrings()));
}

} // namespace quarrow
