#include "ui/repeat_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>

#include "lab/experiments.h"
#include "plot/distribution_chart.h"
#include "tests/ui/window_fixture.h"
#include "ui/zoom.h"

namespace quarrow {
namespace {

void Start(RepeatWindow& window, int runs, int seed) {
    window.findChild<QSpinBox*>(QStringLiteral("repeatRunsBox"))->setValue(runs);
    window.findChild<QSpinBox*>(QStringLiteral("repeatSeedBox"))->setValue(seed);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("repeatStartButton")),
                      Qt::LeftButton);
}

TEST(RepeatWindowTest, FiguresEqualTheLabsForTheSameSeed) {
    RepeatWindow window(QStringLiteral("WEASEL"));
    window.show();
    Start(window, 25, 314);
    ASSERT_TRUE(testing::WaitUntil([&] { return !window.running(); }, 30000));

    std::atomic<bool> stop{false};
    lab::EvolveBatch batch;
    batch.phrase = "WEASEL";
    batch.schemes = {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential};
    batch.runs = 25;
    batch.seed = 314;
    const lab::EvolveBatchResult lab = lab::RunEvolveBatch(batch, lab::BatchControl{stop, 3});
    const plot::DistributionData& shown = window.shown();
    ASSERT_EQ(shown.schemes.size(), 3U);
    EXPECT_EQ(shown.seedText, "seed 314");
    for (std::size_t s = 0; s < 3; ++s) {
        ASSERT_EQ(shown.schemes[s].generations.size(), 25U);
        for (std::size_t run = 0; run < 25; ++run) {
            EXPECT_EQ(shown.schemes[s].generations[run], lab.records[s][run].generations);
            EXPECT_EQ(shown.schemes[s].strings[run], lab.records[s][run].strings);
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

    // Saved charts: a PNG at twice the laid-out size and an SVG, both titled.
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("chart.png"));
    const QString svg = folder.filePath(QStringLiteral("chart.svg"));
    ASSERT_TRUE(window.saveChart(png).isEmpty());
    ASSERT_TRUE(window.saveChart(svg).isEmpty());
    QImage image;
    ASSERT_TRUE(image.load(png, "PNG"));
    EXPECT_EQ(image.size(), plot::DistributionChartSize(shown) * 2);
    EXPECT_EQ(image.text(QStringLiteral("Title")), plot::DistributionChartTitle(shown));
    QFile drawing(svg);
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(drawing.readAll())
                    .contains(QStringLiteral("25 runs each, seed 314</title>")));
    EXPECT_FALSE(window.saveChart(folder.filePath(QStringLiteral("missing/chart.png"))).isEmpty());
}

TEST(RepeatWindowTest, ALongPhraseStartsWithoutSchemeThreeAndSaysHowLongItWouldTake) {
    RepeatWindow window(QStringLiteral("THE SELECTION AGENT IS A SIEVE OF SMALL CHANCES AB"));
    auto* sequential = window.findChild<QCheckBox*>(QStringLiteral("repeatScheme3"));
    auto* estimate = window.findChild<QLabel*>(QStringLiteral("repeatEstimate"));
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
    EXPECT_TRUE(shortPhrase.findChild<QCheckBox*>(QStringLiteral("repeatScheme3"))->isChecked());
}

TEST(RepeatWindowTest, TheTablesHeadingsZoomWithTheWindow) {
    RepeatWindow window(QStringLiteral("WEASEL"));
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("repeatTable"));
    const double headings = table->horizontalHeader()->font().pointSizeF();
    WindowZoom::Of(&window)->setFactor(2.0);
    EXPECT_DOUBLE_EQ(table->horizontalHeader()->font().pointSizeF(), headings * 2.0);
    WindowZoom::Of(&window)->setFactor(1.0);
    EXPECT_DOUBLE_EQ(table->horizontalHeader()->font().pointSizeF(), headings);
}

TEST(RepeatWindowTest, CancelKeepsTheRunsFinished) {
    RepeatWindow window(QStringLiteral("THE SELECTION AGENT IS A SIEVE OF CHANCES"));
    window.findChild<QCheckBox*>(QStringLiteral("repeatScheme2"))->setChecked(false);
    window.findChild<QCheckBox*>(QStringLiteral("repeatScheme3"))->setChecked(false);
    window.show();
    Start(window, 100000, 9);
    auto* progress = window.findChild<QProgressBar*>(QStringLiteral("repeatProgress"));
    ASSERT_TRUE(testing::WaitUntil([&] { return progress->value() >= 20; }, 30000));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("repeatCancelButton")),
                      Qt::LeftButton);
    ASSERT_TRUE(testing::WaitUntil([&] { return !window.running(); }, 30000));
    const plot::DistributionData& shown = window.shown();
    ASSERT_EQ(shown.schemes.size(), 1U);
    EXPECT_GE(shown.schemes[0].generations.size(), 20U);
    EXPECT_LT(shown.schemes[0].generations.size(), 100000U);
    for (const std::int64_t generations : shown.schemes[0].generations) {
        EXPECT_GT(generations, 0);
    }
    EXPECT_TRUE(window.findChild<QPushButton*>(QStringLiteral("repeatStartButton"))->isEnabled());
}

} // namespace
} // namespace quarrow
