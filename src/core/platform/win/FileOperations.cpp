#include "platform/FileOperations.h"

#include "platform/win/Handle.h"
#include "platform/win/SystemError.h"
#include "platform/win/TransientRetry.h"
#include "platform/win/WidePath.h"

#include <windows.h>

#include <string_view>

namespace lumo {

namespace {

// A viewer showing the exhibition or a preview in Explorer lets go of its files after a
// moment; a move waits that long before it counts them as in use.
constexpr unsigned long kMovePatienceMs = 5000;

FileResult LastFailure() {
    return WindowsFailure(GetLastError());
}

// A move still refused once the patience is over: access denied is what Windows answers
// for a folder that holds a file a program has open.
FileResult MoveFailure() {
    const DWORD error = GetLastError();
    FileResult result = WindowsFailure(error);
    if (error == ERROR_ACCESS_DENIED) {
        result.failure = FileFailure::InUse;
    }
    return result;
}

FileResult Move(const std::string& from, const std::string& to, DWORD flags) {
    const std::wstring source = LongPath(from);
    const std::wstring target = LongPath(to);
    const bool moved =
        RetryTransient([&] { return MoveFileExW(source.c_str(), target.c_str(), flags) != 0; },
                       TransientErrors::SharingOrAccessDenied, kMovePatienceMs);
    return moved ? FileResult::Success() : MoveFailure();
}

// The error of flushing what is at path; ERROR_SUCCESS when it is on the disk.
DWORD Flush(const std::wstring& path, DWORD flags) {
    Handle handle(CreateFileW(path.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, flags, nullptr));
    if (!handle.valid() || !FlushFileBuffers(handle.get())) {
        return GetLastError();
    }
    return ERROR_SUCCESS;
}

FileResult Outcome(DWORD error) {
    return error == ERROR_SUCCESS ? FileResult::Success() : WindowsFailure(error);
}

DWORD FlushFolderNames(const std::wstring& path) {
    const DWORD error = Flush(path, FILE_FLAG_BACKUP_SEMANTICS);
    // File systems that keep no folder data of their own to flush say so.
    return error == ERROR_INVALID_FUNCTION ? ERROR_SUCCESS : error;
}

bool IsDotName(std::wstring_view name) {
    return name == L"." || name == L"..";
}

bool RemoveFolder(const std::wstring& path) {
    return RetryTransient([&] { return RemoveDirectoryW(path.c_str()) != 0; },
                          TransientErrors::Removal);
}

bool RemoveFile(const std::wstring& path, DWORD attributes) {
    // A read-only file cannot be deleted until it is writable.
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    return RetryTransient([&] { return DeleteFileW(path.c_str()) != 0; }, TransientErrors::Removal);
}

// Removes what is at path; a reparse point (a symbolic link or a junction) is removed
// itself and never entered. The first failure is kept while the rest is still removed.
void RemoveEntry(const std::wstring& path, DWORD& firstError) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND && firstError == 0) {
            firstError = error;
        }
        return;
    }
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (folder && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileExW((path + L"\\*").c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, 0);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!IsDotName(found.cFileName)) {
                    RemoveEntry(path + L"\\" + found.cFileName, firstError);
                }
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
    }
    const bool removed = folder ? RemoveFolder(path) : RemoveFile(path, attributes);
    if (!removed && firstError == 0) {
        firstError = GetLastError();
    }
}

// Flushing needs a handle open for writing, which a read-only file refuses: it is made
// writable for the moment of the flush.
DWORD FlushFile(const std::wstring& path, DWORD attributes) {
    const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly && !SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
        return GetLastError();
    }
    const DWORD error = Flush(path, FILE_FLAG_OPEN_REPARSE_POINT);
    if (readOnly) {
        SetFileAttributesW(path.c_str(), attributes);
    }
    return error;
}

// Windows offers no flush of a whole volume to ordinary users: file by file, each folder
// after what it holds. Reparse points are not entered.
DWORD FlushEntries(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return GetLastError();
    }
    DWORD error = ERROR_SUCCESS;
    do {
        const std::wstring path = folder + L"\\" + found.cFileName;
        const DWORD attributes = found.dwFileAttributes;
        if (IsDotName(found.cFileName) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            continue;
        }
        error = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FlushEntries(path)
                                                             : FlushFile(path, attributes);
    } while (error == ERROR_SUCCESS && FindNextFileW(search, &found));
    FindClose(search);
    return error == ERROR_SUCCESS ? FlushFolderNames(folder) : error;
}

} // namespace

PathKind KindAt(const std::string& path) {
    const DWORD attributes =
        path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(LongPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return path.empty() || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? PathKind::Missing
                   : PathKind::Other;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return PathKind::Link;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return PathKind::Folder;
    }
    return (attributes & FILE_ATTRIBUTE_DEVICE) != 0 ? PathKind::Other : PathKind::File;
}

FileResult MakeFolder(const std::string& path) {
    return CreateDirectoryW(LongPath(path).c_str(), nullptr) ? FileResult::Success()
                                                             : LastFailure();
}

FileResult MovePath(const std::string& from, const std::string& to) {
    return Move(from, to, MOVEFILE_WRITE_THROUGH);
}

FileResult MoveFileOver(const std::string& from, const std::string& target) {
    return Move(from, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

FileResult LinkFile(const std::string& existing, const std::string& link) {
    if (CreateHardLinkW(LongPath(link).c_str(), LongPath(existing).c_str(), nullptr)) {
        return FileResult::Success();
    }
    const DWORD error = GetLastError();
    // FAT and exFAT have no links; a link cannot cross volumes; NTFS allows 1023 per file.
    if (error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED ||
        error == ERROR_NOT_SAME_DEVICE || error == ERROR_TOO_MANY_LINKS) {
        return FileResult::Failure(FileFailure::NoLinks, SystemErrorText(error));
    }
    return WindowsFailure(error);
}

FileResult FlushTree(const std::string& folder) {
    return Outcome(FlushEntries(LongPath(folder)));
}

FileResult FlushFolder(const std::string& path) {
    return Outcome(FlushFolderNames(LongPath(path)));
}

FileResult WriteNewFile(const std::string& path, const std::string& bytes) {
    const std::wstring wide = LongPath(path);
    Handle file(CreateFileW(wide.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return LastFailure();
    }
    if (WriteAll(file.get(), bytes) && FlushFileBuffers(file.get())) {
        return FileResult::Success();
    }
    const FileResult failure = LastFailure();
    FILE_DISPOSITION_INFO dispose{TRUE};
    SetFileInformationByHandle(file.get(), FileDispositionInfo, &dispose, sizeof dispose);
    return failure;
}

FileResult RemoveTree(const std::string& path) {
    DWORD firstError = 0;
    RemoveEntry(LongPath(path), firstError);
    return firstError == 0 ? FileResult::Success() : WindowsFailure(firstError);
}

} // namespace lumo
