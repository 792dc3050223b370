#pragma once

#include "platform/clock.h"
#include "platform/generator.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace quarrow {

/// Counts the random strings of `length` symbols begun within `windowSeconds` of `clock`.
///
/// The strings are made into one fixed buffer and never kept; the generator is not reseeded.
/// The clock is read before the first string and then after every batch of about four
/// thousand symbols (a few microseconds), so the window closes within microseconds of its
/// end while the reading adds almost nothing to the cost of a string. The first batch always
/// runs, so an uncancelled count is at least 1. Returns early, with the strings begun so far,
/// once `cancel` is set.
std::int64_t CountStringsPerSecond(Generator& generator, const MonotonicClock& clock,
                                   std::size_t length, const std::atomic<bool>& cancel,
                                   double windowSeconds = 1.0);

} // namespace quarrow
