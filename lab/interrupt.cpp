#include "lab/interrupt.h"

#include <signal.h>

namespace quarrow::lab {
namespace {

// Written from the signal handler, so it must be lock-free to be async-signal-safe.
static_assert(std::atomic<bool>::is_always_lock_free);
std::atomic<bool> interruptRequested{false};

extern "C" void OnInterrupt(int) {
    interruptRequested.store(true, std::memory_order_relaxed);
}

} // namespace

const std::atomic<bool>& InterruptRequested() {
    return interruptRequested;
}

void CatchInterrupt() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // The handler runs once; a second Ctrl+C gets the default action, so a user who presses
    // it again is not ignored.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
}

} // namespace quarrow::lab
