#include "platform/StopSignals.h"

#include <windows.h>

#include <atomic>

namespace lumo {

namespace {

std::atomic<bool> stopSignalled{false};

// Ctrl+C, Ctrl+Break and the console closing only set the flag; returning TRUE keeps the
// process alive until the build has cleaned up.
BOOL WINAPI OnConsoleControl(DWORD) {
    stopSignalled.store(true);
    return TRUE;
}

} // namespace

void CatchStopSignals() {
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

bool StopSignalled() {
    return stopSignalled.load();
}

} // namespace lumo
