// The chart of many runs as it is drawn and written: what it says, that its texts never meet,
// and that a file is written whole or not at all.

#include "analysis/distribution_data.h"
#include "analysis/experiments.h"
#include "plot/distribution_chart.h"
#include "plot/learner_numbers.h"
#include "search/estimate.h"
#include "tests/support/small_filesystem.h"
#include "tests/support/svg_drawing.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <utility>

namespace quarrow::plot {
namespace {

using analysis::DistributionData;
using analysis::SchemeRuns;

DistributionData Batch(const std::string& phrase, std::vector<Scheme> schemes, int runs) {
    std::atomic<bool> stop{false};
    analysis::EvolveBatch batch;
    batch.phrase = phrase;
    batch.schemes = std::move(schemes);
    batch.runs = runs;
    batch.seed = 7;
    const analysis::EvolveBatchResult result =
        analysis::RunEvolveBatch(batch, analysis::BatchControl{stop, 2});
    return analysis::DistributionOfBatch(batch, result.records, false, "seed 7");
}

const DistributionData& ThreeSchemes() {
    static const DistributionData data =
        Batch("WEASEL", {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential}, 200);
    return data;
}

/// Every pair of drawn texts that meet, and every text outside `area`, as lines of a message.
std::string Collisions(const std::vector<DrawnText>& texts, const QRectF& area) {
    std::string found;
    for (std::size_t a = 0; a < texts.size(); ++a) {
        if (!area.contains(texts[a].rect)) {
            found += "outside: \"" + texts[a].text.toStdString() + "\"\n";
        }
        for (std::size_t b = a + 1; b < texts.size(); ++b) {
            if (texts[a].rect.intersects(texts[b].rect)) {
                found += "\"" + texts[a].text.toStdString() + "\" meets \"" +
                         texts[b].text.toStdString() + "\"\n";
            }
        }
    }
    return found;
}

std::vector<DrawnText> Drawn(const DistributionData& data, QSize size, const QFont& face) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    return PaintDistributionChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), data, face);
}

/// The value a learner's number text stands for: "19,683", "2.5", "1.2 × 10⁴⁰" or "10⁶".
double ReadLearnerNumber(QString text) {
    static const QString kRaised =
        QStringLiteral("\u2070\u00b9\u00b2\u00b3\u2074\u2075\u2076\u2077\u2078\u2079");
    QString power;
    const qsizetype ten = text.lastIndexOf(QStringLiteral("10"));
    if (ten >= 0 && ten + 2 < text.size() &&
        (kRaised.contains(text[ten + 2]) || text[ten + 2] == u'\u207b')) {
        for (const QChar c : text.mid(ten + 2)) {
            power += c == u'\u207b' ? QLatin1Char('-')
                                    : QChar(static_cast<char16_t>(u'0' + kRaised.indexOf(c)));
        }
        text = text.left(ten).remove(QStringLiteral(" \u00d7 "));
        const double mantissa = text.isEmpty() ? 1.0 : text.toDouble();
        return mantissa * std::pow(10.0, power.toDouble());
    }
    return text.remove(QLatin1Char(',')).toDouble();
}

// The one form of numbers for learners, on every axis and in every sentence: what it states is
// the number to the figures it shows.
TEST(LearnerNumbers, StateTheNumberToTheFiguresShown) {
    EXPECT_EQ(NumberText(10'000), QStringLiteral("10,000"));
    EXPECT_EQ(NumberText(999'999), QStringLiteral("999,999"));
    EXPECT_EQ(NumberText(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(NumberText(1e6), QStringLiteral("10\u2076"));
    EXPECT_EQ(NumberText(2.5e6), QStringLiteral("2.5 \u00d7 10\u2076"));
    // 27^28, and a mantissa that rounds up into the next power.
    EXPECT_EQ(PowerOfTenText(28.0 * std::log10(27.0)), QStringLiteral("1.2 \u00d7 10\u2074\u2070"));
    EXPECT_EQ(PowerOfTenText(std::log10(9.96e7)), QStringLiteral("10\u2078"));
    EXPECT_EQ(PowerOfTenText(-3.5), QStringLiteral("3.2 \u00d7 10\u207b\u2074"));
    std::mt19937_64 draws(11);
    std::uniform_real_distribution<double> exponent(-2.0, 40.0);
    for (int i = 0; i < 2000; ++i) {
        const double value = std::pow(10.0, exponent(draws));
        const QString text = NumberText(value);
        ASSERT_FALSE(text.contains(QLatin1Char('e')) || text.contains(QLatin1Char('E')))
            << text.toStdString();
        // Three figures from a million on; below it, two decimals at most.
        const double read = ReadLearnerNumber(text);
        const double allowed = value >= 1e6 ? 0.5e-2 * value : 0.005 + 1e-12 * value;
        ASSERT_NEAR(read, value, allowed) << text.toStdString();
    }
}

// Every figure shown to people comes from one family, in the catalogue's language whatever the
// system's: counts grouped as the sentences around them expect, three figures stated to the
// figures they show, sizes in SI units.
TEST(LearnerNumbers, OneFamilyWritesEveryFigureWhateverTheSystemLocale) {
    const QLocale system;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(Grouped(6268), QStringLiteral("6,268"));
    EXPECT_EQ(Grouped(-1'234'567), QStringLiteral("-1,234,567"));
    EXPECT_EQ(ThreeFigures(3.2456), QStringLiteral("3.25"));
    EXPECT_EQ(ThreeFigures(1489.6), QStringLiteral("1,490"));
    EXPECT_EQ(ThreeFigures(0.031234), QStringLiteral("0.0312"));
    EXPECT_EQ(BytesText(1.8e9), QStringLiteral("1.8 GB"));
    EXPECT_EQ(NumberText(10'000), QStringLiteral("10,000"));
    QLocale::setDefault(system);
}

TEST(DistributionChartTest, NoTextMeetsAnotherAtAnySizeOrFace) {
    const DistributionData interrupted = [] {
        DistributionData data = Batch("THE SELECTION AGENT", {Scheme::Serial}, 30);
        data.runsRequested = 1'000'000;
        data.interrupted = true;
        return data;
    }();
    const DistributionData longPhrase = Batch(std::string(220, 'A'), {Scheme::Attenuating}, 20);
    // A guess among the runs' own marks, and one far beyond every run.
    const DistributionData guessed = [] {
        DistributionData data = ThreeSchemes();
        data.guess = 30;
        return data;
    }();
    const DistributionData farGuess = [] {
        DistributionData data = Batch("THE SELECTION AGENT", {Scheme::Serial}, 30);
        data.guess = 999'999'999'999;
        return data;
    }();
    for (const DistributionData* data :
         {&ThreeSchemes(), &interrupted, &longPhrase, &guessed, &farGuess}) {
        for (const int pixels : {9, 13, 20, 26, 39}) {
            QFont face = DefaultChartFace();
            face.setPixelSize(pixels);
            const QSize natural = DistributionChartSize(*data, face);
            // As laid out, as small as it may be, and widened by half.
            for (const QSize size : {natural, DistributionChartMinimumSize(*data, face),
                                     QSize(natural.width() * 3 / 2, natural.height())}) {
                SCOPED_TRACE(::testing::Message()
                             << data->phrase.substr(0, 20) << " at " << pixels << " px in "
                             << size.width() << "x" << size.height());
                const std::vector<DrawnText> texts = Drawn(*data, size, face);
                ASSERT_GT(texts.size(), 20U);
                EXPECT_EQ(Collisions(texts, QRectF(QPointF(0, 0), QSizeF(size))), "");
            }
        }
    }
}

// Lower than it is laid out for, and wide, the chart stands its panels side by side: in the
// least height it names for a width, every panel's plot and numbers are drawn in the area and no
// text meets another, with a guess or without and in every face.
TEST(DistributionChartTest, AWideLowAreaStandsThePanelsSideBySide) {
    DistributionData guessed = ThreeSchemes();
    guessed.guess = 30;
    const DistributionData two = Batch("METHINKS IT IS", {Scheme::Attenuating, Scheme::Serial}, 60);
    for (const DistributionData* data :
         {&ThreeSchemes(), static_cast<const DistributionData*>(&guessed), &two}) {
        for (const int pixels : {13, 26, 34}) {
            QFont face = DefaultChartFace();
            face.setPixelSize(pixels);
            const QSize natural = DistributionChartSize(*data, face);
            const int width = natural.width() * 2;
            const QSize least(width, DistributionChartHeightForWidth(*data, width, face));
            SCOPED_TRACE(::testing::Message()
                         << data->schemes.size() << " schemes at " << pixels << " px in "
                         << least.width() << "x" << least.height());
            // Far lower than one panel above another would need.
            EXPECT_LT(least.height(), DistributionChartMinimumSize(*data, face).height());
            const std::vector<DrawnText> texts = Drawn(*data, least, face);
            EXPECT_EQ(Collisions(texts, QRectF(QPointF(0, 0), QSizeF(least))), "");
            std::vector<double> headingTops;
            for (const DrawnText& drawn : texts) {
                if (drawn.text.contains(QLatin1String(" Selection: "))) {
                    headingTops.push_back(drawn.rect.top());
                }
            }
            ASSERT_EQ(headingTops.size(), data->schemes.size());
            EXPECT_EQ(*std::min_element(headingTops.begin(), headingTops.end()),
                      *std::max_element(headingTops.begin(), headingTops.end()))
                << "the headings are not side by side";
        }
    }
    // Laid out as it asks, the chart keeps its panels one above another.
    const std::vector<DrawnText> laidOut =
        Drawn(ThreeSchemes(), DistributionChartSize(ThreeSchemes()), DefaultChartFace());
    std::set<double> tops;
    for (const DrawnText& drawn : laidOut) {
        if (drawn.text.contains(QLatin1String(" Selection: "))) {
            tops.insert(drawn.rect.top());
        }
    }
    EXPECT_EQ(tops.size(), 3U);
}

TEST(DistributionChartTest, TheSizeAndTheTextsGrowWithTheFace) {
    QFont small = DefaultChartFace();
    QFont large = small;
    large.setPixelSize(small.pixelSize() * 2);
    const QSize smallSize = DistributionChartSize(ThreeSchemes(), small);
    const QSize largeSize = DistributionChartSize(ThreeSchemes(), large);
    EXPECT_EQ(smallSize.width(), 960);
    EXPECT_EQ(largeSize.width(), 1920);
    EXPECT_NEAR(largeSize.height(), 2.0 * smallSize.height(), 0.05 * smallSize.height());
    // The same text is twice as tall.
    const auto heightOf = [](const std::vector<DrawnText>& texts, const QString& text) {
        for (const DrawnText& drawn : texts) {
            if (drawn.text == text) {
                return drawn.rect.height();
            }
        }
        return 0.0;
    };
    const double smallMedian = heightOf(Drawn(ThreeSchemes(), smallSize, small), "median");
    ASSERT_GT(smallMedian, 0.0);
    EXPECT_NEAR(heightOf(Drawn(ThreeSchemes(), largeSize, large), "median"), 2.0 * smallMedian,
                1.0);
}

TEST(DistributionChartTest, EveryPanelIsLabelledOnOneScaleOfShares) {
    const std::vector<DrawnText> texts =
        Drawn(ThreeSchemes(), DistributionChartSize(ThreeSchemes()), DefaultChartFace());
    // The share axis's labels are right-aligned on one edge; each panel's run from its heading
    // to the next.
    double axisRight = 0.0;
    for (const DrawnText& drawn : texts) {
        if (drawn.text == QLatin1String("0%")) {
            axisRight = drawn.rect.right();
        }
    }
    std::vector<QStringList> perPanel;
    for (const DrawnText& drawn : texts) {
        if (drawn.text.contains(QLatin1String(" Selection: "))) {
            perPanel.emplace_back();
        } else if (!perPanel.empty() && drawn.text.endsWith(QLatin1Char('%')) &&
                   std::abs(drawn.rect.right() - axisRight) < 0.5) {
            perPanel.back() << drawn.text;
        }
    }
    ASSERT_EQ(perPanel.size(), 3U);
    EXPECT_GE(perPanel[0].size(), 3);
    EXPECT_EQ(perPanel[0].join(' ').toStdString(), perPanel[1].join(' ').toStdString());
    EXPECT_EQ(perPanel[1].join(' ').toStdString(), perPanel[2].join(' ').toStdString());
}

TEST(DistributionChartTest, TitlesSayWhatTheChartHolds) {
    DistributionData data = Batch("CAT", {Scheme::Serial}, 6268);
    data.runsRequested = 1'000'000;
    data.interrupted = true;
    EXPECT_EQ(DistributionChartTitle(data),
              QStringLiteral("Generations per run for \"CAT\": 2: Serial Selection, 6,268 of "
                             "1,000,000 runs, interrupted, seed 7"));
    data.runsRequested = 6268;
    data.interrupted = false;
    EXPECT_EQ(DistributionChartTitle(data),
              QStringLiteral("Generations per run for \"CAT\": 2: Serial Selection, 6,268 runs, "
                             "seed 7"));
}

TEST(DistributionChartTest, AGuessIsPlacedWhereTheExactLawPutsIt) {
    // Every guess from below the fewest generations to beyond the most, on laws both narrow
    // and wide: the figure is the law's share of runs that need at most the guess, rounded,
    // with its ordinal, and it never falls as the guess grows.
    const QRegularExpression placed(QStringLiteral(
        R"(^Your guess of (\d+) is at the (\d+)(st|nd|rd|th) percentile: (\d+) of every 100 runs (needs?) at most \1 generations$)"));
    const std::map<long, QString> endings = {{1, "st"},  {2, "nd"},  {3, "rd"},  {4, "th"},
                                             {11, "th"}, {12, "th"}, {13, "th"}, {21, "st"},
                                             {22, "nd"}, {23, "rd"}, {62, "nd"}, {93, "rd"}};
    std::set<long> endingsSeen;
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Sequential}) {
        for (const std::size_t length : {std::size_t{6}, std::size_t{28}}) {
            const GenerationLaw law = GenerationLaw::ForScheme(scheme, length);
            const std::int64_t last = std::min<std::int64_t>(law.Quantile(0.999), 5000);
            long previous = 0;
            for (std::int64_t guess = 2; guess <= last; ++guess) {
                const QString sentence = GuessSentence(law, guess);
                const double percent = 100.0 * law.AtMost(guess);
                SCOPED_TRACE(sentence.toStdString());
                const QRegularExpressionMatch match = placed.match(sentence);
                if (percent < 0.5 || percent >= 99.5) {
                    EXPECT_FALSE(match.hasMatch());
                    continue;
                }
                ASSERT_TRUE(match.hasMatch());
                const long figure = match.captured(2).toLong();
                EXPECT_EQ(match.captured(4).toLong(), figure);
                EXPECT_LE(std::abs(static_cast<double>(figure) - percent), 0.5);
                EXPECT_GE(figure, previous);
                EXPECT_EQ(match.captured(5), figure == 1 ? "needs" : "need");
                if (const auto ending = endings.find(figure); ending != endings.end()) {
                    EXPECT_EQ(match.captured(3), ending->second);
                    endingsSeen.insert(figure);
                }
                previous = figure;
            }
        }
    }
    EXPECT_GE(endingsSeen.size(), 8U) << "the sweep must pass the ordinals that differ";

    // The edges: a guess no run can meet, one almost none meets, one almost every run meets,
    // and one beyond every run the law can tell apart.
    const GenerationLaw wide = GenerationLaw::LockedLetter(28);
    EXPECT_EQ(GuessSentence(wide, 0),
              "Your guess of 0 is below every run: 0 of every 100 runs need at most 0 "
              "generations");
    ASSERT_GT(wide.AtMost(1), 0.0);
    EXPECT_EQ(GuessSentence(wide, 1),
              "Your guess of 1 is below the 1st percentile: fewer than 1 of every 100 runs need "
              "at most 1 generation");
    ASSERT_GT(wide.AtMost(150), 0.995);
    ASSERT_LT(wide.AtMost(150), 1.0);
    EXPECT_EQ(GuessSentence(wide, 150),
              "Your guess of 150 is above the 99th percentile: more than 99 of every 100 runs "
              "need at most 150 generations");
    const GenerationLaw narrow = GenerationLaw::LockedLetter(3);
    ASSERT_EQ(narrow.MoreThan(1'000'000), 0.0);
    EXPECT_EQ(GuessSentence(narrow, 1'000'000),
              "Your guess of 1,000,000 is above every run: 100 of every 100 runs need at most "
              "1,000,000 generations");
}

TEST(DistributionChartTest, AGuessIsMarkedInEveryPanelAndPlacedUnderItsHeading) {
    DistributionData data = ThreeSchemes();
    data.guess = 30;
    const std::vector<DrawnText> texts =
        Drawn(data, DistributionChartSize(data), DefaultChartFace());
    const auto count = [&](const QString& text) {
        return std::count_if(texts.begin(), texts.end(),
                             [&](const DrawnText& drawn) { return drawn.text == text; });
    };
    EXPECT_EQ(count(QStringLiteral("your guess")), 3);
    // Each scheme's own sentence, by its own law, under its own heading: schemes 1 and 2 share
    // a law, scheme 3 has another.
    QStringList expected;
    for (const SchemeRuns& runs : data.schemes) {
        expected << QString::fromStdString(std::string(SchemeCaption(runs.scheme)))
                 << GuessSentence(GenerationLaw::ForScheme(runs.scheme, data.phrase.size()), 30);
    }
    QStringList headingsAndSentences;
    for (const DrawnText& drawn : texts) {
        if (drawn.text.contains(QStringLiteral(" Selection: 200 runs")) ||
            drawn.text.startsWith(QStringLiteral("Your guess of"))) {
            headingsAndSentences << drawn.text.section(QStringLiteral(": 200 runs"), 0, 0);
        }
    }
    EXPECT_EQ(headingsAndSentences, expected);
    EXPECT_NE(expected[1], expected[5]);
    // Without a guess there is no mark and no sentence.
    const std::vector<DrawnText> plain =
        Drawn(ThreeSchemes(), DistributionChartSize(ThreeSchemes()), DefaultChartFace());
    EXPECT_TRUE(std::none_of(plain.begin(), plain.end(), [](const DrawnText& drawn) {
        return drawn.text.contains(QStringLiteral("guess"), Qt::CaseInsensitive);
    }));
}

TEST(DistributionChartTest, BlindSearchIsWrittenAsStepTwoWritesIt) {
    for (const std::size_t length : {3U, 28U, 215U, 216U, 400U}) {
        SCOPED_TRACE(length);
        DistributionData data;
        data.phrase = std::string(length, 'A');
        data.runsRequested = 1;
        data.seedText = "seed 1";
        data.schemes.push_back({Scheme::Serial, {40}, {800}});
        QString blind;
        for (const DrawnText& drawn :
             Drawn(data, DistributionChartSize(data), DefaultChartFace())) {
            if (drawn.text.startsWith(QLatin1String("27^"))) {
                blind = drawn.text;
            }
        }
        const SearchSpaceTexts stepTwo =
            DescribeSearchSpace(EstimateSearchSpace(static_cast<std::int64_t>(length), 1));
        EXPECT_TRUE(blind.startsWith(QStringLiteral("27^%1 = %2 strings expected, ")
                                         .arg(length)
                                         .arg(QString::fromStdString(stepTwo.distinctStrings))))
            << blind.toStdString();
        EXPECT_FALSE(blind.contains(QLatin1String("inf"))) << blind.toStdString();
        EXPECT_FALSE(blind.contains(QLatin1String("e+"))) << blind.toStdString();
    }
}

/// The words an SVG draws as text, one space between runs.
QString VisibleText(const QByteArray& svg) {
    QXmlStreamReader reader(svg);
    QString words;
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("text")) {
            ++depth;
            words += QLatin1Char(' ');
        } else if (reader.isEndElement() && reader.name() == QLatin1String("text")) {
            --depth;
        } else if (reader.isCharacters() && depth > 0) {
            words += reader.text();
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return words.simplified();
}

/// The share of the width and of the height that the non-white pixels of `image` span.
QSizeF Spread(const QImage& image) {
    int left = image.width();
    int right = -1;
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 0 &&
                (qRed(pixel) < 240 || qGreen(pixel) < 240 || qBlue(pixel) < 240)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return {0.0, 0.0};
    }
    return {(right - left + 1.0) / image.width(), (bottom - top + 1.0) / image.height()};
}

QString Save(const QString& path, const DistributionData& data,
             const QFont& face = DefaultChartFace()) {
    return SaveChart(path, DistributionChartSize(data, face), DistributionChartTitle(data),
                     [&](QPainter& painter, const QRectF& area) {
                         PaintDistributionChart(painter, area, data, face);
                     });
}

TEST(DistributionChartTest, SavedChartsDrawAllOfItInEveryRenderer) {
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("chart.png"));
    const QString svg = folder.filePath(QStringLiteral("chart.svg"));
    ASSERT_EQ(Save(png, ThreeSchemes()), QString());
    ASSERT_EQ(Save(svg, ThreeSchemes()), QString());
    const QString title = DistributionChartTitle(ThreeSchemes());

    QImage image;
    ASSERT_TRUE(image.load(png, "PNG"));
    EXPECT_EQ(image.size(), DistributionChartSize(ThreeSchemes()) * 2);
    EXPECT_EQ(image.text(QStringLiteral("Title")), title);
    EXPECT_GE(Spread(image).width(), 0.6);
    EXPECT_GE(Spread(image).height(), 0.6);

    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray drawing = file.readAll();
    EXPECT_TRUE(VisibleText(drawing).contains(title)) << VisibleText(drawing).toStdString();
    // Hatching drawn as lines: a pattern fill is dropped by some renderers.
    EXPECT_FALSE(drawing.contains("<pattern")) << "pattern fills do not draw everywhere";

    QSvgRenderer renderer(drawing);
    ASSERT_TRUE(renderer.isValid());
    const QImage byQt = testing::DrawnByQt(renderer);
    EXPECT_GE(Spread(byQt).width(), 0.6);
    EXPECT_GE(Spread(byQt).height(), 0.6);

    const QString converter = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (converter.isEmpty()) {
        GTEST_SKIP() << "rsvg-convert is not installed (scripts/setup.sh installs it)";
    }
    const QString byRsvgPath = folder.filePath(QStringLiteral("rsvg.png"));
    ASSERT_EQ(QProcess::execute(converter, {QStringLiteral("-b"), QStringLiteral("white"),
                                            QStringLiteral("-o"), byRsvgPath, svg}),
              0);
    QImage byRsvg;
    ASSERT_TRUE(byRsvg.load(byRsvgPath));
    EXPECT_GE(Spread(byRsvg).width(), 0.6);
    EXPECT_GE(Spread(byRsvg).height(), 0.6);
    // Both draw the bars: coloured pixels in like measure.
    const auto coloured = [](const QImage& drawn) {
        const QImage rgb = drawn.convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < rgb.height(); ++y) {
            for (int x = 0; x < rgb.width(); ++x) {
                const QColor c(rgb.pixel(x, y));
                count += c.saturation() > 80 ? 1 : 0;
            }
        }
        return count;
    };
    const int qtColoured = coloured(byQt.scaled(byRsvg.size()));
    EXPECT_GT(qtColoured, 1000);
    EXPECT_NEAR(coloured(byRsvg), qtColoured, 0.25 * qtColoured);
}

/// A device that takes `room` bytes and then refuses, as a full disk does.
class FullDevice : public QIODevice {
public:
    explicit FullDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override {
        if (written_ + length > room_) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        written_ += length;
        return length;
    }

private:
    qint64 room_;
    qint64 written_ = 0;
};

TEST(DistributionChartTest, AWriteThatFailsIsReported) {
    const DistributionData& data = ThreeSchemes();
    for (const ChartFormat format : {ChartFormat::Png, ChartFormat::Svg}) {
        FullDevice device(4096);
        const QString problem =
            WriteChart(device, format, DistributionChartSize(data), DistributionChartTitle(data),
                       [&](QPainter& painter, const QRectF& area) {
                           PaintDistributionChart(painter, area, data);
                       });
        EXPECT_FALSE(problem.isEmpty()) << static_cast<int>(format);
    }
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Data smaller than the file's own buffer, whose first write only fills the buffer, and charts
// larger than it: either way a full disk leaves the earlier file byte for byte, says the
// system's reason and leaves nothing half-written beside it.
TEST(DistributionChartTest, AFullDiskLeavesTheEarlierFileAsItWasAndSaysWhy) {
    const QTemporaryDir place;
    const std::filesystem::path folder = place.path().toStdString();
    const testing::FullDiskFolder disk(folder / "small", 8192);
    const QByteArray earlier("the earlier file\n");
    const QByteArray data(qsizetype{12} * 1024, 'd');
    const DistributionData& chart = ThreeSchemes();
    const std::vector<std::pair<QString, std::function<QString(const QString&)>>> saves = {
        {QStringLiteral("runs.csv"),
         [&](const QString& path) { return SaveWholeFile(path, data); }},
        {QStringLiteral("chart.png"), [&](const QString& path) { return Save(path, chart); }},
        {QStringLiteral("chart.svg"), [&](const QString& path) { return Save(path, chart); }},
    };
    const QDir small(QString::fromStdString((folder / "small").string()));
    for (const auto& [name, save] : saves) {
        SCOPED_TRACE(name.toStdString());
        const QString path = small.filePath(name);
        ASSERT_EQ(SaveWholeFile(path, earlier), QString());
        EXPECT_EQ(save(path), QString::fromStdString(disk.Reason()));
        EXPECT_EQ(Contents(path), earlier);
        EXPECT_EQ(small.entryList(QDir::Files), QStringList{name})
            << "nothing half-written is left beside it";
        QFile::remove(path);
    }
}

} // namespace
} // namespace quarrow::plot
