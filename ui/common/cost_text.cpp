#include "ui/common/cost_text.h"

#include "platform/learner_numbers.h"
#include "plot/learner_numbers.h"
#include "ui/common/box_text.h"

#include <QCoreApplication>

#include <cmath>

namespace quarrow {

using plot::ThreeFigures;

namespace {

/// The texts of costs, in the catalogue under one context.
class CostText {
    Q_DECLARE_TR_FUNCTIONS(CostText)
};

} // namespace

QString DescribeDuration(double seconds) {
    const DurationInUnits duration = DurationFor(seconds);
    if (*duration.phrase == '\0') {
        return {};
    }
    return QCoreApplication::translate("CostText", duration.phrase)
        .arg(plot::InShownForms(QString::fromStdString(duration.figure)));
}

QString DescribeBytes(double bytes) {
    return plot::BytesText(bytes);
}

QString DescribeChance(double chance) {
    if (chance >= 0.01) {
        return CostText::tr("%1%").arg(ThreeFigures(chance * 100.0));
    }
    return CostText::tr("1 in %1").arg(ThreeFigures(1.0 / chance));
}

QString DescribeExpectation(const SequentialExpectation& expectation, std::optional<double> seconds,
                            std::optional<double> pace) {
    const QString mean = ThreeFigures(expectation.meanGenerations);
    const QString half = Grouped(expectation.medianGenerations);
    const QString nine = Grouped(expectation.percentile90Generations);
    const QString strings = ThreeFigures(expectation.meanStrings);
    const QString log = DescribeBytes(expectation.meanLogBytes);
    const bool paced = pace && *pace > 0.0;
    const QString atPace =
        paced ? DescribeDuration(expectation.meanGenerations / *pace) : QString();
    const QString paceText = paced ? plot::NumberText(*pace) : QString();
    if (seconds && paced) {
        return CostText::tr("From a random first string of this length: on average %1 generations "
                            "(half of all runs need at most %2, nine in ten at most %3), %4 "
                            "strings, about %5 on this computer at full speed, about %6 at the "
                            "view's speed of %7 generations a second and a generation log of "
                            "about %8.")
            .arg(mean, half, nine, strings, DescribeDuration(*seconds), atPace, paceText, log);
    }
    if (seconds) {
        return CostText::tr("From a random first string of this length: on average %1 generations "
                            "(half of all runs need at most %2, nine in ten at most %3), %4 "
                            "strings, about %5 on this computer at full speed and a generation "
                            "log of about %6.")
            .arg(mean, half, nine, strings, DescribeDuration(*seconds), log);
    }
    if (paced) {
        return CostText::tr("From a random first string of this length: on average %1 generations "
                            "(half of all runs need at most %2, nine in ten at most %3), %4 "
                            "strings, about %5 at the view's speed of %6 generations a second and "
                            "a generation log of about %7.")
            .arg(mean, half, nine, strings, atPace, paceText, log);
    }
    return CostText::tr("From a random first string of this length: on average %1 generations "
                        "(half of all runs need at most %2, nine in ten at most %3), %4 strings "
                        "and a generation log of about %5.")
        .arg(mean, half, nine, strings, log);
}

QString DescribeLawExpectation(const GenerationLaw& law) {
    return CostText::tr("From a random first string of this length: on average %1 generations "
                        "(half of all runs need at most %2, nine in ten at most %3), %4 strings.")
        .arg(ThreeFigures(law.Mean()), Grouped(law.Quantile(0.5)), Grouped(law.Quantile(0.9)),
             ThreeFigures(law.MeanStrings()));
}

} // namespace quarrow
