#include "platform/win/TransientRetry.h"

#include <windows.h>

namespace lumo {

namespace {

// Waits of 10, 20, 40 ... ms, capped at 500: 10 attempts in about two seconds.
constexpr DWORD kFirstWaitMs = 10;
constexpr DWORD kLongestWaitMs = 500;
constexpr DWORD kTotalWaitMs = 2000;

bool IsTransient(DWORD error, TransientErrors errors) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           (errors == TransientErrors::SharingOrAccessDenied && error == ERROR_ACCESS_DENIED);
}

} // namespace

bool RetryTransient(const std::function<bool()>& attempt, TransientErrors errors) {
    DWORD waited = 0;
    DWORD wait = kFirstWaitMs;
    for (;;) {
        if (attempt()) {
            return true;
        }
        const DWORD error = GetLastError();
        if (!IsTransient(error, errors) || waited >= kTotalWaitMs) {
            SetLastError(error);
            return false;
        }
        Sleep(wait);
        waited += wait;
        wait = wait * 2 > kLongestWaitMs ? kLongestWaitMs : wait * 2;
    }
}

} // namespace lumo
