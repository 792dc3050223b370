#pragma once

#include "platform/clock.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quarrow {

/// The program's seedable pseudo-random generator.
///
/// A 64-bit linear congruential step whose value is the top 24 bits of the new state, and a
/// reseed that rotates the whole state, folds in a key made from the seed and multiplies, so
/// every bit of the state afterwards depends on both the seed and every bit before. The
/// rotation is what keeps the weak low bits of the congruential step from ever running on their
/// own, and it means that reseeding twice with an equal seed (as the schemes do with their
/// offspring count, or the trial with one clock reading) moves on rather than cancelling out.
///
/// The schemes reseed before nearly every draw and scheme 3 reseeds with the value it has just
/// drawn, so the operations are a handful of instructions, live in this header and come in an
/// integer form (values as 24-bit integers, seeds as values or whole numbers) beside the
/// float one. `ValueChain` runs scheme 3's draw, reseed-with-the-value, draw chain with a single
/// dependent multiplication per link.
///
/// Reseeding with a value keys on the value's own bits and leaves them readable in the rotated
/// state, so that chain is a bijection of the state: two different states never merge into one.
class Generator {
public:
    /// Values are whole numbers below this; the float value is the integer times 2^-24.
    static constexpr std::uint32_t kValueRange = std::uint32_t{1} << 24;

    /// The documented initial state; tests and benchmarks rely on its sequence.
    static constexpr std::uint64_t kInitialState = 0x51756172726f7732ULL;

    constexpr Generator() = default;
    constexpr explicit Generator(std::uint64_t state) : state_(state) {}

    /// Next value as a whole number in [0, 2^24).
    std::uint32_t NextValue() {
        state_ = Step(state_);
        return ValueOf(state_);
    }

    /// Next value of the sequence, a float in [0, 1); never 1.
    float Next() { return ValueToFloat(NextValue()); }

    /// Reseeds with the generator value `value` (a whole number below 2^24), the same seed as
    /// the float value `value` * 2^-24.
    void ReseedWithValue(std::uint32_t value) { state_ = ReseedKeyed(state_, ValueKey(value)); }

    /// Reseeds with a whole number.
    void ReseedWhole(std::int64_t seed) { state_ = ReseedKeyed(state_, WholeKey(seed)); }

    /// Moves to a new point chosen from the seed and the current state. A seed that is a whole
    /// number or a generator value takes the same path as `ReseedWhole` or `ReseedWithValue`;
    /// +0.0 and -0.0 are one seed.
    void Reseed(double seed) { state_ = ReseedKeyed(state_, SeedKey(seed)); }

    /// Reseeds from the time of day.
    void Reseed(const TimeOfDayClock& clock) {
        Reseed(static_cast<double>(clock.SecondsSinceMidnight()));
    }

    constexpr std::uint64_t State() const { return state_; }

    // --- The building blocks, for loops that fuse them (the schemes, the string makers)

    /// The congruential step.
    static constexpr std::uint64_t kMultiplier = 0xd1342543de82ef95ULL;
    // Odd, for the full period of the step, and chosen so that two steps add 2: scheme 3's
    // fused link then adds a constant that fits in the instruction.
    static constexpr std::uint64_t kIncrement = 0x70da06e2a33975e3ULL;
    /// The reseed's multiplier.
    static constexpr std::uint64_t kReseedMultiplier = 0xaf251af3b0f025b5ULL;
    /// Bits the state is rotated left by in a reseed: the value bits (40 to 63) land on 0 to 23.
    static constexpr int kReseedRotation = 24;
    /// The bits of a state that hold its value.
    static constexpr std::uint64_t kValueBits = 0xffffff0000000000ULL;

    static constexpr std::uint64_t Step(std::uint64_t state) {
        return state * kMultiplier + kIncrement;
    }
    static constexpr std::uint32_t ValueOf(std::uint64_t state) {
        return static_cast<std::uint32_t>(state >> 40);
    }
    static constexpr float ValueToFloat(std::uint32_t value) {
        // 24 bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24.
        return static_cast<float>(value) * 0x1.0p-24f;
    }

    /// The key a whole-number seed folds into the state: a bijection of the seed, so distinct
    /// seeds (below 2^64 apart) give distinct keys. Zero gives zero, as the value 0 does.
    static constexpr std::uint64_t WholeKey(std::int64_t seed) {
        return static_cast<std::uint64_t>(seed) * kWholeKeyMultiplier;
    }

    /// The key of any seed: whole numbers as `WholeKey`, generator values (k * 2^-24) as
    /// `ValueKey`, anything else (clock readings, fractions, huge numbers) its bits, spread by
    /// a multiplication. +0.0 and -0.0 are one seed.
    static std::uint64_t SeedKey(double seed) {
        if (seed >= -kWholeLimit && seed <= kWholeLimit) {
            if (const auto whole = static_cast<std::int64_t>(seed);
                static_cast<double>(whole) == seed) {
                return WholeKey(whole);
            }
            if (seed > 0.0 && seed < 1.0) {
                const double scaled = seed * kValueRange;
                const auto value = static_cast<std::uint32_t>(scaled);
                if (static_cast<double>(value) == scaled) {
                    return ValueKey(value);
                }
            }
        }
        return OtherKey(seed);
    }

    /// A reseed with a key computed beforehand (`WholeKey`, or any other seed's).
    static constexpr std::uint64_t ReseedKeyed(std::uint64_t state, std::uint64_t key) {
        return (std::rotl(state, kReseedRotation) + key) * kReseedMultiplier;
    }

    /// The key a value folds into the state: the value in the top 24 bits. The rotation has just
    /// moved the state's own value bits to the bottom 24, where an addition above them cannot
    /// reach, so when the seed is the value just drawn the reseed stays a bijection of the state
    /// and the draw-reseed chain cannot merge two states.
    static constexpr std::uint64_t ValueKey(std::uint32_t value) {
        return static_cast<std::uint64_t>(value) << 40;
    }

    /// "Take the next value and reseed with it", in one piece.
    static constexpr std::uint64_t NextThenReseedWithIt(std::uint64_t state) {
        const std::uint64_t stepped = Step(state);
        return ReseedKeyed(stepped, stepped & kValueBits);
    }

    /// A reseed followed by a draw's step, as one multiplication on the state: the pattern of
    /// the schemes (reseed with a product, draw) and of the trial (reseed from the clock, draw).
    /// `scaledKey` is the seed's key times `kReseedThenStepMultiplier`, which a loop can work
    /// out ahead, off the state's path.
    static constexpr std::uint64_t ReseedThenStep(std::uint64_t state, std::uint64_t scaledKey) {
        return std::rotl(state, kReseedRotation) * kReseedThenStepMultiplier + scaledKey +
               kIncrement;
    }
    static constexpr std::uint64_t kReseedThenStepMultiplier = kReseedMultiplier * kMultiplier;
    static constexpr std::uint64_t ScaledWholeKey(std::int64_t seed) {
        return WholeKey(seed) * kReseedThenStepMultiplier;
    }

private:
    static constexpr std::uint64_t kWholeKeyMultiplier = 0xbf58476d1ce4e5b9ULL;
    // Whole numbers up to 2^62 in magnitude take the whole-number path.
    static constexpr double kWholeLimit = 0x1.0p62;

    /// Any other seed (clock readings, fractions, huge numbers): its bits, spread.
    static std::uint64_t OtherKey(double seed) {
        // The reseed's rotation and multiplication do the mixing; the key only has to spread
        // the low mantissa bits, where neighbouring clock readings differ, over the word.
        std::uint64_t bits = 0;
        static_assert(sizeof bits == sizeof seed);
        std::memcpy(&bits, &seed, sizeof bits);
        return (bits ^ (bits >> 32)) * 0x94d049bb133111ebULL;
    }

    std::uint64_t state_ = kInitialState;
};

/// The inverse of an odd number modulo 2^64.
constexpr std::uint64_t InverseModulo64(std::uint64_t odd) {
    // Newton's iteration doubles the correct low bits each round: 5 rounds reach 64.
    std::uint64_t inverse = odd;
    for (int i = 0; i < 5; ++i) {
        inverse *= 2 - odd * inverse;
    }
    return inverse;
}

/// Scheme 3's chain, "take the next value and reseed with it" before every drawn symbol, run
/// one step ahead: it holds the state after the next congruential step, so each link is one
/// rotation with its key and a single dependent multiplication, the symbol's value being worked
/// out beside it. Build it from a generator and hand the state back with `Store`.
class ValueChain {
public:
    explicit constexpr ValueChain(const Generator& generator)
        : ahead_(Generator::Step(generator.State())) {}

    /// Takes the next value and reseeds with it.
    constexpr void Churn() {
        const std::uint64_t rotated = std::rotl(ahead_, Generator::kReseedRotation);
        const std::uint64_t key = ahead_ & Generator::kValueBits;
        ahead_ = (rotated + key) * kChurnMultiplier + Generator::kIncrement;
    }

    /// Takes the next value, reseeds with it, then draws: returns the drawn value.
    constexpr std::uint32_t ChurnAndDraw() {
        const std::uint64_t rotated = std::rotl(ahead_, Generator::kReseedRotation);
        const std::uint64_t key = ahead_ & Generator::kValueBits;
        // The reseeded state, before its multiplication, is shared by the draw and by the step
        // after it, each one multiplication away: the link's dependent path is the rotation,
        // one addition, one multiplication and the constant. (Keeping the key as a separate
        // product instead spends a third multiplication per link and measured slower.)
        const std::uint64_t reseeded = rotated + key;
        const std::uint64_t drawn = reseeded * kChurnMultiplier + Generator::kIncrement;
        ahead_ = reseeded * kChurnTwiceMultiplier + kChurnTwiceIncrement;
        return Generator::ValueOf(drawn);
    }

    /// The generator's state at this point of the chain.
    constexpr std::uint64_t State() const {
        return (ahead_ - Generator::kIncrement) * kInverseMultiplier;
    }
    void Store(Generator& generator) const { generator = Generator(State()); }

private:
    static constexpr std::uint64_t kChurnMultiplier =
        Generator::kReseedMultiplier * Generator::kMultiplier;
    static constexpr std::uint64_t kChurnTwiceMultiplier =
        kChurnMultiplier * Generator::kMultiplier;
    static constexpr std::uint64_t kChurnTwiceIncrement =
        Generator::kIncrement * Generator::kMultiplier + Generator::kIncrement;
    static_assert(kChurnTwiceIncrement == 2);
    static constexpr std::uint64_t kInverseMultiplier = InverseModulo64(Generator::kMultiplier);
    static_assert(kInverseMultiplier * Generator::kMultiplier == 1);

    std::uint64_t ahead_;
};

} // namespace quarrow
