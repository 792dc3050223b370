#pragma once

#include "platform/translatable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quarrow {

/// The three schemes, in the order of the window's option buttons.
enum class Scheme {
    Attenuating, ///< 1: a wrong letter is replaced only by a strictly nearer one
    Serial,      ///< 2: a wrong letter is always replaced
    Sequential,  ///< 3: a prefix grows from the left within a generation
};

/// Which exact law the generations per run of a scheme follow.
enum class LawKind {
    /// A right letter is never lost: one chain over the letters still wrong (`LockedLetter`).
    LockedLetter,
    /// Every generation starts afresh and ends the run only when its prefix reaches the whole
    /// target (`SequentialLaw`, whose closed forms also give the expected cost before a run).
    GrowingPrefix,
};

/// What a scheme asks of the first string besides its symbols.
enum class FirstStringRule {
    /// Any string: a long one is cut to the target's length and a short one padded with wrong
    /// letters; its symbols are not checked.
    AnyLength,
    /// Symbols of the 27 only, and exactly as long as the target: the engine refuses a longer
    /// one and the window also a shorter one.
    TargetLength,
};

/// The hatching that tells a scheme's bars apart in grey.
enum class SchemeHatching { Solid, Diagonal, Cross };

/// How the live view shows a run.
enum class LivePresenter {
    /// The current parent with its right letters marked; the curve is letters right.
    Letters,
    /// The last offspring with its copied prefix marked; the curve is the prefix each generation
    /// reached, beside the run's best.
    Prefix,
};

/// Everything that differs by scheme. The rest of the program asks this row rather than which
/// scheme it has.
struct SchemeDescriptor {
    Scheme scheme;
    /// Its number on the page, in the help and on the lab's command line.
    int number;
    /// The lower-case word the lab reads and writes.
    std::string_view key;
    /// The caption of its option button, which the window, the lab's tables and the charts
    /// show; context "Scheme".
    std::string_view caption;
    /// How it breeds, in plain words, as the live view states it; context "Scheme". The last
    /// offspring is named as a whole phrase ("the 20th offspring").
    std::string_view rule;
    /// The help topic its option button opens.
    int helpTopic;
    LawKind law;
    FirstStringRule firstString;
    /// The colour of its bars and boxes on the charts, as 0xRRGGBB.
    std::uint32_t colour;
    SchemeHatching hatching;
    LivePresenter presenter;
};

/// Every scheme, in the order of `Scheme`. The colours are colour-blind-safe.
inline constexpr std::array<SchemeDescriptor, 3> kSchemeTable{{
    {Scheme::Attenuating, 1, "attenuating",
     QUARROW_TRANSLATABLE("Scheme", "1: Attenuating Selection"),
     QUARROW_TRANSLATABLE("Scheme", "the 20th offspring becomes the parent; each wrong letter "
                                    "changes only to a nearer one"),
     80, LawKind::LockedLetter, FirstStringRule::AnyLength, 0x0072B2, SchemeHatching::Solid,
     LivePresenter::Letters},
    {Scheme::Serial, 2, "serial", QUARROW_TRANSLATABLE("Scheme", "2: Serial Selection"),
     QUARROW_TRANSLATABLE("Scheme", "the 20th offspring becomes the parent; right letters are "
                                    "kept, wrong ones redrawn"),
     90, LawKind::LockedLetter, FirstStringRule::AnyLength, 0xE69F00, SchemeHatching::Diagonal,
     LivePresenter::Letters},
    {Scheme::Sequential, 3, "sequential", QUARROW_TRANSLATABLE("Scheme", "3: Sequential Selection"),
     QUARROW_TRANSLATABLE("Scheme", "each offspring copies the target's first letters, one "
                                    "more for every hit before it in this generation; the "
                                    "rest are drawn, and each hit is marked"),
     100, LawKind::GrowingPrefix, FirstStringRule::TargetLength, 0x009E73, SchemeHatching::Cross,
     LivePresenter::Prefix},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < kSchemeTable.size(); ++i) {
            if (static_cast<std::size_t>(kSchemeTable[i].scheme) != i) {
                return false;
            }
        }
        return true;
    }(),
    "the table lists the schemes in their order");

/// The table's row of `scheme`.
constexpr const SchemeDescriptor& RowOf(Scheme scheme) {
    return kSchemeTable[static_cast<std::size_t>(scheme)];
}

/// The scheme's caption as the window's option buttons show it ("1: Attenuating Selection").
constexpr std::string_view SchemeCaption(Scheme scheme) {
    return RowOf(scheme).caption;
}

/// The lower-case key of a scheme ("attenuating", "serial", "sequential").
constexpr std::string_view SchemeKey(Scheme scheme) {
    return RowOf(scheme).key;
}

/// The scheme whose key is `key`, exactly as the table spells it.
constexpr std::optional<Scheme> SchemeWithKey(std::string_view key) {
    for (const SchemeDescriptor& names : kSchemeTable) {
        if (names.key == key) {
            return names.scheme;
        }
    }
    return std::nullopt;
}

/// The scheme numbered `number`.
constexpr std::optional<Scheme> SchemeNumbered(int number) {
    for (const SchemeDescriptor& names : kSchemeTable) {
        if (names.number == number) {
            return names.scheme;
        }
    }
    return std::nullopt;
}

} // namespace quarrow
