#include "search/string_rate.h"

#include "search/alphabet.h"

#include <algorithm>
#include <vector>

namespace quarrow {

namespace {

constexpr std::size_t kSymbolsPerBatch = 4096;

// Tells the optimiser the string is read, so every symbol of it must really be made.
inline void KeepString(const char* text) {
#if defined(__GNUC__)
    asm volatile("" : : "r"(text) : "memory");
#else
    static volatile char sink;
    sink = text[0];
#endif
}

} // namespace

std::int64_t CountStringsPerSecond(Generator& generator, const MonotonicClock& clock,
                                   std::size_t length, const std::atomic<bool>& cancel,
                                   double windowSeconds) {
    std::vector<char> buffer(std::max<std::size_t>(length, 1));
    const std::size_t stringsPerBatch = std::max<std::size_t>(kSymbolsPerBatch / buffer.size(), 1);

    std::int64_t count = 0;
    const double start = clock.Seconds();
    while (clock.Seconds() < start + windowSeconds) {
        if (cancel.load(std::memory_order_relaxed)) {
            break;
        }
        for (std::size_t i = 0; i < stringsPerBatch; ++i) {
            FillRandom(generator, buffer.data(), length);
            KeepString(buffer.data());
        }
        count += static_cast<std::int64_t>(stringsPerBatch);
    }
    return count;
}

} // namespace quarrow
