#pragma once

#include <bit>
#include <cstdint>

#include "platform/clock.h"

namespace quarrow {

/// The program's seedable pseudo-random generator.
///
/// A Weyl sequence: the state advances by a fixed odd step and each value is a strong mix of
/// the state (one wide multiplication folded onto itself). A reseed multiplies the state and
/// folds in the seed's bits, so the current state always takes part: reseeding twice with an
/// equal seed, or with equal clock readings, moves on to new points rather than repeating or
/// cancelling out. The selection schemes reseed before nearly every draw, so both operations are a
/// handful of instructions and live in this header.
class Generator {
public:
    /// The documented initial state; tests and benchmarks rely on its sequence.
    static constexpr std::uint64_t kInitialState = 0x51756172726f7732ULL;

    constexpr Generator() = default;
    constexpr explicit Generator(std::uint64_t state) : state_(state) {}

    /// Next value of the sequence, a float in [0, 1); never 1.
    float Next() {
        state_ += kGolden;
        // 24 bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24.
        return static_cast<float>(Output(state_) >> 40) * 0x1.0p-24f;
    }

    /// Moves to a new point chosen from the seed and the current state.
    void Reseed(double seed) {
        // +0.0 and -0.0 are one seed. Multiplying the state by an odd constant before folding in
        // the seed's bits keeps the step a bijection of the state and means that a second
        // reseed with the same seed cannot undo the first. The multiplication does not wait for
        // the seed, so on the schemes' chain (draw, reseed with the value, draw) a reseed costs
        // one exclusive or; the strong mixing is left to Next, whose wide multiplication spreads
        // every bit of the state over the bits a value is taken from.
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(seed + 0.0);
        state_ = (state_ * kStateMultiplier) ^ bits;
    }

    /// Reseeds from the time of day.
    void Reseed(const TimeOfDayClock& clock) {
        Reseed(static_cast<double>(clock.SecondsSinceMidnight()));
    }

    std::uint64_t State() const { return state_; }

private:
    static constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15ULL;
    static constexpr std::uint64_t kStateMultiplier = 0xd6e8feb86659fd93ULL;
    static constexpr std::uint64_t kOutputKey = 0xe7037ed1a0b428dbULL;

    // One wide multiplication folded onto itself: a strong output function with a short
    // latency, which matters because the schemes chain every draw to the one before.
    static std::uint64_t Output(std::uint64_t z) {
#if defined(__SIZEOF_INT128__)
        __extension__ using Wide = unsigned __int128;
        const Wide product = static_cast<Wide>(z) * (z ^ kOutputKey);
        return static_cast<std::uint64_t>(product >> 64) ^ static_cast<std::uint64_t>(product);
#else
        return Mix(z);
#endif
    }

    static constexpr std::uint64_t Mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    std::uint64_t state_ = kInitialState;
};

} // namespace quarrow
