#include "analysis/distribution_figures.h"

#include "platform/number_text.h"
#include "platform/translatable.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace quarrow::analysis {

namespace {

constexpr int kBins = 40;
/// Runs spanning more than two decades are shown on a logarithmic axis.
constexpr double kLogAxisSpan = 100.0;

/// "the 62nd percentile": each English ending is a phrase of its own, so that a language with
/// other endings translates each whole.
const char* PercentilePhrase(long percent) {
    const std::string ordinal = OrdinalText(percent);
    const std::string_view ending = std::string_view(ordinal).substr(ordinal.size() - 2);
    if (ending == "st") {
        return QUARROW_TRANSLATABLE("DistributionChart", "the %1st percentile");
    }
    if (ending == "nd") {
        return QUARROW_TRANSLATABLE("DistributionChart", "the %1nd percentile");
    }
    if (ending == "rd") {
        return QUARROW_TRANSLATABLE("DistributionChart", "the %1rd percentile");
    }
    return QUARROW_TRANSLATABLE("DistributionChart", "the %1th percentile");
}

GenerationAxis AxisOf(const std::vector<PanelFigures>& figures, std::optional<std::int64_t> guess) {
    double low = 0.0;
    double high = 0.0;
    bool any = false;
    const auto take = [&](double value) {
        low = any ? std::min(low, value) : value;
        high = any ? std::max(high, value) : value;
        any = true;
    };
    for (const PanelFigures& f : figures) {
        if (f.generations) {
            take(f.generations->min);
            take(f.generations->max);
        }
        const auto lawLow = f.law.Quantile(0.001);
        const auto lawHigh = f.law.Quantile(0.999);
        if (lawHigh < static_cast<std::int64_t>(1e15)) {
            take(static_cast<double>(lawLow));
            take(static_cast<double>(lawHigh));
        }
    }
    // The guess is on the axis, however far from the runs, so that its mark shows where it is.
    if (guess && static_cast<double>(*guess) < kFarthestDrawnGuess) {
        take(static_cast<double>(std::max<std::int64_t>(*guess, 0)));
    }
    GenerationAxis axis;
    axis.low = std::max(any ? low : 0.0, 0.0);
    axis.high = std::max(any ? high : 1.0, axis.low) + 1.0;
    axis.logarithmic = axis.high > kLogAxisSpan * std::max(axis.low, 1.0);
    if (axis.logarithmic) {
        axis.low = std::max(axis.low, 1.0);
    }
    return axis;
}

std::vector<ChartBin> BinsOf(const GenerationAxis& axis) {
    std::vector<ChartBin> bins;
    const auto low = static_cast<std::int64_t>(axis.low);
    const auto end = static_cast<std::int64_t>(axis.high); // one past the last count
    if (axis.logarithmic) {
        std::int64_t first = low;
        for (int k = 1; k <= kBins && first < end; ++k) {
            const double edge = axis.low * std::pow(axis.high / axis.low, double(k) / kBins);
            const auto next = std::max(
                first + 1,
                std::min<std::int64_t>(end, static_cast<std::int64_t>(std::llround(edge))));
            bins.push_back({first, next - 1});
            first = next;
        }
    } else {
        const std::int64_t width = std::max<std::int64_t>(1, (end - low + kBins - 1) / kBins);
        for (std::int64_t first = low; first < end; first += width) {
            bins.push_back({first, std::min(end, first + width) - 1});
        }
    }
    return bins;
}

} // namespace

double GenerationAxis::Place(double value) const {
    if (logarithmic) {
        return (std::log10(std::max(value, low)) - std::log10(low)) /
               (std::log10(high) - std::log10(low));
    }
    return (value - low) / (high - low);
}

int PluralCount(std::int64_t count) {
    return static_cast<int>(std::clamp<std::int64_t>(count, 0, 1000000));
}

GuessPlacement PlaceGuess(const GenerationLaw& law, std::int64_t guess) {
    const double share = law.AtMost(guess);
    GuessPlacement placement;
    placement.guess = guess;
    placement.percent = std::lround(share * 100.0);
    if (share <= 0.0) {
        placement.sentence = QUARROW_TRANSLATABLE_PLURAL(
            "DistributionChart", "Your guess of %1 is below every run: 0 of every 100 runs need "
                                 "at most %1 generation(s)");
    } else if (placement.percent < 1) {
        placement.sentence = QUARROW_TRANSLATABLE_PLURAL(
            "DistributionChart", "Your guess of %1 is below the 1st percentile: fewer than 1 of "
                                 "every 100 runs need at most %1 generation(s)");
    } else if (law.MoreThan(guess) <= 0.0) {
        placement.sentence = QUARROW_TRANSLATABLE_PLURAL(
            "DistributionChart", "Your guess of %1 is above every run: 100 of every 100 runs "
                                 "need at most %1 generation(s)");
    } else if (placement.percent > 99) {
        placement.sentence = QUARROW_TRANSLATABLE_PLURAL(
            "DistributionChart", "Your guess of %1 is above the 99th percentile: more than 99 of "
                                 "every 100 runs need at most %1 generation(s)");
    } else if (placement.percent == 1) {
        placement.sentence = QUARROW_TRANSLATABLE_PLURAL(
            "DistributionChart", "Your guess of %1 is at the 1st percentile: 1 of every 100 runs "
                                 "needs at most %1 generation(s)");
    } else {
        placement.sentence = QUARROW_TRANSLATABLE_PLURAL(
            "DistributionChart",
            "Your guess of %1 is at %2: %3 of every 100 runs need at most %1 generation(s)");
        placement.percentilePhrase = PercentilePhrase(placement.percent);
    }
    return placement;
}

ChartTitle TitleOf(const DistributionData& data) {
    std::int64_t finished = 0;
    for (const SchemeRuns& runs : data.schemes) {
        finished += static_cast<std::int64_t>(runs.generations.size());
    }
    ChartTitle title;
    if (data.interrupted) {
        // What the chart holds, out of what was asked: every scheme's runs together.
        title.source = QUARROW_TRANSLATABLE(
            "DistributionChart",
            "Generations per run for \"%1\": %2, %3 of %4 runs, interrupted, %5");
        title.counts = {finished,
                        data.runsRequested * static_cast<std::int64_t>(data.schemes.size())};
        return title;
    }
    title.plural = PluralCount(data.runsRequested);
    title.counts = {data.runsRequested};
    title.source =
        data.schemes.size() > 1
            ? QUARROW_TRANSLATABLE_PLURAL("DistributionChart",
                                          "Generations per run for \"%1\": %2, %3 run(s) each, %4")
            : QUARROW_TRANSLATABLE_PLURAL("DistributionChart",
                                          "Generations per run for \"%1\": %2, %3 run(s), %4");
    return title;
}

const char* PanelHeadingSource(std::size_t runsFinished) {
    return runsFinished == 0 ? QUARROW_TRANSLATABLE("DistributionChart", "%1: no run finished")
                             : QUARROW_TRANSLATABLE_PLURAL("DistributionChart", "%1: %2 run(s)");
}

DistributionFigures FiguresOf(const DistributionData& data) {
    DistributionFigures prepared;
    for (const SchemeRuns& runs : data.schemes) {
        PanelFigures f;
        f.scheme = runs.scheme;
        f.generations = SummariseCounts(runs.generations);
        f.strings = SummariseCounts(runs.strings);
        f.law = GenerationLaw::ForScheme(runs.scheme, data.phrase.size());
        if (data.guess) {
            f.guess = PlaceGuess(f.law, *data.guess);
        }
        prepared.panels.push_back(std::move(f));
    }
    prepared.axis = AxisOf(prepared.panels, data.guess);
    prepared.bins = BinsOf(prepared.axis);
    const std::vector<ChartBin>& bins = prepared.bins;
    for (std::size_t s = 0; s < data.schemes.size(); ++s) {
        const SchemeRuns& runs = data.schemes[s];
        PanelFigures& f = prepared.panels[s];
        const auto count = static_cast<double>(runs.generations.size());
        f.shares.assign(bins.size(), 0.0);
        f.lawShares.assign(bins.size(), 0.0);
        for (const std::int64_t g : runs.generations) {
            const auto bin =
                std::upper_bound(bins.begin(), bins.end(), g,
                                 [](std::int64_t v, const ChartBin& b) { return v < b.first; });
            if (bin != bins.begin()) {
                f.shares[static_cast<std::size_t>(bin - bins.begin() - 1)] += 1.0 / count;
            }
        }
        for (std::size_t b = 0; b < bins.size(); ++b) {
            f.lawShares[b] = f.law.MoreThan(bins[b].first - 1) - f.law.MoreThan(bins[b].last);
        }
    }
    return prepared;
}

} // namespace quarrow::analysis
