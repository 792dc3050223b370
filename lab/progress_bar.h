#pragma once

#include "platform/clock.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace quarrow::lab {

/// One line of progress: a bar, the count done of the total, and the time left: `secondsLeft`
/// when the caller knows it, else estimated from the pace so far (the time elapsed until
/// something is done).
std::string RenderProgress(std::int64_t done, std::int64_t total, double elapsedSeconds,
                           const std::string& unit, int barWidth = 30,
                           std::optional<double> secondsLeft = std::nullopt);

/// A minutes-and-seconds text ("3:07"), with hours when needed ("2:03:07").
std::string ClockText(double seconds);

/// A progress line redrawn in place on a terminal. Elsewhere (a file, a pipe to a script) a
/// line of its own every `kQuietInterval` seconds, so that a long batch is not silent there
/// either, yet a short one leaves nothing.
class ProgressBar {
public:
    ProgressBar(std::FILE* stream, std::int64_t total, std::string unit,
                const MonotonicClock& clock);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    static constexpr double kQuietInterval = 10.0;

    /// Redraws the line with `done` of the total, and `secondsLeft` when known.
    void Update(std::int64_t done, std::optional<double> secondsLeft = std::nullopt);
    /// Wipes the line so the report starts on a clean one.
    void Clear();

    bool Shown() const { return shown_; }

private:
    std::FILE* stream_;
    std::int64_t total_;
    std::string unit_;
    const MonotonicClock& clock_;
    double start_;
    bool shown_;
    bool drawn_ = false;
    double lastLine_;
};

} // namespace quarrow::lab
