#include "platform/FileCopy.h"

#include "platform/win/CopyTarget.h"
#include "platform/win/TransientRetry.h"
#include "platform/win/WidePath.h"

#include <windows.h>

namespace lumo {

namespace {

struct Identity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const Identity&) const = default;
};

// Volume serial and file index name a file whatever path, letter case or link leads
// to it; false when the path names nothing that can be opened.
bool IdentityOf(const std::wstring& path, Identity& identity, ULONGLONG* size = nullptr) {
    HANDLE handle =
        CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle, &info) != 0 &&
                       GetFileType(handle) == FILE_TYPE_DISK;
    CloseHandle(handle);
    if (!known) {
        return false;
    }
    identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    if (size != nullptr) {
        *size = (static_cast<ULONGLONG>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return false;
        }
    }
    return true;
}

struct ProgressState {
    const CopyProgress* progress;
    bool called = false;
};

DWORD CALLBACK OnProgress(LARGE_INTEGER, LARGE_INTEGER transferred, LARGE_INTEGER, LARGE_INTEGER,
                          DWORD, DWORD, HANDLE, HANDLE, LPVOID data) {
    auto* state = static_cast<ProgressState*>(data);
    state->called = true;
    if (*state->progress) {
        (*state->progress)(static_cast<std::uint64_t>(transferred.QuadPart));
    }
    return PROGRESS_CONTINUE;
}

} // namespace

bool IsRefusedCopyTarget(unsigned long attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY |
                          FILE_ATTRIBUTE_DEVICE)) != 0;
}

bool CopyFileReplacing(const std::string& source, const std::string& target,
                       const CopyProgress& progress) {
    const std::wstring from = LongPath(source);
    const std::wstring to = LongPath(target);
    Identity sourceIdentity;
    ULONGLONG size = 0;
    if (!IdentityOf(from, sourceIdentity, &size)) {
        return false;
    }
    if (IsRefusedCopyTarget(GetFileAttributesW(to.c_str()))) {
        return false;
    }
    // Copying a file onto itself would truncate it.
    Identity targetIdentity;
    if (IdentityOf(to, targetIdentity) && targetIdentity == sourceIdentity) {
        return false;
    }

    ProgressState state{&progress};
    const bool copied = RetryTransient(
        [&] {
            return CopyFileExW(from.c_str(), to.c_str(), OnProgress, &state, nullptr, 0) != 0;
        },
        TransientErrors::Sharing);
    // Some systems never call the progress routine; the file then counts when it is done.
    if (copied && !state.called && progress) {
        progress(size);
    }
    return copied;
}

} // namespace lumo
