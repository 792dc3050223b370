#pragma once

#include "platform/translatable.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quarrow {

/// The three schemes, in the order of the window's option buttons.
enum class Scheme {
    Attenuating, ///< 1: a wrong letter is replaced only by a strictly nearer one
    Serial,      ///< 2: a wrong letter is always replaced
    Sequential,  ///< 3: a prefix grows from the left within a generation
};

/// How the program names a scheme wherever it names one.
struct SchemeNames {
    Scheme scheme;
    /// Its number on the page, in the help and on the lab's command line.
    int number;
    /// The lower-case word the lab reads and writes.
    std::string_view key;
    /// The caption of its option button, which the window, the lab's tables and the charts
    /// show.
    std::string_view caption;
    /// The help topic its option button opens.
    int helpTopic;
};

/// Every scheme, in the order of `Scheme`.
inline constexpr std::array<SchemeNames, 3> kSchemeTable{{
    {Scheme::Attenuating, 1, "attenuating",
     QUARROW_TRANSLATABLE("Scheme", "1: Attenuating Selection"), 80},
    {Scheme::Serial, 2, "serial", QUARROW_TRANSLATABLE("Scheme", "2: Serial Selection"), 90},
    {Scheme::Sequential, 3, "sequential", QUARROW_TRANSLATABLE("Scheme", "3: Sequential Selection"),
     100},
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
constexpr const SchemeNames& NamesOf(Scheme scheme) {
    return kSchemeTable[static_cast<std::size_t>(scheme)];
}

/// The scheme's caption as the window's option buttons show it ("1: Attenuating Selection"), in
/// English; the window and the charts show it through the catalogue, under "Scheme".
constexpr std::string_view SchemeCaption(Scheme scheme) {
    return NamesOf(scheme).caption;
}

/// The lower-case key of a scheme ("attenuating", "serial", "sequential").
constexpr std::string_view SchemeKey(Scheme scheme) {
    return NamesOf(scheme).key;
}

/// The scheme whose key is `key`, exactly as the table spells it.
constexpr std::optional<Scheme> SchemeWithKey(std::string_view key) {
    for (const SchemeNames& names : kSchemeTable) {
        if (names.key == key) {
            return names.scheme;
        }
    }
    return std::nullopt;
}

/// The scheme numbered `number`, 1 to 3.
constexpr std::optional<Scheme> SchemeNumbered(int number) {
    for (const SchemeNames& names : kSchemeTable) {
        if (names.number == number) {
            return names.scheme;
        }
    }
    return std::nullopt;
}

} // namespace quarrow
