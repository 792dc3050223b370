#pragma once

#include "analysis/evolution_feed.h"
#include "engine/scheme.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quarrow {

// How the live view marks the letters it shows, one mark a letter, whichever shell draws them.

/// What a shown letter is: right (equal to the target's letter there, or for a tail of scheme 3
/// a hit), changed from the parent, kept (a wrong letter left as it was), or locked (copied).
enum class LetterMark : char { Kept = 'k', Right = 'r', Changed = 'c', Locked = 'l' };

/// The marks of the current parent against the target: right or kept.
std::string ParentMarks(std::string_view current, std::string_view target);
/// The marks of an offspring of `parent`: right, else changed where it differs from the parent,
/// else kept.
std::string ChildMarks(std::string_view child, std::string_view parent, std::string_view target);
/// The marks of an offspring with a copied prefix: its first `locked` letters locked, each later
/// letter equal to `scoredAgainst`'s there a hit.
std::string PrefixMarks(std::string_view offspring, std::size_t locked,
                        std::string_view scoredAgainst);

/// What becomes of an offspring of schemes 1 and 2 that does not match the target: the last one
/// is the next parent, and one with more letters right than it is passed over.
enum class OffspringFate { Dropped, NextParent, PassedOver };

/// The fate of offspring `index` (from 0) among a generation's `rows`.
OffspringFate FateOf(Scheme scheme, std::size_t index, const std::vector<OffspringRow>& rows);

/// The places of a string that are right and wrong, each list kept only while it is short (one
/// more than `kMostPlacesNamed`, so that a reader can tell a few from many).
struct RightAndWrong {
    static constexpr std::size_t kMostPlacesNamed = 5;
    std::size_t right = 0;
    std::size_t wrong = 0;
    std::vector<std::size_t> fewRight;
    std::vector<std::size_t> fewWrong;
};

/// The right and wrong places of `current` against `target`, over the longer of the two.
RightAndWrong PlacesOf(std::string_view current, std::string_view target);

/// Where a run of `generations` falls among all runs of `scheme` on a target of `length`: the
/// share of runs that take at most that many, and the text of it as a whole percentage, never a
/// rounded 0% or 100% for a share that is neither (`LessThanOne`, `MoreThan99`).
struct RunPlace {
    enum class Kind { Percent, LessThanOne, MoreThan99 };
    double share = 0.0;
    Kind kind = Kind::Percent;
    /// "53%" for `Percent`.
    std::string percent;
};
RunPlace PlaceOfRun(Scheme scheme, std::size_t length, std::int64_t generations);

/// "Save data...": a CSV row for each generation, under the heading the scheme's presenter names
/// (`prefix_reached` for a growing prefix, else `letters_right`).
std::string GenerationRowsCsv(Scheme scheme, const std::vector<GenerationRow>& rows);

} // namespace quarrow
