#include "platform/clock.h"

#include <chrono>
#include <cstdint>
#include <ctime>

namespace quarrow {

namespace {

// The trial reads this clock before every single draw, so the local-time conversion (which
// takes the time-zone lock) is done once an hour per thread; hour boundaries are where
// daylight-saving changes happen, so the cached start of the day stays right across them.
struct DayWindow {
    std::int64_t dayStart = 0;
    std::int64_t validUntil = 0;
};

void Refresh(DayWindow& window, std::int64_t epochSeconds) {
    std::tm local{};
    const std::time_t whole = static_cast<std::time_t>(epochSeconds);
#ifdef _WIN32
    localtime_s(&local, &whole);
#else
    localtime_r(&whole, &local);
#endif
    const std::int64_t intoDay = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    window.dayStart = epochSeconds - intoDay;
    window.validUntil = epochSeconds - intoDay % 3600 + 3600;
}

} // namespace

float SystemTimeOfDayClock::SecondsSinceMidnight() const {
    timespec now{};
#ifdef CLOCK_REALTIME_COARSE
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
#else
    timespec_get(&now, TIME_UTC);
#endif
    thread_local DayWindow window;
    const std::int64_t seconds = now.tv_sec;
    if (seconds < window.dayStart || seconds >= window.validUntil) {
        Refresh(window, seconds);
    }
    const double intoDay =
        static_cast<double>(seconds - window.dayStart) + static_cast<double>(now.tv_nsec) * 1e-9;
    return static_cast<float>(intoDay);
}

double SystemMonotonicClock::Seconds() const {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

const TimeOfDayClock& SystemTimeOfDay() {
    static const SystemTimeOfDayClock clock;
    return clock;
}

const MonotonicClock& SystemMonotonic() {
    static const SystemMonotonicClock clock;
    return clock;
}

} // namespace quarrow
