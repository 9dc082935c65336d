#include "platform/StopSignals.h"

#include <atomic>
#include <csignal>

namespace lumo {

namespace {

std::atomic<bool> stopSignalled{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// Only sets the flag: nothing else is safe in a signal handler.
extern "C" void OnStopSignal(int) {
    stopSignalled.store(true);
}

} // namespace

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM}) {
        sigaction(signal, &action, nullptr);
    }
}

bool StopSignalled() {
    return stopSignalled.load();
}

} // namespace lumo
