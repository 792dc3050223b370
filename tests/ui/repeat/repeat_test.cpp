#include "analysis/experiments.h"
#include "analysis/run_csv.h"
#include "engine/exact_law.h"
#include "platform/number_text.h"
#include "plot/distribution_chart.h"
#include "tests/support/language_steps.h"
#include "tests/support/small_filesystem.h"
#include "tests/ui/repeat/repeat_steps.h"
#include "tests/ui/window/window_fixture.h"
#include "ui/common/zoom.h"
#include "ui/repeat/repeat_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace quarrow {
namespace {

/// The batch the window runs with every scheme ticked.
analysis::EvolveBatch AllSchemes(const std::string& phrase, std::int64_t runs, std::uint64_t seed) {
    analysis::EvolveBatch batch;
    batch.phrase = phrase;
    batch.schemes = {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential};
    batch.runs = runs;
    batch.seed = seed;
    return batch;
}

/// `batch` run through the lab's batch code.
analysis::EvolveBatchResult LabBatch(const analysis::EvolveBatch& batch) {
    std::atomic<bool> stop{false};
    return analysis::RunEvolveBatch(batch, analysis::BatchControl{stop, 3});
}

TEST(RepeatWindowTest, FiguresEqualTheLabsForTheSameSeed) {
    RepeatWindow window(QStringLiteral("WEASEL"));
    window.show();
    Start(window, 25, 314);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));

    const analysis::EvolveBatchResult lab = LabBatch(AllSchemes("WEASEL", 25, 314));
    const analysis::DistributionData& Shown = window.Shown();
    ASSERT_EQ(Shown.schemes.size(), 3U);
    EXPECT_EQ(Shown.seedText, "seed 314");
    for (std::size_t s = 0; s < 3; ++s) {
        ASSERT_EQ(Shown.schemes[s].generations.size(), 25U);
        for (std::size_t run = 0; run < 25; ++run) {
            EXPECT_EQ(Shown.schemes[s].generations[run], lab.records[s][run].generations);
            EXPECT_EQ(Shown.schemes[s].strings[run], lab.records[s][run].strings);
        }
    }
    // The table is the text a screen reader reads: a row per scheme with the exact law.
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("repeatTable"));
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("25"));
    EXPECT_FALSE(table->item(2, 9)->text().isEmpty());
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("distributionChart"))
                    ->accessibleName()
                    .contains(QStringLiteral("\"WEASEL\"")));

    // Saved charts are what the window shows: a PNG at twice its size and an SVG, both titled.
    auto* chart = window.findChild<DistributionChartWidget*>(QStringLiteral("distributionChart"));
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("chart.png"));
    const QString svg = folder.filePath(QStringLiteral("chart.svg"));
    ASSERT_TRUE(window.SaveChart(png).isEmpty());
    ASSERT_TRUE(window.SaveChart(svg).isEmpty());
    QImage image;
    ASSERT_TRUE(image.load(png, "PNG"));
    EXPECT_EQ(image.size(), chart->size() * 2);
    EXPECT_EQ(image.text(QStringLiteral("Title")), plot::DistributionChartTitle(Shown));
    QFile drawing(svg);
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        QString::fromUtf8(drawing.readAll()).contains(QStringLiteral("25 runs each, seed 314")));
    EXPECT_FALSE(window.SaveChart(folder.filePath(QStringLiteral("missing/chart.png"))).isEmpty());
}

TEST(RepeatWindowTest, SavingSaysWhenTheChartCannotBeWritten) {
    RepeatWindow window(QStringLiteral("CAT"));
    window.show();
    Start(window, 10, 4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    // A folder that is not there.
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/chart.png"));
    QString told;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (auto* message = qobject_cast<QMessageBox*>(shown);
                message && message->isVisible()) {
                told = message->text();
                message->accept();
                answer.stop();
            }
        }
    });
    answer.start();
    EXPECT_FALSE(window.SaveChartOrSay(path));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !told.isEmpty(); }));
    EXPECT_TRUE(told.startsWith(QStringLiteral("The chart could not be saved to %1: ").arg(path)))
        << told.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

// A finished batch's window takes a change of language whole: captions, headings, the estimate,
// and the chart and table of the batch shown, whose figures stay as they were.
TEST(RepeatWindowTest, AChangeOfLanguageWritesTheWindowAndTheShownBatchAnew) {
    RepeatWindow window(QStringLiteral("CAT"));
    window.show();
    Start(window, 10, 4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("repeatTable"));
    const QString mean = table->item(0, 2)->text();
    const QString englishTitle = plot::DistributionChartTitle(window.Shown());
    {
        const testing::InLanguage portuguese(QStringLiteral("pt_BR"));
        const auto translated = [](const char* source) {
            return QCoreApplication::translate("quarrow::RepeatWindow", source);
        };
        EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("repeatStartButton"))->text(),
                  translated("&Start"));
        EXPECT_NE(translated("&Start"), QStringLiteral("&Start"));
        EXPECT_EQ(table->horizontalHeaderItem(0)->text(), translated("Scheme"));
        EXPECT_EQ(window.windowTitle(), translated("Repeat: %1").arg(QStringLiteral("CAT")));
        EXPECT_EQ(table->item(0, 2)->text(),
                  QString(mean).replace(QLatin1Char('.'), QLatin1Char(',')))
            << "the figures are the batch's, with the language's decimal mark";
        EXPECT_NE(plot::DistributionChartTitle(window.Shown()), englishTitle)
            << "the chart's title says its seed in the new language";
    }
    EXPECT_EQ(plot::DistributionChartTitle(window.Shown()), englishTitle);
    EXPECT_EQ(table->item(0, 2)->text(), mean);
}

/// A batch that waits for `release` before it runs, so that a test can act while it runs.
RepeatWindow::BatchRunner HeldBatch(const std::atomic<bool>& release) {
    return [&release](const analysis::EvolveBatch& batch, const analysis::BatchControl& control,
                      std::atomic<std::int64_t>* runsDone) {
        while (!release.load() && !control.stop.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return analysis::RunEvolveBatch(batch, control, runsDone);
    };
}

TEST(RepeatWindowTest, ResultsCarryTheSeedAndRunsTheirBatchStartedWith) {
    RepeatWindow window(QStringLiteral("CAT"));
    std::atomic<bool> release{false};
    window.SetBatchRunner(HeldBatch(release));
    window.show();
    auto* seedBox = window.findChild<QSpinBox*>(QStringLiteral("repeatSeedBox"));
    auto* runsBox = window.findChild<QSpinBox*>(QStringLiteral("repeatRunsBox"));
    Start(window, 30, 12345);
    ASSERT_TRUE(window.Running());
    // The inputs are locked while the batch runs: typing changes nothing.
    EXPECT_FALSE(seedBox->isEnabled());
    EXPECT_FALSE(runsBox->isEnabled());
    EXPECT_FALSE(window.findChild<QCheckBox*>(QStringLiteral("repeatScheme1"))->isEnabled());
    EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("repeatStartButton"))->isEnabled());
    seedBox->selectAll();
    QTest::keyClicks(seedBox, QStringLiteral("777"));
    EXPECT_EQ(seedBox->value(), 12345);
    // Even a box changed behind the lock does not relabel the batch.
    seedBox->setValue(777);
    runsBox->setValue(50);
    release = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    EXPECT_TRUE(seedBox->isEnabled());
    EXPECT_EQ(window.Shown().seedText, "seed 12345");
    EXPECT_EQ(window.Shown().runsRequested, 30);
    EXPECT_TRUE(
        plot::DistributionChartTitle(window.Shown()).contains(QStringLiteral("seed 12345")));
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("repeatTable"));
    EXPECT_TRUE(table->accessibleDescription().contains(QStringLiteral("seed 12345")));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("30"));
    EXPECT_TRUE(window.SuggestedChartName().endsWith(QStringLiteral("-30-runs-seed-12345.png")))
        << window.SuggestedChartName().toStdString();
}

TEST(RepeatWindowTest, TooFewRunsAreRefusedAndTheTypedCountStaysToBeMended) {
    RepeatWindow window(QStringLiteral("CAT"));
    std::atomic<bool> release{true};
    window.SetBatchRunner(HeldBatch(release));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* runsBox = window.findChild<QSpinBox*>(QStringLiteral("repeatRunsBox"));
    auto* start = window.findChild<QPushButton*>(QStringLiteral("repeatStartButton"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return start->isEnabled(); }));

    // Typed, then Start clicked with the mouse, which takes the focus from the box first.
    runsBox->setFocus();
    runsBox->selectAll();
    QTest::keyClicks(runsBox, QStringLiteral("5"));
    const testing::QuestionAnswer answer(&window, QStringLiteral("runsProblem"),
                                         QStringLiteral("OK"));
    QTest::mouseClick(start, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.Question().isEmpty(); }));
    EXPECT_EQ(answer.Question(),
              QStringLiteral("Each scheme needs at least 10 runs, and at most 100,000; 5 are too "
                             "few."));
    EXPECT_FALSE(window.Running());
    EXPECT_EQ(window.Shown().runsRequested, 0);
    EXPECT_EQ(runsBox->text(), QStringLiteral("5"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.focusWidget() == runsBox; }));

    // The arrows and keys stop at the fewest runs a batch takes.
    runsBox->setValue(11);
    QTest::keyClick(runsBox, Qt::Key_PageDown);
    EXPECT_EQ(runsBox->value(), 10);
    QTest::keyClick(runsBox, Qt::Key_Down);
    runsBox->stepDown();
    EXPECT_EQ(runsBox->value(), 10);

    // Mended, the batch runs the count typed.
    runsBox->selectAll();
    QTest::keyClicks(runsBox, QStringLiteral("12"));
    QTest::mouseClick(start, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Shown().runsRequested == 12; }, 30000));
}

TEST(RepeatWindowTest, AFailedBatchSaysSoAndTheNextOneIsShownWhole) {
    RepeatWindow window(QStringLiteral("CAT"));
    window.show();
    Start(window, 10, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    ASSERT_EQ(window.Shown().schemes.size(), 3U);

    window.SetBatchRunner([](const analysis::EvolveBatch&, const analysis::BatchControl&,
                             std::atomic<std::int64_t>*) -> analysis::EvolveBatchResult {
        throw std::runtime_error("out of memory for the runs");
    });
    window.findChild<QCheckBox*>(QStringLiteral("repeatScheme2"))->setChecked(false);
    Start(window, 12, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    auto* status = window.findChild<QLabel*>(QStringLiteral("repeatStatus"));
    EXPECT_TRUE(status->isVisible());
    EXPECT_TRUE(
        status->text().contains(QStringLiteral("The batch failed (out of memory for the runs)")))
        << status->text().toStdString();
    // The last good results stay, as they were labelled.
    EXPECT_EQ(window.Shown().schemes.size(), 3U);
    EXPECT_EQ(window.Shown().seedText, "seed 1");
    EXPECT_TRUE(window.findChild<QPushButton*>(QStringLiteral("repeatStartButton"))->isEnabled());
    EXPECT_TRUE(window.findChild<QSpinBox*>(QStringLiteral("repeatSeedBox"))->isEnabled());

    // The next batch, of another size, is read from its own results.
    window.SetBatchRunner([](const analysis::EvolveBatch& batch,
                             const analysis::BatchControl& control,
                             std::atomic<std::int64_t>* runsDone) {
        return analysis::RunEvolveBatch(batch, control, runsDone);
    });
    Start(window, 12, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    EXPECT_FALSE(status->isVisible());
    ASSERT_EQ(window.Shown().schemes.size(), 2U);
    EXPECT_EQ(window.Shown().schemes[1].scheme, Scheme::Sequential);
    EXPECT_EQ(window.Shown().schemes[1].generations.size(), 12U);
    EXPECT_EQ(window.findChild<QTableWidget*>(QStringLiteral("repeatTable"))->rowCount(), 2);
}

TEST(RepeatWindowTest, ALongPhraseStartsWithoutSchemeThreeAndSaysHowLongItWouldTake) {
    RepeatWindow window(QStringLiteral("THE SELECTION AGENT IS A SIEVE OF SMALL CHANCES AB"));
    auto* sequential = window.findChild<QCheckBox*>(QStringLiteral("repeatScheme3"));
    auto* estimate = window.findChild<QLabel*>(QStringLiteral("repeatEstimate"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sequential->isEnabled(); }));
    EXPECT_FALSE(sequential->isChecked());
    EXPECT_TRUE(window.findChild<QCheckBox*>(QStringLiteral("repeatScheme1"))->isChecked());
    EXPECT_TRUE(estimate->text().startsWith(QStringLiteral("Scheme 3 is left out: it would take")))
        << estimate->text().toStdString();
    // Ticked again, its time reads in years, without exponents.
    window.show();
    QTest::mouseClick(sequential, Qt::LeftButton);
    EXPECT_TRUE(sequential->isChecked());
    EXPECT_TRUE(estimate->text().contains(QStringLiteral(" years on ")))
        << estimate->text().toStdString();
    EXPECT_FALSE(estimate->text().contains(QStringLiteral("e+"))) << estimate->text().toStdString();

    // A short phrase keeps all three.
    const RepeatWindow shortPhrase(QStringLiteral("WEASEL"));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return shortPhrase.findChild<QCheckBox*>(QStringLiteral("repeatScheme3"))->isEnabled();
    }));
    EXPECT_TRUE(shortPhrase.findChild<QCheckBox*>(QStringLiteral("repeatScheme3"))->isChecked());
}

/// The height of a capital letter in `font`, in pixels.
double Capital(const QFont& font) {
    return QFontMetricsF(font).tightBoundingRect(QStringLiteral("H")).height();
}

/// The texts of the window a user reads, each with the rectangle it takes in the window.
std::vector<std::pair<QString, QRect>> TextsOf(const QWidget& window) {
    std::vector<std::pair<QString, QRect>> texts;
    const auto add = [&](const QWidget* widget, const QString& text, const QRect& local) {
        if (widget->isVisible() && !text.isEmpty()) {
            texts.emplace_back(text, QRect(widget->mapTo(&window, local.topLeft()), local.size()));
        }
    };
    for (const auto* label : window.findChildren<QLabel*>()) {
        add(label, label->text(), label->contentsRect());
    }
    for (const auto* button : window.findChildren<QAbstractButton*>()) {
        add(button, button->text(), button->rect());
    }
    for (const auto* box : window.findChildren<QSpinBox*>()) {
        add(box, box->text(), box->rect());
    }
    return texts;
}

TEST(RepeatWindowTest, TheTablesHeadingsZoomWithTheWindow) {
    // Measured as a reader sees them, whichever face and size the system gives the headings.
    RepeatWindow window(QStringLiteral("WEASEL"));
    const QHeaderView* header =
        window.findChild<QTableWidget*>(QStringLiteral("repeatTable"))->horizontalHeader();
    const double single = Capital(header->font());
    WindowZoom::Of(&window)->SetFactor(2.0);
    EXPECT_NEAR(Capital(header->font()), 2.0 * single, 1.0);
    WindowZoom::Of(&window)->SetFactor(1.0);
    EXPECT_NEAR(Capital(header->font()), single, 0.5);
}

TEST(RepeatWindowTest, EveryTextGrowsWithTheZoomAndNoneMeetsAnother) {
    // A main window stands behind it, as in the program, with its zoom.
    FinishedRepeat repeat;
    ASSERT_NO_FATAL_FAILURE(repeat.Run());
    RepeatWindow* window = repeat.window;
    ProgramZoom* program = repeat.program;
    auto* table = window->findChild<QTableWidget*>(QStringLiteral("repeatTable"));
    auto* chart = window->findChild<DistributionChartWidget*>(QStringLiteral("distributionChart"));
    auto* caption = window->findChild<QLabel*>(QStringLiteral("repeatTableCaption"));

    struct Seen {
        double label, heading, cell, chartText;
    };
    const auto look = [&](const char* when) {
        SCOPED_TRACE(when);
        window->repaint();
        chart->repaint();
        // Nothing in the table is cut off: every column as wide as its heading and its cells,
        // every row as tall as its text, and the whole table in view.
        const QHeaderView* header = table->horizontalHeader();
        for (int column = 0; column < table->columnCount(); ++column) {
            EXPECT_GE(table->columnWidth(column), header->sectionSizeHint(column)) << column;
            for (int row = 0; row < table->rowCount(); ++row) {
                const QString text = table->item(row, column)->text();
                EXPECT_GT(table->columnWidth(column),
                          QFontMetrics(table->font()).horizontalAdvance(text))
                    << text.toStdString();
            }
        }
        EXPECT_GE(table->viewport()->width(), header->length());
        // Short of room, the table gives way to the chart: its rows scroll rather than being cut.
        EXPECT_TRUE(table->viewport()->height() >= table->verticalHeader()->length() ||
                    table->verticalScrollBar()->isVisible());
        EXPECT_GE(table->rowHeight(0), QFontMetrics(table->font()).height());
        // No two texts of the window meet, nor any two of the chart.
        const auto texts = TextsOf(*window);
        for (std::size_t a = 0; a < texts.size(); ++a) {
            for (std::size_t b = a + 1; b < texts.size(); ++b) {
                EXPECT_FALSE(texts[a].second.intersects(texts[b].second))
                    << texts[a].first.toStdString() << " meets " << texts[b].first.toStdString();
            }
        }
        const std::vector<plot::DrawnText>& drawn = chart->DrawnTexts();
        EXPECT_GT(drawn.size(), 20U);
        for (std::size_t a = 0; a < drawn.size(); ++a) {
            EXPECT_TRUE(QRectF(chart->rect()).contains(drawn[a].rect))
                << drawn[a].text.toStdString();
            for (std::size_t b = a + 1; b < drawn.size(); ++b) {
                EXPECT_FALSE(drawn[a].rect.intersects(drawn[b].rect))
                    << drawn[a].text.toStdString() << " meets " << drawn[b].text.toStdString();
            }
        }
        double chartText = 0.0;
        for (const plot::DrawnText& text : drawn) {
            if (text.text == QLatin1String("Blind search")) {
                chartText = text.rect.height();
            }
        }
        return Seen{Capital(caption->font()), Capital(table->horizontalHeader()->font()),
                    Capital(table->item(0, 0)->font().resolve(table->font())), chartText};
    };
    const Seen single = look("at 100%");
    program->SetFactor(2.0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return WindowZoom::Of(window)->Factor() == 2.0; }));
    QTest::qWait(0);
    const Seen twice = look("at 200%");
    EXPECT_NEAR(twice.label, 2.0 * single.label, 1.0);
    EXPECT_NEAR(twice.heading, 2.0 * single.heading, 1.0);
    EXPECT_NEAR(twice.cell, 2.0 * single.cell, 1.0);
    EXPECT_NEAR(twice.chartText, 2.0 * single.chartText, 1.0);

    // Its own keys zoom it too, with the focus in it.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->findChild<QSpinBox*>(QStringLiteral("repeatRunsBox")), Qt::Key_Equal,
                    Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(WindowZoom::Of(window)->Factor(), 2.5);
    QTest::keyClick(window->findChild<QSpinBox*>(QStringLiteral("repeatRunsBox")), Qt::Key_0,
                    Qt::ControlModifier);
    ASSERT_DOUBLE_EQ(WindowZoom::Of(window)->Factor(), 1.0);
    QTest::qWait(0);
    const Seen again = look("back at 100%");
    EXPECT_NEAR(again.heading, single.heading, 0.5);
    EXPECT_NEAR(again.chartText, single.chartText, 0.5);
    delete window;
}

TEST(RepeatWindowTest, ItCanBeAPageOfAnotherWindow) {
    QWidget host;
    auto* page = new RepeatWindow(QStringLiteral("CAT"), &host, Qt::Widget);
    EXPECT_FALSE(page->isWindow());
    EXPECT_EQ(WindowZoom::Of(page), nullptr) << "a page is zoomed by its host";
    host.resize(900, 700);
    page->setGeometry(host.rect());
    host.show();
    Start(*page, 10, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Running(); }, 30000));
    EXPECT_EQ(page->Shown().schemes.size(), 3U);

    const RepeatWindow window(QStringLiteral("CAT"));
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Repeat: CAT"));
}

TEST(RepeatWindowTest, ItOpensBesideTheLiveViewClearOfTheResultsAndGo) {
    const QRect screen(0, 0, 1920, 1040);
    const QRect view(700, 100, 600, 500);
    const std::vector<QRect> results = {QRect(200, 500, 120, 24), QRect(200, 540, 120, 24),
                                        QRect(400, 600, 80, 30)};
    // Room to the right.
    const auto right = PlaceClearOf(QSize(560, 700), view, results, screen);
    ASSERT_TRUE(right.has_value());
    EXPECT_FALSE(right->intersects(view));
    EXPECT_TRUE(screen.contains(*right));
    EXPECT_GT(right->left(), view.right());
    // No room to the right: left of the view would cover the results, so below or above.
    const QRect wideView(900, 50, 1000, 500);
    const auto elsewhere = PlaceClearOf(QSize(600, 400), wideView, results, screen);
    ASSERT_TRUE(elsewhere.has_value());
    for (const QRect& kept : results) {
        EXPECT_FALSE(elsewhere->intersects(kept));
    }
    EXPECT_FALSE(elsewhere->intersects(wideView));
    // No room anywhere.
    EXPECT_FALSE(PlaceClearOf(QSize(1900, 1000), view, results, screen).has_value());
}

TEST(RepeatWindowTest, CancelKeepsTheRunsFinished) {
    RepeatWindow window(QStringLiteral("THE SELECTION AGENT IS A SIEVE OF CHANCES"));
    window.findChild<QCheckBox*>(QStringLiteral("repeatScheme2"))->setChecked(false);
    window.findChild<QCheckBox*>(QStringLiteral("repeatScheme3"))->setChecked(false);
    window.show();
    Start(window, 100000, 9);
    auto* progress = window.findChild<QProgressBar*>(QStringLiteral("repeatProgress"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress->value() >= 20; }, 30000));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("repeatCancelButton")),
                      Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    const analysis::DistributionData& Shown = window.Shown();
    ASSERT_EQ(Shown.schemes.size(), 1U);
    EXPECT_GE(Shown.schemes[0].generations.size(), 20U);
    EXPECT_LT(Shown.schemes[0].generations.size(), 100000U);
    for (const std::int64_t generations : Shown.schemes[0].generations) {
        EXPECT_GT(generations, 0);
    }
    EXPECT_TRUE(window.findChild<QPushButton*>(QStringLiteral("repeatStartButton"))->isEnabled());
    // The title says how many runs the chart holds of those asked.
    EXPECT_TRUE(Shown.interrupted);
    EXPECT_TRUE(plot::DistributionChartTitle(Shown).contains(
        QStringLiteral(" of 100,000 runs, interrupted")))
        << plot::DistributionChartTitle(Shown).toStdString();
}

/// Types `text` into the guess box as a user would, over whatever it held.
void TypeGuess(RepeatWindow& window, const QString& text) {
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("repeatGuessBox"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return box->isEnabled(); }));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QString ChartDescription(const RepeatWindow& window) {
    return window.findChild<QWidget*>(QStringLiteral("distributionChart"))->accessibleDescription();
}

TEST(RepeatWindowTest, AGuessIsHeldAgainstTheExactLawOfEachScheme) {
    RepeatWindow window(QStringLiteral("WEASEL"));
    window.show();
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("repeatGuessBox"));
    EXPECT_EQ(box->accessibleName(), QStringLiteral("Your guess (generations)"));
    TypeGuess(window, QStringLiteral("30"));
    Start(window, 20, 11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    ASSERT_EQ(window.Shown().guess, std::optional<std::int64_t>(30));

    // Each scheme's sentence, by its own law, is what the chart draws and what a screen reader
    // reads; the figure is the law's share of runs that need at most 30 generations.
    const QString description = ChartDescription(window);
    auto* chart = window.findChild<DistributionChartWidget*>(QStringLiteral("distributionChart"));
    chart->repaint();
    for (const analysis::SchemeRuns& runs : window.Shown().schemes) {
        const long percent =
            std::lround(100.0 * GenerationLaw::ForScheme(runs.scheme, 6).AtMost(30));
        ASSERT_GT(percent, 1);
        ASSERT_LT(percent, 100);
        const QString sentence =
            QStringLiteral("Your guess of 30 is at the %1 percentile: %2 of every 100 runs need "
                           "at most 30 generations")
                .arg(QString::fromStdString(OrdinalText(percent)))
                .arg(percent);
        const std::string_view caption = SchemeCaption(runs.scheme);
        EXPECT_TRUE(description.contains(QStringLiteral("%1: %2.").arg(
            QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())), sentence)))
            << description.toStdString();
        const auto& drawn = chart->DrawnTexts();
        EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [&](const plot::DrawnText& text) {
            return text.text == sentence;
        })) << sentence.toStdString();
    }

    // Text that is not a whole number says so, starts nothing and stays to be mended; the
    // results shown are still those of the last batch.
    TypeGuess(window, QStringLiteral("about 40"));
    const testing::QuestionAnswer answer(&window, QStringLiteral("guessProblem"),
                                         QStringLiteral("OK"));
    Start(window, 12, 99);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.Question().isEmpty(); }));
    EXPECT_TRUE(answer.Question().startsWith(
        QStringLiteral("Your guess must be a whole number of generations")))
        << answer.Question().toStdString();
    EXPECT_FALSE(window.Running());
    EXPECT_EQ(box->text(), QStringLiteral("about 40"));
    EXPECT_EQ(window.Shown().seedText, "seed 11");

    // Grouped digits are a guess; an empty box is none.
    TypeGuess(window, QStringLiteral("1,000"));
    Start(window, 10, 12);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    EXPECT_EQ(window.Shown().guess, std::optional<std::int64_t>(1000));
    TypeGuess(window, QString());
    Start(window, 10, 13);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    EXPECT_EQ(window.Shown().seedText, "seed 13");
    EXPECT_FALSE(window.Shown().guess.has_value());
    EXPECT_FALSE(ChartDescription(window).contains(QStringLiteral("guess")));
}

/// The lines of `text`, the seconds of each per-run row and summary row left out: they are
/// measured, and differ from one batch to the next.
QStringList WithoutSeconds(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.contains(QStringLiteral(",seconds,"))) {
            line.clear();
        } else if (!line.startsWith(QStringLiteral("run,"))) {
            line = line.section(QLatin1Char(','), 0, -2);
        }
    }
    return lines;
}

TEST(RepeatWindowTest, SaveDataWritesTheRunsAndTheirSummaryAsTheLabDoes) {
    RepeatWindow window(QStringLiteral("SAY CAT"));
    window.show();
    auto* saveData = window.findChild<QPushButton*>(QStringLiteral("repeatSaveDataButton"));
    EXPECT_FALSE(saveData->isEnabled());
    Start(window, 15, 21);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    EXPECT_TRUE(saveData->isEnabled());
    EXPECT_TRUE(window.SuggestedChartName().endsWith(QStringLiteral(".png")));

    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("runs.csv"));
    ASSERT_EQ(window.SaveData(path), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(file.readAll());
    const auto blank = saved.indexOf(QStringLiteral("\n\n"));
    ASSERT_GT(blank, 0) << "the summary follows the rows after one empty row";

    // The same batch through the lab's code, with the same seed, gives the same rows and the
    // same summary, but for the seconds the runs took.
    analysis::EvolveBatch batch = AllSchemes("SAY CAT", 15, 21);
    batch.keepFirstStrings = true;
    const analysis::EvolveBatchResult lab = LabBatch(batch);
    std::vector<analysis::EvolveSchemeFigures> figures;
    for (std::size_t s = 0; s < 3; ++s) {
        figures.push_back(
            analysis::SummariseScheme(batch.schemes[s], batch.phrase.size(), lab.records[s]));
    }
    const QString rows = QString::fromStdString(analysis::PerRunCsv(batch.schemes, lab.records));
    const QString summary = QString::fromStdString(analysis::SchemeSummaryCsv(figures));
    EXPECT_TRUE(saved.startsWith(
        QStringLiteral("run,scheme,first_string,generations,strings,seconds\n0,attenuating,")));
    EXPECT_EQ(WithoutSeconds(saved.left(blank + 1)), WithoutSeconds(rows));
    EXPECT_EQ(WithoutSeconds(saved.mid(blank + 2)), WithoutSeconds(summary));
    EXPECT_EQ(saved.count(QLatin1Char('\n')), 1 + 45 + 1 + 1 + 9);

    // A place that cannot be written says so, and nothing is left there.
    const QString missing = folder.filePath(QStringLiteral("missing/runs.csv"));
    const testing::QuestionAnswer answer(&window, QStringLiteral("saveDataProblem"),
                                         QStringLiteral("OK"));
    EXPECT_FALSE(window.SaveDataOrSay(missing));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.Question().isEmpty(); }));
    EXPECT_TRUE(answer.Question().startsWith(QStringLiteral("The data could not be saved to %1: ")
                                                 .arg(QDir::toNativeSeparators(missing))))
        << answer.Question().toStdString();
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(RepeatWindowTest, AFullDiskLeavesTheEarlierDataAsItWas) {
    const QTemporaryDir place;
    const std::filesystem::path folder = place.path().toStdString();
    RepeatWindow window(QStringLiteral("CAT"));
    window.show();
    Start(window, 2000, 6);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 60000));

    // A disk with room for a few rows, not for the batch's.
    const testing::FullDiskFolder disk(folder / "small", 8192);
    const QString path = QString::fromStdString(disk.File("runs.csv").string());
    const QByteArray before("run,scheme\n0,attenuating\n");
    ASSERT_EQ(plot::SaveWholeFile(path, before), QString());
    const testing::QuestionAnswer answer(&window, QStringLiteral("saveDataProblem"),
                                         QStringLiteral("OK"));
    EXPECT_FALSE(window.SaveDataOrSay(path));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answer.Question().isEmpty(); }));
    EXPECT_EQ(answer.Question(),
              QStringLiteral("The data could not be saved to %1: %2. The window keeps it; choose "
                             "another place and save again.")
                  .arg(path, QString::fromStdString(disk.Reason())));
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), before);
    EXPECT_EQ(QDir(QString::fromStdString((folder / "small").string())).entryList(QDir::Files),
              QStringList{QStringLiteral("runs.csv")})
        << "nothing half-written is left beside it";
}

} // namespace
} // namespace quarrow
