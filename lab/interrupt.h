#pragma once

#include <atomic>

#include <signal.h>

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

/// Holds back Ctrl+C and the signals above in this thread while it lives, so that a file can be
/// created and named for removal with no signal ending the process in between; a signal that
/// came meanwhile is taken when it ends.
class FatalSignalsHeld {
public:
    FatalSignalsHeld();
    ~FatalSignalsHeld();
    FatalSignalsHeld(const FatalSignalsHeld&) = delete;
    FatalSignalsHeld& operator=(const FatalSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

/// Removes the named file now, if any; for ends that run no destructors.
void RemoveNamedFile();

} // namespace quarrow::lab
