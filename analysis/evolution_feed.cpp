#include "analysis/evolution_feed.h"

#include <algorithm>
#include <utility>

namespace quarrow {

namespace {
// A held run is woken by every change of speed, Pause and Step, and by the view's Cancel; a
// cancel from elsewhere (the program closing) it notices within this long.
constexpr std::chrono::milliseconds kCancelCheck{50};
} // namespace

// --- FitnessHistory

FitnessHistory::FitnessHistory(std::size_t maxPoints)
    : maxPoints_(std::max<std::size_t>(maxPoints, 8)) {
    points_.reserve(maxPoints_ + 1);
}

void FitnessHistory::Add(std::int64_t generation, double matched) {
    if (!points_.empty()) {
        const FitnessPoint last = points_.back();
        if (generation < last.generation) {
            return;
        }
        if (matched != last.matched && generation > last.generation) {
            // The value changed somewhere after the last sample: draw it as a step.
            Append({generation, last.matched, last.matched, last.matched});
        }
    }
    Append({generation, matched, matched, matched});
}

void FitnessHistory::Append(FitnessPoint point) {
    const std::size_t count = points_.size();
    if (count > 0 && points_.back() == point) {
        return;
    }
    if (count >= 2 && points_[count - 1].matched == point.matched &&
        points_[count - 2].matched == point.matched) {
        // A flat stretch is held by its two ends.
        FitnessPoint& end = points_.back();
        end.generation = point.generation;
        end.lowest = std::min(end.lowest, point.lowest);
        end.highest = std::max(end.highest, point.highest);
        return;
    }
    points_.push_back(point);
    if (points_.size() > maxPoints_) {
        Thin();
    }
}

void FitnessHistory::Thin() {
    // The older half's points merge in pairs; the first point stays as the curve's start. A pair
    // stands for the stretch up to its later point, with the range both of them held.
    const std::size_t olderEnd = points_.size() / 2;
    std::size_t kept = 1;
    std::size_t i = 1;
    for (; i + 1 < olderEnd; i += 2) {
        const FitnessPoint& earlier = points_[i];
        FitnessPoint merged = points_[i + 1];
        merged.lowest = std::min(merged.lowest, earlier.lowest);
        merged.highest = std::max(merged.highest, earlier.highest);
        points_[kept++] = merged;
    }
    const auto newer = points_.begin() + static_cast<std::ptrdiff_t>(i);
    const auto end =
        std::move(newer, points_.end(), points_.begin() + static_cast<std::ptrdiff_t>(kept));
    points_.erase(end, points_.end());
}

// --- EvolutionFeed

EvolutionFeed::EvolutionFeed(std::size_t maxChartPoints, std::size_t maxRows)
    : history_(maxChartPoints), bestHistory_(maxChartPoints), maxRows_(maxRows) {}

RunEnvironment EvolutionFeed::Attach(const RunEnvironment& environment) {
    log_.inner_ = &environment.log;
    {
        const std::lock_guard lock(paceMutex_);
        pacing_ = false;
    }
    runClock_ = &environment.clock;
    pausedSeconds_.store(0.0, std::memory_order_relaxed);
    runStart_ = std::chrono::steady_clock::now();
    reportEachGeneration_.store(true, std::memory_order_relaxed);
    RunEnvironment watched{.generator = environment.generator,
                           .clock = environment.clock,
                           .log = log_,
                           .cancel = environment.cancel,
                           .progressInterval = environment.progressInterval,
                           .reportEveryGeneration = &reportEachGeneration_,
                           .showOffspring = &showOffspring_};
    const std::atomic<bool>& cancel = environment.cancel;
    watched.progress = [this, &cancel, own = environment.progress](const RunProgress& progress) {
        if (own) {
            own(progress);
        }
        Receive(progress, cancel);
    };
    return watched;
}

void EvolutionFeed::SetSlowMotion(bool on) {
    slowMotion_.store(on, std::memory_order_relaxed);
    UpdateRequests();
}

void EvolutionFeed::SetSlowMotionRate(double generationsPerSecond) {
    if (generationsPerSecond > 0.0) {
        slowMotionRate_.store(generationsPerSecond, std::memory_order_relaxed);
        Wake();
    }
}

void EvolutionFeed::SetPaused(bool on) {
    {
        const std::lock_guard lock(paceMutex_);
        paused_.store(on, std::memory_order_relaxed);
        steps_ = 0;
    }
    UpdateRequests();
}

void EvolutionFeed::Step() {
    {
        const std::lock_guard lock(paceMutex_);
        if (!Paused()) {
            return;
        }
        ++steps_;
    }
    wake_.notify_all();
}

void EvolutionFeed::Wake() {
    {
        // Taken so that a run about to wait cannot miss the signal.
        const std::lock_guard lock(paceMutex_);
    }
    wake_.notify_all();
}

void EvolutionFeed::UpdateRequests() {
    const bool watched = SlowMotion() || Paused();
    showOffspring_.store(watched, std::memory_order_relaxed);
    // Turning the reports off is left to the run's next report, which knows whether the start
    // of the run is still reported in full.
    if (watched) {
        reportEachGeneration_.store(true, std::memory_order_relaxed);
    }
    Wake();
}

bool EvolutionFeed::Take(std::uint64_t seenReports, EvolutionSnapshot& snapshot,
                         std::vector<FitnessPoint>* points,
                         std::vector<FitnessPoint>* bestPoints) const {
    const std::lock_guard lock(mutex_);
    if (latest_.reports == seenReports) {
        return false;
    }
    snapshot = latest_;
    snapshot.pausedSeconds = PausedSeconds();
    if (points != nullptr) {
        *points = history_.Points();
    }
    if (bestPoints != nullptr) {
        *bestPoints = bestHistory_.Points();
    }
    return true;
}

void EvolutionFeed::Reset() {
    const std::lock_guard lock(mutex_);
    latest_ = {};
    history_.Clear();
    bestHistory_.Clear();
    rows_.clear();
    pausedSeconds_.store(0.0, std::memory_order_relaxed);
}

void EvolutionFeed::Receive(const RunProgress& progress, const std::atomic<bool>& cancel) {
    // Reports of single generations carry the engine's last clock reading, which a paced run
    // makes only every few seconds; a paced run is slow enough to read the clock here.
    double elapsed = progress.elapsedSeconds;
    if (SlowMotion() || Paused()) {
        const std::chrono::duration<double> sinceStart =
            std::chrono::steady_clock::now() - runStart_;
        elapsed = std::max(elapsed, sinceStart.count());
    }
    {
        const std::lock_guard lock(mutex_);
        latest_.CopyFigures(progress);
        latest_.elapsedSeconds = elapsed;
        latest_.logBytes = log_.Size();
        ++latest_.reports;
        if (progress.offspring != nullptr) {
            KeepOffspring(*progress.offspring, progress.generation);
        }
        AddRow(progress);
        if (RowOf(progress.scheme).presenter == LivePresenter::Prefix) {
            // Every generation starts again from an empty prefix: the curve shows each one's
            // own reach, and the run's best is a line of its own.
            if (progress.generation > 0) {
                history_.Add(progress.generation, static_cast<double>(progress.generationReached));
            }
            bestHistory_.Add(progress.generation, static_cast<double>(progress.matchedLetters));
        } else {
            history_.Add(progress.generation, static_cast<double>(progress.matchedLetters));
        }
    }
    if (progress.final) {
        // The run has already read its time: holding it back now would only delay the result.
        return;
    }
    reportEachGeneration_.store(SlowMotion() || Paused() ||
                                    progress.generation < kFullDetailGenerations,
                                std::memory_order_relaxed);
    Pace(cancel);
}

void EvolutionFeed::AddRow(const RunProgress& progress) {
    if (progress.generation <= 0) {
        return;
    }
    const GenerationRow row{progress.generation,
                            RowOf(progress.scheme).presenter == LivePresenter::Prefix
                                ? progress.generationReached
                                : progress.matchedLetters,
                            progress.stringsMade};
    // The final report repeats the last generation with the run's closing figures. Once the
    // rows are full, the generations between are given up, never the latest, which ends the run.
    const bool sameGeneration = !rows_.empty() && rows_.back().generation == row.generation;
    if (!sameGeneration && rows_.size() < maxRows_) {
        rows_.push_back(row);
    } else if (!rows_.empty()) {
        rows_.back() = row;
    }
}

std::vector<GenerationRow> EvolutionFeed::Rows() const {
    const std::lock_guard lock(mutex_);
    return rows_;
}

void EvolutionFeed::KeepOffspring(const GenerationOffspring& bred, std::int64_t generation) {
    const auto cut = [](const std::string& letters) {
        return std::string_view(letters).substr(0, kShownOffspringLetters);
    };
    latest_.offspringGeneration = generation;
    latest_.offspringParent.assign(cut(bred.parent));
    latest_.offspring.resize(bred.strings.size());
    for (std::size_t i = 0; i < bred.strings.size(); ++i) {
        OffspringRow& row = latest_.offspring[i];
        row.letters.assign(cut(bred.strings[i]));
        row.matched = i < bred.matched.size() ? bred.matched[i] : 0;
        row.copied = i < bred.copied.size() ? bred.copied[i] : 0;
    }
}

void EvolutionFeed::Pace(const std::atomic<bool>& cancel) {
    if (!SlowMotion() && !Paused()) {
        const std::lock_guard lock(paceMutex_);
        pacing_ = false;
        return;
    }
    const double heldFrom = runClock_ != nullptr ? runClock_->Seconds() : 0.0;
    {
        std::unique_lock lock(paceMutex_);
        if (!pacing_) {
            // The generation that was running when slow motion began is the first to wait.
            pacing_ = true;
            lastRelease_ = std::chrono::steady_clock::now();
        }
        WaitForTurn(lock, cancel);
        holding_.store(false, std::memory_order_relaxed);
    }
    if (runClock_ != nullptr) {
        const double held = std::max(0.0, runClock_->Seconds() - heldFrom);
        pausedSeconds_.store(PausedSeconds() + held, std::memory_order_relaxed);
    }
}

void EvolutionFeed::WaitForTurn(std::unique_lock<std::mutex>& lock,
                                const std::atomic<bool>& cancel) {
    using Clock = std::chrono::steady_clock;
    while (!cancel.load(std::memory_order_relaxed)) {
        if (Paused()) {
            if (steps_ > 0) {
                --steps_;
                lastRelease_ = Clock::now();
                return;
            }
            holding_.store(true, std::memory_order_relaxed);
            wake_.wait_for(lock, kCancelCheck);
            continue;
        }
        holding_.store(false, std::memory_order_relaxed);
        if (!SlowMotion()) {
            return;
        }
        const auto period = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(1.0 / SlowMotionRate()));
        const Clock::time_point release = lastRelease_ + period;
        const Clock::time_point now = Clock::now();
        if (now >= release) {
            // Keep to the schedule when the wake-up came a little late; a generation slower
            // than a whole period (or a pause) starts the schedule again from now.
            lastRelease_ = now - release < period ? release : now;
            return;
        }
        wake_.wait_until(lock, std::min(release, now + kCancelCheck));
    }
}

void EvolutionFeed::LogClosed() {
    const std::lock_guard lock(mutex_);
    const std::uint64_t size = log_.Size();
    if (size != latest_.logBytes) {
        latest_.logBytes = size;
        ++latest_.reports;
    }
}

// --- EvolutionFeed::WatchedLog

bool EvolutionFeed::WatchedLog::Close() {
    const bool closed = inner_->Close();
    feed_.LogClosed();
    return closed;
}

} // namespace quarrow
