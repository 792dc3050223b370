#pragma once

#include "engine/generation_log.h"
#include "engine/selection.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace quarrow {

/// One point of the fitness curve: letters right after a generation.
///
/// A point that stands for a thinned stretch (the generations after the point before it, up to
/// its own) keeps the lowest and highest value sampled in it; an exact sample has both equal to
/// `matched`.
struct FitnessPoint {
    std::int64_t generation = 0;
    double matched = 0.0;
    double lowest = 0.0;
    double highest = 0.0;

    /// Whether the point stands for a stretch whose values ranged more widely than one sample.
    bool Spans() const { return lowest != highest; }

    bool operator==(const FitnessPoint&) const = default;
};

/// The fitness curve of a run, kept to a bounded number of points however long the run.
///
/// Samples arrive at most every few milliseconds, for hours if need be. Flat stretches are held
/// as their two ends, and a change of value adds the corner of a step, so a curve that climbs
/// through a few dozen values stays exact. Past the bound, the points of the older half are
/// merged in pairs, each keeping the lowest and highest value of the stretch it stands for: the
/// recent part stays sharp and the old part keeps its whole range at a coarser grain, with no
/// sample lost from what the curve covers.
class FitnessHistory {
public:
    static constexpr std::size_t kDefaultMaxPoints = 1000;

    explicit FitnessHistory(std::size_t maxPoints = kDefaultMaxPoints);

    /// Records the value reached by `generation`; samples older than the last are ignored.
    void Add(std::int64_t generation, double matched);
    void Clear() { points_.clear(); }

    const std::vector<FitnessPoint>& Points() const { return points_; }

private:
    void Append(FitnessPoint point);
    void Thin();

    std::size_t maxPoints_;
    std::vector<FitnessPoint> points_;
};

/// One offspring of a shown generation, its letters cut to what a row shows.
struct OffspringRow {
    std::string letters;
    /// See `GenerationOffspring`: letters right, or for scheme 3 the prefix reached after it.
    std::size_t matched = 0;
    /// Scheme 3: letters copied from the target.
    std::size_t copied = 0;

    bool operator==(const OffspringRow&) const = default;
};

/// One generation of a watched run, as "Save data..." writes it.
struct GenerationRow {
    std::int64_t generation = 0;
    /// The parent's letters right, or for scheme 3 the prefix the generation reached.
    std::size_t lettersRight = 0;
    /// Strings made by the end of the generation.
    std::int64_t strings = 0;

    bool operator==(const GenerationRow&) const = default;
};

/// What a watcher shows of a run: the engine's latest report, copied, and what the feed adds.
struct EvolutionSnapshot : RunFigures<std::string> {
    /// Bytes of the generation log so far, line ends included: what reached the file and what
    /// waits to be written; after a failed write, only what reached it.
    std::uint64_t logBytes = 0;
    /// Snapshots received so far; 0 before the first.
    std::uint64_t reports = 0;
    /// Seconds the run was held back by slow motion or Pause so far.
    double pausedSeconds = 0.0;
    /// The offspring of generation `offspringGeneration` (0 before any were shown) and, for
    /// schemes 1 and 2, the parent they were bred from, cut alike to `kShownOffspringLetters`.
    std::vector<OffspringRow> offspring;
    std::string offspringParent;
    std::int64_t offspringGeneration = 0;
};

/// The worker-side half of a live view of a run.
///
/// `Attach` hooks a run's environment: the feed reads the log's size at each report and on close,
/// copies every progress snapshot under a mutex and extends the fitness curve, all on the run's
/// thread. It asks for a report after each of the first `kFullDetailGenerations` generations, so
/// the curve of a short run is exact, and from then on takes the engine's reports every few
/// milliseconds. In slow motion it asks for a report after every generation and holds the run
/// inside the callback until the generation's turn comes, so the engine computes exactly what it
/// would have computed at full speed; paused, it holds the run there until Resume or Step. In
/// slow motion and paused it also asks for each generation's offspring. A held run waits on a
/// condition variable. The UI thread reads with `Take`.
class EvolutionFeed {
public:
    static constexpr double kDefaultSlowMotionRate = 4.0;
    /// Generations at the start of a run reported one by one at full speed.
    static constexpr std::int64_t kFullDetailGenerations = 2000;
    /// Letters of an offspring row kept for the view; the counts are of the whole string.
    static constexpr std::size_t kShownOffspringLetters = 160;

    /// `maxRows` bounds the rows kept for "Save data..." (see `Rows`).
    explicit EvolutionFeed(std::size_t maxChartPoints = FitnessHistory::kDefaultMaxPoints,
                           std::size_t maxRows = kMaxRows);
    EvolutionFeed(const EvolutionFeed&) = delete;
    EvolutionFeed& operator=(const EvolutionFeed&) = delete;

    /// A copy of `environment` that reports to this feed as well as to its own callback, with its
    /// log counted on the way through. The feed must outlive the run.
    RunEnvironment Attach(const RunEnvironment& environment);

    /// Paces the run to the slow-motion rate, or lets it run at full speed again.
    void SetSlowMotion(bool on);
    bool SlowMotion() const { return slowMotion_.load(std::memory_order_relaxed); }
    /// Generations a second in slow motion.
    void SetSlowMotionRate(double generationsPerSecond);
    double SlowMotionRate() const { return slowMotionRate_.load(std::memory_order_relaxed); }

    /// Holds the run once the generation it is in has been reported, or lets it go on.
    void SetPaused(bool on);
    bool Paused() const { return paused_.load(std::memory_order_relaxed); }
    /// While paused, lets the run make one more generation; presses add up.
    void Step();
    /// Whether the run is waiting, paused, for Resume or Step.
    bool Holding() const { return holding_.load(std::memory_order_relaxed); }
    /// Wakes a waiting run at once, to see a cancel it would otherwise notice a little later.
    void Wake();

    /// Copies the latest snapshot, and the curves when `points` and `bestPoints` are given;
    /// false if nothing came in since the call that returned `seenReports`. The curve holds the
    /// letters right of each parent, or for the sequential scheme the prefix each generation
    /// reached; `bestPoints` the sequential run's best so far (empty for the other schemes).
    bool Take(std::uint64_t seenReports, EvolutionSnapshot& snapshot,
              std::vector<FitnessPoint>* points = nullptr,
              std::vector<FitnessPoint>* bestPoints = nullptr) const;

    /// A row for each generation reported: every generation of the first
    /// `kFullDetailGenerations` and of those run slower than full speed, and otherwise one every
    /// few milliseconds; at most the feed's `maxRows`. Once that many are kept, the last row
    /// follows the run, so that the final generation is always there.
    std::vector<GenerationRow> Rows() const;
    static constexpr std::size_t kMaxRows = 1'000'000;

    /// Seconds the run has spent held back by slow motion or Pause, on the run's own clock; its
    /// `TimeLength` less these is the computing time.
    double PausedSeconds() const { return pausedSeconds_.load(std::memory_order_relaxed); }

    /// Forgets the run, for a feed used again.
    void Reset();

private:
    /// Forwards to the run's log. Closing writes out the last of the log, or fails to, after
    /// the run's last report: the feed reads the log's size once more then.
    class WatchedLog final : public LogSink {
    public:
        explicit WatchedLog(EvolutionFeed& feed) : feed_(feed) {}
        bool Open() override { return inner_->Open(); }
        bool WriteLine(std::string_view line) override { return inner_->WriteLine(line); }
        bool Close() override;
        std::string Error() const override { return inner_->Error(); }
        std::uint64_t Size() const override { return inner_->Size(); }

        LogSink* inner_ = nullptr;

    private:
        EvolutionFeed& feed_;
    };

    void Receive(const RunProgress& progress, const std::atomic<bool>& cancel);
    /// Takes the size of the log as it stands once closed.
    void LogClosed();
    void Pace(const std::atomic<bool>& cancel);
    void WaitForTurn(std::unique_lock<std::mutex>& lock, const std::atomic<bool>& cancel);
    void KeepOffspring(const GenerationOffspring& bred, std::int64_t generation);
    void AddRow(const RunProgress& progress);
    void UpdateRequests();

    WatchedLog log_{*this};
    std::atomic<bool> slowMotion_{false};
    // What the engine reads after each generation: slow motion, or the start of the run.
    std::atomic<bool> reportEachGeneration_{false};
    std::atomic<double> slowMotionRate_{kDefaultSlowMotionRate};
    // What the engine reads before each generation: whether to breed its offspring as strings.
    std::atomic<bool> showOffspring_{false};
    std::atomic<bool> paused_{false};
    std::atomic<bool> holding_{false};
    // Guards the steps granted and the pacing schedule; `wake_` is signalled on every change of
    // speed, pause or step.
    std::mutex paceMutex_;
    std::condition_variable wake_;
    int steps_ = 0;
    bool pacing_ = false;
    const MonotonicClock* runClock_ = nullptr;
    std::atomic<double> pausedSeconds_{0.0};
    std::chrono::steady_clock::time_point runStart_;
    std::chrono::steady_clock::time_point lastRelease_;

    mutable std::mutex mutex_;
    EvolutionSnapshot latest_;
    FitnessHistory history_;
    FitnessHistory bestHistory_;
    std::vector<GenerationRow> rows_;
    std::size_t maxRows_;
};

} // namespace quarrow
