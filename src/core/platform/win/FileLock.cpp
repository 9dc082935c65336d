#include "platform/FileLock.h"

#include "platform/win/Handle.h"
#include "platform/win/SystemError.h"
#include "platform/win/TransientRetry.h"
#include "platform/win/WidePath.h"

#include <windows.h>

namespace lumo {

namespace {

// A holder keeps the file open without sharing: nobody else opens it while the holder's
// process lives, and the system closes it when the process ends. Only a scanner's brief
// look is waited for.
constexpr unsigned long kLockPatienceMs = 500;
constexpr DWORD kAccess = GENERIC_READ | GENERIC_WRITE | DELETE;

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

bool ReadAll(HANDLE file, std::string& bytes) {
    bytes.clear();
    char buffer[4096];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        bytes.append(buffer, got);
    }
}

} // namespace

FileResult FileLock::create(const std::string& path, const std::string& contents) {
    release();
    HANDLE file = CreateFileW(LongPath(path).c_str(), kAccess, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return WindowsFailure(GetLastError());
    }
    if (!WriteAll(file, contents) || (!contents.empty() && !FlushFileBuffers(file))) {
        const FileResult failure = WindowsFailure(GetLastError());
        FILE_DISPOSITION_INFO dispose{TRUE};
        SetFileInformationByHandle(file, FileDispositionInfo, &dispose, sizeof dispose);
        CloseHandle(file);
        return failure;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    path_ = path;
    contents_ = contents;
    return FileResult::Success();
}

FileResult FileLock::acquire(const std::string& path) {
    release();
    const std::wstring wide = LongPath(path);
    HANDLE file = INVALID_HANDLE_VALUE;
    const bool opened = RetryTransient(
        [&] {
            file = CreateFileW(wide.c_str(), kAccess, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
            return file != INVALID_HANDLE_VALUE;
        },
        TransientErrors::Sharing, kLockPatienceMs);
    if (!opened) {
        return WindowsFailure(GetLastError());
    }
    if (!ReadAll(file, contents_)) {
        const FileResult failure = WindowsFailure(GetLastError());
        CloseHandle(file);
        return failure;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    path_ = path;
    return FileResult::Success();
}

// Marked for deletion through the held handle, so the file goes when it is closed.
FileResult FileLock::remove() {
    if (!held()) {
        return WindowsFailure(ERROR_INVALID_HANDLE);
    }
    FILE_DISPOSITION_INFO dispose{TRUE};
    const FileResult removed =
        SetFileInformationByHandle(AsHandle(handle_), FileDispositionInfo, &dispose, sizeof dispose)
            ? FileResult::Success()
            : WindowsFailure(GetLastError());
    release();
    return removed;
}

void FileLock::release() {
    if (held()) {
        CloseHandle(AsHandle(handle_));
        handle_ = kNone;
    }
}

} // namespace lumo
