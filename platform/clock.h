#pragma once

#include "platform/interface.h"

namespace quarrow {

/// Seconds since local midnight, the reading that seeds the generator and stamps the old timings.
class TimeOfDayClock : public Interface {
public:
    /// Seconds since local midnight, in [0, 86400).
    virtual float SecondsSinceMidnight() const = 0;
};

/// A clock that never goes backwards; every duration the program shows is measured with it.
class MonotonicClock : public Interface {
public:
    /// Seconds since an arbitrary fixed origin.
    virtual double Seconds() const = 0;
};

/// The wall clock of this machine, read coarsely: it only seeds the generator, and a coarse
/// reading costs a few nanoseconds where a precise one costs over twenty.
class SystemTimeOfDayClock final : public TimeOfDayClock {
public:
    float SecondsSinceMidnight() const override;
};

/// The steady clock of this machine.
class SystemMonotonicClock final : public MonotonicClock {
public:
    double Seconds() const override;
};

/// A time-of-day clock that reads what it was set to. A seeded trial reseeds from one stopped at
/// a reading, so that its strings depend on the seed alone and repeat exactly.
class FixedTimeOfDayClock final : public TimeOfDayClock {
public:
    explicit FixedTimeOfDayClock(float seconds = 0.0f) : seconds_(seconds) {}
    float SecondsSinceMidnight() const override { return seconds_; }
    void Set(float seconds) { seconds_ = seconds; }

private:
    float seconds_;
};

/// The process-wide system clocks; they hold no state, so sharing them is safe.
const TimeOfDayClock& SystemTimeOfDay();
const MonotonicClock& SystemMonotonic();

} // namespace quarrow
