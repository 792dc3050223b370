// The figures the help states about the schemes, checked against exact computations: the closed
// form of scheme 3 and an exact chain of schemes 1 and 2 over the number of wrong letters.

#include "engine/exact_law.h"
#include "engine/run_cost.h"
#include "ui/common/cost_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QString>

#include <cmath>
#include <vector>

static void RegisterHelp() {
    Q_INIT_RESOURCE(help);
}

namespace quarrow::testing {
namespace {

QString Topic(int number) {
    RegisterHelp();
    QFile file(QStringLiteral(":/help/topic%1.html").arg(number));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << number;
    // The source wraps its lines anywhere; a figure's words are compared with single spaces.
    return QString::fromUtf8(file.readAll()).simplified();
}

double Binomial(int n, int k) {
    return std::tgamma(n + 1.0) / (std::tgamma(k + 1.0) * std::tgamma(n - k + 1.0));
}

/// The chance that a run of scheme 1 or 2 from a random first string ends in each generation
/// (index 0 is generation 1). Both schemes lock a right letter and make a wrong one right only by
/// drawing it, with chance 1/27; a generation with w wrong letters ends the run when one of its
/// 20 offspring draws all w, and otherwise hands on its 20th offspring.
std::vector<double> LockedSchemeGenerations(int letters, int generations) {
    const double wrong = 26.0 / 27.0;
    std::vector<double> state(static_cast<std::size_t>(letters) + 1);
    for (int w = 0; w <= letters; ++w) {
        state[w] = Binomial(letters, w) * std::pow(wrong, w) * std::pow(1.0 / 27.0, letters - w);
    }
    std::vector<double> ends;
    for (int g = 0; g < generations; ++g) {
        std::vector<double> next(state.size(), 0.0);
        double ended = state[0];
        for (int w = 1; w <= letters; ++w) {
            const double allDrawn = std::pow(27.0, -w);
            ended += state[w] * (1.0 - std::pow(1.0 - allDrawn, 20));
            for (int left = 1; left <= w; ++left) {
                next[left] += state[w] * std::pow(1.0 - allDrawn, 19) * Binomial(w, left) *
                              std::pow(wrong, left) * std::pow(1.0 / 27.0, w - left);
            }
        }
        ends.push_back(ended);
        state = next;
    }
    return ends;
}

double Mean(const std::vector<double>& ends) {
    double mean = 0.0;
    for (std::size_t g = 0; g < ends.size(); ++g) {
        mean += static_cast<double>(g + 1) * ends[g];
    }
    return mean;
}

int Quantile(const std::vector<double>& ends, double quantile) {
    double reached = 0.0;
    for (std::size_t g = 0; g < ends.size(); ++g) {
        reached += ends[g];
        if (reached >= quantile) {
            return static_cast<int>(g + 1);
        }
    }
    return -1;
}

TEST(HelpFigures, TheChainCoversEveryRun) {
    double total = 0.0;
    for (const double chance : LockedSchemeGenerations(28, 2000)) {
        total += chance;
    }
    EXPECT_NEAR(total, 1.0, 1e-9);
}

TEST(HelpFigures, SchemeThreesTableComparesBothMeansAsComputed) {
    const QString topic = Topic(100);
    // Both columns from a random first string, as every scheme's law is stated; the view's
    // expectation of a scheme-3 run says the same figure.
    EXPECT_TRUE(topic.contains(QStringLiteral("Average generations from a random first string, "
                                              "scheme 3")));
    for (const int letters : {1, 2, 3, 4, 5, 10, 20, 28}) {
        SCOPED_TRACE(letters);
        const auto length = static_cast<std::size_t>(letters);
        const double sequential = GenerationLaw::ForScheme(Scheme::Sequential, length).Mean();
        const double locked = Mean(LockedSchemeGenerations(letters, 2000));
        EXPECT_NEAR(GenerationLaw::ForScheme(Scheme::Attenuating, length).Mean(), locked,
                    1e-6 * locked);
        EXPECT_DOUBLE_EQ(ExpectSequential(length).meanGenerations, sequential);
        const QString row = QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                                .arg(letters)
                                .arg(ThreeFigures(sequential), ThreeFigures(locked));
        EXPECT_TRUE(topic.contains(row)) << row.toStdString();
    }
    // One letter: a first string equal to the target ends every scheme's run in its first
    // generation, and otherwise each generation wins the letter alike.
    EXPECT_EQ(ThreeFigures(GenerationLaw::ForScheme(Scheme::Sequential, 1).Mean()),
              ThreeFigures(GenerationLaw::ForScheme(Scheme::Serial, 1).Mean()));
    // Quicker only for very short words, by the stated factors.
    const auto ratio = [](int letters) {
        return Mean(LockedSchemeGenerations(letters, 2000)) /
               ExpectSequential(letters).meanGenerations;
    };
    EXPECT_NEAR(ratio(1), 1.0, 1e-6);
    EXPECT_NEAR(ratio(2), 3.0, 0.2);
    EXPECT_NEAR(ratio(3), 3.0, 0.2);
    EXPECT_NEAR(ratio(4), 2.0, 0.1);
    EXPECT_NEAR(ratio(5), 1.3, 0.05);
    EXPECT_LT(ratio(6), 1.0);
    EXPECT_TRUE(topic.contains(
        QStringLiteral("about 3 times at 2 or 3 letters, 2 times at 4 and 1.3 times at 5, but "
                       "not at 1 letter")));
    EXPECT_FALSE(topic.contains(QStringLiteral("a little quicker")));
}

/// "one run in ten" to "ten runs in ten": the share in tenths as the help words it.
QString RunsInTen(double share) {
    static const char* const kTenths[] = {"no",  "one",   "two",   "three", "four", "five",
                                          "six", "seven", "eight", "nine",  "ten"};
    const long tenths = std::lround(share * 10.0);
    return QStringLiteral("%1 run%2 in ten")
        .arg(QLatin1String(kTenths[tenths]), tenths == 1 ? QString() : QStringLiteral("s"));
}

// A run to start at the view's slow speed is not promised its full-speed time: 52.8 million
// generations take 3.25 minutes at 271,000 a second and 38.2 days at 16 a second.
TEST(HelpFigures, StepThreeSaysWhyItMakesStringsMoreSlowlyThanStepTwo) {
    EXPECT_TRUE(Topic(50).simplified().contains(
        QStringLiteral("before every single letter it starts its random generator afresh from "
                       "the clock")));
}

TEST(CostText, TheExpectedTimeIsGivenAtTheViewsSpeedAsWellAsAtFullSpeed) {
    const SequentialExpectation expected = ExpectSequential(28);
    const double fullSpeed = expected.meanGenerations / (3.25 * 60.0);
    const double days = expected.meanGenerations / 16.0 / 86400.0;
    EXPECT_NEAR(days, 38.2, 0.05);
    const QString text = DescribeExpectation(expected, expected.meanGenerations / fullSpeed, 16.0);
    EXPECT_TRUE(text.contains(QStringLiteral("about 3.25 minutes on this computer at full speed, "
                                             "about %1 days at the view's speed of 16 "
                                             "generations a second")
                                  .arg(ThreeFigures(days))))
        << text.toStdString();
    // Without a slow speed, only the full-speed figure, said to be one.
    const QString plain = DescribeExpectation(expected, 195.0);
    EXPECT_TRUE(plain.contains(QStringLiteral("about 3.25 minutes on this computer at full speed "
                                              "and a generation log")))
        << plain.toStdString();
}

TEST(HelpFigures, SchemesOneAndTwoStateOneDistributionForAThreeLetterWord) {
    const std::vector<double> ends = LockedSchemeGenerations(3, 2000);
    const int low = Quantile(ends, 0.1);
    const int high = Quantile(ends, 0.9);
    // The share of runs the sentence puts in its range, from the exact law: the 10th and 90th
    // percentiles hold eight runs in ten between them, not nine.
    const GenerationLaw law = GenerationLaw::LockedLetter(3);
    const double between = law.AtMost(high) - law.AtMost(low - 1);
    EXPECT_NEAR(between, 0.81, 0.01);
    const QString stated = QStringLiteral("A 3-letter word takes %1 generations on average, and %2 "
                                          "of it take between %3 and %4")
                               .arg(ThreeFigures(Mean(ends)), RunsInTen(between))
                               .arg(low)
                               .arg(high);
    EXPECT_EQ(stated, QStringLiteral("A 3-letter word takes 19.5 generations on average, and "
                                     "eight runs in ten of it take between 6 and 37"));
    for (const int topic : {80, 90}) {
        EXPECT_TRUE(Topic(topic).contains(stated)) << topic;
        EXPECT_FALSE(Topic(topic).contains(QStringLiteral("nine runs in ten of it take between")))
            << topic;
    }
    // The longer phrases they name.
    EXPECT_EQ(std::lround(Mean(LockedSchemeGenerations(11, 2000))), 51);
    EXPECT_EQ(std::lround(Mean(LockedSchemeGenerations(28, 2000))), 75);
    // "In nine runs out of ten in 100 or fewer": at least nine in ten end by generation 100.
    const double byHundred = GenerationLaw::LockedLetter(28).AtMost(100);
    EXPECT_GE(byHundred, 0.9);
    EXPECT_EQ(RunsInTen(byHundred), QStringLiteral("nine runs in ten"));
    EXPECT_TRUE(Topic(70).contains(QStringLiteral("in nine runs out of ten in 100 or fewer")));
}

TEST(HelpFigures, TheLastLetterOfSchemeTwoTakesThreeGenerationsOrMoreOneTimeInFive) {
    const double found = LetterWonInAGeneration();
    const QString stated =
        QStringLiteral("a generation finds it with a chance of %1; about one time in five (%2%) "
                       "the last letter still takes three generations or more")
            .arg(QString::number(found, 'f', 2))
            .arg(std::lround(100.0 * (1.0 - found) * (1.0 - found)));
    EXPECT_TRUE(Topic(90).contains(stated)) << stated.toStdString();
    EXPECT_FALSE(Topic(90).contains(QStringLiteral("rarely takes more than")));
}

TEST(HelpFigures, TopicsTellTheTruthAboutStoppingExponentsAndCaptions) {
    EXPECT_FALSE(Topic(70).contains(
        QStringLiteral("The run stops as soon as one offspring equals the target")));
    EXPECT_TRUE(Topic(70).contains(QStringLiteral("Scheme 3 always makes all 20 offspring")));
    EXPECT_TRUE(Topic(30).contains(QStringLiteral("to the left after \"E-\"")));
    for (const int number : {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110}) {
        // Access keys show as the buttons show them, underlined, not as an ampersand.
        EXPECT_FALSE(Topic(number).contains(QStringLiteral("&amp;"))) << number;
    }
    EXPECT_TRUE(Topic(70).contains(QStringLiteral("\"<u>G</u>o\"")));
}

TEST(HelpFigures, LogSizesReadInDecimalUnits) {
    // The size of the 28-letter log a learner met: 2.6 GB, not 2.4.
    EXPECT_EQ(DescribeBytes(2'614'055'898.0), QStringLiteral("2.6 GB"));
}

} // namespace
} // namespace quarrow::testing
