#pragma once

#include "analysis/distribution_data.h"
#include "analysis/statistics.h"
#include "engine/exact_law.h"
#include "engine/selection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quarrow::analysis {

// What the chart of many runs shows, worked out once for every shell that shows it: the window
// and the lab draw it with plot/distribution_chart.h, the page with its own charts from these
// same figures. The texts are the catalogue's sources (context `kChartTextContext`), which each
// shell translates and fills with the figures given beside them.

/// The catalogue context of the chart's texts.
inline constexpr char kChartTextContext[] = "DistributionChart";

/// A bin of the histogram: the counts of generations from `first` to `last`, both in.
struct ChartBin {
    std::int64_t first = 0;
    std::int64_t last = 0;
};

/// The generations axis: a linear or a logarithmic map of [low, high + 1) onto [0, 1].
struct GenerationAxis {
    double low = 0.0;
    double high = 1.0;
    bool logarithmic = false;

    double Place(double value) const;
};

/// Where a guess falls in a law, as a sentence of the catalogue: its source text, whose plural
/// form the guess chooses; `%1` is the guess (grouped), and in the sentence that names a
/// percentile `%2` is `percentilePhrase` filled with `percent` and `%3` is `percent`.
struct GuessPlacement {
    const char* sentence = "";
    /// "the %1nd percentile", or null when the sentence names none.
    const char* percentilePhrase = nullptr;
    std::int64_t guess = 0;
    long percent = 0;
};

/// Where `guess` generations fall in `law`: at whole hundredths, but never a rounded none or all
/// for a share that is neither.
GuessPlacement PlaceGuess(const GenerationLaw& law, std::int64_t guess);

/// Guesses beyond this are not drawn on the axis: its bins are counted in 64-bit integers.
inline constexpr double kFarthestDrawnGuess = 1e15;

/// What one scheme's panel shows.
struct PanelFigures {
    Scheme scheme = Scheme::Attenuating;
    std::optional<Summary> generations;
    std::optional<Summary> strings;
    GenerationLaw law = GenerationLaw::LockedLetter(0);
    /// The share of the runs in each bin, and the share the exact law puts there.
    std::vector<double> shares;
    std::vector<double> lawShares;
    /// Where the user's guess falls in the law; none when there is no guess.
    std::optional<GuessPlacement> guess;
};

/// The title's catalogue source and what fills it: `%1` the phrase, `%2` the schemes' captions
/// joined by ", ", then each of `counts` (grouped), then the seed's text. `plural` chooses the
/// plural form, or is -1 when the text has none.
struct ChartTitle {
    const char* source = "";
    std::int64_t plural = -1;
    std::vector<std::int64_t> counts;
};

ChartTitle TitleOf(const DistributionData& data);

/// A count as the catalogue's plural forms choose by it; beyond an int, any many.
int PluralCount(std::int64_t count);

/// Every figure of the chart: each scheme's panel, the generations axis and its bins.
struct DistributionFigures {
    std::vector<PanelFigures> panels;
    GenerationAxis axis;
    std::vector<ChartBin> bins;
};

DistributionFigures FiguresOf(const DistributionData& data);

/// The heading of a scheme's panel: "%1: %2 run(s)" (plural by the runs), or "%1: no run
/// finished"; `%1` is the caption and `%2` the runs, grouped.
const char* PanelHeadingSource(std::size_t runsFinished);

} // namespace quarrow::analysis
