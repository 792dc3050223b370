// The learner's numbers are written without Qt so that the browser shows the very texts the
// window shows; here they are held against Qt's English locale, which wrote them before.

#include "platform/learner_numbers.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace quarrow {
namespace {

const QLocale kEnglish(QLocale::English);

QString Trimmed(QString text) {
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

// The forms as Qt's English locale writes them.
QString QtThreeFigures(double value) {
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const double rounded =
        std::round(value / std::pow(10.0, magnitude - 2)) * std::pow(10.0, magnitude - 2);
    if (magnitude >= 2) {
        return kEnglish.toString(static_cast<qlonglong>(std::llround(rounded)));
    }
    return kEnglish.toString(rounded, 'f', 2 - magnitude);
}

QString QtNumber(double value) {
    if (value == std::round(value)) {
        return kEnglish.toString(static_cast<qlonglong>(std::llround(value)));
    }
    return Trimmed(kEnglish.toString(value, 'f', 2));
}

std::vector<double> Values() {
    std::vector<double> values = {0.5,   0.001234, 0.0312, 1.0,     3.25,      9.995,
                                  99.95, 999.5,    1490.0, 12345.6, 99999.5,   123456.789,
                                  -2.5,  -1234.5,  0.005,  0.015,   999999.49, 1.0e14 * 9.99};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-5.0, 14.9);
    for (int i = 0; i < 4000; ++i) {
        values.push_back(std::pow(10.0, exponent(random)) * (i % 7 == 0 ? -1.0 : 1.0));
    }
    return values;
}

TEST(LearnerNumbersTest, TextsEqualQtsEnglishLocale) {
    for (const double value : Values()) {
        SCOPED_TRACE(value);
        EXPECT_EQ(QString::fromStdString(ThreeFiguresText(value)), QtThreeFigures(value));
        if (std::fabs(value) < 1.0e6) {
            EXPECT_EQ(QString::fromStdString(NumberText(value)), QtNumber(value));
        }
        if (value >= 0.0) {
            EXPECT_EQ(QString::fromStdString(BytesText(value)),
                      kEnglish.formattedDataSize(static_cast<qint64>(value), 1,
                                                 QLocale::DataSizeSIFormat));
        }
        const auto whole = static_cast<std::int64_t>(value * 1000.0);
        EXPECT_EQ(QString::fromStdString(GroupedText(whole)),
                  kEnglish.toString(static_cast<qlonglong>(whole)));
    }
}

TEST(LearnerNumbersTest, LargeFiguresArePowersOfTen) {
    EXPECT_EQ(NumberText(1.0e6), "10\u2076");
    EXPECT_EQ(NumberText(1.1972515182562e40), "1.2 \u00d7 10\u2074\u2070");
    EXPECT_EQ(ThreeFiguresText(1.1972515182562e40), "1.2 \u00d7 10\u2074\u2070");
    EXPECT_EQ(ThreeFiguresText(-2.5e20), "\u22122.5 \u00d7 10\u00b2\u2070");
    EXPECT_EQ(ThreeFiguresText(INFINITY), "\u221e");
    EXPECT_EQ(BytesText(1.8e9), "1.8 GB");
    EXPECT_EQ(BytesText(999.0), "999 bytes");
}

} // namespace
} // namespace quarrow
