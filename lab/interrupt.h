#pragma once

#include <atomic>

namespace quarrow::lab {

/// Set by the first Ctrl+C once `CatchInterrupt` has run; every run of a batch watches it.
const std::atomic<bool>& InterruptRequested();

/// Lets the first Ctrl+C (SIGINT) set `InterruptRequested` instead of ending the process, so a
/// batch can stop and still report what it finished. A second Ctrl+C ends the process at once.
void CatchInterrupt();

/// Names a file to remove if the process is ended by a signal it can catch (a second Ctrl+C,
/// SIGTERM, SIGHUP, SIGQUIT, SIGPIPE unless ignored) or by an unhandled failure; nullptr names
/// none. The text must outlive the naming. The signal then ends the process as it would have.
void RemoveOnFatalSignal(const char* path);

/// Removes the named file now, if any; for ends that run no destructors.
void RemoveNamedFile();

} // namespace quarrow::lab
