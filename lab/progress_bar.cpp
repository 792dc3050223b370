#include "lab/progress_bar.h"

#include <algorithm>
#include <cmath>

#include <unistd.h>

namespace quarrow::lab {

std::string ClockText(double seconds) {
    const auto whole = static_cast<std::int64_t>(std::max(0.0, std::round(seconds)));
    const std::int64_t hours = whole / 3600;
    const std::int64_t minutes = whole / 60 % 60;
    const std::int64_t secs = whole % 60;
    char text[48];
    if (hours > 0) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(hours),
                      static_cast<long long>(minutes), static_cast<long long>(secs));
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(minutes),
                      static_cast<long long>(secs));
    }
    return text;
}

std::string RenderProgress(std::int64_t done, std::int64_t total, double elapsedSeconds,
                           const std::string& unit, int barWidth,
                           std::optional<double> secondsLeft) {
    const double fraction =
        total > 0 ? std::clamp(static_cast<double>(done) / static_cast<double>(total), 0.0, 1.0)
                  : 0.0;
    const auto filled = static_cast<int>(fraction * barWidth);
    std::string line = "[";
    line.append(static_cast<std::size_t>(filled), '#');
    line.append(static_cast<std::size_t>(barWidth - filled), '.');
    line += "] ";
    line += std::to_string(done) + "/" + std::to_string(total) + " " + unit + " ";
    char percent[16];
    std::snprintf(percent, sizeof percent, "%3d%%", static_cast<int>(fraction * 100.0));
    line += percent;
    line += "  ";
    if (secondsLeft && done < total) {
        line += std::isfinite(*secondsLeft) ? ClockText(*secondsLeft) + " left"
                                            : std::string("no end in sight");
    } else if (done > 0 && done < total) {
        const double left =
            elapsedSeconds / static_cast<double>(done) * static_cast<double>(total - done);
        line += ClockText(left) + " left";
    } else if (done >= total && total > 0) {
        line += "done";
    } else {
        // Nothing finished yet gives no pace to go by: a single long run, say.
        line += ClockText(elapsedSeconds) + " elapsed";
    }
    return line;
}

ProgressBar::ProgressBar(std::FILE* stream, std::int64_t total, std::string unit,
                         const MonotonicClock& clock)
    : stream_(stream), total_(total), unit_(std::move(unit)), clock_(clock),
      start_(clock.Seconds()), shown_(isatty(fileno(stream)) == 1), lastLine_(start_) {}

ProgressBar::~ProgressBar() {
    Clear();
}

void ProgressBar::Update(std::int64_t done, std::optional<double> secondsLeft) {
    const double now = clock_.Seconds();
    if (!shown_) {
        if (now - lastLine_ >= kQuietInterval && done < total_) {
            lastLine_ = now;
            const std::string line =
                RenderProgress(done, total_, now - start_, unit_, 30, secondsLeft);
            std::fprintf(stream_, "%s\n", line.c_str());
            std::fflush(stream_);
        }
        return;
    }
    const std::string line = RenderProgress(done, total_, now - start_, unit_, 30, secondsLeft);
    // Carriage return, the line, then erase whatever a longer earlier line left.
    std::fprintf(stream_, "\r%s\033[K", line.c_str());
    std::fflush(stream_);
    drawn_ = true;
}

void ProgressBar::Clear() {
    if (shown_ && drawn_) {
        std::fputs("\r\033[K", stream_);
        std::fflush(stream_);
        drawn_ = false;
    }
}

} // namespace quarrow::lab
