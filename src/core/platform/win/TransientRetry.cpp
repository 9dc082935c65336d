#include "platform/win/TransientRetry.h"

#include <windows.h>

namespace lumo {

namespace {

// Waits of 10, 20, 40 ... ms, capped at 500: 10 attempts in about two seconds.
constexpr DWORD kFirstWaitMs = 10;
constexpr DWORD kLongestWaitMs = 500;

bool IsTransient(DWORD error, TransientErrors errors) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           (errors != TransientErrors::Sharing && error == ERROR_ACCESS_DENIED) ||
           (errors == TransientErrors::Removal && error == ERROR_DIR_NOT_EMPTY);
}

} // namespace

bool RetryTransient(const std::function<bool()>& attempt, TransientErrors errors,
                    unsigned long patienceMs) {
    DWORD waited = 0;
    DWORD wait = kFirstWaitMs;
    for (;;) {
        if (attempt()) {
            return true;
        }
        const DWORD error = GetLastError();
        if (!IsTransient(error, errors) || waited >= patienceMs) {
            SetLastError(error);
            return false;
        }
        Sleep(wait);
        waited += wait;
        wait = wait * 2 > kLongestWaitMs ? kLongestWaitMs : wait * 2;
    }
}

} // namespace lumo
