#pragma once

#include "platform/clock.h"

namespace quarrow::testing {

/// The tests set the time of day on the program's own fixed clock.
using FakeTimeOfDayClock = FixedTimeOfDayClock;

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
