#pragma once

#include "engine/selection.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quarrow {

// The exact distribution of the generations a run takes, from a first string of uniformly random
// symbols as long as the target, as the "Step Four" page makes it.
//
// Sequential: every generation starts afresh, and a position is still unmatched after the 20
// offspring with chance (26/27)^20, independently of the others, so a generation completes the
// run with chance q = (1 - (26/27)^20)^n. The run also ends in its first generation, after one
// offspring, when the first string already equals the target (chance 27^-n).
//
// Attenuating and serial share one law: only the number m of wrong letters matters. Each
// offspring draws all m target letters with chance 27^-m, which ends the run there; otherwise
// the last offspring, the next parent, turns each wrong letter right with chance 1/27 (the
// attenuating scheme may move a wrong letter nearer, but it stays wrong). The first string has
// a binomial number of wrong letters; with none the first offspring ends the run.
//
// Both are held as a table of the first generations' chances followed by a geometric tail,
// which is exact for the sequential law and, for the other, the shape of the chain once a single
// wrong letter is left, reached when less than 1e-14 of the chance remains.

/// The closed forms of the sequential scheme on a target of `letters` letters: the one place its
/// expected costs are worked out.
class SequentialLaw {
public:
    explicit SequentialLaw(std::size_t letters);

    /// The chance that one position of the tail is matched by at least one of a generation's
    /// 20 offspring: 1 - (26/27)^20, about 0.53.
    static double LetterWonInAGeneration();

    std::size_t Letters() const { return letters_; }
    /// The chance that one generation completes the run, (1 - (26/27)^20)^n; the same for every
    /// generation.
    double GenerationChance() const { return generationChance_; }
    /// The chance that a first string of random symbols already is the target, 27^-n.
    double AlreadyEqualChance() const { return alreadyEqual_; }
    /// Mean generations from a first string that is not the target: 1 / `GenerationChance`,
    /// worked out as (1 - (26/27)^20)^-n.
    double MeanGenerationsSearching() const { return meanSearching_; }
    /// Mean strings counted from a first string that is not the target: 20 a generation and
    /// the 1 the count starts at.
    double MeanStringsSearching() const;
    /// Mean generations from a first string of random symbols, p + (1 - p) / q with p the
    /// chance it already is the target and q `GenerationChance`.
    double MeanGenerations() const;
    /// Mean strings counted from a first string of random symbols: 2 when it already is the
    /// target, else `MeanStringsSearching`.
    double MeanStrings() const;
    /// Mean random symbols drawn in one generation: a position draws in every offspring until
    /// one matches it, n (1 - (26/27)^20) 27 in all.
    double MeanDrawsPerGeneration() const;

private:
    std::size_t letters_;
    double generationChance_;
    double meanSearching_;
    double alreadyEqual_;
};

/// A distribution of generations per run: chances, cumulative chances, moments, quantiles.
class GenerationLaw {
public:
    /// The law of `scheme` on a target of `length` symbols.
    static GenerationLaw ForScheme(Scheme scheme, std::size_t length);
    /// The sequential scheme, whose closed forms `SequentialLaw` holds.
    static GenerationLaw Sequential(std::size_t length);
    /// The attenuating and the serial scheme.
    static GenerationLaw LockedLetter(std::size_t length);

    /// The chance that a run takes exactly `generations`.
    double Probability(std::int64_t generations) const;
    /// The chance that a run takes at most `generations`.
    double AtMost(std::int64_t generations) const;
    /// The chance that a run takes more than `generations`, accurate far into the tail.
    double MoreThan(std::int64_t generations) const;
    double Mean() const { return mean_; }
    double StandardDeviation() const;
    /// The smallest count of generations whose cumulative chance reaches `p` (0 < p < 1); the
    /// largest `std::int64_t` when no count of that type reaches it.
    std::int64_t Quantile(double p) const;
    /// Expected strings a run makes, counted as the scheme counts them.
    double MeanStrings() const { return meanStrings_; }

private:
    GenerationLaw() = default;
    void FinishMoments();

    /// Chances of 0, 1, ... generations, up to the tail.
    std::vector<double> head_;
    /// Chance of at least `head_.size()` generations, shared out geometrically.
    double tailMass_ = 0.0;
    /// The tail's chance of ending in each further generation.
    double tailEnding_ = 1.0;
    double mean_ = 0.0;
    double variance_ = 0.0;
    double meanStrings_ = 0.0;
};

/// Expected random strings a blind search makes before one matches a target of `length`
/// symbols: 27^length (a decimal logarithm, since it soon leaves the range of a double).
double BlindSearchLog10Strings(std::size_t length);

} // namespace quarrow
