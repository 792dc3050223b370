#pragma once

#include "platform/clock.h"

namespace quarrow::testing {

/// A time-of-day clock that reads whatever the test sets.
class FakeTimeOfDayClock final : public TimeOfDayClock {
public:
    explicit FakeTimeOfDayClock(float seconds = 0.0f) : seconds_(seconds) {}
    float SecondsSinceMidnight() const override { return seconds_; }
    void Set(float seconds) { seconds_ = seconds; }

private:
    float seconds_;
};

/// A monotonic clock that reads whatever the test sets, or steps by a fixed amount per reading.
class FakeMonotonicClock final : public MonotonicClock {
public:
    explicit FakeMonotonicClock(double seconds = 0.0, double step = 0.0)
        : seconds_(seconds), step_(step) {}
    double Seconds() const override {
        const double now = seconds_;
        seconds_ += step_;
        return now;
    }
    void Set(double seconds) { seconds_ = seconds; }

private:
    mutable double seconds_;
    double step_;
};

} // namespace quarrow::testing
