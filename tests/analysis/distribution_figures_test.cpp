#include "analysis/distribution_figures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

namespace quarrow::analysis {
namespace {

DistributionData TwoSchemes(std::vector<std::int64_t> quick, std::vector<std::int64_t> slow) {
    DistributionData data;
    data.phrase = "CAT";
    data.runsRequested = static_cast<std::int64_t>(quick.size());
    data.seedText = "seed 7";
    data.schemes = {{Scheme::Attenuating, quick, quick}, {Scheme::Sequential, slow, slow}};
    return data;
}

TEST(DistributionFiguresTest, BinsCoverTheAxisAndEachSchemesSharesAddUp) {
    const DistributionData data = TwoSchemes({1, 2, 2, 3, 9}, {40, 300, 2000, 5000, 9000});
    const DistributionFigures figures = FiguresOf(data);
    // The slow runs span more than two decades: a logarithmic axis from 1.
    EXPECT_TRUE(figures.axis.logarithmic);
    EXPECT_GE(figures.axis.low, 1.0);
    ASSERT_FALSE(figures.bins.empty());
    EXPECT_LE(figures.bins.size(), 40U);
    for (std::size_t b = 1; b < figures.bins.size(); ++b) {
        EXPECT_EQ(figures.bins[b].first, figures.bins[b - 1].last + 1);
    }
    EXPECT_DOUBLE_EQ(figures.axis.Place(figures.axis.low), 0.0);
    EXPECT_DOUBLE_EQ(figures.axis.Place(figures.axis.high), 1.0);
    ASSERT_EQ(figures.panels.size(), 2U);
    for (const PanelFigures& panel : figures.panels) {
        ASSERT_EQ(panel.shares.size(), figures.bins.size());
        EXPECT_NEAR(std::accumulate(panel.shares.begin(), panel.shares.end(), 0.0), 1.0, 1e-12);
        // The axis holds all but a thousandth of each law at either end.
        EXPECT_GT(std::accumulate(panel.lawShares.begin(), panel.lawShares.end(), 0.0), 0.99);
        EXPECT_FALSE(panel.guess.has_value());
    }
    EXPECT_DOUBLE_EQ(figures.panels[0].generations->median, 2.0);
}

TEST(DistributionFiguresTest, AGuessIsPlacedInEachLawAndStretchesTheAxis) {
    DistributionData data = TwoSchemes({4, 5, 6}, {5, 6, 7});
    data.guess = 100'000;
    const DistributionFigures figures = FiguresOf(data);
    EXPECT_GE(figures.axis.high, 100'000.0);
    for (const PanelFigures& panel : figures.panels) {
        ASSERT_TRUE(panel.guess.has_value());
        EXPECT_EQ(panel.guess->guess, 100'000);
    }
    const GenerationLaw law = GenerationLaw::ForScheme(Scheme::Attenuating, 10);
    const std::int64_t median = law.Quantile(0.5);
    const GuessPlacement at = PlaceGuess(law, median);
    ASSERT_NE(at.percentilePhrase, nullptr);
    EXPECT_EQ(at.percent, std::lround(law.AtMost(median) * 100.0));
    EXPECT_EQ(std::string(at.sentence),
              "Your guess of %1 is at %2: %3 of every 100 runs need at most %1 generation(s)");
    EXPECT_EQ(PlaceGuess(law, 0).percentilePhrase, nullptr);
    EXPECT_NE(std::string(PlaceGuess(law, 0).sentence).find("below every run"), std::string::npos);
}

TEST(DistributionFiguresTest, TheTitleCountsWhatTheChartHolds) {
    DistributionData data = TwoSchemes({4, 5, 6}, {5, 6});
    data.runsRequested = 3;
    EXPECT_EQ(TitleOf(data).counts, (std::vector<std::int64_t>{3}));
    EXPECT_EQ(TitleOf(data).plural, 3);
    data.interrupted = true;
    EXPECT_EQ(TitleOf(data).counts, (std::vector<std::int64_t>{5, 6}));
    EXPECT_EQ(TitleOf(data).plural, -1);
}

} // namespace
} // namespace quarrow::analysis
