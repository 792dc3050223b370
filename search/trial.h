#pragma once

#include "platform/clock.h"
#include "platform/generator.h"
#include "search/alphabet.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace quarrow {

/// The most strings one trial makes: the count box takes any count that fits in 32 bits.
inline constexpr std::int64_t kMostTrialStrings = 2'147'483'647;

/// The count box read the lenient way and rounded half to even; 0 for a count of 0 or below
/// (no string is made), nothing for a count above `kMostTrialStrings` or not finite (such as
/// "1E+999"), which the caller refuses.
std::optional<std::int64_t> ReadTrialCount(std::string_view text);

/// Where a trial stands, handed to the progress callback on the trial's own thread.
struct TrialProgress {
    std::int64_t stringsMade = 0;
    std::int64_t stringsAsked = 0;
    /// Valid only during the callback.
    std::string_view bestString;
    /// Empty until the first string is scored.
    std::optional<std::size_t> bestCount;
};

using TrialProgressCallback = std::function<void(const TrialProgress&)>;

/// What a trial reports besides its strings: a progress callback, called at most once per
/// `progressInterval` seconds of `clock`, and a cancel flag polled after every string.
/// Everything may be left empty.
struct TrialHooks {
    const MonotonicClock* clock = nullptr;
    double progressInterval = 0.05;
    TrialProgressCallback progress;
    const std::atomic<bool>* cancel = nullptr;
};

/// The outcome of a trial. `bestCount` is empty when no string was made.
struct TrialResult {
    std::int64_t stringsMade = 0;
    std::string bestString;
    std::optional<std::size_t> bestCount;
    bool cancelled = false;
};

/// Fills `candidate` with drawn symbols, the generator reseeded from the time of day before
/// every one.
template <typename RandomSource>
void DrawTrialString(RandomSource& generator, const TimeOfDayClock& seedClock,
                     std::string& candidate) {
    const std::size_t length = candidate.size();
    if constexpr (std::is_same_v<RandomSource, Generator>) {
        // The program's generator on its integer path: the clock reading's key is worked out
        // beside the state, and the reseed and the draw are one multiplication on it.
        std::uint64_t state = generator.State();
        for (std::size_t i = 0; i < length; ++i) {
            const double reading = static_cast<double>(seedClock.SecondsSinceMidnight());
            state = Generator::ReseedThenStep(state, Generator::SeedKey(reading) *
                                                         Generator::kReseedThenStepMultiplier);
            candidate[i] = SymbolForValue(Generator::ValueOf(state));
        }
        generator = Generator(state);
    } else {
        for (std::size_t i = 0; i < length; ++i) {
            generator.Reseed(seedClock);
            candidate[i] = SymbolForValue(generator.Next());
        }
    }
}

/// Makes `stringsAsked` random strings as long as `target` and keeps the best by match count.
///
/// Before every single symbol the generator is reseeded from the time of day. A string
/// replaces the best when its count is at least the best count, so the first string always
/// becomes the best and of several equal best strings the last one made wins. A count of 0
/// or below makes no string.
///
/// A template on the generator so tests can script the symbols; the program's own generator
/// goes through `RunMatchingTrial`.
template <typename RandomSource>
TrialResult RunMatchingTrialWith(RandomSource& generator, const TimeOfDayClock& seedClock,
                                 std::string_view target, std::int64_t stringsAsked,
                                 const TrialHooks& hooks = {}) {
    TrialResult result;
    const std::size_t length = target.size();
    // Two buffers that swap roles when a candidate becomes the best, so a new best costs no
    // copy and no string is allocated inside the loop.
    std::string candidate(length, kSpace);
    std::string best(length, kSpace);
    std::optional<std::size_t> bestCount;

    // The clock is read for progress only after this much work (symbols and strings), so a
    // trial of short strings does not pay a clock reading per string.
    constexpr std::size_t kWorkBetweenClockReadings = 16384;
    std::size_t workSinceReading = 0;
    const bool reports = hooks.progress && hooks.clock != nullptr;
    double lastReport = reports ? hooks.clock->Seconds() : 0.0;

    std::int64_t made = 0;
    for (; made < stringsAsked; ++made) {
        if (hooks.cancel != nullptr && hooks.cancel->load(std::memory_order_relaxed)) {
            result.cancelled = true;
            break;
        }
        DrawTrialString(generator, seedClock, candidate);
        const std::size_t count = MatchCount(candidate, target);
        if (count >= bestCount.value_or(0)) {
            bestCount = count;
            candidate.swap(best);
        }
        if (reports) {
            workSinceReading += length + 1;
            if (workSinceReading >= kWorkBetweenClockReadings) {
                workSinceReading = 0;
                const double now = hooks.clock->Seconds();
                if (now - lastReport >= hooks.progressInterval) {
                    lastReport = now;
                    hooks.progress(TrialProgress{made + 1, stringsAsked, best, bestCount});
                }
            }
        }
    }

    result.stringsMade = made;
    result.bestCount = bestCount;
    if (bestCount.has_value()) {
        result.bestString = std::move(best);
    }
    return result;
}

/// The trial with the program's generator.
TrialResult RunMatchingTrial(Generator& generator, const TimeOfDayClock& seedClock,
                             std::string_view target, std::int64_t stringsAsked,
                             const TrialHooks& hooks = {});

} // namespace quarrow
