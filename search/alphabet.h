#pragma once

#include "platform/clock.h"
#include "platform/generator.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarrow {

/// The 27 symbols every made string is written in: "A" to "Z", then the space.
inline constexpr int kAlphabetSize = 27;
inline constexpr char kFirstLetter = 'A';
inline constexpr char kSpace = ' ';

/// The symbols in draw-index order: "A" to "Z", then the space in the place of code 91.
inline constexpr char kSymbols[kAlphabetSize + 1] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ ";

/// The draw index a generator value selects, floor(r * 27) for the float value r = value * 2^-24
/// (exact: the product of a 24-bit value and 27 fits in 32 bits).
inline constexpr int SymbolIndex(std::uint32_t value) {
    return static_cast<int>((value * std::uint32_t{kAlphabetSize}) >> 24);
}

/// The symbol a generator value selects.
inline constexpr char SymbolForValue(std::uint32_t value) {
    return kSymbols[SymbolIndex(value)];
}

/// The symbol a float value in [0, 1) selects: draw index k = floor(r * 27), letters for
/// k = 0 to 25 and the space for k = 26 (the place of code 91).
inline char SymbolForValue(float r) {
    const int code = 65 + static_cast<int>(static_cast<double>(r) * kAlphabetSize);
    return code >= 91 ? kSpace : static_cast<char>(code);
}

/// The draw index of an alphabet symbol.
inline constexpr int IndexOfSymbol(char symbol) {
    return symbol == kSpace ? kAlphabetSize - 1 : symbol - kFirstLetter;
}

/// One random symbol; draws one value.
inline char RandomSymbol(Generator& generator) {
    return SymbolForValue(generator.NextValue());
}

/// Fills `out[0..length)` with random symbols, first draw first; draws exactly `length` values.
///
/// The same values as `length` calls of `RandomSymbol`, made four at a time from four
/// interleaved strides of the step, so the draws do not wait on one another.
inline void FillRandom(Generator& generator, char* out, std::size_t length) {
    constexpr std::uint64_t a = Generator::kMultiplier;
    constexpr std::uint64_t c = Generator::kIncrement;
    constexpr std::uint64_t kJumpMultiplier = a * a * a * a;
    constexpr std::uint64_t kJumpIncrement = c * (a * a * a + a * a + a + 1);
    std::uint64_t state = generator.State();
    std::size_t i = 0;
    if (length >= 4) {
        std::uint64_t first = Generator::Step(state);
        std::uint64_t second = Generator::Step(first);
        std::uint64_t third = Generator::Step(second);
        std::uint64_t fourth = Generator::Step(third);
        for (;;) {
            out[i] = SymbolForValue(Generator::ValueOf(first));
            out[i + 1] = SymbolForValue(Generator::ValueOf(second));
            out[i + 2] = SymbolForValue(Generator::ValueOf(third));
            out[i + 3] = SymbolForValue(Generator::ValueOf(fourth));
            state = fourth;
            i += 4;
            if (length - i < 4) {
                break;
            }
            first = first * kJumpMultiplier + kJumpIncrement;
            second = second * kJumpMultiplier + kJumpIncrement;
            third = third * kJumpMultiplier + kJumpIncrement;
            fourth = fourth * kJumpMultiplier + kJumpIncrement;
        }
    }
    for (; i < length; ++i) {
        state = Generator::Step(state);
        out[i] = SymbolForValue(Generator::ValueOf(state));
    }
    generator = Generator(state);
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
