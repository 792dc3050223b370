#include "lab/interrupt.h"

#include <pthread.h>
#include <unistd.h>

namespace quarrow::lab {
namespace {

// Written from the signal handlers, so they must be lock-free to be async-signal-safe.
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<const char*>::is_always_lock_free);
std::atomic<bool> interruptRequested{false};
std::atomic<bool> interruptCaught{false};
std::atomic<const char*> fileToRemove{nullptr};

const int kFatalSignals[] = {SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};

extern "C" void OnFatalSignal(int signal) {
    const char* path = fileToRemove.exchange(nullptr);
    if (path != nullptr) {
        unlink(path);
    }
    // End as the signal would have ended the process without the handler.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

extern "C" void OnInterrupt(int signal) {
    // The first Ctrl+C asks the batch to stop; a second one is not ignored.
    if (interruptRequested.exchange(true, std::memory_order_relaxed)) {
        OnFatalSignal(signal);
    }
}

void Install(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

} // namespace

const std::atomic<bool>& InterruptRequested() {
    return interruptRequested;
}

void CatchInterrupt() {
    interruptCaught.store(true);
    Install(SIGINT, OnInterrupt);
}

void RemoveOnFatalSignal(const char* path) {
    static const bool installed = [] {
        for (const int signal : kFatalSignals) {
            struct sigaction current {};
            sigaction(signal, nullptr, &current);
            // A signal the caller chose to ignore stays ignored.
            if (current.sa_handler != SIG_IGN) {
                Install(signal, OnFatalSignal);
            }
        }
        return true;
    }();
    (void)installed;
    fileToRemove.store(path);
    // A Ctrl+C before the batch starts ends the process too, and must not leave the file.
    if (path != nullptr && !interruptCaught.load()) {
        Install(SIGINT, OnFatalSignal);
    }
}

FatalSignalsHeld::FatalSignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    sigaddset(&held, SIGINT);
    for (const int signal : kFatalSignals) {
        sigaddset(&held, signal);
    }
    pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

FatalSignalsHeld::~FatalSignalsHeld() {
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

void RemoveNamedFile() {
    const char* path = fileToRemove.exchange(nullptr);
    if (path != nullptr) {
        unlink(path);
    }
}

} // namespace quarrow::lab
