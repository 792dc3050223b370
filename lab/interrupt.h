#pragma once

#include <atomic>

namespace quarrow::lab {

/// Set by the first Ctrl+C once `CatchInterrupt` has run; every run of a batch watches it.
const std::atomic<bool>& InterruptRequested();

/// Lets the first Ctrl+C (SIGINT) set `InterruptRequested` instead of ending the process, so a
/// batch can stop and still report what it finished. A second Ctrl+C ends the process at once.
void CatchInterrupt();

} // namespace quarrow::lab
