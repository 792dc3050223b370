#include "engine/exact_law.h"

#include "search/alphabet.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quarrow {

namespace {

constexpr double kAlphabetSizeD = kAlphabetSize;
constexpr double kStaysWrong = (kAlphabetSizeD - 1.0) / kAlphabetSizeD;
/// The chance left over when the table stops and the geometric tail takes over.
constexpr double kTailStart = 1e-14;
/// Wrong letters tracked one by one. Beyond this many an offspring matching every one of them
/// (chance below 27^-40) is lost in the rounding of a double, so such parents never end a run
/// and their numbers follow the plain binomial thinning, which needs no table.
constexpr std::size_t kTrackedWrongLetters = 40;
/// A safety stop: even a target of a billion letters is settled in a few thousand generations.
constexpr std::int64_t kMostTabledGenerations = 1'000'000;

/// The chance of `k` successes in `trials` with chance `chance` each.
double Binomial(std::size_t trials, std::size_t k, double chance) {
    if (k > trials) {
        return 0.0;
    }
    if (chance <= 0.0) {
        return k == 0 ? 1.0 : 0.0;
    }
    if (chance >= 1.0) {
        return k == trials ? 1.0 : 0.0;
    }
    const auto n = static_cast<double>(trials);
    const auto x = static_cast<double>(k);
    const double logChance = std::lgamma(n + 1.0) - std::lgamma(x + 1.0) -
                             std::lgamma(n - x + 1.0) + x * std::log(chance) +
                             (n - x) * std::log1p(-chance);
    return std::exp(logChance);
}

/// (1 - chance)^power, accurate when `chance` is far below the rounding of 1.
double Survives(double chance, double power) {
    return std::exp(power * std::log1p(-chance));
}

} // namespace

GenerationLaw GenerationLaw::ForScheme(Scheme scheme, std::size_t length) {
    switch (RowOf(scheme).law) {
    case LawKind::LockedLetter:
        return LockedLetter(length);
    case LawKind::GrowingPrefix:
        return Sequential(length);
    }
    return LockedLetter(length);
}

SequentialLaw::SequentialLaw(std::size_t letters)
    : letters_(letters),
      generationChance_(std::pow(LetterWonInAGeneration(), static_cast<double>(letters))),
      meanSearching_(std::pow(LetterWonInAGeneration(), -static_cast<double>(letters))),
      alreadyEqual_(std::pow(1.0 / kAlphabetSizeD, static_cast<double>(letters))) {}

double SequentialLaw::LetterWonInAGeneration() {
    return 1.0 - std::pow(kStaysWrong, kOffspringPerGeneration);
}

double SequentialLaw::MeanGenerations() const {
    return alreadyEqual_ + (1.0 - alreadyEqual_) * MeanGenerationsSearching();
}

double SequentialLaw::MeanStringsSearching() const {
    return meanSearching_ * kOffspringPerGeneration + 1.0;
}

double SequentialLaw::MeanStrings() const {
    // The first offspring and the first string when it already is the target.
    return alreadyEqual_ * 2.0 + (1.0 - alreadyEqual_) * MeanStringsSearching();
}

double SequentialLaw::MeanDrawsPerGeneration() const {
    return static_cast<double>(letters_) * kAlphabetSizeD * LetterWonInAGeneration();
}

GenerationLaw GenerationLaw::Sequential(std::size_t length) {
    GenerationLaw law;
    if (length == 0) {
        // Nothing to match: the run ends before its first generation, with its 1 string.
        law.head_ = {1.0};
        law.FinishMoments();
        law.meanStrings_ = 1.0;
        return law;
    }
    const SequentialLaw closed(length);
    const double complete = closed.GenerationChance();
    const double alreadyEqual = closed.AlreadyEqualChance();
    law.head_ = {0.0, alreadyEqual + (1.0 - alreadyEqual) * complete};
    law.tailMass_ = (1.0 - alreadyEqual) * (1.0 - complete);
    law.tailEnding_ = complete;
    law.FinishMoments();
    law.meanStrings_ = closed.MeanStrings();
    return law;
}

namespace {

/// What one generation does to a parent with m wrong letters, for every tracked m.
struct WrongLetterSteps {
    /// keep[m][k]: the next parent keeps k of m wrong letters wrong.
    std::vector<std::vector<double>> keep;
    /// The chance that none of the first 19 offspring matches all m letters.
    std::vector<double> noEarlyMatch;
    /// The expected offspring a generation makes with m wrong letters.
    std::vector<double> offspringMade;
};

WrongLetterSteps StepsForWrongLetters(std::size_t states) {
    WrongLetterSteps steps;
    steps.keep.assign(states, std::vector<double>(states, 0.0));
    steps.noEarlyMatch.resize(states);
    steps.offspringMade.resize(states);
    for (std::size_t m = 0; m < states; ++m) {
        for (std::size_t k = 0; k <= m; ++k) {
            steps.keep[m][k] = Binomial(m, k, kStaysWrong);
        }
        const double allMatch = std::pow(kAlphabetSizeD, -static_cast<double>(m));
        steps.noEarlyMatch[m] = m == 0 ? 0.0 : Survives(allMatch, kOffspringPerGeneration - 1);
        double made = 0.0;
        for (int i = 0; i < kOffspringPerGeneration; ++i) {
            made += m == 0 ? (i == 0 ? 1.0 : 0.0) : Survives(allMatch, i);
        }
        steps.offspringMade[m] = made;
    }
    return steps;
}

/// Without any early end, a letter is still wrong at the start of generation h with chance
/// (26/27)^h, independently of the others: that binomial for the tracked counts.
std::vector<double> FreeCounts(std::size_t length, std::size_t states, std::int64_t generation) {
    std::vector<double> counts(states);
    const double wrong = std::pow(kStaysWrong, static_cast<double>(generation));
    for (std::size_t m = 0; m < states; ++m) {
        counts[m] = Binomial(length, m, wrong);
    }
    return counts;
}

double Sum(const std::vector<double>& values) {
    double total = 0.0;
    for (const double value : values) {
        total += value;
    }
    return total;
}

/// The chances of the wrong-letter counts at the start of the next generation, from those at
/// the start of this one (`alive`) and the free binomial now and next.
std::vector<double> NextAlive(const WrongLetterSteps& steps, const std::vector<double>& alive,
                              const std::vector<double>& freeNow,
                              const std::vector<double>& freeNext, bool untracked) {
    const std::size_t states = alive.size();
    std::vector<double> next(states, 0.0);
    for (std::size_t k = 1; k < states; ++k) {
        double stays = 0.0;
        double fromTracked = 0.0;
        for (std::size_t m = k; m < states; ++m) {
            stays += alive[m] * steps.noEarlyMatch[m] * steps.keep[m][k];
            fromTracked += freeNow[m] * steps.keep[m][k];
        }
        // What arrives from above the tracked counts is the free binomial's share that did not
        // come from below.
        next[k] = stays + (untracked ? std::max(0.0, freeNext[k] - fromTracked) : 0.0);
    }
    return next;
}

} // namespace

GenerationLaw GenerationLaw::LockedLetter(std::size_t length) {
    GenerationLaw law;
    law.head_ = {length == 0 ? 1.0 : 0.0};
    if (length == 0) {
        law.FinishMoments();
        return law;
    }
    const std::size_t tracked = std::min(length, kTrackedWrongLetters);
    const bool untracked = length > tracked;
    const std::size_t states = tracked + 1;
    const WrongLetterSteps steps = StepsForWrongLetters(states);

    // alive[m]: chance that the run is still going at the start of the generation, with m
    // wrong letters. Counts above the tracked ones are still the untouched binomial.
    std::vector<double> freeNow = FreeCounts(length, states, 1);
    std::vector<double> alive = freeNow;
    double strings = 0.0;
    for (std::int64_t generation = 1;; ++generation) {
        const double above = untracked ? std::max(0.0, 1.0 - Sum(freeNow)) : 0.0;
        double ends = 0.0;
        for (std::size_t m = 0; m < states; ++m) {
            ends += alive[m] * (1.0 - steps.noEarlyMatch[m] * (1.0 - steps.keep[m][0]));
            strings += alive[m] * steps.offspringMade[m];
        }
        strings += above * kOffspringPerGeneration;
        law.head_.push_back(ends);

        const std::vector<double> freeNext = FreeCounts(length, states, generation + 1);
        alive = NextAlive(steps, alive, freeNow, freeNext, untracked);
        freeNow = freeNext;
        const double left = Sum(alive) + (untracked ? std::max(0.0, 1.0 - Sum(freeNow)) : 0.0);
        if (left < kTailStart || generation >= kMostTabledGenerations) {
            // What is left has, all but certainly, one wrong letter: each generation then ends
            // the run unless every offspring misses it.
            law.tailMass_ = left;
            law.tailEnding_ = 1.0 - std::pow(kStaysWrong, kOffspringPerGeneration);
            strings += left * steps.offspringMade[1] / law.tailEnding_;
            break;
        }
    }
    // The binomial chances of a long target carry rounding of about 1e-9 from their logarithms;
    // scaling the whole law to a total of 1 keeps cumulative chances within [0, 1].
    double total = law.tailMass_;
    for (const double chance : law.head_) {
        total += chance;
    }
    for (double& chance : law.head_) {
        chance /= total;
    }
    law.tailMass_ /= total;
    law.FinishMoments();
    law.meanStrings_ = strings / total;
    return law;
}

void GenerationLaw::FinishMoments() {
    double mean = 0.0;
    double squares = 0.0;
    for (std::size_t g = 0; g < head_.size(); ++g) {
        const auto x = static_cast<double>(g);
        mean += x * head_[g];
        squares += x * x * head_[g];
    }
    if (tailMass_ > 0.0) {
        // The tail is the table's length plus a geometric count of failed generations.
        const auto start = static_cast<double>(head_.size());
        const double failures = 1.0 / tailEnding_ - 1.0;
        const double failureVariance = failures / tailEnding_;
        mean += tailMass_ * (start + failures);
        squares += tailMass_ * ((start + failures) * (start + failures) + failureVariance);
    }
    mean_ = mean;
    variance_ = std::max(0.0, squares - mean * mean);
}

double GenerationLaw::Probability(std::int64_t generations) const {
    if (generations < 0) {
        return 0.0;
    }
    const auto tabled = static_cast<std::int64_t>(head_.size());
    if (generations < tabled) {
        return head_[static_cast<std::size_t>(generations)];
    }
    return tailMass_ * tailEnding_ *
           Survives(tailEnding_, static_cast<double>(generations - tabled));
}

double GenerationLaw::MoreThan(std::int64_t generations) const {
    if (generations < 0) {
        return 1.0;
    }
    const auto tabled = static_cast<std::int64_t>(head_.size());
    if (generations >= tabled - 1) {
        return tailMass_ * Survives(tailEnding_, static_cast<double>(generations - tabled + 1));
    }
    double beyond = tailMass_;
    for (auto g = static_cast<std::size_t>(generations) + 1; g < head_.size(); ++g) {
        beyond += head_[g];
    }
    return std::min(1.0, beyond);
}

double GenerationLaw::AtMost(std::int64_t generations) const {
    if (generations < 0) {
        return 0.0;
    }
    const auto tabled = static_cast<std::int64_t>(head_.size());
    if (generations < tabled) {
        double below = 0.0;
        for (std::size_t g = 0; g <= static_cast<std::size_t>(generations); ++g) {
            below += head_[g];
        }
        return std::min(1.0, below);
    }
    return 1.0 - MoreThan(generations);
}

double GenerationLaw::StandardDeviation() const {
    return std::sqrt(variance_);
}

std::int64_t GenerationLaw::Quantile(double p) const {
    p = std::clamp(p, 0.0, 1.0);
    double below = 0.0;
    for (std::size_t g = 0; g < head_.size(); ++g) {
        below += head_[g];
        if (below >= p && head_[g] > 0.0) {
            return static_cast<std::int64_t>(g);
        }
    }
    if (tailMass_ <= 0.0) {
        return static_cast<std::int64_t>(head_.size()) - 1;
    }
    // A tail that (to a double) never ends, or a quantile past any count a run could reach.
    constexpr auto kNever = std::numeric_limits<std::int64_t>::max();
    if (p >= 1.0 || tailEnding_ <= 0.0) {
        return kNever;
    }
    // Solve tailMass * (1 - ending)^(g - tabled + 1) <= 1 - p for the smallest g, then settle
    // the rounding by looking either side.
    const auto tabled = static_cast<double>(head_.size());
    const double steps = std::log((1.0 - p) / tailMass_) / std::log1p(-tailEnding_);
    const double estimate = std::ceil(tabled - 1.0 + std::max(0.0, steps));
    if (!(estimate < 9e18)) {
        return kNever;
    }
    auto g = static_cast<std::int64_t>(estimate);
    g = std::max(g, static_cast<std::int64_t>(head_.size()) - 1);
    while (g > static_cast<std::int64_t>(head_.size()) - 1 && MoreThan(g - 1) <= 1.0 - p) {
        --g;
    }
    while (MoreThan(g) > 1.0 - p) {
        ++g;
    }
    return g;
}

double BlindSearchLog10Strings(std::size_t length) {
    return static_cast<double>(length) * std::log10(kAlphabetSizeD);
}

} // namespace quarrow
