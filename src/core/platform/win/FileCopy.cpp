#include "platform/FileCopy.h"

#include "platform/FileIdentity.h"
#include "platform/win/CopyTarget.h"
#include "platform/win/SystemError.h"
#include "platform/win/TransientRetry.h"
#include "platform/win/WidePath.h"

#include <windows.h>

#include <optional>

namespace lumo {

namespace {

// The source's size, or nothing when it is not a regular file on disk.
std::optional<ULONGLONG> RegularFileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
        return std::nullopt;
    }
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
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
           (attributes &
            (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0;
}

FileResult CopyFileWithReason(const std::string& source, const std::string& target,
                              const CopyProgress& progress) {
    const std::wstring from = LongPath(source);
    const std::wstring to = LongPath(target);
    const std::optional<FileIdentity> sourceIdentity = IdentityOf(source);
    const std::optional<ULONGLONG> size = RegularFileSize(from);
    if (!sourceIdentity || !size) {
        const DWORD error = GetLastError();
        return WindowsFailure(error != ERROR_SUCCESS ? error : ERROR_INVALID_PARAMETER);
    }
    if (IsRefusedCopyTarget(GetFileAttributesW(to.c_str()))) {
        return WindowsFailure(ERROR_INVALID_PARAMETER);
    }
    // Copying a file onto itself, under whatever name, would truncate it.
    if (IdentityOf(target) == sourceIdentity) {
        return FileResult::Failure(FileFailure::Failed, "コピー先がコピー元と同じファイルです");
    }

    ProgressState state{&progress};
    const bool copied = RetryTransient(
        [&] { return CopyFileExW(from.c_str(), to.c_str(), OnProgress, &state, nullptr, 0) != 0; },
        TransientErrors::Sharing);
    if (!copied) {
        return WindowsFailure(GetLastError());
    }
    // Some systems never call the progress routine; the file then counts when it is done.
    if (!state.called && progress) {
        progress(*size);
    }
    return FileResult::Success();
}

} // namespace lumo
