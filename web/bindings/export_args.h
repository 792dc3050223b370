#pragma once

#include "engine/selection.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// What every group of the engine's exports reads from the page and names back to it: the page
// hands a 64-bit state over as two 32-bit halves (a number of JavaScript holds 53 bits), Latin-1
// texts as bytes with their count, and reads a run's outcome by name.
namespace quarrow::web {

inline std::uint64_t Join(std::uint32_t high, std::uint32_t low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

/// The `size` bytes at `bytes`; none for a negative count.
inline std::string_view Bytes(const char* bytes, int size) {
    return {bytes, static_cast<std::size_t>(size < 0 ? 0 : size)};
}

inline const char* OutcomeName(RunOutcome outcome) {
    switch (outcome) {
    case RunOutcome::Matched:
        return "matched";
    case RunOutcome::Cancelled:
        return "cancelled";
    case RunOutcome::LogFailed:
        return "logFailed";
    case RunOutcome::InvalidInput:
        return "invalidInput";
    }
    return "";
}

} // namespace quarrow::web
