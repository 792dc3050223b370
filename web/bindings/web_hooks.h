#pragma once

#include <cstdint>
#include <string_view>

namespace quarrow::web {

// What long work tells the page while it runs, and where the generation log goes: functions of
// the worker's script (web/page/engine-worker.ts), called from the work's own thread, which in
// the worker is the only one.

/// How often progress is reported, in seconds of the monotonic clock.
inline constexpr double kProgressSeconds = 0.05;

/// A trial's strings made so far and its best string; `bestCount` is -1 before the first.
/// False once the page has cancelled the trial.
bool ReportTrial(std::int64_t stringsMade, std::string_view bestString, double bestCount);

/// A run's figures: generations completed, strings made, matched letters of the parent (or the
/// best so far), the target's length, seconds, and the parent; `final` for the report after it
/// stopped; `logBytes`, the bytes of whole lines the log holds so far. False once the page has
/// cancelled the run.
bool ReportRun(std::int64_t generation, std::int64_t stringsMade, double matched, double length,
               double seconds, std::string_view parent, bool final, std::uint64_t logBytes);

/// Why a write of the log failed, as the page's storage tells it.
enum class StorageFault : int { None = 0, Full = 1, Refused = 2 };

/// Empties the log file; `StorageFault::None` when it is ready.
StorageFault LogBegin();
/// Appends `size` bytes to the log file; `written` is how many of them reached it, all of them
/// when nothing failed.
StorageFault LogAppend(const char* bytes, std::size_t size, std::size_t& written);
/// Cuts the log file to its first `size` bytes.
StorageFault LogCut(std::uint64_t size);
/// Writes the file out and lets it go.
StorageFault LogEnd();

} // namespace quarrow::web
