#include "analysis/evolution_feed.h"
#include "engine/exact_law.h"
#include "engine/generation_log.h"
#include "engine/selection.h"
#include "plot/catalogue.h"
#include "plot/learner_numbers.h"
#include "tests/engine/reference_runs.h"
#include "tests/support/memory_log_sink.h"
#include "tests/support/small_filesystem.h"
#include "tests/ui/window/window_fixture.h"
#include "ui/common/box_text.h"
#include "ui/common/cost_text.h"
#include "ui/common/task_runner.h"
#include "ui/common/zoom.h"
#include "ui/live/blind_search_lane.h"
#include "ui/live/evolution_view.h"
#include "ui/live/fitness_chart.h"
#include "ui/live/offspring_panel.h"
#include "ui/repeat/repeat_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <functional>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace quarrow::testing {
namespace {

// A sequential run on 40 letters takes some 10^11 generations on average: it runs until cancelled.
constexpr char kEndlessTarget[] = "CUMULATIVE SELECTION IS FAST AND PATIENT";
constexpr char kEndlessFirst[] = "QWERTYUIOPASDFGHJKLZXCVBNMQWERTYUIOPASDF";
static_assert(sizeof kEndlessTarget == 41 && sizeof kEndlessFirst == 41);
constexpr std::uint64_t kSeed = 0x5eed;

struct Outcome {
    RunResult result;
    std::string log;
    std::uint64_t generatorState = 0;
};

Outcome RunPlain(Scheme scheme, const std::string& target, const std::string& first) {
    Generator generator(kSeed);
    MemoryLogSink log;
    const std::atomic<bool> cancel{false};
    const RunEnvironment environment{generator, SystemMonotonic(), log, cancel};
    Outcome outcome;
    outcome.result = RunScheme(scheme, target, first, environment);
    outcome.log = log.Text();
    outcome.generatorState = generator.State();
    return outcome;
}

/// Runs a scheme on the worker with `view` watching, as the window does; `during` is called on
/// the UI thread every 10 ms of the run with the milliseconds since it began. The log is kept in
/// memory, or written to `fileLog`.
Outcome RunWatched(EvolutionView* view, Scheme scheme, const std::string& target,
                   const std::string& first, const std::function<void(qint64)>& during = {},
                   LogSink* fileLog = nullptr) {
    Generator generator(kSeed);
    MemoryLogSink memoryLog;
    LogSink& log = fileLog != nullptr ? *fileLog : memoryLog;
    Outcome outcome;
    TaskRunner run;
    run.SetDialogDelay(std::chrono::milliseconds(50));
    QObject::connect(view, &EvolutionView::CancelRequested, &run, [&run] { run.Stop(); });
    QElapsedTimer clock;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (during) {
            during(clock.elapsed());
        }
    });
    clock.start();
    tick.start();
    bool ended = false;
    run.Start<RunResult>(
        [&](const TaskRunner::Cancel& cancel) {
            const RunEnvironment environment{generator, SystemMonotonic(), log, cancel};
            return RunScheme(scheme, target, first, view->Feed().Attach(environment));
        },
        [&](const TaskEnd<RunResult>& end) {
            outcome.result = end.result.value_or(RunResult{});
            ended = true;
        },
        TaskWatch{
            .progress = [view] { view->Refresh(); }, .dialog = view, .dialogBlocksWindow = false});
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended; }, 120'000));
    tick.stop();
    outcome.log = memoryLog.Text();
    outcome.generatorState = generator.State();
    return outcome;
}

/// Chooses slow motion (at the rate the feed has) or full speed with the view's Speed box.
void ChooseSlowMotion(EvolutionView* view, bool slow) {
    auto* speed = view->findChild<QComboBox*>(QStringLiteral("speedBox"));
    const double rate = view->Feed().SlowMotionRate();
    speed->setCurrentIndex(slow ? speed->findData(EvolutionFeed::kDefaultSlowMotionRate)
                                : speed->findData(0.0));
    view->Feed().SetSlowMotionRate(rate);
}

bool SlowMotionChosen(EvolutionView* view) {
    return view->findChild<QComboBox*>(QStringLiteral("speedBox"))->currentData().toDouble() > 0;
}

void ExpectSameRun(const Outcome& plain, const Outcome& watched) {
    EXPECT_EQ(watched.result.outcome, plain.result.outcome);
    EXPECT_EQ(watched.result.numMutations, plain.result.numMutations);
    EXPECT_EQ(watched.result.numTotal, plain.result.numTotal);
    EXPECT_EQ(watched.result.symbolsDrawn, plain.result.symbolsDrawn);
    EXPECT_EQ(watched.generatorState, plain.generatorState);
    EXPECT_EQ(watched.log, plain.log);
}

class ViewTest : public ::testing::Test {
protected:
    // Each test starts at full speed, and with views that go after their run.
    ViewChoices choices{.keepOpen = false, .slowMotion = false, .keptView = {}};

    static QPushButton* Cancel(EvolutionView* view) {
        return view->findChild<QPushButton*>(QStringLiteral("cancelButton"));
    }
};

TEST(MarkedLetters, MarksRightLettersBoldUnderlinedAndColouredAndEscapesTheRest) {
    const QString marked = MarkedLetters(QStringLiteral("CXT A"), QStringLiteral("CAT A"));
    const QString open = QStringLiteral("<b><u><span style=\"color:#1a7f37\">");
    const QString close = QStringLiteral("</span></u></b>");
    EXPECT_EQ(marked, open + "C" + close + "X" + open + "T&nbsp;A" + close);
    EXPECT_EQ(MarkedLetters(QStringLiteral("<&>"), QString()), QStringLiteral("&lt;&amp;&gt;"));
    // Long strings wrap every 50 letters and are cut after four rows.
    const QString longText(300, QLatin1Char('Q'));
    const QString rows = MarkedLetters(longText, QString());
    EXPECT_EQ(rows.count(QStringLiteral("<br>")), 3);
    EXPECT_TRUE(rows.endsWith(QStringLiteral("&hellip;")));
}

TEST_F(ViewTest, AWatchedRunComputesAndLogsExactlyWhatAnUnwatchedOneDoes) {
    const SchemeRun runs[] = {
        {Scheme::Attenuating, "ADAPTATION", "ABCDEFGHIJ"},
        {Scheme::Serial, "ADAPTATION", "ABCDEFGHIJ"},
        {Scheme::Sequential, "BEETLE", "QXZJRB"},
    };
    for (const SchemeRun& run : runs) {
        SCOPED_TRACE(static_cast<int>(run.scheme));
        const Outcome plain = RunPlain(run.scheme, run.target, run.first);
        ASSERT_EQ(plain.result.outcome, RunOutcome::Matched);
        ASSERT_GT(plain.result.numMutations, 1);

        // At full speed, then in (fast) slow motion, which reports every generation.
        for (const bool slow : {false, true}) {
            auto* view = new EvolutionView(QString::fromStdString(run.target),
                                           QString::fromStdString(run.first), run.scheme, choices);
            view->Feed().SetSlowMotionRate(5000.0);
            ChooseSlowMotion(view, slow);
            const Outcome watched = RunWatched(view, run.scheme, run.target, run.first);
            ExpectSameRun(plain, watched);
            EXPECT_EQ(view->Shown().generation, plain.result.numMutations);
            if (slow) {
                EXPECT_GE(view->Shown().reports,
                          static_cast<std::uint64_t>(plain.result.numMutations));
            }
            EXPECT_EQ(view->Shown().logBytes, plain.log.size());
            // Even a run of microseconds draws its whole climb, not just its end.
            EXPECT_GE(view->ChartPointCount(), 3);
            EXPECT_FALSE(view->FinishRun(RunOutcome::Matched));

            // Where the run falls, from the exact law of its scheme and length.
            const double share = GenerationLaw::ForScheme(run.scheme, run.target.size())
                                     .AtMost(watched.result.numMutations);
            EXPECT_EQ(view->RunPlaceText(),
                      QStringLiteral("This run took %1 generations; %2% of runs take at most that "
                                     "many.")
                          .arg(watched.result.numMutations)
                          .arg(std::lround(share * 100.0)));
            // The data hold a row for each generation, strings counted as the run counts them,
            // and for schemes 1 and 2 the right letters of the parent its log line shows.
            const QTemporaryDir folder;
            const QString path = folder.filePath(QStringLiteral("run.csv"));
            ASSERT_EQ(view->SaveData(path), QString());
            QFile data(path);
            ASSERT_TRUE(data.open(QIODevice::ReadOnly));
            const QList<QByteArray> rows = data.readAll().trimmed().split('\n');
            ASSERT_EQ(rows.size(), watched.result.numMutations + 1);
            // Scheme 3's column holds the prefix a generation reached, and is named for it.
            EXPECT_EQ(rows.front(), run.scheme == Scheme::Sequential
                                        ? QByteArray("generation,prefix_reached,strings")
                                        : QByteArray("generation,letters_right,strings"));
            const QList<QByteArray> lastRow = rows.back().split(',');
            EXPECT_EQ(lastRow[0].toLongLong(), watched.result.numMutations);
            EXPECT_EQ(lastRow[2].toLongLong(), watched.result.numTotal);
            const QList<QByteArray> logLines = QByteArray::fromStdString(plain.log).split('\n');
            for (qsizetype g = 1; g < rows.size() - 1 && run.scheme != Scheme::Sequential; ++g) {
                const QList<QByteArray> fields = rows[g].split(',');
                const QByteArray parent =
                    logLines[g - 1].left(static_cast<qsizetype>(run.target.size()));
                qsizetype right = 0;
                for (qsizetype j = 0; j < parent.size(); ++j) {
                    right += parent[j] == run.target[static_cast<std::size_t>(j)] ? 1 : 0;
                }
                EXPECT_EQ(fields[0].toLongLong(), g);
                EXPECT_EQ(fields[1].toLongLong(), right) << "generation " << g;
                EXPECT_EQ(fields[2].toLongLong(), 20 * g);
            }
            // A place that cannot be written says why.
            EXPECT_FALSE(
                view->SaveData(folder.filePath(QStringLiteral("missing/run.csv"))).isEmpty());

            // Blind search made as many strings as the run, and says so.
            const auto* blind = view->findChild<BlindSearchLane*>();
            EXPECT_EQ(blind->Search().Strings(), watched.result.numTotal);
            EXPECT_TRUE(blind->EndingText().startsWith(
                QStringLiteral("Blind search made %1 strings; its best has %2 of %3 letters right.")
                    .arg(Grouped(watched.result.numTotal))
                    .arg(blind->Search().BestRight())
                    .arg(run.target.size())))
                << blind->EndingText().toStdString();
            delete view;
        }
    }
}

// The caption, the string and the figures read as three things at every size: each ends well
// before the next begins, by a gap that grows with the text.
TEST(BlindSearchLaneTest, ItsPartsStayApartAtEveryZoom) {
    BlindSearchLane lane(QStringLiteral("METHINKS IT IS LIKE A WEASEL"), 1);
    lane.Follow(500, std::chrono::seconds(5));
    lane.show();
    for (const double factor : {1.0, 2.0}) {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * factor);
        lane.setFont(font);
        lane.adjustSize();
        lane.layout()->activate();
        std::vector<const QLabel*> parts;
        for (const QLabel* label : lane.findChildren<QLabel*>()) {
            if (label->isVisible()) {
                parts.push_back(label);
            }
        }
        ASSERT_EQ(parts.size(), 3U);
        std::sort(parts.begin(), parts.end(), [](const QLabel* a, const QLabel* b) {
            return a->geometry().left() < b->geometry().left();
        });
        const int space = QFontMetrics(font).averageCharWidth();
        for (std::size_t i = 1; i < parts.size(); ++i) {
            EXPECT_GE(parts[i]->geometry().left() - parts[i - 1]->geometry().right() - 1, space)
                << "at " << factor << "x, after \"" << parts[i - 1]->text().toStdString() << '"';
        }
    }
}

// After a run, a lane that is far behind catches up in slices between the window's other work
// (a string of a long target takes milliseconds), then says what it made; one that is nearly
// there catches up at once.
TEST(BlindSearchLaneTest, ItFinishesARunWithoutHoldingTheWindowUp) {
    BlindSearchLane near(QStringLiteral("METHINKS IT IS LIKE A WEASEL"), 1);
    near.Finish(500, std::chrono::milliseconds(20), std::chrono::milliseconds(500));
    EXPECT_TRUE(near.Finished());
    EXPECT_EQ(near.Search().Strings(), 500);

    BlindSearchLane far(QString(200'000, QLatin1Char('Q')), 1);
    far.Finish(1'000'000'000, std::chrono::milliseconds(5), std::chrono::milliseconds(300));
    EXPECT_FALSE(far.Finished());
    const std::int64_t atOnce = far.Search().Strings();
    int turns = 0;
    QTimer window;
    QObject::connect(&window, &QTimer::timeout, [&] { ++turns; });
    window.start(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return far.Finished(); }, 5000));
    EXPECT_GE(turns, 10) << "the window's own work ran while the lane caught up";
    EXPECT_GT(far.Search().Strings(), atOnce);
    EXPECT_TRUE(far.EndingText().startsWith(
        QStringLiteral("Blind search made %1 strings").arg(Grouped(far.Search().Strings()))));
}

// The lane's best of N random strings follows the law of the best of N binomial counts:
// P(best <= k) = F(k)^N, with F the chance that one string has at most k letters right.
TEST(BlindSearch, TheBestOfNStringsFollowsItsLaw) {
    constexpr std::size_t kLength = 6;
    constexpr std::int64_t kStrings = 40;
    constexpr int kLanes = 4000;
    const std::string target = "WEASEL";
    std::mt19937_64 seeds(7);
    std::vector<int> atMost(kLength + 1, 0);
    for (int lane = 0; lane < kLanes; ++lane) {
        BlindSearch search(target, seeds());
        ASSERT_TRUE(search.CatchUp(kStrings, std::chrono::seconds(10)));
        ASSERT_EQ(search.Strings(), kStrings);
        // The best it states is the best it holds.
        std::size_t right = 0;
        for (std::size_t i = 0; i < kLength; ++i) {
            right += search.Best()[i] == target[i] ? 1U : 0U;
        }
        ASSERT_EQ(right, search.BestRight());
        for (std::size_t k = search.BestRight(); k <= kLength; ++k) {
            ++atMost[k];
        }
    }
    const double p = 1.0 / 27.0;
    double single = 0.0;
    for (std::size_t k = 0; k < kLength; ++k) {
        const auto right = static_cast<double>(k);
        const auto wrong = static_cast<double>(kLength - k);
        single += std::tgamma(right + wrong + 1.0) /
                  (std::tgamma(right + 1.0) * std::tgamma(wrong + 1.0)) * std::pow(p, right) *
                  std::pow(1.0 - p, wrong);
        const double expected = std::pow(single, static_cast<double>(kStrings));
        const double observed = static_cast<double>(atMost[k]) / kLanes;
        const double sigma = std::sqrt(expected * (1.0 - expected) / kLanes);
        EXPECT_NEAR(observed, expected, 4.0 * sigma + 1e-9) << "best at most " << k;
    }
    // A lane that is out of time says so and stays where it got to.
    BlindSearch slow(target, 1);
    EXPECT_FALSE(slow.CatchUp(std::int64_t{1} << 40, std::chrono::milliseconds(5)));
    EXPECT_GT(slow.Strings(), 0);
    EXPECT_GT(slow.Rate(), 0.0);
}

TEST(BlindSearch, ItsSentenceStatesTheCostOfMatchingTheWholeTarget) {
    // 27^9 strings at a rate that makes them in two days.
    const double rate = std::pow(27.0, 9) / (2.0 * 86400.0);
    EXPECT_EQ(DescribeBlindSearch(1381, 3, 9, rate),
              QStringLiteral("Blind search made 1,381 strings; its best has 3 of 9 letters right. "
                             "Matching all 9 would take on average 27\u2079 = 7.6 \u00d7 "
                             "10\u00b9\u00b2 strings: about 2.00 days at this computer's "
                             "rate."));
    EXPECT_EQ(DescribeBlindStrings(3), QStringLiteral("19,683"));
    EXPECT_EQ(DescribeBlindStrings(28), QStringLiteral("1.2 \u00d7 10\u2074\u2070"));
    // Past any duration a clock could show, in years as a power of ten.
    EXPECT_TRUE(DescribeBlindSearch(10, 5, 28, 1.0e7)
                    .endsWith(QStringLiteral("about 3.8 \u00d7 10\u00b2\u2075 years at this "
                                             "computer's rate.")))
        << DescribeBlindSearch(10, 5, 28, 1.0e7).toStdString();
    // Every figure of it in the forms of the language shown.
    plot::Catalogue& catalogue = *plot::Catalogue::Of(*QCoreApplication::instance());
    ASSERT_TRUE(catalogue.Use(QStringLiteral("de")));
    const QString german = DescribeBlindSearch(12345, 5, 28, 1.0e7);
    ASSERT_TRUE(catalogue.Use(QStringLiteral("en")));
    EXPECT_TRUE(german.contains(QStringLiteral("12.345")) &&
                german.contains(QStringLiteral("1,2 \u00d7 10\u2074\u2070")) &&
                german.contains(QStringLiteral("3,8 \u00d7 10\u00b2\u2075")))
        << german.toStdString();
}

// A one-letter target is found by chance within a few dozen strings: the lane stops at the
// string that matched, shows it, and its closing sentence says it found the target.
TEST(BlindSearchLaneTest, ALaneThatFindsTheTargetStopsThereAndSaysSo) {
    BlindSearchLane lane(QStringLiteral("Q"), 5);
    lane.Follow(100'000, std::chrono::seconds(5));
    const BlindSearch& search = lane.Search();
    ASSERT_TRUE(search.Found());
    EXPECT_EQ(search.Best(), "Q");
    EXPECT_LT(search.Strings(), 100'000);
    const std::int64_t foundAt = search.Strings();
    lane.Follow(200'000, std::chrono::seconds(5));
    EXPECT_EQ(search.Strings(), foundAt);
    EXPECT_EQ(lane.findChild<QLabel*>(QStringLiteral("blindSearchFigures"))->text(),
              QStringLiteral("found the target at string %1").arg(Grouped(foundAt)));
    EXPECT_EQ(lane.EndingText(),
              QStringLiteral("Blind search found the target at string %1; on average a blind "
                             "search needs 27\u00b9 = 27 strings to match it.")
                  .arg(Grouped(foundAt)));
}

TEST_F(ViewTest, ALongRunKeepsTheChartBoundedOnALogarithmicAxis) {
    auto* view = new EvolutionView(QString::fromLatin1(kEndlessTarget),
                                   QString::fromLatin1(kEndlessFirst), Scheme::Sequential, choices);
    // Cancelled once well past the generation where the axis turns logarithmic (about a second
    // at full speed), however long a busy machine takes to get there.
    constexpr std::int64_t kEnough = 40 * EvolutionView::kLogAxisFromGeneration;
    EvolutionSnapshot snapshot;
    const Outcome watched =
        RunWatched(view, Scheme::Sequential, kEndlessTarget, kEndlessFirst, [&](qint64 ms) {
            view->Feed().Take(0, snapshot);
            if (snapshot.generation > kEnough || ms > 30000) {
                Cancel(view)->click();
            }
        });
    EXPECT_EQ(watched.result.outcome, RunOutcome::Cancelled);
    view->Refresh();
    EXPECT_GT(view->Shown().generation, 20 * EvolutionView::kLogAxisFromGeneration);
    EXPECT_TRUE(view->LogarithmicAxis());
    EXPECT_GT(view->ChartPointCount(), 1);
    // Each point may add the start of its stretch to the outline drawn.
    EXPECT_LE(view->ChartPointCount(), 2 * static_cast<int>(FitnessHistory::kDefaultMaxPoints));
    delete view;
}

TEST_F(ViewTest, OnceTheLogsDiskIsFullTheViewShowsTheSizeThatReachedTheFile) {
    // Scheme 3's endless run fills its buffer and fails while it runs; scheme 2's short run on
    // long strings fails only as its last lines are written out on closing, after its last
    // report. Latin-1 letters take two bytes each in the file.
    struct Case {
        Scheme scheme;
        std::string target;
        std::string first;
        std::size_t buffer;
    };
    const std::vector<Case> cases = {
        {Scheme::Sequential, kEndlessTarget, kEndlessFirst, std::size_t{64} * 1024},
        {Scheme::Serial, std::string(400, 'Q'), std::string(400, '\xC9'),
         FileLogSink::kDefaultBufferSize},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.scheme));
        const FullDiskFolder disk(std::filesystem::path(folder.path().toStdString()) / "small",
                                  std::size_t{16} * 1024);
        const std::filesystem::path file = disk.File("hold.txt");
        FileLogSink log(file.string(), c.buffer);
        auto* view = new EvolutionView(
            QString::fromLatin1(c.target.data(), static_cast<qsizetype>(c.target.size())),
            QString::fromLatin1(c.first.data(), static_cast<qsizetype>(c.first.size())), c.scheme,
            choices);
        const Outcome watched = RunWatched(view, c.scheme, c.target, c.first, {}, &log);
        ASSERT_EQ(watched.result.outcome, RunOutcome::LogFailed);
        view->Refresh();
        const auto size = std::filesystem::file_size(file);
        ASSERT_GT(size, 0U);
        EXPECT_EQ(view->Shown().logBytes, size);
        EXPECT_TRUE(view->LabelText().contains(
            QStringLiteral("Log file size: %1").arg(DescribeBytes(static_cast<double>(size)))))
            << view->LabelText().toStdString();
        delete view;
    }
}

/// The drawn outline's highest (or lowest) value at `generation`: where the outline steps there,
/// both ends of the step count.
double OutlineAt(const QList<QPointF>& outline, double generation, bool highest) {
    std::optional<double> found;
    for (qsizetype i = 1; i < outline.size(); ++i) {
        const QPointF a = outline[i - 1];
        const QPointF b = outline[i];
        const double slack = 1e-9 * std::max(1.0, generation);
        if (a.x() - slack <= generation && generation <= b.x() + slack) {
            for (const double y : {a.y(), b.y()}) {
                found = !found ? y : highest ? std::max(*found, y) : std::min(*found, y);
            }
        }
    }
    return found.value_or(std::nan(""));
}

// A sequential run of a hundred million generations, reported one by one at first and then
// every 50,000: each generation's prefix rises and falls. However much the curve was thinned,
// the chart draws only what was sampled: every sample lies inside the drawn band at its own
// generation, and the outline is made of steps, never a slant across generations it holds
// nothing of.
TEST(FitnessChartTest, ALongNoisyRunIsDrawnAsTheRangeItHeldNeverAsALineAcrossIt) {
    FitnessHistory history;
    std::mt19937 noise(3);
    std::vector<FitnessPoint> samples;
    for (std::int64_t generation = 1; generation <= 100'000'000;
         generation += generation < 2000 ? 1 : 50'000) {
        const auto reached = static_cast<double>(std::geometric_distribution<int>(0.47)(noise));
        samples.push_back({generation, std::min(reached, 27.0), 0.0, 0.0});
        history.Add(generation, samples.back().matched);
    }
    ASSERT_LE(history.Points().size(), FitnessHistory::kDefaultMaxPoints);
    FitnessChart chart(LivePresenter::Prefix, 28);
    chart.resize(800, 500);
    chart.SetCurves(history.Points(), {});
    ASSERT_TRUE(chart.Logarithmic());
    const QList<QPointF> top = chart.CurveTop();
    const QList<QPointF> bottom = chart.CurveBottom();
    for (const QList<QPointF>* outline : {&top, &bottom}) {
        ASSERT_GT(outline->size(), 2);
        EXPECT_NEAR(outline->front().x(), 1.0, 1e-6);
        for (qsizetype i = 1; i < outline->size(); ++i) {
            const QPointF a = (*outline)[i - 1];
            const QPointF b = (*outline)[i];
            EXPECT_TRUE(std::abs(a.x() - b.x()) <= 1e-6 * b.x() || a.y() == b.y())
                << "a slant from generation " << a.x() << " to " << b.x();
        }
    }
    for (std::size_t i = 0; i < samples.size(); i += 7) {
        const auto generation = static_cast<double>(samples[i].generation);
        EXPECT_GE(OutlineAt(top, generation, true), samples[i].matched) << generation;
        EXPECT_LE(OutlineAt(bottom, generation, false), samples[i].matched) << generation;
    }
    // The generations axis reads in the window's own numbers, decade by decade.
    const auto* view = chart.findChild<QChartView*>(QStringLiteral("fitnessChart"));
    QStringList labels;
    for (QAbstractAxis* axis : view->chart()->axes(Qt::Horizontal)) {
        if (auto* decades = qobject_cast<QCategoryAxis*>(axis)) {
            labels = decades->categoriesLabels();
        }
    }
    EXPECT_EQ(labels, (QStringList{"1", "10", "100", "1,000", "10,000", "100,000",
                                   plot::NumberText(1e6), plot::NumberText(1e7)}));
}

TEST_F(ViewTest, SlowMotionPacesTheRunAndCancelStopsItAtOnce) {
    constexpr double kRate = 20.0;
    auto* view = new EvolutionView(QString::fromLatin1(kEndlessTarget),
                                   QString::fromLatin1(kEndlessFirst), Scheme::Sequential, choices);
    view->Feed().SetSlowMotionRate(kRate);
    ChooseSlowMotion(view, true);

    struct Sample {
        qint64 ms;
        std::int64_t generation;
    };
    std::vector<Sample> paced;
    std::int64_t afterFullSpeed = 0;
    double pacedElapsed = 0.0;
    qint64 cancelledAt = -1;
    QElapsedTimer sinceCancel;
    EvolutionSnapshot snapshot;
    const Outcome watched =
        RunWatched(view, Scheme::Sequential, kEndlessTarget, kEndlessFirst, [&](qint64 ms) {
            view->Feed().Take(0, snapshot);
            if (ms < 1500) {
                paced.push_back({ms, snapshot.generation});
                pacedElapsed = snapshot.elapsedSeconds;
            } else if (ms < 1800) {
                // Back to full speed for a moment...
                ChooseSlowMotion(view, false);
                afterFullSpeed = snapshot.generation;
            } else if (cancelledAt < 0) {
                // ...then slow again, and cancelled while it waits for its next generation.
                ChooseSlowMotion(view, true);
                if (ms > 2000 && view->isVisible()) {
                    cancelledAt = ms;
                    sinceCancel.start();
                    QTest::mouseClick(Cancel(view), Qt::LeftButton);
                }
            }
        });
    const qint64 cancelTook = sinceCancel.elapsed();
    ASSERT_GE(cancelledAt, 0);
    EXPECT_EQ(watched.result.outcome, RunOutcome::Cancelled);
    EXPECT_LT(cancelTook, 300);

    // Measured from the first generation on, over more than a second.
    const auto first =
        std::find_if(paced.begin(), paced.end(), [](const Sample& s) { return s.generation >= 1; });
    ASSERT_NE(first, paced.end());
    const Sample& last = paced.back();
    const double seconds = static_cast<double>(last.ms - first->ms) / 1000.0;
    ASSERT_GT(seconds, 1.0);
    const double rate = static_cast<double>(last.generation - first->generation) / seconds;
    EXPECT_GT(rate, kRate * 0.8);
    EXPECT_LT(rate, kRate * 1.1);
    EXPECT_GT(afterFullSpeed - last.generation, 1000);
    // The figures keep time while paced, though the engine reads its clock only now and then.
    EXPECT_GT(pacedElapsed, 1.3);
    delete view;
}

// Paused before it starts, a run holds after its first generation; each Step (the Right arrow)
// makes exactly one more, whose offspring the view shows as the plain transcription of the same
// seeded run breeds them. Resumed at 16 generations a second it goes on, still showing them; the
// time it was held is not computing time, and Cancel ends it.
TEST_F(ViewTest, PauseHoldsTheRunStepMakesOneGenerationAndTheRowsAreTheEnginesOffspring) {
    const std::string target = "METHINKS IT IS LIKE A WEASEL";
    const std::string first = "QWERTYUIOPASDFGHJKLZXCVBNMQW";
    ReferenceOffspring expected;
    ReferenceLockedRun(false, target, first, Generator(kSeed), &expected);
    ASSERT_GT(expected.size(), 8U);

    auto* view = new EvolutionView(QString::fromStdString(target), QString::fromStdString(first),
                                   Scheme::Serial, choices);
    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    auto* panel = view->findChild<OffspringPanel*>();
    auto* pause = view->findChild<QPushButton*>(QStringLiteral("pauseButton"));
    auto* speed = view->findChild<QComboBox*>(QStringLiteral("speedBox"));
    EXPECT_FALSE(panel->isVisible()) << "full speed shows no offspring";
    EXPECT_EQ(speed->accessibleName(), QStringLiteral("Speed"));
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(pause->text(), QStringLiteral("Resume"));
    EXPECT_TRUE(panel->isVisible());
    // Space and the Right arrow leave the zoom keys alone.
    QTest::keyClick(view, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return WindowZoom::Of(view)->AskedFactor() > 1.0; }));

    std::int64_t checked = 0;
    const Outcome watched = RunWatched(view, Scheme::Serial, target, first, [&](qint64) {
        view->Refresh();
        const EvolutionSnapshot& shown = view->Shown();
        const std::int64_t generation = shown.generation;
        const bool settled = view->Feed().Holding() || !view->Feed().Paused();
        if (!settled || generation == checked || shown.offspringGeneration != generation ||
            checked < 0) {
            return;
        }
        if (view->Feed().Paused()) {
            EXPECT_EQ(generation, checked + 1) << "one generation a press";
        }
        checked = generation;
        const auto& bred = expected[static_cast<std::size_t>(generation - 1)];
        QStringList letters;
        for (const std::string& offspring : bred) {
            letters.append(QString::fromStdString(offspring));
        }
        EXPECT_EQ(panel->RowLetters(), letters) << "generation " << generation;
        const QStringList described = panel->RowDescriptions();
        ASSERT_EQ(described.size(), kOffspringPerGeneration);
        const auto right = std::inner_product(target.begin(), target.end(), bred.back().begin(), 0,
                                              std::plus<>(), std::equal_to<>());
        EXPECT_EQ(described.back(),
                  QStringLiteral("Offspring 20: %1 of 28 right, next parent").arg(right));
        if (generation < 4) {
            QTest::keyClick(view, Qt::Key_Right);
        } else if (generation == 4) {
            speed->setCurrentIndex(speed->findData(16.0));
            QTest::keyClick(view, Qt::Key_Space);
            EXPECT_EQ(pause->text(), QStringLiteral("Pause"));
        } else if (generation >= 6) {
            checked = -1;
            QTest::mouseClick(Cancel(view), Qt::LeftButton);
        }
    });
    EXPECT_EQ(watched.result.outcome, RunOutcome::Cancelled);
    EXPECT_GE(watched.result.numMutations, 6);
    EXPECT_TRUE(choices.slowMotion);
    EXPECT_EQ(choices.slowMotionRate, 16.0);
    // Held through three steps and paced at 16 a second, the run computed for a moment only.
    const double held = view->Feed().PausedSeconds();
    EXPECT_GT(held, 0.1);
    EXPECT_LT(static_cast<double>(watched.result.timeLength) - held, 0.1);
    delete view;
}

TEST_F(ViewTest, SchemeThreeShowsEachGenerationWithItsFigureEqualToItsMarkedLetters) {
    const QString target = QString::fromLatin1(kEndlessTarget);
    const QString first = QString::fromLatin1(kEndlessFirst);
    auto* view = new EvolutionView(target, first, Scheme::Sequential, choices);
    auto* current = view->findChild<QLabel*>(QStringLiteral("currentString"));
    ASSERT_NE(current, nullptr);
    const QRegularExpression figure(QStringLiteral("Letters matched: (\\d+) of 40"));
    int checked = 0;
    std::uint64_t seenReports = 0;
    RunWatched(view, Scheme::Sequential, kEndlessTarget, kEndlessFirst, [&](qint64 ms) {
        const EvolutionSnapshot& shown = view->Shown();
        if (shown.reports != seenReports && shown.generation > 0) {
            seenReports = shown.reports;
            const QString offspring = QString::fromStdString(shown.lastOffspring);
            const auto locked = static_cast<qsizetype>(shown.lockedLetters);
            ASSERT_EQ(offspring.size(), 40);
            // The locked prefix is the target's; the hits are letters equal to the first string.
            EXPECT_EQ(offspring.left(locked), target.left(locked));
            qsizetype hits = 0;
            for (qsizetype i = locked; i < offspring.size(); ++i) {
                hits += offspring.at(i) == first.at(i) ? 1 : 0;
            }
            const auto match = figure.match(view->LabelText());
            ASSERT_TRUE(match.hasMatch()) << view->LabelText().toStdString();
            const qsizetype shownFigure = match.captured(1).toLongLong();
            EXPECT_EQ(shownFigure, locked + hits);
            EXPECT_EQ(view->MarkedLetterCount(), shownFigure);
            EXPECT_TRUE(current->accessibleDescription().contains(
                QStringLiteral("%1 of 40 letters matched").arg(shownFigure)))
                << current->accessibleDescription().toStdString();
            ++checked;
        }
        if (ms > 800) {
            Cancel(view)->click();
        }
    });
    EXPECT_GT(checked, 5);
    // Each generation starts again from nothing: its curve falls as well as rises, while the
    // run's best only ever climbs.
    EvolutionSnapshot last;
    std::vector<FitnessPoint> reached;
    std::vector<FitnessPoint> best;
    ASSERT_TRUE(view->Feed().Take(0, last, &reached, &best));
    const auto falls = [](const std::vector<FitnessPoint>& points) {
        return std::adjacent_find(points.begin(), points.end(),
                                  [](const FitnessPoint& a, const FitnessPoint& b) {
                                      return b.matched < a.matched;
                                  }) != points.end();
    };
    EXPECT_TRUE(falls(reached));
    EXPECT_FALSE(falls(best));
    ASSERT_FALSE(best.empty());
    EXPECT_EQ(best.back().matched, static_cast<double>(last.matchedLetters));
    view->Refresh();
    EXPECT_GT(view->BestPointCount(), 1);
    EXPECT_GT(view->ChartPointCount(), 1);
    EXPECT_FALSE(view->ExpectationText().isEmpty());
    EXPECT_TRUE(view->ExpectationText().contains(QStringLiteral("1 in ")))
        << view->ExpectationText().toStdString();
    delete view;
}

TEST(MarkedOffspring, MarksTheLockedPrefixAndTheTailsHitsAndCountsThem) {
    qsizetype marked = -1;
    // Locked "HE"; in the tail, position 4 ("X" = "X") is a hit, position 3 is not.
    const QString html =
        MarkedOffspring(QStringLiteral("HEQX"), 2, QStringLiteral("ABCX"), &marked);
    EXPECT_EQ(marked, 3);
    EXPECT_TRUE(html.startsWith(QStringLiteral("<b><u><span style=\"color:#0b57d0\">HE")))
        << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("Q<b><u><span style=\"color:#1a7f37\">X")))
        << html.toStdString();
    MarkedOffspring(QStringLiteral("AB"), 0, QString(), &marked);
    EXPECT_EQ(marked, 0);
}

TEST_F(ViewTest, TheAccessibleStatusFollowsTheRunAtALimitedRate) {
    auto* view = new EvolutionView(QString::fromLatin1(kEndlessTarget),
                                   QString::fromLatin1(kEndlessFirst), Scheme::Sequential, choices);
    view->SetStatusInterval(std::chrono::milliseconds(200));
    std::vector<std::pair<qint64, QString>> heard;
    qint64 cancelledAt = -1;
    RunWatched(view, Scheme::Sequential, kEndlessTarget, kEndlessFirst, [&](qint64 ms) {
        const QString status = view->accessibleDescription();
        if (!status.isEmpty() && (heard.empty() || heard.back().second != status)) {
            heard.emplace_back(ms, status);
        }
        // Enough changes to see the pace, however busy the machine.
        if (cancelledAt < 0 && ((ms > 1300 && heard.size() >= 4) || ms > 30000)) {
            cancelledAt = ms;
            Cancel(view)->click();
        }
    });
    ASSERT_GE(heard.size(), 3U);
    EXPECT_LE(heard.size(), static_cast<std::size_t>(cancelledAt / 200 + 2));
    const QRegularExpression form(
        QStringLiteral("^Generation \\d+: \\d+ of 40 letters matched, the run's best \\d+$"));
    for (std::size_t i = 0; i < heard.size(); ++i) {
        EXPECT_TRUE(form.match(heard[i].second).hasMatch()) << heard[i].second.toStdString();
        if (i > 0) {
            EXPECT_GE(heard[i].first - heard[i - 1].first, 150);
        }
    }
    view->FinishRun(RunOutcome::Cancelled);
    EXPECT_TRUE(view->accessibleDescription().startsWith(
        QStringLiteral("Cancelled after %1 generations. Generation")
            .arg(QLocale().toString(static_cast<qlonglong>(view->Shown().generation)))))
        << view->accessibleDescription().toStdString();
    delete view;
}

// Held, a run stops changing: the last change the interval held back is still spoken, within
// the interval, rather than the status staying on an older generation for as long as the hold.
TEST_F(ViewTest, AHeldRunsLatestGenerationIsSpokenWithinTheInterval) {
    constexpr qint64 kInterval = 400;
    auto* view = new EvolutionView(QString::fromLatin1(kEndlessTarget),
                                   QString::fromLatin1(kEndlessFirst), Scheme::Sequential, choices);
    view->SetStatusInterval(std::chrono::milliseconds(kInterval));
    std::int64_t heldAt = -1;
    qint64 settledMs = -1;
    qint64 spokenMs = -1;
    RunWatched(view, Scheme::Sequential, kEndlessTarget, kEndlessFirst, [&](qint64 ms) {
        if (heldAt < 0 && ms > 300 && view->Shown().generation > 0) {
            view->TogglePause();
            heldAt = 0;
        }
        if (heldAt >= 0 && view->Feed().Holding() && view->Shown().generation != heldAt) {
            heldAt = view->Shown().generation;
            settledMs = ms;
        }
        const QString latest = QStringLiteral("Generation %1:").arg(heldAt);
        if (settledMs >= 0 && spokenMs < 0 && view->StatusText().startsWith(latest)) {
            spokenMs = ms;
        }
        if (spokenMs >= 0 || (settledMs >= 0 && ms - settledMs > 10 * kInterval) || ms > 30000) {
            Cancel(view)->click();
        }
    });
    ASSERT_GE(settledMs, 0) << "the run was never held";
    ASSERT_GE(spokenMs, 0) << "the held run's generation " << heldAt << " was never spoken; still "
                           << view->StatusText().toStdString();
    // The interval, and a margin for a busy machine's timers.
    EXPECT_LE(spokenMs - settledMs, kInterval + 300);
    delete view;
}

// Schemes 1 and 2 take the 20th offspring whatever the others score: the view heads its rows
// with that rule, and a row that beat the next parent says it was passed over, to the eye and
// to a screen reader. Scheme 3 keeps no next parent, and a generation cut short by a match has
// none to be passed over for.
TEST_F(ViewTest, ARowThatBeatsTheNextParentSaysItWasPassedOver) {
    const QString passedOver =
        QStringLiteral("more letters right, but not chosen: the 20th offspring always is");
    const auto rows = [](std::size_t count, std::size_t lastMatched) {
        std::vector<OffspringRow> bred(count, OffspringRow{"CXX", 1, 0});
        bred[4].matched = 2;
        bred.back().matched = lastMatched;
        return bred;
    };
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential}) {
        SCOPED_TRACE(static_cast<int>(scheme));
        EvolutionView view(QStringLiteral("CAT"), QStringLiteral("DOG"), scheme, choices);
        view.show();
        view.TogglePause();
        const auto* headline = view.findChild<QLabel*>(QStringLiteral("offspringHeadline"));
        auto* panel = view.findChild<OffspringPanel*>();
        panel->ShowOffspring(3, rows(kOffspringPerGeneration, 1), "DOG");
        const QStringList heard = panel->RowDescriptions();
        const auto* fifth = view.findChild<QLabel*>(QStringLiteral("offspringRow5"));
        const auto* fourth = view.findChild<QLabel*>(QStringLiteral("offspringRow4"));
        const auto* legend = view.findChild<QLabel*>(QStringLiteral("offspringLegend"));
        if (scheme == Scheme::Sequential) {
            EXPECT_FALSE(headline->isVisible());
            EXPECT_FALSE(heard[4].contains(passedOver));
            EXPECT_FALSE(fifth->text().contains(QStringLiteral("not chosen")));
            EXPECT_FALSE(legend->text().contains(passedOver));
            continue;
        }
        EXPECT_TRUE(headline->isVisible());
        EXPECT_EQ(headline->text(), QStringLiteral("The 20th offspring always becomes the next "
                                                   "parent, even when another offspring has more "
                                                   "letters right."));
        EXPECT_EQ(heard[4], QStringLiteral("Offspring 5: 2 of 3 right, ") + passedOver);
        // On screen the row carries a short mark, which the legend under the rows explains,
        // so that the note never widens the rows beyond their letters and scores.
        EXPECT_TRUE(fifth->text().contains(QStringLiteral("<i>not chosen</i>")));
        EXPECT_TRUE(legend->isVisible());
        EXPECT_TRUE(
            legend->text().contains(QStringLiteral("\u201cnot chosen\u201d: ") + passedOver))
            << legend->text().toStdString();
        EXPECT_FALSE(heard[3].contains(passedOver)) << "as many right as the next parent";
        EXPECT_FALSE(fourth->text().contains(QStringLiteral("not chosen")));
        EXPECT_EQ(heard[19], QStringLiteral("Offspring 20: 1 of 3 right, next parent"));
        // Row 20 as good as row 5: nobody was passed over.
        panel->ShowOffspring(4, rows(kOffspringPerGeneration, 2), "DOG");
        EXPECT_FALSE(panel->RowDescriptions().join(QString()).contains(passedOver));
        // Ended by a match at row 8: the rows before it are no one's rivals.
        std::vector<OffspringRow> cut = rows(8, 3);
        cut.back().letters = "CAT";
        panel->ShowOffspring(5, cut, "DOG");
        EXPECT_FALSE(panel->RowDescriptions().join(QString()).contains(passedOver));
        EXPECT_TRUE(panel->RowDescriptions().back().endsWith(QStringLiteral("matches the target")));
        view.TogglePause();
        EXPECT_FALSE(headline->isVisible()) << "at full speed no rows show, nor their headline";
    }
}

// One of a thing is said in the singular, wherever the view counts: a row's hits and copied
// letters and the slowest speed as a screen reader hears it.
TEST_F(ViewTest, CountsOfOneAreSingular) {
    OffspringRow row;
    row.letters = "CAX";
    row.copied = 1;
    row.matched = 2;
    EXPECT_EQ(DescribeOffspring(Scheme::Sequential, 3, row, 3, OffspringFate::Dropped),
              QStringLiteral("Offspring 3: 1 letter copied, 1 hit"));
    row.copied = 0;
    row.matched = 2;
    EXPECT_EQ(DescribeOffspring(Scheme::Sequential, 4, row, 3, OffspringFate::Dropped),
              QStringLiteral("Offspring 4: 0 letters copied, 2 hits"));
    EvolutionView view(QStringLiteral("CAT"), QStringLiteral("DOG"), Scheme::Serial, choices);
    auto* speed = view.findChild<QComboBox*>(QStringLiteral("speedBox"));
    EXPECT_EQ(speed->itemData(speed->findData(1.0), Qt::AccessibleTextRole).toString(),
              QStringLiteral("1 generation a second"));
    EXPECT_EQ(speed->itemData(speed->findData(4.0), Qt::AccessibleTextRole).toString(),
              QStringLiteral("4 generations a second"));
}

TEST_F(ViewTest, SchemesOneAndTwoStateTheExpectedCostOfTheirExactLaw) {
    // One letter: a random first string is already right with chance 1/27 (the run ends in its
    // first generation); otherwise a generation ends the run unless all 20 offspring miss.
    const double found = 1.0 - std::pow(26.0 / 27.0, 20.0);
    const double mean = 1.0 / 27.0 + (26.0 / 27.0) / found;
    ASSERT_NEAR(mean, 1.854, 0.001);
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Serial}) {
        EvolutionView view(QStringLiteral("A"), QStringLiteral("B"), scheme, choices);
        EXPECT_TRUE(view.ExpectationText().startsWith(
            QStringLiteral("Expected: From a random first string of this length: on average "
                           "1.85 generations (half of all runs need at most 1, nine in ten at "
                           "most 4)")))
            << view.ExpectationText().toStdString();
    }
}

TEST_F(ViewTest, KeptOpenTheFinishedChartSavesAsAPngThatLoads) {
    QPointer<EvolutionView> view = new EvolutionView(
        QStringLiteral("BEETLE"), QStringLiteral("QXZJRB"), Scheme::Sequential, choices);
    view->findChild<QCheckBox*>(QStringLiteral("keepOpenCheck"))->setChecked(true);
    RunWatched(view, Scheme::Sequential, "BEETLE", "QXZJRB");
    ASSERT_TRUE(view->FinishRun(RunOutcome::Matched));
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(Cancel(view)->text(), QStringLiteral("Close"));
    EXPECT_TRUE(view->accessibleDescription().startsWith(QStringLiteral("Run finished.")));
    EXPECT_EQ(
        view->accessibleDescription(),
        QStringLiteral("Run finished. Generation %1: 6 of 6 letters matched, the run's best 6")
            .arg(view->Shown().generation));
    // The finishing generation reached the whole length: every letter of it is marked.
    EXPECT_EQ(view->MarkedLetterCount(), 6);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("chart.png"));
    ASSERT_TRUE(view->SaveChart(path));
    QImage image;
    ASSERT_TRUE(image.load(path, "PNG"));
    EXPECT_GE(image.width(), 400);
    EXPECT_GE(image.height(), 200);
    EXPECT_FALSE(view->SaveChart(folder.filePath(QStringLiteral("missing/chart.png"))));

    // Both choices hold for the next view; unticked, the view goes once its run ends.
    ChooseSlowMotion(view, true);
    auto* next = new EvolutionView(QStringLiteral("BEETLE"), QStringLiteral("QXZJRB"),
                                   Scheme::Serial, choices);
    auto* keep = next->findChild<QCheckBox*>(QStringLiteral("keepOpenCheck"));
    EXPECT_TRUE(keep->isChecked());
    EXPECT_TRUE(SlowMotionChosen(next));
    EXPECT_TRUE(next->Feed().SlowMotion());
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.isNull(); })) << "a new run closes the kept view";
    keep->setChecked(false);
    QPointer<EvolutionView> gone = next;
    EXPECT_FALSE(next->FinishRun(RunOutcome::Matched));
    EXPECT_TRUE(QTest::qWaitFor([&] { return gone.isNull(); }));
}

/// The real window: "Go" on "Step Four" shows the view while the run goes on, leaves the boxes
/// and the log exactly as an unwatched run of the same generator would, and keeps the
/// finished chart open when asked to.
class WindowViewTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->LiveViewChoices() =
            ViewChoices{.keepOpen = false, .slowMotion = false, .keptView = {}};
        Control<QTabWidget>("SSTab1")->setCurrentIndex(3);
        Control<QPushButton>("Command2")->setFocus();
    }
};

TEST_F(WindowViewTest, AWatchedRunInSlowMotionLeavesTheBoxesAndLogOfAnUnwatchedOne) {
    Control<QRadioButton>("Option3")->setChecked(true);
    Control<QLineEdit>("txtTarget")->setText(QString::fromLatin1(kEndlessTarget));
    Control<QLineEdit>("txtInitialGuess")->setText(QString::fromLatin1(kEndlessFirst));
    const Generator before = generator;
    const LongRunAnswer answer(window.get(), true);

    QPointer<EvolutionView> seen;
    bool modal = false;
    std::int64_t slowFrom = -1;
    QElapsedTimer slow;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        seen = window->findChild<EvolutionView*>();
        if (seen.isNull() || !seen->isVisible()) {
            return;
        }
        modal = seen->isModal();
        EvolutionSnapshot now;
        seen->Feed().Take(0, now);
        if (!slow.isValid()) {
            seen->Feed().SetSlowMotionRate(40.0);
            ChooseSlowMotion(seen, true);
            slow.start();
        } else if (slowFrom < 0 && slow.elapsed() > 100) {
            slowFrom = now.generation;
            slow.restart();
        } else if (slowFrom >= 0 && slow.elapsed() > 500) {
            watcher.stop();
            // About 20 paced generations in half a second; a loaded machine may look later
            // than that, and the run goes on at 40 a second meanwhile.
            const double seconds = static_cast<double>(slow.elapsed()) / 1000.0;
            EXPECT_GT(now.generation - slowFrom, 10);
            EXPECT_LT(static_cast<double>(now.generation - slowFrom), (40.0 * seconds) + 5.0);
            QTest::mouseClick(seen->findChild<QPushButton*>(QStringLiteral("cancelButton")),
                              Qt::LeftButton);
        }
    });
    watcher.start();
    QTest::mouseClick(Control<QPushButton>("Command2"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->findChild<QMessageBox*>(QStringLiteral("selectionMessage")); },
        30000));
    watcher.stop();
    ASSERT_GE(slowFrom, 0) << "the view never showed";
    EXPECT_FALSE(modal) << "the view leaves the window usable while the run goes on";
    EXPECT_TRUE(QTest::qWaitFor([&] { return seen.isNull(); }))
        << "an unticked view goes after its run";
    // A cancelled run found no match: the generation box stays empty, and the message says
    // where the run stopped.
    EXPECT_EQ(Control<QLineEdit>("txtNumGen")->text(), QString());
    auto* message = window->findChild<QMessageBox*>(QStringLiteral("selectionMessage"));
    ASSERT_NE(message, nullptr);
    const auto stopped = QRegularExpression(QStringLiteral("stopped in generation ([0-9,]+)"))
                             .match(message->text());
    ASSERT_TRUE(stopped.hasMatch()) << message->text().toStdString();
    message->accept();

    // The same run unwatched, stopped after the same generation.
    const std::int64_t generations = stopped.captured(1).remove(QLatin1Char(',')).toLongLong();
    Generator expected = before;
    MemoryLogSink expectedLog;
    std::atomic<bool> stop{false};
    const std::atomic<bool> everyGeneration{true};
    const RunEnvironment environment{
        .generator = expected,
        .clock = monotonic,
        .log = expectedLog,
        .cancel = stop,
        .progress =
            [&](const RunProgress& progress) { stop.store(progress.generation >= generations); },
        .reportEveryGeneration = &everyGeneration,
    };
    const RunResult plain = SequentialSelection(kEndlessTarget, kEndlessFirst, environment);
    EXPECT_EQ(plain.numMutations, generations);
    EXPECT_EQ(Control<QLineEdit>("txtTotal")->text().toStdString(), std::to_string(plain.numTotal));
    EXPECT_EQ(generator.State(), expected.State());
    QFile log(services.logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().toStdString(), expectedLog.Text());
}

TEST_F(WindowViewTest, TheFinishedChartStaysOpenWhenAskedAndLeavesTheWindowFree) {
    window->LiveViewChoices().keepOpen = true;
    Control<QRadioButton>("Option2")->setChecked(true);
    Control<QLineEdit>("txtTarget")->setText(QStringLiteral("ADAPTATION"));
    Control<QLineEdit>("txtInitialGuess")->setText(QStringLiteral("ABCDEFGHIJ"));
    Generator expected = generator;
    MemoryLogSink expectedLog;
    const std::atomic<bool> noCancel{false};
    const RunResult plain = SerialSelection(
        "ADAPTATION", "ABCDEFGHIJ", RunEnvironment{expected, monotonic, expectedLog, noCancel});
    QTest::mouseClick(Control<QPushButton>("Command2"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Control<QLineEdit>("txtTotal")->text().isEmpty(); }));

    QPointer<EvolutionView> kept = window->findChild<EvolutionView*>();
    ASSERT_FALSE(kept.isNull());
    EXPECT_TRUE(kept->isVisible());
    EXPECT_FALSE(kept->isModal());
    EXPECT_EQ(Control<QLineEdit>("txtNumGen")->text().toStdString(),
              std::to_string(plain.numMutations));
    EXPECT_EQ(kept->accessibleDescription(),
              QStringLiteral("Run finished. Generation %1: 10 of 10 letters right")
                  .arg(plain.numMutations));
    QFile log(services.logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().toStdString(), expectedLog.Text());

    // "Repeat..." after a run that found the target: many runs in a window of their own, which
    // leave the page's boxes and the log alone.
    auto* repeat = kept->findChild<QPushButton*>(QStringLiteral("repeatButton"));
    ASSERT_NE(repeat, nullptr);
    EXPECT_TRUE(repeat->isVisible());
    QTest::mouseClick(repeat, Qt::LeftButton);
    QPointer<RepeatWindow> runs = window->findChild<RepeatWindow*>();
    ASSERT_FALSE(runs.isNull());
    EXPECT_TRUE(runs->isVisible());
    // Beside the live view and the main window where the screen has room; otherwise a page of
    // the live view, never a third window over the other two.
    if (runs->isWindow()) {
        EXPECT_FALSE(runs->frameGeometry().intersects(kept->frameGeometry()));
        EXPECT_FALSE(runs->frameGeometry().intersects(window->frameGeometry()));
        EXPECT_TRUE(kept->screen()->availableGeometry().contains(runs->frameGeometry()));
    } else {
        EXPECT_EQ(runs->window(), kept.data());
    }
    runs->findChild<QSpinBox*>(QStringLiteral("repeatRunsBox"))->setValue(10);
    auto* start = runs->findChild<QPushButton*>(QStringLiteral("repeatStartButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return start->isEnabled(); }));
    QTest::mouseClick(start, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !runs->Running(); }, 30000));
    ASSERT_FALSE(runs->Shown().schemes.empty());
    EXPECT_EQ(runs->Shown().schemes.front().generations.size(), 10U);
    EXPECT_EQ(Control<QLineEdit>("txtNumGen")->text().toStdString(),
              std::to_string(plain.numMutations));
    log.seek(0);
    EXPECT_EQ(log.readAll().toStdString(), expectedLog.Text());
    runs->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return runs.isNull(); })) << "a closed repeat window goes";

    kept->findChild<QCheckBox*>(QStringLiteral("keepOpenCheck"))->setChecked(false);
    QTest::mouseClick(kept->findChild<QPushButton*>(QStringLiteral("cancelButton")),
                      Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return kept.isNull(); })) << "Close deletes the kept view";
}

} // namespace
} // namespace quarrow::testing
