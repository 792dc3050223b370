#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/generator.h"

namespace quarrow {

/// The 27 symbols every made string is written in: "A" to "Z", then the space.
inline constexpr int kAlphabetSize = 27;
inline constexpr char kFirstLetter = 'A';
inline constexpr char kSpace = ' ';

/// The symbol a generator value in [0, 1) selects: draw index k = floor(r * 27), letters for
/// k = 0 to 25 and the space for k = 26 (the place of code 91).
inline char SymbolForValue(float r) {
    const int code = 65 + static_cast<int>(static_cast<double>(r) * kAlphabetSize);
    return code >= 91 ? kSpace : static_cast<char>(code);
}

/// One random symbol; draws one value.
inline char RandomSymbol(Generator& generator) {
    return SymbolForValue(generator.Next());
}

/// Fills `out[0..length)` with random symbols, first draw first; draws exactly `length` values.
inline void FillRandom(Generator& generator, char* out, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        out[i] = RandomSymbol(generator);
    }
}

/// A string of `length` random symbols; a length of 0 or below gives the empty string.
std::string RandomString(Generator& generator, std::ptrdiff_t length);

/// Reseeds from a number.
inline void Reseed(Generator& generator, double seed) {
    generator.Reseed(seed);
}
/// Reseeds from the time of day.
inline void Reseed(Generator& generator, const TimeOfDayClock& clock) {
    generator.Reseed(clock);
}

/// Positions, over the target's length, at which the candidate holds the target's character;
/// a position past the end of the candidate is a mismatch.
std::size_t MatchCount(std::string_view candidate, std::string_view target);

/// Whether a character is one of the 27 symbols.
inline constexpr bool IsAlphabetSymbol(char c) {
    return (c >= 'A' && c <= 'Z') || c == kSpace;
}

/// The 0-based position of the first character outside the alphabet, if any.
std::optional<std::size_t> FirstForeignSymbol(std::string_view text);

} // namespace quarrow
